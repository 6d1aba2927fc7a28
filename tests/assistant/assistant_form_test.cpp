// The assistant from the static scene: the start text stopped by a stage, an early arrow,
// every button of both stages there and back, a second activation, and readability.
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "program_fixture.h"
#include "scene/scene_form.h"
#include "secondary/assistant/form/assistant_form.h"
#include "secondary/form/secondary_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;
using assistant::Stage;

namespace {

// The timers at 1 ms: the animations run through while the test waits.
void fastTimers(TForm5& form) {
    for (QTimer* timer : {&form.TimerMueTexBotBACHI, &form.TimerComienzo, &form.TimerMueTexFleESO,
                          &form.TimerMueTexFleBACHI, &form.TimerVuela, &form.TimerVuela2})
        timer->setInterval(1);
}

// Opens the assistant as the pupil does: a click on the scene's "Asistente" label.
TForm5* openFromScene(Program& program) {
    QWidget* label = program.scene()->findChild<QWidget*>(QStringLiteral("LabelAsistente"));
    if (!label || !label->isVisible()) return nullptr;
    auto* form = qobject_cast<TForm5*>(program.form(QStringLiteral("TForm5")));
    if (!form) return nullptr;
    // The door opens and the zoom runs before the assistant shows.
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    return QTest::qWaitFor([&] { return form->isVisible(); }, 8000) ? form : nullptr;
}

bool flightDone(TForm5& form, int arrow) {
    QTimer& timer = arrow >= 6 ? form.TimerVuela2 : form.TimerVuela;
    return !timer.isActive();
}

QStringList visibleButtons(TForm5& form, Stage stage) {
    QStringList names;
    for (const int arrow : assistant::arrowsOf(stage))
        for (const auto name : assistant::buttonsOfArrow(arrow))
            if (form.button(name)->isVisible()) names << form.button(name)->objectName();
    names.sort();
    return names;
}

// Which section each button opens, and the control that leaves it.
struct Trip {
    const char* button;
    const char* form;
    const char* back;
};
constexpr Trip kTrips[] = {
    {"BDejar", "TCertifica", "BotRetrocederFP"},
    {"BGarantia", "TFIniPro", "BotRetrocederFP"},
    {"BtGM", "TForm3", "botSalir"},
    {"Biti", "TForm2", "BitAcabarLogse"},
    {"CatTit", "TFormCat", "BotRetroceder"},
    {"BcBachi", "TForm2", "BitAcabarLogse"},
    {"BotProfe", "Tprofe", "BotAcabar"},
    {"BiCar", "TForm1", "menui5"},
    {"BFpTitGsAsis", "TForm1", "menuFP3"},
    {"BitiB", "TForm2", "BitAcabarLogse"},
    {"CatTitB", "TFormCat", "BotRetroceder"},
    {"BConsejoAsis", "TForm1", "MenuRetroCon"},
    {"BotProfeB", "Tprofe", "BotAcabar"},
};

const Trip* tripOf(std::string_view button) {
    for (const Trip& trip : kTrips)
        if (button == trip.button) return &trip;
    return nullptr;
}

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

Rgb groundOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground()) return toRgb(w->palette().color(w->backgroundRole()));
    return {};
}

QStringList unreadable(QWidget* root) {
    QStringList failures;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        QString text;
        Rgb fg, bg;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            fg = toRgb(w->palette().color(QPalette::WindowText));
            bg = groundOf(w);
        } else if (auto* edit = qobject_cast<QTextEdit*>(w)) {
            text = edit->toPlainText();
            fg = toRgb(w->palette().color(QPalette::Text));
            bg = toRgb(w->palette().color(QPalette::Base));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            fg = toRgb(w->palette().color(QPalette::ButtonText));
            bg = colourOf(w->palette().brush(QPalette::Button));
        }
        if (text.trimmed().isEmpty()) continue;
        const double minimum = isLarge(w->font()) ? kLargeContrast : kBodyContrast;
        if (contrastRatio(fg, bg) < minimum)
            failures << QStringLiteral("%1 %2").arg(w->objectName()).arg(contrastRatio(fg, bg));
    }
    return failures;
}

}  // namespace

class AssistantFormTest : public QObject {
    Q_OBJECT
  private slots:
    void aStageChosenWhileTheStartTextScrollsStopsIt();
    void anEarlyArrowRevealsOnlyItsButtons();
    void everyButtonOfBothStagesReturnsToTheAssistant();
    void bGarantiaOpensTheInitialProgrammes();
    void everyTextReadsInEveryTheme_data();
    void everyTextReadsInEveryTheme();
};

