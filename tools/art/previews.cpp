#include "previews.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

#include "common/lists/image_list.h"
#include "common/program/themes.h"
#include "scene/world/building_table.h"

namespace rumbelo::art {
namespace {

constexpr int kLeft = -1420, kTop = -1560, kRight = 1820, kBottom = 520;
constexpr int kSurfaceHeight = 600;

ImageList readList(const Outputs& files, const QString& name) {
    for (const OutputFile& file : files) {
        if (file.name != name) continue;
        ImageList list;
        if (!list.loadFromBytes(file.bytes, name))
            throw std::runtime_error(list.errorString().toStdString());
        return list;
    }
    throw std::runtime_error("preview: no " + name.toStdString());
}

struct Placed {
    const QImage* image;
    int x, y, layer, order;
};

}  // namespace

QImage worldPreview(const Forge& forge, char letter, double scale) {
    const Theme theme = *themeFor(std::string(1, letter));
    const ImageList scene =
        readList(forge.themeFiles(letter), QString::fromStdString(theme.sceneList));
    const ImageList common =
        readList(forge.commonList(), QString::fromStdString(std::string(kCommonSpriteList)));
    const ImageList torches = readList(forge.torchLists(), QString::fromStdString(theme.torchList));

    // Draw order: by layer; inside a layer a sprite that entered later lies under the others.
    // Layer 0 keeps the creation order; the other layers are entered in the table's order.
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < kBuilding.size(); ++i) {
        const BuildingPiece& piece = kBuilding[i];
        const int number = static_cast<int>(i) + 1;
        if (number == piece::kLens || number == piece::kMiniMap || number == piece::kMapDot ||
            number == piece::kExitIcon || number == piece::kBubble)
            continue;  // heads-up display and bubble follow the character
        const ImageList& list = piece.list == SpriteList::Common ? common : scene;
        const QImage* image = &list.item(QString::fromLatin1(piece.image)).frame(0);
        const int order = piece.layer == 0 ? -piece.created : -number;
        placed.push_back({image, piece.x, pieceY(piece, kSurfaceHeight), piece.layer, order});
    }
    const QString flame = letter == 'C'   ? QStringLiteral("bandera")
                          : letter == 'F' ? QStringLiteral("mariposa")
                                          : QStringLiteral("antorcha");
    const QPoint torchPlaces[] = {{-175, 40}, {240, -300}, {26, -800}, {-595, -1350}, {964, -1350}};
    int extra = 1000;
    for (const QPoint& at : torchPlaces)
        placed.push_back({&torches.item(flame).frame(0), at.x(), at.y(), 6, extra++});
    if (letter == 'C')
        for (const QPoint at : {QPoint(-520, -930), QPoint(700, -930)})
            placed.push_back({&torches.item(u"espada").frame(0), at.x(), at.y(), 6, extra++});
    if (letter == 'N')
        for (const QPoint at : {QPoint(-470, -1050), QPoint(760, -1050)})
            placed.push_back({&torches.item(u"payaso").frame(0), at.x(), at.y(), 6, extra++});
    placed.push_back({&common.item(u"mandown01").frame(0), 60, 0, 2, 100000});
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.layer != b.layer ? a.layer < b.layer : a.order < b.order;
    });

    const QImage& floor = scene.item(u"background").frame(0);
    QImage world(kRight - kLeft, kBottom - kTop, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&world);
    p.fillRect(world.rect(), QBrush(floor));
    for (const Placed& item : placed)
        p.drawImage(item.x - kLeft, item.y - kTop, *item.image);
    p.end();
    return world.scaled(static_cast<int>(world.width() * scale),
                        static_cast<int>(world.height() * scale), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

QImage staticScenePreview(const Forge& forge, char letter) {
    const Theme theme = *themeFor(std::string(1, letter));
    auto picture = [&](const Outputs& files, const std::string& name) {
        for (const OutputFile& file : files)
            if (file.name == QString::fromStdString(name)) {
                QImage image =
                    QImage::fromData(file.bytes, "BMP").convertToFormat(QImage::Format_ARGB32);
                // White is the transparent colour of these pictures.
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if ((image.pixel(x, y) & 0xffffff) == 0xffffff) image.setPixel(x, y, 0);
                return image;
            }
        throw std::runtime_error("preview: no " + name);
    };
    const Outputs themeFiles = forge.themeFiles(letter);
    const Outputs shared = forge.sharedPictures();
    const Outputs guide = forge.guideFiles();
    QImage screen(800, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&screen);
    p.fillRect(screen.rect(), QBrush(picture(themeFiles, theme.mosaicTile)));
    p.setPen(Qt::white);
    for (int row : {55, 363})
        for (int x : {27, 161, 295, 429, 563, 697}) {
            if (row == 363 && x == 27) continue;
            p.fillRect(QRect(x, row, 81, 105), Qt::black);
            p.drawText(QRect(x, row, 81, 105), Qt::AlignCenter, QStringLiteral("Door"));
        }
    const Outputs& signFiles = theme.leaveSign == "rotuloa.bmp" ? shared : themeFiles;
    p.drawImage(QRect(704, 256, 97, 57), picture(signFiles, theme.leaveSign));
    if (!theme.decoration.empty()) p.drawImage(16, 340, picture(themeFiles, theme.decoration));
    ImageList figure;
    figure.loadFromBytes(guide[1].bytes, guide[1].name);
    p.drawImage(285, 190, figure.item(u"figura").frame(7));
    p.drawImage(336, 144, picture(guide, "bocadillo.bmp"));
    const QColor highlight =
        letter == 'C' || letter == 'N' ? QColor(0, 0, 128) : QColor(255, 255, 0);
    p.setPen(highlight);
    QFont font(QStringLiteral("Comic Neue"), 14);
    p.setFont(font);
    p.drawText(QRect(48, 496, 705, 26), Qt::AlignCenter,
               QStringLiteral("IES Miguel Hern\u00e1ndez"));
    font.setBold(true);
    font.setPointSize(20);
    p.setFont(font);
    p.drawText(QRect(352, 520, 89, 33), Qt::AlignCenter, QStringLiteral("2008"));
    p.end();
    return screen;
}

}  // namespace rumbelo::art
