// The admission-mark consultation clicked through on the bundled catalogue: the question
// set with the arrows and the modality box, Madrid on the map, the rows the core gives,
// double clicks, the printout, the way back; its texts readable in every theme.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include "common/program/contrast.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/consultation/admission_consultation.h"
#include "degrees/form/consultation_face.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/up_down.h"
#include "program_fixture.h"
#include "scene/scene_form.h"
#include "support/temp_folder.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

constexpr int kMadrid = 13;

void click(QAbstractButton* button) {
    QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void doubleClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList expected(const std::vector<std::string>& rows) {
    QStringList list;
    for (const auto& row : rows)
        list << toQt(row);
    return list;
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ConsultationFaceTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void madridAtSixFiveInModalityThreeListsWhatTheCoreSays();
    void aDoubleClickOpensADegreeButNotAUniversity();
    void difficultyAndAnEmptiedDigitChangeTheList();
    void thePrintoutRepeatsTheQuestion();
    void backLeavesTheMapToTheDegreesByPlace();
    void everyTextReadsInEveryTheme_data();
    void everyTextReadsInEveryTheme();

  private:
    TForm1* form() const {
        return qobject_cast<TForm1*>(started_->program->form(QStringLiteral("TForm1")));
    }
    ConsultationFace& face() const { return form()->consultationFace(); }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    void start(std::vector<std::string> params = {});
    void openConsultation();
    void setMark(int units, int tenths);
    void clickCommunity(int community);
    ConsultationResult coreFor(int mark, int modality, int difficulty, int community) const;

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void ConsultationFaceTest::init() {
    start();
}

void ConsultationFaceTest::start(std::vector<std::string> params) {
    started_.reset();
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path(), std::move(params));
    QVERIFY(!started_->program->aborted());
    QVERIFY(form());
}

void ConsultationFaceTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void ConsultationFaceTest::openConsultation() {
    qobject_cast<Tform0*>(started_->program->scene())->launch(1);
    QVERIFY(form()->degreeFace().PanelMenu->isVisible());
    click(form()->degreeFace().MenuCarUni2);
}

// Through the arrows, as the pupil does.
void ConsultationFaceTest::setMark(int units, int tenths) {
    for (UpDown* spinner : {face().UpDown1, face().UpDown2}) {
        const int target = spinner == face().UpDown1 ? units : tenths;
        while (spinner->position() < target)
            click(spinner->up);
        while (spinner->position() > target)
            click(spinner->down);
    }
}

void ConsultationFaceTest::clickCommunity(int community) {
    const RegionGrids& grids = *started_->program->state().regions;
    QPoint at;
    for (int x = 1; x <= RegionGrids::kColumns && at.isNull(); ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows && at.isNull(); ++y)
            if (grids.communityAt(x, y) == community) at = {x, y};
    QVERIFY(!at.isNull());
    QLabel* mapa = form()->regionMap().mapa;
    QMouseEvent move(QEvent::MouseMove, at, mapa->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(mapa, &move);
    QTest::mouseClick(mapa, Qt::LeftButton, {}, at);
}

ConsultationResult ConsultationFaceTest::coreFor(int mark, int modality, int difficulty,
                                                 int community) const {
    const auto& data = form()->data();
    return consultDegrees(
        data.degrees, data.geography.places,
        {mark, modality, difficulty, region_map::universityPlaces(data.geography, community)},
        texts());
}

void ConsultationFaceTest::madridAtSixFiveInModalityThreeListsWhatTheCoreSays() {
    openConsultation();
    TForm1* f = form();
    ConsultationFace& c = face();
    for (QWidget* shown : std::initializer_list<QWidget*>{
             f->regionMap().mapa, c.panelconsulta, c.Panelcon2, c.listBachiL, c.RetroConsultas})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QVERIFY(!f->degreeFace().PanelMenu->isVisible());
    QVERIFY(!f->ListSel->isVisible());
    QVERIFY(!c.BotImprimirCon->isVisible());
    QTRY_COMPARE(f->LabelAyu[0]->text(), toQt(texts()[385]));
    QCOMPARE(c.MaskEdit1->text(), QStringLiteral("5"));
    QCOMPARE(c.MaskEdit2->text(), QStringLiteral("0"));
    QCOMPARE(c.LabelConsejo->text(), toQt(TrimRight(f->data().degrees.requirements[11])));
    QCOMPARE(c.listBachiL->count(), kModalityEntries);
    QCOMPARE(c.listBachiL->itemText(5), toQt(texts().trimmed(333)));
    QCOMPARE(c.LabelDificultad->text(), toQt(texts().trimmed(651)));
    // The arrows stop at the ends of their ranges.
    click(c.UpDown2->down);
    QCOMPARE(c.MaskEdit2->text(), QStringLiteral("0"));
    setMark(6, 5);
    QCOMPARE(c.mark(), 65);
    // A modality without a community asks for the community.
    c.listBachiL->setCurrentIndex(3);
    QVERIFY(c.Listcon->isVisible());
    QCOMPARE(rowsOf(c.Listcon),
             (QStringList{QString(), QString(), toQt(texts()[661] + texts()[662])}));
    QVERIFY(!c.BotImprimirCon->isVisible());
    clickCommunity(kMadrid);
    QCOMPARE(c.PanelconsultaTit->text(), toQt(communityHint(f->data().geography, kMadrid)));
    const ConsultationResult core = coreFor(65, 3, 1, kMadrid);
    QCOMPARE(core.outcome, ConsultationOutcome::Degrees);
    QCOMPARE(rowsOf(c.Listcon), expected(core.rows.rows));
    QVERIFY(c.Listcon->count() > 3);
    for (int i = 0; i < c.Listcon->count(); ++i)
        QCOMPARE(c.Listcon->item(i)->isSelected(), c.Listcon->item(i)->text().startsWith('-'));
    QVERIFY(c.BotImprimirCon->isVisible());
    QVERIFY(c.active());
}

void ConsultationFaceTest::aDoubleClickOpensADegreeButNotAUniversity() {
    openConsultation();
    ConsultationFace& c = face();
    c.listBachiL->setCurrentIndex(kEveryModality);
    clickCommunity(kMadrid);
    QVERIFY(c.Listcon->item(0)->text().startsWith('-'));
    doubleClickRow(c.Listcon, 0);
    QVERIFY(c.panelconsulta->isVisible());
    QVERIFY(c.active());
    const int degree = c.result().rows.degreeAt(1);
    QVERIFY(degree > 0);
    doubleClickRow(c.Listcon, 1);
    QVERIFY(!c.active());
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{form()->regionMap().mapa, c.panelconsulta, c.Panelcon2,
                                         c.BotImprimirCon, c.RetroConsultas})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    QCOMPARE(form()->degreeFace().selectedDegree(), degree);
    QVERIFY(form()->degreeFace().PanelCar->isVisible());
    // The degree's menu works as from any list: its places.
    click(form()->degreeFace().MenuCar1);
    QVERIFY(form()->ListSel->count() > 0);
}

void ConsultationFaceTest::difficultyAndAnEmptiedDigitChangeTheList() {
    openConsultation();
    ConsultationFace& c = face();
    c.listBachiL->setCurrentIndex(kEveryModality);
    clickCommunity(kMadrid);
    setMark(9, 9);
    c.TrackDif->setValue(7);
    QCOMPARE(c.LabelDificultad->text(), toQt(texts().trimmed(652)));
    QCOMPARE(c.LabelDificultad2->text(), toQt(texts().trimmed(659)));
    QCOMPARE(rowsOf(c.Listcon), expected(coreFor(99, kEveryModality, 7, kMadrid).rows.rows));
    c.TrackDif->setValue(1);
    const QStringList atNineNine = rowsOf(c.Listcon);
    // The pupil empties the units digit: the mark is 5,0, not 0,9.
    c.MaskEdit1->selectAll();
    QTest::keyClick(c.MaskEdit1, Qt::Key_Backspace);
    QCOMPARE(c.MaskEdit1->text(), QString());
    QCOMPARE(c.mark(), 50);
    const ConsultationResult atFive = coreFor(50, kEveryModality, 1, kMadrid);
    QCOMPARE(rowsOf(c.Listcon), expected(atFive.rows.rows));
    QVERIFY(rowsOf(c.Listcon) != atNineNine);
    // A digit outside the arrows' range cannot be typed.
    QTest::keyClick(c.MaskEdit1, Qt::Key_3);
    QCOMPARE(c.MaskEdit1->text(), QString());
    QTest::keyClick(c.MaskEdit1, Qt::Key_7);
    QCOMPARE(c.MaskEdit1->text(), QStringLiteral("7"));
    QCOMPARE(c.UpDown1->position(), 7);
}

void ConsultationFaceTest::thePrintoutRepeatsTheQuestion() {
    TempFolder pdfs;
    const QString folder = QString::fromStdString(pdfs.path().string());
    qputenv("RUMBELO_PRINT_PDF", folder.toLocal8Bit());
    openConsultation();
    ConsultationFace& c = face();
    setMark(6, 5);
    c.listBachiL->setCurrentIndex(3);
    clickCommunity(kMadrid);
    click(c.BotImprimirCon);
    qunsetenv("RUMBELO_PRINT_PDF");
    const QStringList printed = QDir(folder).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(printed.size(), 1);
    const QString text = pdfText(QDir(folder).filePath(printed[0]));
    if (text.isEmpty()) QSKIP("pdftotext is not installed");
    QVERIFY(text.contains(toQt(texts().trimmed(331))));
    // pdftotext gives runs of blanks as one.
    QVERIFY(text.contains(QRegularExpression(
        QRegularExpression::escape(toQt(texts().trimmed(296) + ":")) + QStringLiteral("\\s+6,5"))));
    QVERIFY(text.contains(c.listBachiL->currentText()));
    QVERIFY(text.simplified().contains(toQt(c.result().rows.rows[0]).simplified()));
}

void ConsultationFaceTest::backLeavesTheMapToTheDegreesByPlace() {
    openConsultation();
    ConsultationFace& c = face();
    c.listBachiL->setCurrentIndex(0);
    clickCommunity(kMadrid);
    const QStringList before = rowsOf(c.Listcon);
    click(c.RetroConsultas);
    TForm1* f = form();
    QVERIFY(!c.active());
    QVERIFY(!f->regionMap().mapa->isVisible());
    QVERIFY(!c.panelconsulta->isVisible());
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QTRY_COMPARE(f->LabelAyu[2]->text(), toQt(texts()[346]));
    // The map now answers the degrees by place, and the consultation keeps its own list.
    click(f->degreeFace().MenuCarUni3);
    clickCommunity(1);
    QVERIFY(f->ListComunidad->isVisible());
    QVERIFY(!c.Listcon->isVisible());
    click(f->BotRetroceder);
    click(f->BotRetroceder);
    click(f->degreeFace().MenuCarUni2);
    setMark(7, 0);
    QCOMPARE(c.PanelconsultaTit->text(), toQt(communityHint(f->data().geography, kMadrid)));
    QCOMPARE(rowsOf(c.Listcon), expected(coreFor(70, 0, 1, kMadrid).rows.rows));
    QVERIFY(!before.isEmpty());
}

void ConsultationFaceTest::everyTextReadsInEveryTheme_data() {
    addThemeRows();
}

void ConsultationFaceTest::everyTextReadsInEveryTheme() {
    QFETCH(QString, theme);
    start({theme.toStdString(), "N"});
    openConsultation();
    ConsultationFace& c = face();
    c.listBachiL->setCurrentIndex(2);
    clickCommunity(kMadrid);
    QStringList failures;
    const auto check = [&](const QString& name, const QColor& fg, const QColor& bg) {
        if (contrastRatio(toRgb(fg), toRgb(bg)) < kBodyContrast) failures << name;
    };
    for (QLabel* label : c.Panelcon2->findChildren<QLabel*>())
        check(label->objectName(), label->palette().color(QPalette::WindowText),
              c.Panelcon2->palette().color(QPalette::Window));
    const QPalette& title = c.PanelconsultaTit->palette();
    check(QStringLiteral("PanelconsultaTit"), title.color(QPalette::WindowText),
          title.color(QPalette::Window));
    const QPalette& list = c.Listcon->palette();
    check(QStringLiteral("Listcon"), list.color(QPalette::Text), list.color(QPalette::Base));
    check(QStringLiteral("Listcon headings"), list.color(QPalette::HighlightedText),
          list.color(QPalette::Highlight));
    for (QLineEdit* digit : {c.MaskEdit1, c.MaskEdit2})
        check(digit->objectName(), digit->palette().color(QPalette::Text),
              digit->palette().color(QPalette::Base));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", "))));
}

QTEST_MAIN(ConsultationFaceTest)
#include "consultation_face_test.moc"
