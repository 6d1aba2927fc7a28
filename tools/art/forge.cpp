#include "forge.h"
#include <QPainter>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "common/program/shared_pictures.h"
#include "common/program/themes.h"
#include "common_list.h"
#include "guide_girl.h"
#include "key_colour.h"
#include "list_writer.h"
#include "pilot.h"
#include "scene_items.h"
#include "scene_picture.h"
#include "section_tiles.h"
#include "sounds.h"
#include "static_scene.h"
#include "svg_art.h"
#include "torches.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

Theme themeTable(char letter) {
    const auto theme = themeFor(std::string(1, letter));
    if (!theme) throw std::runtime_error(std::string("no theme ") + letter);
    return *theme;
}

}  // namespace

Forge::Forge(QString artDir) : artDir_(std::move(artDir)) {
    for (char letter : kThemeLetters) {
        const QString path = artDir_ + QStringLiteral("/themes/") + QChar(letter) + ".theme";
        auto [it, fresh] = styles_.emplace(letter, ThemeStyle::load(path));
        if (it->second.letter() != QChar(letter))
            throw std::runtime_error(path.toStdString() + ": letter does not match the file name");
        arts_.emplace(letter, makeThemeArt(it->second));
    }
}

Forge::~Forge() = default;

const ThemeArt& Forge::theme(char letter) const {
    const auto it = arts_.find(letter);
    if (it == arts_.end()) throw std::runtime_error(std::string("no theme ") + letter);
    return *it->second;
}

Outputs Forge::themeFiles(char letter) const {
    const Theme table = themeTable(letter);
    const ThemeArt& art = theme(letter);
    Outputs out;
    out.push_back({q(table.sceneList), encodeImageList(themeSceneList(art, artDir_), {})});
    out.push_back({q(table.mosaicTile), encodeBmp(mosaicTile(art))});
    out.push_back({q(table.floorTile), encodeBmp(sectionFloorTile(art))});
    out.push_back({q(table.scenePicture), encodeBmp(withoutPureWhite(scenePicture(art, artDir_)))});
    if (frameOwner(letter) == letter) {
        for (OutputFile& file : frameTiles(letter))
            out.push_back(std::move(file));
    }
    if (!table.decoration.empty()) {
        const QString name = q(table.decoration);
        const QString source =
            artDir_ + QStringLiteral("/decorations/") +
            QString(name).replace(QStringLiteral(".bmp"), QStringLiteral(".svg"));
        out.push_back(
            {name, encodeBmp(onKeyColour(renderSvg(source, kDecorationWidth, kDecorationHeight)))});
    }
    if (table.leaveSign != "rotuloa.bmp")
        out.push_back({q(table.leaveSign), encodeBmp(onKeyColour(leaveSign(true)))});
    return out;
}

// Four sets of frame tiles serve six themes: P borrows F's, A borrows C's.
char Forge::frameOwner(char letter) {
    switch (letter) {
        case 'P':
            return 'F';
        case 'A':
            return 'C';
        default:
            return letter;
    }
}

Outputs Forge::frameTiles(char letter) const {
    const Theme table = themeTable(letter);
    const ThemeArt& art = theme(frameOwner(letter));
    return {{q(table.frameTop), encodeBmp(frameTile(art, FrameSide::Top))},
            {q(table.frameRight), encodeBmp(frameTile(art, FrameSide::Right))},
            {q(table.frameLeft), encodeBmp(frameTile(art, FrameSide::Left))}};
}

Outputs Forge::commonList() const {
    return {
        {q(std::string(kCommonSpriteList)), encodeImageList(commonSpriteList(), surfacePalette())}};
}

Outputs Forge::torchLists() const {
    return {{q(std::string(kCommonTorchList)), encodeImageList(torchList(), {})},
            {QStringLiteral("antorchaf.dxg"), encodeImageList(butterflyList(), {})}};
}