void AssistantFormTest::aStageChosenWhileTheStartTextScrollsStopsIt() {
    ProgramFolder folder;
    auto started = startOn(folder.path(), {"A", "N"});
    TForm5* form = openFromScene(*started->program);
    QVERIFY(form);
    QVERIFY(started->program->state().assistantFlag);
    QVERIFY(form->isModal());
    QVERIFY(form->PInicio->isVisible());
    QCOMPARE(form->step(), 6);
    const int from = form->Textoinicio->y();
    QTRY_VERIFY(form->Textoinicio->y() < from);
    QTest::mouseClick(form->BotBachi, Qt::LeftButton);
    QVERIFY(!form->TimerMueTexBotBACHI.isActive());
    QVERIFY(!form->PInicio->isVisible());
    QVERIFY(form->bachillerato().panel->isVisible());
    QVERIFY(!form->eso().panel->isVisible());
    const int stopped = form->Textoinicio->y();
    QTest::qWait(200);
    QCOMPARE(form->Textoinicio->y(), stopped);
    QVERIFY(!form->firstActivation());
}

void AssistantFormTest::anEarlyArrowRevealsOnlyItsButtons() {
    ProgramFolder folder;
    auto started = startOn(folder.path(), {"A", "N"});
    TForm5* form = openFromScene(*started->program);
    QVERIFY(form);
    fastTimers(*form);
    QTest::mouseClick(form->eso().caption, Qt::LeftButton);
    // Step 1 has ended: its arrow (Image4) stands; step 2's text is on its way.
    QTRY_COMPARE(form->step(), 2);
    QLabel* arrow = form->eso().arrows.at(4);
    QVERIFY(arrow->isVisible());
    QTest::mouseClick(arrow, Qt::LeftButton);
    QVERIFY(!form->TimerMueTexFleESO.isActive());
    QVERIFY(form->eso().heli->isVisible());
    QCOMPARE(visibleButtons(*form, Stage::Eso), QStringList());
    QTRY_VERIFY(flightDone(*form, 4));
    QCOMPARE(visibleButtons(*form, Stage::Eso),
             (QStringList{QStringLiteral("BcBachi"), QStringLiteral("BotProfe")}));
    // The interrupted texts do not start again.
    QTest::qWait(100);
    QCOMPARE(form->step(), 0);
    QCOMPARE(visibleButtons(*form, Stage::Eso).size(), 2);
    for (const auto& [number, image] : form->eso().arrows)
        QVERIFY(image->isVisible());
}

