// Our image and wave list containers: what the forge writes the sprite layer reads back
// unchanged, names match without regard to case, and a missing name or a damaged file is
// reported instead of crashing.
#include <QtTest>

#include "common/lists/image_list.h"
#include "common/lists/wave_list.h"
#include "forge.h"
#include "list_writer.h"
#include "sounds.h"

using namespace rumbelo;
using namespace rumbelo::art;

namespace {

// A picture whose every pixel differs, with transparent and half-transparent parts.
QImage patterned(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int alpha = (x + y + seed) % 3 == 0 ? 0 : ((x * 7 + seed) % 2 ? 255 : 128);
            image.setPixel(
                x, y, qRgba((x * 13 + seed) % 256, (y * 29) % 256, (x * y + seed) % 256, alpha));
        }
    return image;
}

QByteArray sampleImageList() {
    return encodeImageList({{QStringLiteral("puertaB"), {patterned(5, 4, 1)}},
                            {QStringLiteral("antorcha"),
                             {patterned(3, 6, 2), patterned(3, 6, 3), patterned(3, 6, 4)}}},
                           {qRgb(1, 2, 3), qRgb(250, 128, 0)});
}

QByteArray sampleWaveList() {
    return encodeWaveList({{QStringLiteral("inicio"), waveFile({0.0, 0.5, -0.5, 1.0})},
                           {QStringLiteral("Otro"), waveFile({0.25})}});
}

// Frames are kept premultiplied for drawing, so colours under partial alpha may move by the
// rounding that brings; opaque pixels and every alpha value must come back exactly.
bool samePixels(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size()) return false;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (qAlpha(p) != qAlpha(q)) return false;
            if (qAlpha(p) == 0) continue;  // fully transparent pixels carry no colour
            const int slack = qAlpha(p) == 255 ? 0 : 255 / qAlpha(p) + 1;
            if (std::abs(qRed(p) - qRed(q)) > slack || std::abs(qGreen(p) - qGreen(q)) > slack ||
                std::abs(qBlue(p) - qBlue(q)) > slack)
                return false;
        }
    return true;
}

}  // namespace

class ListContainerTest : public QObject {
    Q_OBJECT
  private slots:
    void imagesComeBackPixelForPixelWithTheirColourTable() {
        ImageList list;
        QVERIFY2(list.loadFromBytes(sampleImageList(), QStringLiteral("sample")),
                 qPrintable(list.errorString()));
        QCOMPARE(list.items().size(), std::size_t(2));
        const ImageItem& torch = list.item(u"antorcha");
        QCOMPARE(torch.width(), 3);
        QCOMPARE(torch.height(), 6);
        QCOMPARE(torch.patternCount(), 3);
        for (int p = 0; p < 3; ++p)
            QVERIFY(samePixels(torch.frame(p), patterned(3, 6, p + 2)));
        QVERIFY(samePixels(list.item(u"puertaB").frame(0), patterned(5, 4, 1)));
        QCOMPARE(list.colourTable(), (QList<QRgb>{qRgb(1, 2, 3), qRgb(250, 128, 0)}));
    }

    // Decoding ahead on another thread gives the same pictures, whoever gets to an item
    // first; a decoder dropped while it runs stops first.
    void picturesDecodedAheadAreTheSameAndTheDecoderStopsWhenDropped() {
        for (int round = 0; round < 20; ++round) {
            ImageList list;
            QVERIFY(list.loadFromBytes(sampleImageList(), QStringLiteral("sample")));
            {
                AheadDecoder decoder;
                decoder.start({&list.item(u"antorcha"), &list.item(u"puertaB")});
                const ImageItem& torch = list.item(u"antorcha");
                for (int p = 0; p < 3; ++p)
                    QVERIFY(samePixels(torch.frame(p), patterned(3, 6, p + 2)));
                QVERIFY(samePixels(list.item(u"puertaB").frame(0), patterned(5, 4, 1)));
            }
            AheadDecoder dropped;
            dropped.start({&list.item(u"antorcha")});
        }
        // A damaged picture body, found only when decoded, gives a blank picture of its size.
        // (The zlib stream after the name, three sizes, byte count and inflated size.)
        QByteArray damaged = sampleImageList();
        const qsizetype body = damaged.indexOf("puertaB") + 7 + 6 + 4 + 4;
        for (qsizetype k = body; k < body + 8; ++k)
            damaged[k] = static_cast<char>(0x55);
        ImageList list;
        QVERIFY(list.loadFromBytes(damaged, QStringLiteral("damaged")));
        const QImage& blank = list.items().front().frame(0);
        QCOMPARE(blank.size(), QSize(5, 4));
        QCOMPARE(qAlpha(blank.pixel(2, 2)), 0);
    }

