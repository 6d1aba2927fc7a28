// The built program folder holds every picture and sound the program opens, readable through
// the sprite layer, at the sizes the building's layout and the character's walking rules need.
#include <QDir>
#include <QLibrary>
#include <QtTest>
#include <algorithm>
#include <string_view>

#include "common/lists/image_list.h"
#include "common/lists/wave_list.h"
#include "common/program/shared_pictures.h"
#include "common/program/themes.h"
#include "common/sound/sound_output.h"
#include "scene/world/building_table.h"
#include "world_facts.h"

using namespace rumbelo;
using namespace rumbelo::testing::world;

namespace {

QString programFile(const std::string& name) {
    return QStringLiteral(RUMBELO_PROGRAM_DIR "/") + QString::fromStdString(name);
}

const char kLetters[] = {'F', 'C', 'N', 'A', 'P', 'E'};

// The program opens pictures as BMP whatever their name.
QImage bitmap(const std::string& name) {
    QImage image;
    image.load(programFile(name), "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

bool columnClear(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

bool solidAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 255;
}

struct Lists {
    ImageList scene, common, torches;
};

// Loads the theme's three image lists as the scene does, failing the test on any error.
bool loadLists(char letter, Lists& lists) {
    const Theme theme = *themeFor(std::string(1, letter));
    for (auto [list, name] : {std::pair{&lists.scene, theme.sceneList},
                              std::pair{&lists.common, std::string(kCommonSpriteList)},
                              std::pair{&lists.torches, theme.torchList}}) {
        if (!list->load(programFile(name))) {
            qWarning("%s", qPrintable(list->errorString()));
            return false;
        }
    }
    return true;
}

void addThemeRows() {
    QTest::addColumn<char>("letter");
    for (char letter : kLetters)
        QTest::newRow(std::string(1, letter).c_str()) << letter;
}

}  // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureOfTheThemeTableLoads_data() { addThemeRows(); }
    void everyPictureOfTheThemeTableLoads() {
        QFETCH(char, letter);
        const Theme theme = *themeFor(std::string(1, letter));
        std::vector<std::string> pictures = {theme.mosaicTile, theme.scenePicture, theme.floorTile,
                                             theme.frameTop,   theme.frameRight,   theme.frameLeft,
                                             theme.leaveSign};
        if (!theme.decoration.empty()) pictures.push_back(theme.decoration);
        for (const std::string& name : pictures)
            QVERIFY2(!bitmap(name).isNull(), name.c_str());
        for (const std::string& list :
             {theme.sceneList, theme.torchList, std::string(kCommonSpriteList)}) {
            ImageList images;
            QVERIFY2(images.load(programFile(list)), qPrintable(images.errorString()));
        }
        WaveList waves;
        QVERIFY2(waves.load(programFile(theme.waveList)), qPrintable(waves.errorString()));
        const QByteArray intro = waves.wave(u"inicio");
        QVERIFY(intro.startsWith("RIFF") && intro.mid(8, 4) == "WAVE");
    }

    void staticScenePicturesFitTheirPlaces_data() { addThemeRows(); }
    void staticScenePicturesFitTheirPlaces() {
        QFETCH(char, letter);
        const Theme theme = *themeFor(std::string(1, letter));
        QCOMPARE(bitmap(theme.scenePicture).size(), QSize(800, 600));
        // The zoom stretches one mosaic tile over a door column; the labels stand 134 apart.
        QCOMPARE(bitmap(theme.mosaicTile).width(), 161 - 27);
        const QImage sign = bitmap(theme.leaveSign);
        QVERIFY(std::abs(sign.width() * 57 - sign.height() * 97) <= 97);  // shown at 97 x 57
        if (!theme.decoration.empty()) {
            // At (16, 340), clear of the door label at x 161 and of the school name at y 496.
            const QImage decoration = bitmap(theme.decoration);
            QVERIFY(16 + decoration.width() <= 161);
            QVERIFY(340 + decoration.height() <= 496);
            QCOMPARE(decoration.pixel(0, decoration.height() - 1), qRgb(255, 255, 255));
        }
        // White turns transparent during the help transition: the backdrop has none.
        const QImage backdrop = bitmap(theme.scenePicture);
        for (int y = 0; y < backdrop.height(); y += 3)
            for (int x = 0; x < backdrop.width(); x += 3)
                QVERIFY(backdrop.pixel(x, y) != qRgb(255, 255, 255));
    }

    void sceneListHoldsEveryNameTheSceneLooksUp_data() { addThemeRows(); }
    void sceneListHoldsEveryNameTheSceneLooksUp() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        for (const char* name :
             {"background", "lateral1", "lateral2", "lateralPaso", "pared",    "paredUp",
              "paredUp2",   "paredEx",  "rotulo1",  "rotulo2",     "rotulos",  "puertaB",
              "puertab",    "puer3",    "faraon1",  "faraon2",     "pedestal", "tabla1",
              "bocadillo",  "zoom",     "zoomC"})
            QVERIFY2(lists.scene.contains(QString::fromLatin1(name)), name);
        QCOMPARE(lists.scene.item(u"faraon2").width(), lists.scene.item(u"faraon1").width());
        QCOMPARE(lists.scene.item(u"faraon2").height(), lists.scene.item(u"faraon1").height());
        const QStringList decorations = letter == 'C'   ? QStringList{"bandera", "espada"}
                                        : letter == 'N' ? QStringList{"antorcha", "payaso"}
                                        : letter == 'F' ? QStringList{"mariposa"}
                                                        : QStringList{"antorcha"};
        for (const QString& name : decorations) {
            QVERIFY2(lists.torches.contains(name), qPrintable(name));
            QVERIFY(lists.torches.item(name).patternCount() >= 2);  // they are animated
        }
    }

