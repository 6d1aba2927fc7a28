#pragma once
// Interface texts numbered "t<k>" for every slot: a recognisable stand-in for "textos".
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo::testing {

inline InterfaceTexts numberedTexts() {
    InterfaceTexts texts;
    for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k)
        if (InterfaceTexts::hasSlot(k)) texts.set(k, "t" + std::to_string(k));
    return texts;
}

}  // namespace rumbelo::testing