// The whole walk: from the scene into the assistant, each stage, each arrow and each of
// its buttons, into the section and back, until the assistant is ended.
void AssistantFormTest::everyButtonOfBothStagesReturnsToTheAssistant() {
    ProgramFolder folder;
    auto started = startOn(folder.path(), {"A", "N"});
    Program& program = *started->program;
    TForm5* form = openFromScene(program);
    QVERIFY(form);
    fastTimers(*form);
    const bool initialProgrammes = program.form(QStringLiteral("TFIniPro")) != nullptr;
    for (const Stage stage : {Stage::Eso, Stage::Bachillerato}) {
        form->chooseStage(stage);
        QTRY_COMPARE(form->step(), 1);
        QTRY_COMPARE(form->step(), 0);
        for (const int arrow : assistant::arrowsOf(stage)) {
            for (const auto name : assistant::buttonsOfArrow(arrow)) {
                QTest::mouseClick(form->eso().panel->isVisible()
                                      ? form->eso().arrows.at(arrow)
                                      : form->bachillerato().arrows.at(arrow),
                                  Qt::LeftButton);
                QTRY_VERIFY(flightDone(*form, arrow));
                QPushButton* button = form->button(name);
                QVERIFY2(button->isVisible(), name.data());
                const Trip* trip = tripOf(name);
                if (!trip) {
                    // The two information panels and the bridges dialog stay over the assistant.
                    if (name == "BotFP") {
                        bool bridges = false;
                        QTimer::singleShot(0, [&] {
                            if (auto* d =
                                    qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                                bridges = d->objectName() == QStringLiteral("TForm6");
                                d->reject();
                            }
                        });
                        QTest::mouseClick(button, Qt::LeftButton);
                        QVERIFY(bridges);
                    } else {
                        QTest::mouseClick(button, Qt::LeftButton);
                        QFrame* panel =
                            (name == "BotDiversi" ? form->eso() : form->bachillerato()).listPanel;
                        QVERIFY(panel->isVisible());
                        // The information paragraph follows the captions.
                        QVERIFY(panel->findChild<QTextEdit*>()->toPlainText().count(
                                    QLatin1Char('\n')) >= (name == "BotFP2" ? 5 : 1));
                        // It opens beside the buttons it came from, not over them.
                        const QRect over = panel->geometry();
                        for (QPushButton* shown : panel->parentWidget()->findChildren<QPushButton*>(
                                 QString(), Qt::FindDirectChildrenOnly))
                            QVERIFY2(!shown->isVisible() || !over.intersects(shown->geometry()),
                                     qPrintable(shown->objectName()));
                    }
                    QVERIFY(form->isVisible());
                    continue;
                }
                if (!initialProgrammes && name == "BGarantia") {
                    // Without the initial-programmes section the button opens nothing
                    // (its own trip is bGarantiaOpensTheInitialProgrammes).
                    QTest::mouseClick(button, Qt::LeftButton);
                    QVERIFY(form->isVisible());
                    continue;
                }
                QWidget* section = program.form(QLatin1String(trip->form));
                QVERIFY(section);
                QTest::mouseClick(button, Qt::LeftButton);
                QVERIFY2(section->isVisible(), trip->button);
                QVERIFY2(!form->isVisible(), trip->button);
                if (name == "BcBachi") {
                    auto* secondary = qobject_cast<TForm2*>(section);
                    QVERIFY(secondary->questionnaireRequested());
                    QVERIFY(secondary->findChild<QWidget*>(QStringLiteral("PanelMenuCues"))
                                ->isVisible());
                }
                auto* back = section->findChild<QPushButton*>(QLatin1String(trip->back));
                QVERIFY2(back, trip->back);
                back->click();
                QVERIFY2(form->isVisible(), trip->button);
                QVERIFY2(!section->isVisible(), trip->button);
                // A second activation keeps the stage on screen.
                QVERIFY(!form->PInicio->isVisible());
                QVERIFY(
                    (stage == Stage::Eso ? form->eso() : form->bachillerato()).panel->isVisible());
            }
        }
    }
    QVERIFY(program.state().assistantFlag);
    QTest::mouseClick(form->BotRetroAsis, Qt::LeftButton);
    QVERIFY(!program.state().assistantFlag);
    QVERIFY(!form->isVisible());
    QVERIFY(program.scene()->isVisible());
    // Without the assistant a section goes back to the scene.
    QWidget* catalogue = program.form(QStringLiteral("TFormCat"));
    qobject_cast<Tform0*>(program.scene())->launch(2);
    QVERIFY(catalogue->isVisible());
    catalogue->findChild<QPushButton*>(QStringLiteral("BotRetroceder"))->click();
    QVERIFY(!form->isVisible());
    QVERIFY(program.scene()->isVisible());
    // Opened again: the stage chosen before, no start panel.
    QVERIFY(openFromScene(program) == form);
    QVERIFY(!form->PInicio->isVisible());
    QVERIFY(!form->TimerMueTexBotBACHI.isActive());
    QVERIFY(form->bachillerato().panel->isVisible());
}

void AssistantFormTest::bGarantiaOpensTheInitialProgrammes() {
    ProgramFolder folder;
    auto started = startOn(folder.path(), {"A", "N"});
    Program& program = *started->program;
    QWidget* section = program.form(QStringLiteral("TFIniPro"));
    if (!section) QSKIP("the initial-programmes section (TFIniPro) is not in this build yet");
    QVERIFY(dynamic_cast<AssistantEntry*>(section));
    TForm5* form = openFromScene(program);
    QVERIFY(form);
    fastTimers(*form);
    form->chooseStage(Stage::Eso);
    form->arrowClicked(2);
    QTRY_VERIFY(flightDone(*form, 2));
    QTest::mouseClick(form->button("BGarantia"), Qt::LeftButton);
    QVERIFY(section->isVisible());
    QVERIFY(!form->isVisible());
    section->findChild<QPushButton*>(QStringLiteral("BotRetrocederFP"))->click();
    QVERIFY(form->isVisible());
    QVERIFY(!section->isVisible());
}

void AssistantFormTest::everyTextReadsInEveryTheme_data() {
    addThemeRows();
}

void AssistantFormTest::everyTextReadsInEveryTheme() {
    QFETCH(QString, theme);
    ProgramFolder folder;
    auto started = startOn(folder.path(), {theme.toStdString(), "N"});
    TForm5* form = openFromScene(*started->program);
    QVERIFY(form);
    fastTimers(*form);
    QStringList failures = unreadable(form);
    for (const Stage stage : {Stage::Eso, Stage::Bachillerato}) {
        form->chooseStage(stage);
        QTRY_COMPARE(form->step(), 1);
        QTRY_COMPARE(form->step(), 0);
        for (const int arrow : assistant::arrowsOf(stage)) {
            form->arrowClicked(arrow);
            QTRY_VERIFY(flightDone(*form, arrow));
            failures += unreadable(form);
        }
        QTest::mouseClick(form->button(stage == Stage::Eso ? "BotDiversi" : "BotFP2"),
                          Qt::LeftButton);
        failures += unreadable(form);
    }
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", "))));
}

QTEST_MAIN(AssistantFormTest)
#include "assistant_form_test.moc"
