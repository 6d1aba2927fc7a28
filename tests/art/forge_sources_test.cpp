// The forge's own inputs and conventions: mistakes in a theme or tune file are reported with
// their place, the key colour of BMP pictures is kept apart from drawn white, and every theme
// gets the frame tiles its table names.
#include <QTemporaryDir>
#include <QtTest>

#include "common/program/themes.h"
#include "forge.h"
#include "key_colour.h"
#include "sounds.h"
#include "theme_style.h"

using namespace rumbelo;
using namespace rumbelo::art;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

// The message of the std::runtime_error `act` throws, or empty when it throws none.
template <typename Act>
QString failure(Act act) {
    try {
        act();
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace

class ForgeSourcesTest : public QObject {
    Q_OBJECT
  private slots:
    void aThemeFileIsReadWithColoursAndWords() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "X.theme",
                                       "# comment\nletter = X\nkind = snow\nsnow = #f3f8fd\n"
                                       "frame.emblem = theme\n");
        const ThemeStyle style = ThemeStyle::load(path);
        QCOMPARE(style.letter(), QChar('X'));
        QVERIFY(style.kind() == ThemeKind::Snow);
        QCOMPARE(style.colour("snow"), QColor(0xf3, 0xf8, 0xfd));
        QCOMPARE(style.word("frame.emblem"), QStringLiteral("theme"));
        QVERIFY(failure([&] { style.colour("missing"); }).contains(QStringLiteral("missing")));
    }

    void mistakesInAThemeFileNameTheirLine() {
        QTemporaryDir dir;
        const QString bad = writeFile(dir, "B.theme", "letter = B\nkind = snow\nsnow = #f3f8\n");
        QVERIFY(failure([&] { ThemeStyle::load(bad); }).contains(QStringLiteral("B.theme:3")));
        const QString twice =
            writeFile(dir, "T.theme", "letter = T\nkind = snow\na = #000000\na = #111111\n");
        QVERIFY(failure([&] { ThemeStyle::load(twice); }).contains(QStringLiteral("T.theme:4")));
        const QString kind = writeFile(dir, "K.theme", "letter = K\nkind = jungle\n");
        QVERIFY(failure([&] { ThemeStyle::load(kind); }).contains(QStringLiteral("jungle")));
        const QString noKind = writeFile(dir, "N.theme", "letter = N\n");
        QVERIFY(!failure([&] { ThemeStyle::load(noKind); }).isEmpty());
    }

    void aTuneIsPlayedAndItsMistakesAreNamed() {
        QTemporaryDir dir;
        const QString good = writeFile(dir, "good.tune",
                                       "tempo = 120\nvoice = bell\nmelody = C5/8 E5/8. r/4 G5/2\n");
        const QByteArray wav = introTune(good);
        QVERIFY(wav.startsWith("RIFF"));
        // 1/8 + 3/16 + 1/4 + 1/2 of a 2-second bar, after a short lead-in, plus the ring.
        const double seconds = (wav.size() - 44) / (2.0 * kSampleRate);
        QVERIFY(seconds > 2.0 && seconds < 3.5);
        const QString badNote = writeFile(dir, "note.tune", "melody = C5/8 H5/8\n");
        QVERIFY(failure([&] { introTune(badNote); }).contains(QStringLiteral("H5/8")));
        const QString badKey = writeFile(dir, "key.tune", "melody = C5/8\nspeed = 3\n");
        QVERIFY(failure([&] { introTune(badKey); }).contains(QStringLiteral("key.tune:2")));
        const QString badTempo = writeFile(dir, "tempo.tune", "tempo = 900\nmelody = C5/8\n");
        QVERIFY(failure([&] { introTune(badTempo); }).contains(QStringLiteral("tempo.tune:1")));
    }

    void theKeyColourIsKeptApartFromDrawnWhite() {
        QImage picture(3, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(0, 0, 0, 0));          // nothing drawn
        picture.setPixel(1, 0, qRgba(255, 255, 255, 255));  // drawn white
        picture.setPixel(2, 0, qRgba(200, 20, 20, 200));    // an edge, mostly covered
        const QImage keyed = onKeyColour(picture);
        QCOMPARE(keyed.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(keyed.pixel(1, 0), qRgb(254, 254, 254));
        QCOMPARE(keyed.pixel(2, 0), qRgb(200, 20, 20));  // its own colour, no pale halo
        QImage backdrop(1, 1, QImage::Format_RGB32);
        backdrop.fill(Qt::white);
        QCOMPARE(withoutPureWhite(backdrop).pixel(0, 0), qRgb(254, 254, 254));
    }

    void everyThemeGetsTheFrameTilesItsTableNames() {
        const Forge forge(QStringLiteral(RUMBELO_ART_DIR));
        for (char letter : kThemeLetters) {
            const Theme theme = *themeFor(std::string(1, letter));
            const Outputs tiles = forge.frameTiles(letter);
            QCOMPARE(tiles.size(), std::size_t(3));
            QCOMPARE(tiles[0].name, QString::fromStdString(theme.frameTop));
            QCOMPARE(tiles[1].name, QString::fromStdString(theme.frameRight));
            QCOMPARE(tiles[2].name, QString::fromStdString(theme.frameLeft));
            // The theme that draws a shared set is one that uses the same names.
            const Theme owner = *themeFor(std::string(1, Forge::frameOwner(letter)));
            QCOMPARE(owner.frameTop, theme.frameTop);
        }
    }

    void theEngineLoopEndsWhereItStarts() {
        const QByteArray wav = engineLoop();
        QVERIFY(wav.size() <= 40000);
        auto sample = [&](qsizetype i) {
            return static_cast<qint16>(static_cast<quint8>(wav[44 + 2 * i]) |
                                       (static_cast<quint8>(wav[45 + 2 * i]) << 8));
        };
        const qsizetype count = (wav.size() - 44) / 2;
        // The step from the last sample back to the first is no bigger than steps inside it.
        int largestStep = 0;
        for (qsizetype i = 1; i < count; ++i)
            largestStep = std::max(largestStep, std::abs(sample(i) - sample(i - 1)));
        QVERIFY(std::abs(sample(0) - sample(count - 1)) <= largestStep);
    }
};

QTEST_MAIN(ForgeSourcesTest)
#include "forge_sources_test.moc"
