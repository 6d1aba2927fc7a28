// The professions questionnaire on the bundled data: from the scene's door 7 through the
// long phrases, the pages of short phrases and the favourite to the results, a profession's
// studies, the printed report, and the way out through the studies panel.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/program/contrast.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "professions/form/professions_form.h"
#include "program_fixture.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/static_scene.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

void clickRow(QListWidget* list, int row) {
    QVERIFY2(list->isVisible() && list->isEnabled() && list->item(row),
             qPrintable(list->objectName() + QString::number(row)));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void hoverRow(QListWidget* list, int row) {
    QVERIFY(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

int marked(const QListWidget* list) {
    return static_cast<int>(list->selectedItems().size());
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ProfessionsFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorSevenToResultsStudiesReportAndOut();
    void aFourthPhraseIsRefusedUntilOneIsUnmarked();
    void everyThemeKeepsTitlesMarksAndResultsReadable();

  private:
    Tprofe* form() const {
        return qobject_cast<Tprofe*>(started_->program->form(QStringLiteral("Tprofe")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    QString text(int k) const { return toQt(started_->program->texts().trimmed(k)); }
    void openFromTheDoor();
    // Yes to the long phrases in `yes` (0-based), no to the others, up to the end message.
    void answerStepOne(const QList<int>& yes);

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void ProfessionsFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void ProfessionsFormTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void ProfessionsFormTest::openFromTheDoor() {
    QVERIFY(scene()->isVisible());
    QTest::mouseClick(scene()->staticScene()->LabelProfe, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form()->isVisible(), 5000);
    QVERIFY(!scene()->isVisible());
}

void ProfessionsFormTest::answerStepOne(const QList<int>& yes) {
    Tprofe* f = form();
    QCOMPARE(f->LabelFrase0->text(), text(631));
    QVERIFY(!f->BotNo->isVisible());
    QVERIFY(!f->ListCues->isEnabled());
    QTest::mouseClick(f->BotSi, Qt::LeftButton);
    for (int i = 0; i < f->ListCues->count(); ++i) {
        QCOMPARE(f->LabelFrase0->text(), text(626));
        QCOMPARE(f->LabelFrase->text(), f->ListCues->item(i)->text());
        QTest::mouseClick(yes.contains(i) ? f->BotSi : f->BotNo, Qt::LeftButton);
    }
    QCOMPARE(f->LabelFrase0->text(), text(639));
    QVERIFY(f->ListCues->isEnabled());
    QVERIFY(!f->BotNo->isVisible());
    QCOMPARE(marked(f->ListCues), static_cast<int>(yes.size()));
    for (int i : yes)
        QVERIFY(f->ListCues->item(i)->isSelected());
}

void ProfessionsFormTest::doorSevenToResultsStudiesReportAndOut() {
    openFromTheDoor();
    Tprofe* f = form();
    QCOMPARE(f->ListCues->count(), 18);
    QVERIFY(f->PanelFrase->isVisible());
    // The box opens to its full size and its timer stops.
    QTRY_VERIFY_WITH_TIMEOUT(!f->TimerFrase.isActive(), 2000);
    QCOMPARE(f->PanelFrase->height(), 210);
    answerStepOne({0, 13});
    QTest::mouseClick(f->BotSi, Qt::LeftButton);  // the end message goes away
    QVERIFY(!f->PanelFrase->isVisible());

    // Step 2: the pages of short phrases; three marks on a page keep the first two.
    QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
    QVERIFY(f->ListSel->isVisible());
    QVERIFY(!f->ListCues->isVisible());
    const int pages = f->pages().count;
    QVERIFY(pages >= 2 && pages <= 4);
    QCOMPARE(f->ListSel->count(), static_cast<int>(f->pages().page(1).size()));
    clickRow(f->ListSel, 2);
    clickRow(f->ListSel, 0);
    clickRow(f->ListSel, 1);
    QCOMPARE(marked(f->ListSel), 2);
    QVERIFY(f->ListSel->item(0)->isSelected());
    QVERIFY(f->ListSel->item(1)->isSelected());
    for (int p = 2; p <= pages; ++p) {
        QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
        QCOMPARE(f->pageIndex(), p);
        QCOMPARE(marked(f->ListSel), 0);
        clickRow(f->ListSel, 0);
    }
    // Back to page 1 finds its two marks again; forward again to the last page.
    for (int p = pages; p > 1; --p)
        QTest::mouseClick(f->BotFraRet, Qt::LeftButton);
    QCOMPARE(f->pageIndex(), 1);
    QCOMPARE(marked(f->ListSel), 2);
    for (int p = 2; p <= pages; ++p) {
        QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
        if (marked(f->ListSel) == 0) clickRow(f->ListSel, 0);
    }

    // Step 3: the marked phrases of every page; the favourite is the first of page 1.
    QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
    QCOMPARE(f->ListSel->count(), pages + 1);
    QCOMPARE(static_cast<int>(f->finalPhrases().size()), pages + 1);
    QCOMPARE(f->ListSel->item(0)->text(),
             toQt(TrimRight(f->data().shortPhrase(f->pages().page(1)[0])->text)));
    clickRow(f->ListSel, 1);
    clickRow(f->ListSel, 0);
    QCOMPARE(marked(f->ListSel), 1);

    QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
    QVERIFY(f->PanelResul->isVisible());
    QVERIFY(f->BotImp->isVisible());
    QCOMPARE(f->ListResulAct->count(), 3);
    QVERIFY(f->ListResulAct->item(1)->text().startsWith(QStringLiteral("1º ")));
    QVERIFY(f->ListResulProf->count() >= 2);
    QCOMPARE(f->ListResulProf->item(0)->text(), QString());
    QVERIFY(f->ListTit->toPlainText().isEmpty());

    // A profession's studies under the mouse, headed in green; the lock keeps them.
    hoverRow(f->ListResulProf, 1);
    QVERIFY(f->ListTit->isVisible());
    QCOMPARE(f->LabelTit3->text(), f->ListResulProf->item(1)->text());
    QVERIFY(!f->ListTit->toPlainText().trimmed().isEmpty());
    QVERIFY(f->ListTit->toHtml().contains(QStringLiteral("#008000")));
    const QString studies = f->ListTit->toPlainText();
    clickRow(f->ListResulProf, 1);
    QVERIFY(f->hoverLock());
    if (f->ListResulProf->count() > 2) {
        hoverRow(f->ListResulProf, 2);
        QCOMPARE(f->ListTit->toPlainText(), studies);
    }
    clickRow(f->ListResulProf, 1);
    QVERIFY(!f->hoverLock());
    // The best activity's professions.
    hoverRow(f->ListResulAct, 1);
    QVERIFY(f->ListResProf->isVisible());
    QVERIFY(f->ListResProf->item(0)->text().endsWith(QStringLiteral(" 1º")));
    QVERIFY(f->ListResProf->count() >= 2);

    // The report, after the name question, as a PDF.
    QTemporaryDir pdfs;
    qputenv("RUMBELO_PRINT_PDF", pdfs.path().toLocal8Bit());
    whenDialogOpens([](TForm4* d) {
        QVERIFY(d->EditNombre->isVisible());
        d->EditNombre->setText(QStringLiteral("Lucía"));
        QTest::mouseClick(d->ShadowSi, Qt::LeftButton);
    });
    QTest::mouseClick(f->BotImp, Qt::LeftButton);
    qunsetenv("RUMBELO_PRINT_PDF");
    const QStringList printed = QDir(pdfs.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(printed.size(), 1);
    const QString report = pdfText(pdfs.filePath(printed[0]));
    QVERIFY2(report.contains(QStringLiteral("Lucía")), qPrintable(report));
    QVERIFY(report.contains(text(648)));
    QVERIFY(report.contains(f->ListResulProf->item(1)->text().mid(2)));
    QVERIFY(report.contains(text(642)));

    // A click on the studies offers to leave with the second line; no keeps the results.
    bool secondLine = false;
    whenDialogOpens([&](TForm4* d) {
        secondLine = d->LabelNombre2->isVisible() && d->LabelNombre2->text() == text(650);
        QTest::mouseClick(d->ShadowNo, Qt::LeftButton);
    });
    QTest::mouseClick(f->ListTit->viewport(), Qt::LeftButton);
    QVERIFY(secondLine);
    QVERIFY(f->isVisible());
    QVERIFY(f->PanelResul->isVisible());
    QVERIFY(!started_->program->dialog()->LabelNombre2->isVisible());

    // Back hides the results and keeps the final list.
    QTest::mouseClick(f->BotFraRet, Qt::LeftButton);
    QVERIFY(!f->PanelResul->isVisible());
    QCOMPARE(f->ListSel->count(), pages + 1);

    bool plain = false;
    whenDialogOpens([&](TForm4* d) {
        plain = !d->LabelNombre2->isVisible() && d->LabelNombre->text() == text(649);
        QTest::mouseClick(d->ShadowSi, Qt::LeftButton);
    });
    QTest::mouseClick(f->BotAcabar, Qt::LeftButton);
    QVERIFY(plain);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
    QVERIFY(started_->program->state().studentName.empty());
}

void ProfessionsFormTest::aFourthPhraseIsRefusedUntilOneIsUnmarked() {
    openFromTheDoor();
    Tprofe* f = form();
    answerStepOne({1, 4, 8});
    clickRow(f->ListCues, 11);
    QCOMPARE(marked(f->ListCues), 4);
    QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
    QVERIFY(f->PanelFrase->isVisible());
    QCOMPARE(f->LabelFrase->text(),
             text(634) + QLatin1Char(' ') + text(635) + QLatin1Char(' ') + text(636));
    QCOMPARE(f->pageIndex(), 0);
    QVERIFY(!f->ListSel->isVisible());
    clickRow(f->ListCues, 4);
    QTest::mouseClick(f->BotFraSig, Qt::LeftButton);
    QCOMPARE(f->pageIndex(), 1);
    QVERIFY(f->ListSel->isVisible());
    QVERIFY(!f->PanelFrase->isVisible());
    // Back to step 1 keeps the marks.
    QTest::mouseClick(f->BotFraRet, Qt::LeftButton);
    QVERIFY(f->ListCues->isVisible());
    QCOMPARE(marked(f->ListCues), 3);
    // Closing the window asks; no keeps it open, yes shows the scene.
    whenDialogOpens([](TForm4* d) { QTest::mouseClick(d->ShadowNo, Qt::LeftButton); });
    f->close();
    QVERIFY(f->isVisible());
    whenDialogOpens([](TForm4* d) { QTest::mouseClick(d->ShadowSi, Qt::LeftButton); });
    f->close();
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
}

void ProfessionsFormTest::everyThemeKeepsTitlesMarksAndResultsReadable() {
    for (const char* theme : kThemeLetters) {
        started_.reset();
        folder_->writeProfile("IES", 0, theme, 0);
        started_ = startOn(folder_->path());
        Tprofe* f = form();
        QVERIFY(f);
        const QByteArray name(theme);
        QVERIFY2(contrastOf(f->LabelTit0, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
                 name);
        QVERIFY2(
            contrastOf(f->LabelTitulo, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
            name);
        for (const QListWidget* list : {f->ListCues, f->ListSel, f->ListResulProf}) {
            QVERIFY2(
                contrastOf(list, QPalette::HighlightedText, QPalette::Highlight) >= kBodyContrast,
                name + list->objectName().toLatin1());
            QVERIFY2(contrastOf(list, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
        }
    }
}

QTEST_MAIN(ProfessionsFormTest)
#include "professions_form_test.moc"
