// The program's own bitmap reader gives what Qt's reader gives, for every bitmap the
// program ships and for the layouts it leaves to Qt.
#include <QBuffer>
#include <QDir>
#include <QtTest>

#include "common/program/shared_pictures.h"
#include "support/temp_folder.h"

using namespace rumbelo;

class SharedPicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyShippedBitmapReadsAsQtReadsIt() {
        const QDir folder(QStringLiteral(RUMBELO_PROGRAM_DIR));
        int compared = 0;
        for (const QString& name : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            if (file.read(2) != "BM") continue;
            const QImage ours = loadBitmap(folder.filePath(name));
            const QImage qts(folder.filePath(name), "BMP");
            QVERIFY2(!ours.isNull(), qPrintable(name));
            QVERIFY2(ours.convertToFormat(QImage::Format_RGB32) ==
                         qts.convertToFormat(QImage::Format_RGB32),
                     qPrintable(name));
            ++compared;
        }
        QVERIFY(compared >= 20);
    }

    // Odd widths (row padding), other depths and cut files.
    void otherLayoutsAndDamagedFilesFallBackOrFailCleanly() {
        testing::TempFolder folder;
        QImage picture(7, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                picture.setPixel(x, y, qRgb(x * 30, y * 80, 200 - x * 10));
        for (const auto format : {QImage::Format_RGB888, QImage::Format_Indexed8}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            const QImage source =
                format == QImage::Format_Indexed8 ? picture.convertToFormat(format) : picture;
            QVERIFY(source.save(&buffer, "BMP"));
            folder.write("x.bmp", bytes.toStdString());
            const QString path = QString::fromStdString((folder.path() / "x.bmp").string());
            QCOMPARE(loadBitmap(path).convertToFormat(QImage::Format_RGB32),
                     source.convertToFormat(QImage::Format_RGB32));
            folder.write("cut.bmp", bytes.left(bytes.size() - 5).toStdString());
            const QImage cut =
                loadBitmap(QString::fromStdString((folder.path() / "cut.bmp").string()));
            QVERIFY(cut.isNull() || cut.size() == QSize(7, 3));
        }
        QVERIFY(loadBitmap(QStringLiteral("/nonexistent.bmp")).isNull());
    }
};

QTEST_MAIN(SharedPicturesTest)
#include "shared_pictures_form_test.moc"
