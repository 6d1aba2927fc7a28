// The shared dialog in its four uses, and the exit confirmation built on it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/dialog/aviso.h"
#include "common/dialog/exit_confirmation.h"
#include "common/qt_text.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class DialogFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void questionAnswersYesAndNo();
    void keyboardEnterIsYesAndEscapeIsNo();
    void namePromptAsksAgainForAnEmptyName();
    void namePromptNoGivesNothing();
    void noticeHidesTheNoButtonOnlyWhileItShows();
    void printChoiceTellsWhichReport();
    void exitConfirmationYesEndsTheProgram();
    void exitConfirmationNoKeepsTheScene();

  private:
    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
    TForm4* dialog() { return started_->program->dialog(); }
};

void DialogFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY(!started_->program->aborted());
    QVERIFY(dialog());
}

void DialogFormTest::questionAnswersYesAndNo() {
    whenDialogOpens([](TForm4* d) {
        QCOMPARE(d->LabelNombre->text(), QStringLiteral("¿Vamos?"));
        QVERIFY(!d->EditNombre->isVisible());
        click(d, "ShadowSi");
    });
    QVERIFY(dialog()->askQuestion(QStringLiteral("¿Vamos?")));
    whenDialogOpens([](TForm4* d) { click(d, "ShadowNo"); });
    QVERIFY(!dialog()->askQuestion(QStringLiteral("¿Vamos?")));
    QCOMPARE(dialog()->windowTitle(), toQt(started_->program->state().schoolName));
}

void DialogFormTest::keyboardEnterIsYesAndEscapeIsNo() {
    whenDialogOpens([](TForm4* d) { QTest::keyClick(d, Qt::Key_Return); });
    QVERIFY(dialog()->askQuestion(QStringLiteral("?")));
    whenDialogOpens([](TForm4* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QVERIFY(!dialog()->askQuestion(QStringLiteral("?")));
}

void DialogFormTest::namePromptAsksAgainForAnEmptyName() {
    int shown = 0;
    std::function<void(TForm4*)> answer = [&](TForm4* d) {
        ++shown;
        QVERIFY(d->EditNombre->isVisible());
        if (shown == 1) {
            QCOMPARE(d->EditNombre->text(), QStringLiteral("Lucía"));  // the last name given
            d->EditNombre->clear();
            click(d, "ShadowSi");
            whenDialogOpens(answer);
        } else {
            QVERIFY(d->EditNombre->text().isEmpty());
            QTest::keyClicks(d->EditNombre, QStringLiteral("Mart"));
            d->EditNombre->insert(QStringLiteral("ín"));
            click(d, "ShadowSi");
        }
    };
    whenDialogOpens(answer);
    const auto name = dialog()->askName(QStringLiteral("¿Cómo te llamas?"),
                                        "Luc\xED"
                                        "a");
    QCOMPARE(shown, 2);
    QVERIFY(name);
    QCOMPARE(*name, std::string("Mart\xEDn"));
    QVERIFY(!dialog()->EditNombre->isVisible());
}

void DialogFormTest::namePromptNoGivesNothing() {
    whenDialogOpens([](TForm4* d) { click(d, "ShadowNo"); });
    QVERIFY(!dialog()->askName(QStringLiteral("?"), ""));
}

void DialogFormTest::noticeHidesTheNoButtonOnlyWhileItShows() {
    whenDialogOpens([](TForm4* d) {
        QVERIFY(!d->ShadowNo->isVisible());
        QVERIFY(d->LabelNombre2->isVisible());
        QCOMPARE(d->LabelNombre2->text(), QStringLiteral("segunda"));
        QCOMPARE(d->ShadowSi->text(), QStringLiteral("Aceptar"));
        click(d, "ShadowSi");
    });
    dialog()->notice(QStringLiteral("primera"), QStringLiteral("segunda"));
    whenDialogOpens([](TForm4* d) {
        QVERIFY(d->ShadowNo->isVisible());
        QVERIFY(!d->LabelNombre2->isVisible());
        QCOMPARE(d->ShadowSi->text(), QStringLiteral("Sí"));
        click(d, "ShadowNo");
    });
    QVERIFY(!dialog()->askQuestion(QStringLiteral("?")));
}

void DialogFormTest::printChoiceTellsWhichReport() {
    whenDialogOpens([](TForm4* d) {
        QVERIFY(d->PanelImprimir->isVisible());
        QVERIFY(d->Radio1->isChecked());
        d->Radio2->setChecked(true);
        click(d, "botImprimir");
    });
    QCOMPARE(dialog()->askPrintChoice(), 2);
    whenDialogOpens([](TForm4* d) {
        QVERIFY(d->Radio1->isChecked());  // each use starts from the first choice
        click(d, "botcerImp");
    });
    QCOMPARE(dialog()->askPrintChoice(), 0);
    QVERIFY(!dialog()->PanelImprimir->isVisible());
}

void DialogFormTest::exitConfirmationYesEndsTheProgram() {
    const QString question = toQt(started_->program->texts().trimmed(49));
    whenDialogOpens([question](TForm4* d) {
        QCOMPARE(d->LabelNombre->text(), question);
        click(d, "ShadowSi");
    });
    auto* scene = started_->program->scene();
    scene->close();
    QVERIFY(started_->program->aborted());
    QVERIFY(started_->program->terminateRequested());
}

void DialogFormTest::exitConfirmationNoKeepsTheScene() {
    whenDialogOpens([](TForm4* d) { click(d, "ShadowNo"); });
    auto* scene = started_->program->scene();
    QTest::keyClick(scene, Qt::Key_Escape);
    QVERIFY(scene->isVisible());
    QVERIFY(!started_->program->aborted());
    QVERIFY(!started_->program->terminateRequested());
}

QTEST_MAIN(DialogFormTest)
#include "dialog_form_test.moc"
