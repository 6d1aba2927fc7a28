// The help-panel component every section reuses, and the speech-bubble hint window.
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "common/guide/guide_panel.h"
#include "common/hint/mon_hint.h"

using namespace rumbelo;

class GuidePanelTest : public QObject {
    Q_OBJECT
  private slots:
    void revealsOneLinePerStepWithTheGirlMoving();
    void stoppingResetsTheSharedCounters();
    void aLongHintWrapsInsideABubbleWithItsTail();
};

void GuidePanelTest::revealsOneLinePerStepWithTheGirlMoving() {
    QImage frameBitmap;
    Guide guide(frameBitmap, nullptr);
    QLabel picture;
    QList<QLabel*> labels;
    for (int i = 0; i < 5; ++i)
        labels.append(new QLabel(&picture));
    QTimer timer;
    timer.setInterval(10);
    GuidePanel panel(guide, &picture, labels, &timer);
    panel.setLines(sceneGuideLines({"uno", "dos", "tres", "cuatro", "cinco"}), true);
    QSignalSpy ticks(&panel, &GuidePanel::ticked);
    QSignalSpy finished(&panel, &GuidePanel::finished);
    labels[0]->setText(QStringLiteral("old"));
    panel.start();
    QCOMPARE(labels[0]->text(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    QCOMPARE(ticks.count(), 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(ticks.at(i).at(0).toInt(), i);
    QCOMPARE(labels[2]->text(), QStringLiteral("tres"));
    QCOMPARE(labels[4]->text(), QStringLiteral("cinco"));
    QVERIFY(!timer.isActive());
    QCOMPARE(guide.counters().step, 0);
}

void GuidePanelTest::stoppingResetsTheSharedCounters() {
    QImage frameBitmap;
    Guide guide(frameBitmap, nullptr);
    QLabel picture, line;
    QTimer timer;
    timer.setInterval(10);
    GuidePanel panel(guide, &picture, {&line}, &timer);
    GuideLines lines;
    lines[0] = "hola";
    panel.setLines(lines);
    panel.start();
    QTRY_VERIFY_WITH_TIMEOUT(guide.counters().step >= 2, 1000);
    panel.stop();
    QVERIFY(!panel.running());
    QCOMPARE(guide.counters().step, 0);
    QCOMPARE(line.text(), QStringLiteral("hola"));
}

void GuidePanelTest::aLongHintWrapsInsideABubbleWithItsTail() {
    const QFont font;
    const QString shortText = QStringLiteral("Carreras");
    const QString longText = QStringLiteral(
        "Una pista muy larga que no cabe en doscientos puntos de ancho y tiene que partirse en "
        "varias l\u00edneas dentro del bocadillo");
    const QSize small = TMonHint::sizeFor(shortText, font);
    const QSize large = TMonHint::sizeFor(longText, font);
    QVERIFY(large.width() <= 200 + 16);
    QVERIFY(large.height() > small.height());
    const QRect text =
        QFontMetrics(font).boundingRect(QRect(0, 0, 200, 10000), Qt::TextWordWrap, longText);
    QCOMPARE(large.height(), text.height() + 2 + 30);
    // The shape: the rounded box from y 20 down, and the tail up to (23, 0).
    const QPainterPath shape = TMonHint::shapeFor(large);
    QVERIFY(shape.contains(QPointF(23, 2)));
    QVERIFY(!shape.contains(QPointF(60, 5)));
    QVERIFY(shape.contains(QPointF(large.width() / 2.0, large.height() / 2.0)));
    int delay = 30000;
    TMonHint hint(delay);
    hint.activateHint(QPoint(100, 100), longText);
    QCOMPARE(hint.size(), large);
    hint.grab();           // paints it
    QCOMPARE(delay, 400);  // once a hint has shown, the next ones come quickly
}

QTEST_MAIN(GuidePanelTest)
#include "guide_panel_test.moc"
