#include "scene/scene_text_painter.h"

#include <QRegion>
#include <cmath>

#include "common/qt_text.h"
#include "scene/rules/title_reveal.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/world/animated_world.h"

namespace rumbelo {
namespace {
const QString kFont = QStringLiteral("times new roman");
}

SceneTextPainter::SceneTextPainter(std::vector<SignText> signs, QString title, QString schoolName,
                                   SceneTextStyle style)
    : title_(std::move(title)), schoolName_(std::move(schoolName)), style_(style) {
    for (SignText& s : signs) {
        const QString shown = toQt(s.text);
        signs_.push_back({std::move(s), shown});
    }
}

void SceneTextPainter::paint(SurfaceCanvas& canvas, AnimatedWorld& world) {
    paintSigns(canvas, world);
    paintBubble(canvas, world);
    paintTitle(canvas, world);
}

void SceneTextPainter::paintSigns(SurfaceCanvas& canvas, AnimatedWorld& world) {
    const double camX = world.engine().cameraX;
    const double camY = world.engine().cameraY;
    // The signs lie under the mini-map, its icons and the speech bubble; so must their words.
    QRegion free(0, 0, world.surfaceWidth(), world.surfaceHeight());
    for (const Sprite* hud : {world.world().miniMap(), world.world().lens(),
                              world.world().exitIcon(), world.world().bubble()})
        if (hud->visible)
            free -= QRect(static_cast<int>(std::floor(hud->x + camX)),
                          static_cast<int>(std::floor(hud->y + camY)), hud->width, hud->height);
    canvas.painter().save();
    canvas.painter().setClipRegion(free);
    int size = -1;
    for (const Sign& sign : signs_) {
        const Sprite& s = *world.world().piece(sign.text.piece);
        const int left = static_cast<int>(std::floor(s.x + camX));
        const int top = static_cast<int>(std::floor(s.y + camY));
        // Signs off the screen cost nothing.
        if (left > world.surfaceWidth() || top > world.surfaceHeight() || left + s.width < 0 ||
            top + s.height < 0)
            continue;
        if (sign.text.size != size) {
            size = sign.text.size;
            canvas.setFont(kFont, size + style_.correction);
        }
        const int x = centredX(left, s.width, canvas.textWidth(sign.shown)) + sign.text.dx;
        const int y = top + s.height / 2 - canvas.textHeight(sign.shown) / 2 + sign.text.dy;
        // Black first, then the highlight one pixel higher: letters in relief.
        canvas.setColour(Qt::black);
        canvas.textOut(x, y, sign.shown);
        canvas.setColour(style_.highlight);
        canvas.textOut(x, y - 1, sign.shown);
    }
    canvas.painter().restore();
}

void SceneTextPainter::paintBubble(SurfaceCanvas& canvas, const AnimatedWorld& world) {
    canvas.setFont(kFont, 10 + style_.correction);
    canvas.setColour(Qt::black);
    const BubbleLines& lines = world.state().bubbleLines;
    for (int i = 0; i < 4; ++i)
        if (!lines[i].empty()) canvas.textOut(450, 140 + 12 * i, toQt(lines[i]));
}

void SceneTextPainter::paintTitle(SurfaceCanvas& canvas, AnimatedWorld& world) {
    if (world.state().character.ry != 0) return;
    const int length = static_cast<int>(title_.size());
    world.revealTitle(length);
    const TitleReveal& reveal = world.state().title;
    if (reveal.shown() == 0) return;
    const auto twice = [&](int x, int y, int shift, const QString& text) {
        canvas.setColour(Qt::white);
        canvas.textOut(x, y, text);
        canvas.setColour(style_.title);
        canvas.textOut(x - shift, y - shift, text);
    };
    const QString shown = title_.left(reveal.shown());
    int size = 48 + 3 * style_.correction;
    canvas.setFont(kFont, size);
    twice(titleLeft(200, static_cast<int>(shown.size()), size), 400, 2, shown);
    if (!reveal.complete(length)) return;
    canvas.setColour(Qt::white);
    canvas.textOut(300, 460, QStringLiteral("2008"));
    canvas.setFont(kFont, size, true);
    canvas.setColour(style_.title);
    canvas.textOut(298, 456, QStringLiteral("2008"));
    size = 18 + style_.correction;
    canvas.setFont(kFont, size, true);
    twice(titleLeft(360, static_cast<int>(schoolName_.size()), size), 365, 1, schoolName_);
    canvas.setFont(kFont, 14 + style_.correction, true);
    twice(670, 430, 1, QString::fromLatin1(kCreditLine1));
    twice(690, 460, 1, QString::fromLatin1(kCreditLine2));
}

}  // namespace rumbelo
