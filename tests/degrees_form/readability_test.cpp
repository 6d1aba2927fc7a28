// Every text of the degrees form, measured against what it stands on, in the six themes:
// list and body text at 4.5:1 at least, large captions at 3:1.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/program/shared_pictures.h"
#include "common/qt_text.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/questionnaire_face.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

// A brush's colour; the mean of the stops for a gradient (the skins' buttons).
Rgb colourOf(const QBrush& brush) {
    if (const QGradient* gradient = brush.gradient()) {
        int r = 0, g = 0, b = 0;
        const auto stops = gradient->stops();
        for (const auto& stop : stops)
            r += stop.second.red(), g += stop.second.green(), b += stop.second.blue();
        const int n = std::max<int>(1, static_cast<int>(stops.size()));
        return {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
                static_cast<std::uint8_t>(b / n)};
    }
    return toRgb(brush.color());
}

bool isLarge(const QFont& font) {
    return font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
}

// What a label without a background of its own stands on: the nearest painted ancestor,
// or the floor tile the faces are covered with.
Rgb groundOf(const QWidget* widget, Rgb floor) {
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->autoFillBackground()) return toRgb(w->palette().color(w->backgroundRole()));
        if (w->objectName() == QLatin1String("PanelSel")) break;
    }
    return floor;
}

// Every visible text of `root` that does not reach its ratio, named.
QStringList unreadable(QWidget* root, Rgb floor) {
    QStringList failures;
    const auto check = [&](const QWidget* w, const QString& text, Rgb fg, Rgb bg) {
        if (text.trimmed().isEmpty()) return;
        const double minimum = isLarge(w->font()) ? kLargeContrast : kBodyContrast;
        const double ratio = contrastRatio(fg, bg);
        if (ratio < minimum)
            failures << QStringLiteral("%1 \"%2\": %3 < %4")
                            .arg(w->objectName(), text.left(20))
                            .arg(ratio, 0, 'f', 2)
                            .arg(minimum);
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const QPalette& p = w->palette();
        if (auto* view = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < std::min(view->count(), 3); ++i)
                check(w, view->item(i)->text(), toRgb(p.color(QPalette::Text)),
                      toRgb(p.color(QPalette::Base)));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            check(w, label->text(), toRgb(p.color(QPalette::WindowText)), groundOf(w, floor));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const QString shown =
                combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
            check(w, shown, toRgb(p.color(QPalette::ButtonText)),
                  colourOf(p.brush(QPalette::Button)));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            check(w, button->text(), toRgb(p.color(QPalette::ButtonText)),
                  colourOf(p.brush(QPalette::Button)));
        }
    }
    return failures;
}

}  // namespace

class ReadabilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextOfTheDegreesFormReadsInEveryTheme_data();
    void everyTextOfTheDegreesFormReadsInEveryTheme();
    void everyTextOfTheQuestionnaireReadsInEveryTheme_data() {
        everyTextOfTheDegreesFormReadsInEveryTheme_data();
    }
    void everyTextOfTheQuestionnaireReadsInEveryTheme();
};

void ReadabilityTest::everyTextOfTheDegreesFormReadsInEveryTheme_data() {
    addThemeRows();
}

void ReadabilityTest::everyTextOfTheDegreesFormReadsInEveryTheme() {
    QFETCH(QString, theme);
    ProgramFolder folder;
    auto started = startOn(folder.path(), {theme.toStdString(), "N"});
    QVERIFY(!started->program->aborted());
    auto* form = qobject_cast<TForm1*>(started->program->form(QStringLiteral("TForm1")));
    QVERIFY(form);
    qobject_cast<Tform0*>(started->program->scene())->launch(1);
    QVERIFY(form->isVisible());
    const Rgb floor = averageColour(started->program->pictures().floorTile);
    QStringList failures = unreadable(form, floor);

    // The list of every degree with its heading, count and filters.
    QTest::mouseClick(form->degreeFace().MenuCarUni1, Qt::LeftButton);
    QVERIFY(form->ListSel->isVisible());
    failures += unreadable(form, floor);
    // A filter opened: its list inside the window, its entries dark on the panel colour.
    QComboBox* filter = form->degreeFace().ComSelCar;
    filter->showPopup();
    QAbstractItemView* entries = filter->view();
    QTRY_VERIFY(entries->isVisible());
    const QRect window(form->mapToGlobal(QPoint(0, 0)), form->size());
    const QRect open(entries->window()->mapToGlobal(QPoint(0, 0)), entries->window()->size());
    QVERIFY2(window.contains(open), "the open list runs out of the window");
    const QPalette& p = entries->palette();
    if (contrastRatio(toRgb(p.color(QPalette::Text)), toRgb(p.color(QPalette::Base))) <
        kBodyContrast)
        failures << QStringLiteral("open filter list");
    filter->hidePopup();
    // One degree on view, with its menu and its name.
    const QPoint first = form->ListSel->visualItemRect(form->ListSel->item(0)).center();
    QTest::mouseClick(form->ListSel->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(form->ListSel->viewport(), Qt::LeftButton, {}, first);
    QVERIFY(form->degreeFace().PanelCar->isVisible());
    failures += unreadable(form, floor);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void ReadabilityTest::everyTextOfTheQuestionnaireReadsInEveryTheme() {
    QFETCH(QString, theme);
    ProgramFolder folder;
    auto started = startOn(folder.path(), {theme.toStdString(), "N"});
    QVERIFY(!started->program->aborted());
    auto* form = qobject_cast<TForm1*>(started->program->form(QStringLiteral("TForm1")));
    QVERIFY(form);
    qobject_cast<Tform0*>(started->program->scene())->launch(8);
    QuestionnaireFace& face = form->questionnaireFace();
    const Rgb floor = averageColour(started->program->pictures().floorTile);
    QStringList failures = unreadable(form, floor);
    // The qualities with ticks: a ticked statement reads on the tick colour too.
    QTest::mouseClick(face.Menucua, Qt::LeftButton);
    face.ListCua->item(2)->setSelected(true);
    failures += unreadable(form, floor);
    const QPalette& p = face.ListCua->palette();
    if (contrastRatio(toRgb(p.color(QPalette::HighlightedText)),
                      toRgb(p.color(QPalette::Highlight))) < kBodyContrast)
        failures << QStringLiteral("ticked statement");
    // The results with their heading, a group's studies over them and the pointer's note.
    QTest::mouseClick(face.VerResul, Qt::LeftButton);
    QVERIFY(face.ListResul->isVisible());
    failures += unreadable(form, floor);
    const QPoint row = face.ListResul->visualItemRect(face.ListResul->item(0)).center();
    QTest::mouseClick(face.ListResul->viewport(), Qt::LeftButton, {}, row);
    QVERIFY(face.ListCarreras->isVisible());
    face.LabelAviso->show();
    failures += unreadable(form, floor);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

QTEST_MAIN(ReadabilityTest)
#include "readability_test.moc"