    void aFrameIndexPastTheLastPatternWrapsRound() {
        ImageList list;
        QVERIFY(list.loadFromBytes(sampleImageList(), QStringLiteral("sample")));
        const ImageItem& torch = list.item(u"antorcha");
        QVERIFY(samePixels(torch.frame(4), torch.frame(1)));
        QVERIFY(samePixels(torch.frame(-1), torch.frame(2)));
    }

    void wavesComeBackByteForByte() {
        WaveList waves;
        QVERIFY2(waves.loadFromBytes(sampleWaveList(), QStringLiteral("sample")),
                 qPrintable(waves.errorString()));
        QCOMPARE(waves.wave(u"inicio"), waveFile({0.0, 0.5, -0.5, 1.0}));
        QCOMPARE(waves.names(), (QStringList{QStringLiteral("inicio"), QStringLiteral("Otro")}));
    }

    void namesAreFoundWithoutRegardToCase() {
        ImageList list;
        QVERIFY(list.loadFromBytes(sampleImageList(), QStringLiteral("sample")));
        QCOMPARE(&list.item(u"puertab"), &list.item(u"PUERTAB"));
        QCOMPARE(list.item(u"PuErTaB").name(), QStringLiteral("puertaB"));
        WaveList waves;
        QVERIFY(waves.loadFromBytes(sampleWaveList(), QStringLiteral("sample")));
        QVERIFY(waves.contains(u"INICIO"));
        QVERIFY(waves.contains(u"otro"));
    }

