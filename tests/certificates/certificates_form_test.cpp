// The certificates form on the bundled catalogue: from the scene's leave sign to a group, a
// family's certificates under the hover lock, a certificate's panel, the printout as a PDF,
// and back twice to the scene; closing the window from the family list.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "common/program/contrast.h"
#include "common/qt_text.h"
#include "program_fixture.h"
#include "scene/animated_scene.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/static_scene.h"
#include "vocational/certificates/form/certificates_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

QPoint rowCentre(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

void clickRow(QListWidget* list, int row) {
    QVERIFY2(list->isVisible() && list->item(row), qPrintable(list->objectName()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

void hoverRow(QListWidget* list, int row) {
    QVERIFY(list->item(row));
    const QPoint at = rowCentre(list, row);
    QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class CertificatesFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void leaveSignToAPrintedFamilyAndBackTwiceToTheScene();
    void closingFromTheFamilyListShowsTheScene();
    void theAnimatedScenesLeaveZoneOpensTheFormToo();
    void everyThemeKeepsTheTitlesTheChosenRowAndTheNameReadable();

  private:
    TCertifica* form() const {
        return qobject_cast<TCertifica*>(started_->program->form(QStringLiteral("TCertifica")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    void openFromTheLeaveSign();

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void CertificatesFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void CertificatesFormTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void CertificatesFormTest::openFromTheLeaveSign() {
    QVERIFY(scene()->isVisible());
    QTest::mouseClick(scene()->staticScene()->LabelDejar, Qt::LeftButton);
    QVERIFY(form()->isVisible());
    QVERIFY(!scene()->isVisible());
    QVERIFY(form()->ListSelFp->isVisible());
    QVERIFY(form()->PanelSelTit0->isVisible());
}

void CertificatesFormTest::leaveSignToAPrintedFamilyAndBackTwiceToTheScene() {
    QTemporaryDir pdfs;
    qputenv("RUMBELO_PRINT_PDF", pdfs.path().toLocal8Bit());
    openFromTheLeaveSign();
    TCertifica* f = form();
    QCOMPARE(f->ListSelFp->count(), 9);
    QCOMPARE(f->ListSelFp->item(0)->text(),
             QStringLiteral("Oficina, informática, banca y artes gráficas"));
    // The help guide writes its first line on its first tick.
    QTRY_COMPARE_WITH_TIMEOUT(f->LabelAyu[0]->text(), toQt(started_->program->texts().trimmed(562)),
                              2000);

    clickRow(f->ListSelFp, 0);
    QVERIFY(!f->ListSelFp->isVisible());
    QVERIFY(f->PanelSelTit1->isVisible());
    QCOMPARE(rowsOf(f->ListTitFP), (QStringList{QStringLiteral("-Administración y oficinas"),
                                                QStringLiteral("-Seguros y finanzas"),
                                                QStringLiteral("-Industrias gráficas")}));
    QVERIFY(!f->ListFPExpli->isVisible());

    hoverRow(f->ListTitFP, 0);
    QVERIFY(f->ListFPExpli->isVisible());
    QVERIFY(f->PanelSelTit2->isVisible());
    QCOMPARE(f->ListFPExpli->count(), 8);
    QCOMPARE(f->ListFPExpli->item(0)->text(), QStringLiteral("Empleado/a de oficina"));
    QCOMPARE(f->PanelSelTit2->geometry().bottom(), f->ListFPExpli->y());

    // The click fixes the family: another family under the mouse changes nothing.
    clickRow(f->ListTitFP, 0);
    QVERIFY(f->BotImprimir->isVisible());
    QVERIFY(f->BotInternet->isVisible());
    hoverRow(f->ListTitFP, 2);
    QCOMPARE(f->ListFPExpli->count(), 8);
    QCOMPARE(f->ListTitFP->currentRow(), 0);

    clickRow(f->ListFPExpli, 0);
    QVERIFY(f->PanelResul->isVisible());
    QCOMPARE(f->LabelTitulo->text(), QStringLiteral("Empleado/a de oficina"));
    QCOMPARE(f->LabelRequisitos->text(),
             QStringLiteral("Sin requisitos académicos\nLeer, escribir y calcular"));
    QCOMPARE(f->LabelHoras->text(), QStringLiteral("470"));
    QVERIFY(f->LabelDes->text().startsWith(QStringLiteral("Archivas")));

    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    const QStringList printed = QDir(pdfs.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(printed.size(), 1);
    const QString text = pdfText(pdfs.filePath(printed[0]));
    QVERIFY2(text.contains(QStringLiteral("Administración y oficinas")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Programador/a de aplicaciones de gestión")));
    QVERIFY(text.contains(QStringLiteral("Horas de formación: 470")));
    qunsetenv("RUMBELO_PRINT_PDF");

    QTest::mouseClick(f->BotInternet, Qt::LeftButton);
    QVERIFY(started_->sink.messages.empty());

    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(f->ListSelFp->isVisible());
    QVERIFY(!f->ListTitFP->isVisible());
    QVERIFY(!f->ListFPExpli->isVisible());
    QVERIFY(!f->BotImprimir->isVisible());
    QVERIFY(f->isVisible());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(!f->PanelResul->isVisible());
    QVERIFY(scene()->isVisible());
}

void CertificatesFormTest::closingFromTheFamilyListShowsTheScene() {
    openFromTheLeaveSign();
    TCertifica* f = form();
    clickRow(f->ListSelFp, 4);
    QCOMPARE(rowsOf(f->ListTitFP), QStringList{QStringLiteral("-Turismo y hostelería")});
    f->close();
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
    // Entering again starts from the group list.
    openFromTheLeaveSign();
    QVERIFY(!f->ListTitFP->isVisible());
}

void CertificatesFormTest::theAnimatedScenesLeaveZoneOpensTheFormToo() {
    started_.reset();
    qputenv("RUMBELO_GRAPHICS", "9");
    folder_->writeProfile("IES Las Encinas", 0, "C", 1);
    started_ = startOn(folder_->path());
    qunsetenv("RUMBELO_GRAPHICS");
    QVERIFY(scene()->animated());
    QVERIFY(scene()->isVisible());
    emit scene()->animated()->leaveZoneEntered();
    QVERIFY(form()->isVisible());
    QVERIFY(!scene()->isVisible());
    QTest::mouseClick(form()->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(!form()->isVisible());
    QVERIFY(scene()->isVisible());
}

void CertificatesFormTest::everyThemeKeepsTheTitlesTheChosenRowAndTheNameReadable() {
    for (const char* theme : kThemeLetters) {
        started_.reset();
        folder_->writeProfile("IES", 0, theme, 0);
        started_ = startOn(folder_->path());
        TCertifica* f = form();
        QVERIFY(f);
        const QByteArray name(theme);
        QVERIFY2(contrastOf(f->LabelTit1, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
                 name);
        QVERIFY2(
            contrastOf(f->LabelTitulo, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
            name);
        QVERIFY2(contrastOf(f->ListTitFP, QPalette::HighlightedText, QPalette::Highlight) >=
                     kBodyContrast,
                 name);
        QVERIFY2(contrastOf(f->ListFPExpli, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
    }
}

QTEST_MAIN(CertificatesFormTest)
#include "certificates_form_test.moc"