namespace {
QImage desktopIcon() {
    const QImage girl =
        guidePortrait().scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage icon(128, 128, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage((128 - girl.width()) / 2, 0, girl);
    return icon;
}
}  // namespace

Outputs Forge::guideFiles() const {
    return {
        {QStringLiteral("chica.bmp"), encodeBmp(onKeyColour(guidePortrait()))},
        {QStringLiteral("figura.DXG"),
         encodeImageList({{QStringLiteral("figura"), guideFrames()}}, {})},
        {QStringLiteral("piloto.DXG"),
         encodeImageList({{QStringLiteral("piloto"), pilotFrames()}}, {})},
        {QStringLiteral("puertas.DXG"),
         encodeImageList({{QStringLiteral("puerta"), staticDoorFrames()}}, {})},
        {QStringLiteral("bocadillo.bmp"), encodeBmp(onKeyColour(staticBubble()))},
        // The desktop icon: the guide girl on a transparent square.
        {QStringLiteral("rumbelo.png"), encodePng(desktopIcon())},
    };
}

Outputs Forge::sharedPictures() const {
    return {
        {QStringLiteral("rotuloa.bmp"), encodeBmp(onKeyColour(leaveSign(false)))},
        {QStringLiteral("heli.bmp"),
         encodeBmp(onKeyColour(
             renderSvg(artDir_ + QStringLiteral("/pictures/heli.svg"), kHeliWidth, kHeliHeight)))},
    };
}

// The list-row icons, one item per meaning in index order, drawn from art/icons/icon-NN.svg.
Outputs Forge::iconList() const {
    std::vector<ImageEntry> icons;
    for (int i = 0; i < kIconCount; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        const QString source = artDir_ + QStringLiteral("/icons/icon-") + number + ".svg";
        icons.push_back(
            {QStringLiteral("icono") + number, {renderSvg(source, kRowIconSize, kRowIconSize)}});
    }
    return {{QString::fromLatin1(kIconListFile), encodeImageList(icons, {})}};
}

Outputs Forge::sounds() const {
    const QString dir = artDir_ + QStringLiteral("/sounds/");
    Outputs out;
    for (const char* list : {"flor", "nieve", "inicio"}) {
        const QString tune = dir + QLatin1String(list) + QStringLiteral(".tune");
        out.push_back({QLatin1String(list) + QStringLiteral(".dxw"),
                       encodeWaveList({{QStringLiteral("inicio"), introTune(tune)}})});
    }
    out.push_back({QStringLiteral("tecla.wav"), keyClick()});
    out.push_back({QStringLiteral("motor.wav"), engineLoop()});
    return out;
}

std::vector<std::function<Outputs()>> Forge::jobs() const {
    std::vector<std::function<Outputs()>> jobs;
    // The longest first, so two threads finish together.
    jobs.push_back([this] { return commonList(); });
    for (char letter : kThemeLetters)
        jobs.push_back([this, letter] { return themeFiles(letter); });
    jobs.push_back([this] { return guideFiles(); });
    jobs.push_back([this] { return torchLists(); });
    jobs.push_back([this] { return sharedPictures(); });
    jobs.push_back([this] { return iconList(); });
    jobs.push_back([this] { return sounds(); });
    return jobs;
}

std::vector<QString> buildAll(const Forge& forge, const QString& outDir, int threads) {
    if (!QDir().mkpath(outDir))
        throw std::runtime_error(outDir.toStdString() + ": cannot be created");
    const auto jobs = forge.jobs();
    std::atomic<std::size_t> nextJob{0};
    std::mutex lock;
    std::vector<QString> written;
    std::string failure;
    auto worker = [&] {
        for (std::size_t j = nextJob++; j < jobs.size(); j = nextJob++) {
            try {
                for (const OutputFile& file : jobs[j]()) {
                    QFile out(outDir + QLatin1Char('/') + file.name);
                    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                        out.write(file.bytes) != file.bytes.size())
                        throw std::runtime_error(out.fileName().toStdString() +
                                                 ": cannot be written");
                    const std::lock_guard guard(lock);
                    written.push_back(file.name);
                }
            } catch (const std::exception& e) {
                const std::lock_guard guard(lock);
                if (failure.empty()) failure = e.what();
                nextJob = jobs.size();
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (auto& thread : pool)
        thread.join();
    if (!failure.empty()) throw std::runtime_error(failure);
    return written;
}

}  // namespace rumbelo::art