    void aMissingNameIsReportedNotACrash() {
        ImageList list;
        QVERIFY(list.loadFromBytes(sampleImageList(), QStringLiteral("casti.DXG")));
        QVERIFY(list.find(u"puer3") == nullptr);
        try {
            list.item(u"puer3");
            QFAIL("no error for a missing image");
        } catch (const ListError& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("puer3")));
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("casti.DXG")));
        }
        WaveList waves;
        QVERIFY(waves.loadFromBytes(sampleWaveList(), QStringLiteral("flor.dxw")));
        QVERIFY(waves.find(u"fin") == nullptr);
        QVERIFY_THROWS_EXCEPTION(ListError, waves.wave(u"fin"));
    }

    void everyShortenedFileIsRefusedWithAMessage() {
        const QByteArray images = sampleImageList();
        for (qsizetype n = 0; n < images.size(); ++n) {
            ImageList list;
            QVERIFY2(!list.loadFromBytes(images.left(n), QStringLiteral("cut")),
                     qPrintable(QString::number(n)));
            QVERIFY(!list.errorString().isEmpty());
            QVERIFY(list.items().empty());
        }
        const QByteArray waves = sampleWaveList();
        for (qsizetype n = 0; n < waves.size(); ++n) {
            WaveList list;
            QVERIFY(!list.loadFromBytes(waves.left(n), QStringLiteral("cut")));
            QVERIFY(!list.errorString().isEmpty());
        }
    }

    void damagedHeadersAndTrailingBytesAreRefused() {
        QByteArray wrongMagic = sampleImageList();
        wrongMagic[0] = 'X';
        ImageList list;
        QVERIFY(!list.loadFromBytes(wrongMagic, QStringLiteral("x")));
        QVERIFY(!list.loadFromBytes(sampleImageList() + "junk", QStringLiteral("x")));
        QVERIFY(!list.loadFromBytes(sampleWaveList(), QStringLiteral("a wave list")));
        WaveList waves;
        QVERIFY(!waves.loadFromBytes(sampleImageList(), QStringLiteral("an image list")));
        // A PNG whose size disagrees with the item's header.
        QByteArray resized = sampleImageList();
        const qsizetype at = resized.indexOf("puertaB") + 7;
        resized[at] = 6;  // width 6 instead of 5
        QVERIFY(!list.loadFromBytes(resized, QStringLiteral("x")));
        QVERIFY(list.errorString().contains(QStringLiteral("puertaB")));
        // The inflated size leading a picture's pixels must match the header too: "puertaB" is
        // 5 x 4, 80 bytes; name, three sizes and the byte count come before it.
        QByteArray lying = sampleImageList();
        const qsizetype pixels = lying.indexOf("puertaB") + 7 + 6 + 4;
        QCOMPARE(quint8(lying[pixels + 3]), quint8(80));
        lying[pixels + 3] = char(84);
        QVERIFY(!list.loadFromBytes(lying, QStringLiteral("x")));
        QVERIFY(list.errorString().contains(QStringLiteral("puertaB")));
    }

    void twoItemsWhoseNamesDifferOnlyInCaseAreRefused() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 encodeImageList({{QStringLiteral("zoom"), {patterned(2, 2, 0)}},
                                                  {QStringLiteral("ZOOM"), {patterned(2, 2, 0)}}},
                                                 {}));
        // The reader refuses the same when a file was made by other means: rename the second
        // item of a valid file so that it clashes with the first.
        QByteArray bytes = encodeImageList({{QStringLiteral("aaaa"), {patterned(2, 2, 0)}},
                                            {QStringLiteral("bbbb"), {patterned(2, 2, 0)}}},
                                           {});
        bytes.replace("bbbb", "AAAA");
        ImageList list;
        QVERIFY(!list.loadFromBytes(bytes, QStringLiteral("x")));
        QVERIFY(list.errorString().contains(QStringLiteral("twice")));
    }

    void theWriterRefusesWhatTheReaderCouldNotRead() {
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            encodeImageList({{QStringLiteral("with blank"), {patterned(2, 2, 0)}}}, {}));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 encodeImageList({{QStringLiteral("none"), {}}}, {}));
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            encodeImageList({{QStringLiteral("uneven"), {patterned(2, 2, 0), patterned(3, 2, 0)}}},
                            {}));
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            encodeWaveList({{QStringLiteral("raw"), QByteArray("not a wave")}}));
    }

    void aMissingFileIsReported() {
        ImageList list;
        QVERIFY(!list.load(QStringLiteral("/nonexistent/segdxg1.DXG")));
        QVERIFY(list.errorString().contains(QStringLiteral("segdxg1.DXG")));
        WaveList waves;
        QVERIFY(!waves.load(QStringLiteral("/nonexistent/inicio.dxw")));
    }

    // The forge must give the same bytes on every run (no clock, no unseeded randomness).
    void theForgeRepeatsItselfExactly() {
        const Forge first(QStringLiteral(RUMBELO_ART_DIR));
        const Forge second(QStringLiteral(RUMBELO_ART_DIR));
        for (const auto& [a, b] : {std::pair{first.themeFiles('P'), second.themeFiles('P')},
                                   std::pair{first.torchLists(), second.torchLists()},
                                   std::pair{first.sounds(), second.sounds()}}) {
            QCOMPARE(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                QCOMPARE(a[i].name, b[i].name);
                QVERIFY2(a[i].bytes == b[i].bytes, qPrintable(a[i].name));
            }
        }
    }
};

QTEST_MAIN(ListContainerTest)
#include "list_container_test.moc"
