#pragma once
// Pictures of the static scene: the door that opens over a chosen label (five frames), the
// speech bubble beside the intro walker, and the "Dejar de estudiar" sign.
#include <QImage>
#include <QList>

namespace rumbelo::art {

QList<QImage> staticDoorFrames();
QImage staticBubble();
// The leave sign: a red arrow board, or for the snow theme an icy one (navy text over it).
QImage leaveSign(bool snowy);

}  // namespace rumbelo::art
