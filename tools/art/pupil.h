#pragma once
// The walking pupil of the scene: eight series of ten frames, 56 x 170, named as the character
// looks them up ("mandown01" .. "mandoizq10"). Frame 01 of each series is its standing pose.
#include <vector>

#include "list_writer.h"

namespace rumbelo::art {

std::vector<ImageEntry> pupilFrames();

}  // namespace rumbelo::art