    void wallsFollowTheRowsAndTheCharactersStops_data() { addThemeRows(); }
    void wallsFollowTheRowsAndTheCharactersStops() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const int manHeight = lists.common.item(u"mandown01").height();
        const ImageItem& block = lists.scene.item(u"paredEx");
        const ImageItem& wall = lists.scene.item(u"pared");
        const ImageItem& cap = lists.scene.item(u"paredUp");
        const ImageItem& shortCap = lists.scene.item(u"paredUp2");
        // Pieces follow one another without gaps, overlapping by a column at most.
        QCOMPARE(block.width(), kFrontRow[1] - kFrontRow[0]);
        for (const LongWall& w :
             {kMiddleWall, kLeftCorridorWall, kRightCorridorWall, kTopLeftWall}) {
            QVERIFY(w.x + wall.width() >= w.nextPiece);
            QVERIFY(w.x + wall.width() <= w.nextPiece + 1);
        }
        // The cap's layer hides the character standing behind its wall; the "paredEx" caps
        // beyond lie under him. So the middle wall's cap runs on over the "paredEx" to past the
        // farthest the character's body gets north of it, or he stands on the wall top there.
        const int manWidth = lists.common.item(u"mandown01").width();
        QVERIFY(kMiddleWall.x + cap.width() >= kMiddleCorridorRightStop + kLongestStep + manWidth);
        // On the left the walk stop lies past the cap's start: the pieces over the character
        // on the wall's row must cover every column from that stop on.
        std::vector<std::pair<int, int>> caps;
        auto addCaps = [&](const auto& pieces) {
            for (const BuildingPiece& p : pieces)
                if (p.list == SpriteList::Theme && p.y == kMiddleWall.capY &&
                    p.layer > kCharacterLayer)
                    caps.push_back(
                        {p.x, p.x + lists.scene.item(QString::fromLatin1(p.image)).width()});
        };
        addCaps(kBuilding);
        addCaps(kMends);
        std::sort(caps.begin(), caps.end());
        int covered = kMiddleCorridorLeftStop;
        for (const auto& [from, to] : caps)
            if (from <= covered) covered = std::max(covered, to);
        QVERIFY2(covered >= kMiddleCorridorRightStop + kLongestStep + manWidth,
                 qPrintable(QStringLiteral("caps end at %1").arg(covered)));
        // North of the corridor walls' row the character walks down to it however far right it
        // goes: the right wall's cap covers every block of the row, or he stands on their tops.
        const int rowEnd = *std::max_element(std::begin(kCorridorRowRightBlocks),
                                             std::end(kCorridorRowRightBlocks)) +
                           block.width();
        QVERIFY(kRightCorridorWall.x + cap.width() >= rowEnd);
        QVERIFY(cap.width() >= wall.width());
        QCOMPARE(shortCap.width(), kShortCapNext - kShortCapX);
        // A cap reaches from the row's top down to its wall; the wall down to where the
        // character's feet stop when it walks up to it.
        QCOMPARE(cap.height(), kMiddleWall.y - kMiddleWall.capY);
        QCOMPARE(shortCap.height(), cap.height());
        const int feetWhenStopped = (kMiddleBandTop - 1) + manHeight;
        QCOMPARE(wall.height(), feetWhenStopped - kMiddleWall.y);
        QCOMPARE(block.height(), cap.height() + wall.height());
    }

    void passagesAreOpenWhereTheCharacterWalksAndWalledWhereItIsStopped_data() { addThemeRows(); }
    void passagesAreOpenWhereTheCharacterWalksAndWalledWhereItIsStopped() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const int manWidth = lists.common.item(u"mandown01").width();
        const QImage wall = lists.scene.item(u"pared").frame(0);
        const QImage cap = lists.scene.item(u"paredUp").frame(0);
        for (const Passage& passage : kPassages) {
            const int x = passage.wall->x;
            // Wherever the side stops let the body be, wall and cap are open.
            for (int world = passage.sideFrom; world < passage.sideTo + manWidth; ++world) {
                QVERIFY2(columnClear(wall, world - x),
                         qPrintable(QStringLiteral("wall at %1").arg(world)));
                QVERIFY2(columnClear(cap, world - x),
                         qPrintable(QStringLiteral("cap at %1").arg(world)));
            }
        }
        // Wherever no passage lets the body cross, the wall is solid at its middle.
        for (int column = 0; column < wall.width(); ++column) {
            bool crossable = false;
            for (const Passage& passage : kPassages) {
                const int world = passage.wall->x + column;
                crossable |= world >= passage.crossFrom && world < passage.crossTo + manWidth;
            }
            if (crossable) continue;
            QVERIFY2(solidAt(wall, column, wall.height() / 2), qPrintable(QString::number(column)));
            QVERIFY2(solidAt(cap, column, cap.height() / 2), qPrintable(QString::number(column)));
        }
    }

    void sideWallsStackAndMeetTheStops_data() { addThemeRows(); }
    void sideWallsStackAndMeetTheStops() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const ImageItem& upper = lists.scene.item(u"lateral1");
        const ImageItem& lower = lists.scene.item(u"lateral2");
        const ImageItem& passage = lists.scene.item(u"lateralPaso");
        for (const SideStack& stack : kSideStacks) {
            QCOMPARE(upper.height(), stack.lowerY - stack.upperY);
            QCOMPARE(lower.height(), stack.rowBelow - stack.lowerY);
        }
        QCOMPARE(lower.width(), upper.width());
        QCOMPARE(passage.width(), upper.width());
        QCOMPARE(passage.height(), lower.height());
        // The left walls' inner faces lie between the nearest and the farthest stop.
        int nearest = 1 << 30, farthest = 0;
        for (const auto& stop : kLeftStops) {
            nearest = std::min(nearest, stop[1] - stop[0]);
            farthest = std::max(farthest, stop[1] - stop[0]);
        }
        QVERIFY(upper.width() >= nearest && upper.width() <= farthest);
        // The side wall with a passage is open wherever the character's feet can be.
        const QImage open = passage.frame(0);
        const int highestFeet = (kUpperHallTopStop - 1) + lists.common.item(u"mandown01").height();
        for (int y = highestFeet - kPassageWallY; y < open.height(); ++y)
            for (int x = 0; x < open.width(); ++x)
                QVERIFY(qAlpha(open.pixel(x, y)) == 0);
        // Nothing stops the character at that wall, and his feet are always south of its
        // end: no piece of its stack may be drawn over him where his body can be.
        const auto paso = std::find_if(kBuilding.begin(), kBuilding.end(), [](const auto& p) {
            return std::string_view(p.image) == "lateralPaso";
        });
        QVERIFY(paso != kBuilding.end());
        for (const BuildingPiece& p : kBuilding)
            if (p.x == paso->x && p.layer > kCharacterLayer) {
                const int bottom = p.y + lists.scene.item(QString::fromLatin1(p.image)).height();
                QVERIFY2(bottom <= kUpperHallTopStop, p.image);
            }
    }

    void doorsFitTheirWallsAndCoverThePassagesBehindThem_data() { addThemeRows(); }
    void doorsFitTheirWallsAndCoverThePassagesBehindThem() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const ImageItem& wall = lists.scene.item(u"pared");
        const ImageItem& man = lists.common.item(u"mandown01");
        const std::pair<const ImageItem*, const char*> doors[] = {
            {&lists.scene.item(u"puertaB"), "puertaB"},
            {&lists.scene.item(u"puer3"), "puer3"},
            {&lists.common.item(u"puerta2"), "puerta2"}};
        for (const auto& [door, name] : doors) {
            QCOMPARE(door->width(), doors[0].first->width());
            QCOMPARE(door->height(), wall.height());  // fills the face it stands on
            QVERIFY(door->height() >= man.height());
            QVERIFY(door->width() - 70 > 0);  // the walk-in window left+10 .. left+w-60
            // Top doors 1-3 stay inside the wall they stand on; bottom door 3 ends before
            // statue 2.
            QVERIFY(kTopDoors[2] + door->width() <= kTopLeftWall.nextPiece);
            QVERIFY(kBottomDoors[2] + door->width() <= kStatues[1]);
            // Top doors 2 and 5 stand over the top walls' passage columns: opaque there.
            const QImage picture = door->frame(0);
            const QImage face = wall.frame(0);
            for (const auto& [doorX, wallX] : {std::pair{kTopDoors[1], kTopLeftWall.x},
                                               std::pair{kTopDoors[4], kTopRightWall.x}}) {
                for (int column = 0; column < face.width(); ++column) {
                    if (!columnClear(face, column)) continue;
                    const int at = wallX + column - doorX;
                    QVERIFY2(at >= 0 && at < picture.width(), name);
                    for (int y = 0; y < picture.height(); ++y)
                        QVERIFY2(solidAt(picture, at, y), name);
                }
            }
        }
    }

    void statuesPlatesAndSignsFitTheirPlaces_data() { addThemeRows(); }
    void statuesPlatesAndSignsFitTheirPlaces() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const int statue = lists.scene.item(u"faraon1").width();
        const int pedestal = lists.scene.item(u"pedestal").width();
        const int door = lists.scene.item(u"puertaB").width();
        QVERIFY(kStatues[0] + statue <= kBottomDoors[0]);  // statue 1 beside bottom door 1
        for (int i = 0; i < 2; ++i) {
            QVERIFY(kPedestals[i] <= kStatues[i]);  // each statue stands on its pedestal
            QVERIFY(kStatues[i] + statue <= kPedestals[i] + pedestal);
        }
        // Plates are centred over their top doors and do not touch one another.
        const ImageItem& plate = lists.scene.item(u"tabla1");
        for (int i = 0; i < 6; ++i) {
            QVERIFY(std::abs((2 * kTopPlates[i] + plate.width()) - (2 * kTopDoors[i] + door)) <= 4);
            if (i > 0) QVERIFY(kTopPlates[i - 1] + plate.width() < kTopPlates[i]);
        }
        QVERIFY(plate.height() >= 40);  // two lines of 16 at -10 and +10
        // Double sign: texts 65 left and 60 right of its centre, two lines.
        const ImageItem& doubleSign = lists.scene.item(u"rotulos");
        QVERIFY(doubleSign.width() >= 250 && doubleSign.height() >= 45);
        // The leave sign carries two lines of 14 at -12 and +5.
        const ImageItem& hanging = lists.scene.item(u"rotulo2");
        QVERIFY(hanging.height() >= 40);
        // The entrance's right sign shows whole on the first frame.
        const int manWidth = lists.common.item(u"mandown01").width();
        const int signLeft = kEntranceSignRightX - kStartX + kScreenWidth / 2 - manWidth / 2;
        QVERIFY(signLeft >= 0);
        QVERIFY2(signLeft + hanging.width() <= kScreenWidth,
                 qPrintable(QStringLiteral("ends at %1").arg(signLeft + hanging.width())));
        // Bubble: four lines of size 10 from (18, 15).
        const ImageItem& bubble = lists.scene.item(u"bocadillo");
        QVERIFY(bubble.width() >= 18 + 200 && bubble.height() >= 15 + 4 * 12);
        // The ceiling mask covers the screen down to 30 below the line it hides above.
        const ImageItem& mask = lists.scene.item(u"zoom");
        QVERIFY(mask.width() >= 802);
        QCOMPARE(mask.height(), kScreenHeight);
        QVERIFY(solidAt(mask.frame(0), mask.width() / 2, mask.height() - 1));
    }

    void headsUpDisplayFillsTheBottomLeftCorner_data() { addThemeRows(); }
    void headsUpDisplayFillsTheBottomLeftCorner() {
        QFETCH(char, letter);
        Lists lists;
        QVERIFY(loadLists(letter, lists));
        const ImageItem& map = lists.scene.item(u"zoomC");
        const ImageItem& lens = lists.common.item(u"lupa");
        const ImageItem& exit = lists.common.item(u"puertaS");
        QCOMPARE(kMiniMapTop + map.height(), kScreenHeight);
        QCOMPARE(lens.height() + exit.height() - 1, map.height());
        QCOMPARE(lens.width(), lens.height());  // the lens zone uses its height as a width
        // The dot of the plan: world (0, 0) at (30, 70), scale 1/24 and 1/22, inside the map
        // for the whole walkable building.
        QVERIFY(30 + 1800 / 24 < map.width());
        QVERIFY(70 + 250 / 22 < map.height());
    }

    void commonListHoldsTheCharacterAndTheIcons() {
        ImageList common;
        QVERIFY2(common.load(programFile(std::string(kCommonSpriteList))),
                 qPrintable(common.errorString()));
        for (const char* series : {"manup", "mandown", "mander", "manizq", "manupder", "manupizq",
                                   "mandoder", "mandoizq"}) {
            for (int f = 1; f <= 10; ++f) {
                const QString name = QString::asprintf("%s%02d", series, f);
                QVERIFY2(common.contains(name), qPrintable(name));
                QCOMPARE(common.item(name).width(), 56);
                QCOMPARE(common.item(name).height(), 170);
            }
        }
        for (const char* name : {"circ1", "circ2", "circ3", "circ4", "circ5", "circ6", "puerta2",
                                 "lupa", "lupa2", "diana", "diana2", "puertaS", "puertaS2"})
            QVERIFY2(common.contains(QString::fromLatin1(name)), name);
        QCOMPARE(common.item(u"lupa2").width(), common.item(u"lupa").width());
        QCOMPARE(common.item(u"puertaS2").height(), common.item(u"puertaS").height());
        QCOMPARE(common.colourTable().size(), 256);
    }

    void guideAndStaticSceneListsHoldTheirFrames() {
        ImageList figure, doors;
        QVERIFY2(figure.load(programFile("figura.DXG")), qPrintable(figure.errorString()));
        QVERIFY2(doors.load(programFile("puertas.DXG")), qPrintable(doors.errorString()));
        const ImageItem& girl = figure.item(u"figura");
        QCOMPARE(girl.patternCount(), 8);
        QCOMPARE(QSize(girl.width(), girl.height()), QSize(56, 118));
        ImageList pilot;
        QVERIFY2(pilot.load(programFile("piloto.DXG")), qPrintable(pilot.errorString()));
        const ImageItem& walker = pilot.item(u"piloto");
        QCOMPARE(walker.patternCount(), 8);
        QCOMPARE(QSize(walker.width(), walker.height()), QSize(26, 54));
        QVERIFY(walker.frame(0) != walker.frame(3));  // the walk moves
        const ImageItem& door = doors.item(u"puerta");
        QCOMPARE(door.patternCount(), 5);
        QCOMPARE(QSize(door.width(), door.height()), QSize(56, 168));
        // Frame 0 is a closed door, frame 4 open: they must differ.
        QVERIFY(door.frame(0) != door.frame(4));
        // The bubble picture holds the two bubble labels at (22..182, 24..99) inside it.
        const QImage bubble = bitmap("bocadillo.bmp");
        QVERIFY(bubble.width() >= 182 && bubble.height() >= 99);
        for (const char* name : {"chica.bmp", "heli.bmp", "bocadillo.bmp"}) {
            const QImage picture = bitmap(name);
            QVERIFY2(!picture.isNull(), name);
            // Drawn transparently: the corner takes the key colour.
            QCOMPARE(picture.pixel(0, picture.height() - 1), qRgb(255, 255, 255));
        }
        const QImage guide = bitmap("chica.bmp");
        QVERIFY(std::abs(guide.width() * 11 - guide.height() * 7) <= 11 * 4);  // printed 7:11
    }

    // The row icons: seventeen distinct pictures narrow enough for the text 30 pixels in,
    // drawn on a transparent ground so that any list colour shows round them.
    void iconListHoldsSeventeenDistinctRowIcons() {
        const QList<QImage> icons = loadIconList(programFile(kIconListFile));
        QCOMPARE(icons.size(), kIconCount);
        for (int i = 0; i < icons.size(); ++i) {
            QVERIFY2(icons[i].width() <= 30 && icons[i].height() <= 30,
                     qPrintable(QString::number(i)));
            QCOMPARE(qAlpha(icons[i].pixel(0, 0)), 0);
            for (int j = 0; j < i; ++j)
                QVERIFY2(icons[i] != icons[j], qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
        }
    }

    void soundsArePcmAndShortEnough() {
        auto pcm16 = [](const QByteArray& wav) {
            return wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE" &&
                   wav.mid(20, 2) == QByteArray("\x01\x00", 2) &&
                   wav.mid(34, 2) == QByteArray("\x10\x00", 2);
        };
        auto seconds = [](const QByteArray& wav) {
            const auto rate = static_cast<quint8>(wav[24]) | (static_cast<quint8>(wav[25]) << 8) |
                              (static_cast<quint8>(wav[26]) << 16);
            return double(wav.size() - 44) / (2.0 * rate);
        };
        QFile click(programFile("tecla.wav")), motor(programFile("motor.wav"));
        QVERIFY(click.open(QIODevice::ReadOnly));
        QVERIFY(motor.open(QIODevice::ReadOnly));
        const QByteArray clickBytes = click.readAll(), motorBytes = motor.readAll();
        QVERIFY(pcm16(clickBytes));
        QVERIFY(pcm16(motorBytes));
        QVERIFY(seconds(clickBytes) < 0.1);   // played synchronously on 200 ms help ticks
        QVERIFY(motorBytes.size() <= 40000);  // read whole into a 40000-byte image
        // The loop's end meets its start without a click.
        auto sample = [](const QByteArray& wav, qsizetype i) {
            return static_cast<qint16>(static_cast<quint8>(wav[44 + 2 * i]) |
                                       (static_cast<quint8>(wav[45 + 2 * i]) << 8));
        };
        const qsizetype last = (motorBytes.size() - 44) / 2 - 1;
        QVERIFY(std::abs(sample(motorBytes, last) - sample(motorBytes, 0)) < 3000);
    }

    // Playback is a module beside the program; without it every cue is silently lost.
    void soundModuleOpensAndMakesEffects() {
        QLibrary module(programFile(std::string("lib") + kSoundModuleName + ".so"));
        QVERIFY2(module.load(), qPrintable(module.errorString()));
        auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(kSoundModuleEntry));
        QVERIFY(make);
        const std::unique_ptr<SoundOutput> output(make());
        QVERIFY(output);
        QVERIFY(output->makeEffect());
    }
};

QTEST_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
