// The questionnaire face clicked through on the bundled catalogue: door 8, the qualities
// with their implied ticks, the ranked results, the interests, the average, a group's
// studies, starting again, the printed results and the saved file byte by byte.
#include <sys/resource.h>

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <iterator>

#include "common/dialog/aviso.h"
#include "common/qt_text.h"
#include "common/save/results_file.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/questionnaire_face.h"
#include "degrees/questionnaire/group_scores.h"
#include "degrees/questionnaire/group_studies.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

void click(QPushButton* button) {
    QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

std::vector<int> tickedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
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

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The name prompt answered with `name` (after one empty answer, which must ask again).
void answerName(const QString& name) {
    whenDialogOpens([name](TForm4* d) {
        QVERIFY(d->EditNombre->isVisible());
        d->EditNombre->clear();
        whenDialogOpens([name](TForm4* again) {
            again->EditNombre->setText(name);
            QTest::mouseClick(again->ShadowSi, Qt::LeftButton);
        });
        QTest::mouseClick(d->ShadowSi, Qt::LeftButton);
    });
}

}  // namespace

class QuestionnaireFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorEightShowsTheMenuWithItsHelp();
    void qualitiesTickTheirScalesAndRankTheGroups();
    void interestsAverageAndAGroupOpens();
    void averageBeforeBothListsOnlyHelps();
    void startingAgainEmptiesBothListsAtTheirNextOpening();
    void printedResultsGoOutAsTwoReports();
    void savedResultsAreWindows1252LinesWithCrLf();
    void aFailedSaveLeavesTheEarlierFileAndTellsThePupil();

  private:
    TForm1* form() const {
        return qobject_cast<TForm1*>(started_->program->form(QStringLiteral("TForm1")));
    }
    QuestionnaireFace& face() const { return form()->questionnaireFace(); }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    void enterFace();
    // Opens a list, ticks these rows with clicks and shows its results.
    void answer(QPushButton* menu, QListWidget* list, const std::vector<int>& rows);
    void reachAverages();

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void QuestionnaireFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void QuestionnaireFormTest::cleanup() {
    setSaveNameChooser({});
    started_.reset();
    folder_.reset();
}

void QuestionnaireFormTest::enterFace() {
    scene()->launch(8);
    QVERIFY(form()->isVisible());
    QVERIFY(form()->Panelcon->isVisible());
    QVERIFY(!form()->Panelinicio->isVisible());
}

void QuestionnaireFormTest::answer(QPushButton* menu, QListWidget* list,
                                   const std::vector<int>& rows) {
    click(menu);
    QVERIFY(list->isVisible());
    for (int row : rows)
        clickRow(list, row);
    click(face().VerResul);
    QVERIFY(face().ListResul->isVisible());
}

void QuestionnaireFormTest::reachAverages() {
    enterFace();
    answer(face().Menucua, face().ListCua, {2, 8});
    click(face().acabarCua);
    answer(face().MenuGus, face().Listint, {0, 12});
    click(face().acabarCua);
    click(face().MenuMedia);
    QVERIFY(face().grabar->isVisible());
}

void QuestionnaireFormTest::doorEightShowsTheMenuWithItsHelp() {
    enterFace();
    QuestionnaireFace& f = face();
    QVERIFY(form()->PanelMenuCon->isVisible());
    for (QPushButton* b : {f.Menucua, f.MenuGus, f.MenuMedia, form()->MenuRetroCon})
        QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
    QCOMPARE(f.Menucua->text(), toQt(texts().trimmed(301)));
    QCOMPARE(f.MenuMedia->text(), toQt(texts().trimmed(303)));
    QVERIFY(!f.VerResul->isVisible() && !f.revisa->isVisible());
    QVERIFY(form()->payuda->isVisible());
    QTRY_COMPARE(form()->LabelAyu[1]->text(), toQt(texts()[349]));
    // Back to the scene; the degree face's door still finds its guide.
    click(form()->MenuRetroCon);
    QVERIFY(!form()->isVisible());
    QVERIFY(scene()->isVisible());
    scene()->launch(1);
    QVERIFY(form()->Panelinicio->isVisible());
    QVERIFY(form()->payuda->isVisible());
}

void QuestionnaireFormTest::qualitiesTickTheirScalesAndRankTheGroups() {
    enterFace();
    QuestionnaireFace& f = face();
    click(f.Menucua);
    const auto& interest = form()->data().interest;
    QCOMPARE(f.ListCua->count(), interest.qualities.count());
    QVERIFY(!f.Listint->isVisible() && !f.MenuGus->isVisible() && f.VerResul->isVisible());
    clickRow(f.ListCua, 2);  // statement 3 ticks 1 and 2 as well
    QCOMPARE(tickedRows(f.ListCua), (std::vector<int>{0, 1, 2}));
    clickRow(f.ListCua, 2);  // again: only 3 comes off
    QCOMPARE(tickedRows(f.ListCua), (std::vector<int>{0, 1}));
    // Enter toggles the statement in focus and implies nothing.
    f.ListCua->setCurrentRow(5, QItemSelectionModel::NoUpdate);
    QTest::keyClick(f.ListCua, Qt::Key_Return);
    QCOMPARE(tickedRows(f.ListCua), (std::vector<int>{0, 1, 5}));
    clickRow(f.ListCua, 9);

    click(f.VerResul);
    const GroupRanking ranking =
        rankGroups(interest.groups, scoreGroups(interest, Questionnaire::Qualities, {1, 2, 6, 10}));
    QCOMPARE(rowsOf(f.ListResul), expected(ranking.lines));
    QCOMPARE(f.PanelResCon->text(), toQt(texts()[286] + "    " + texts()[279]));
    QVERIFY(!f.ListCua->isVisible() && f.revisa->isVisible() && !f.VerResul->isVisible());
    QCOMPARE(f.ListResul->font().family(), QStringLiteral("Courier New"));

    // Back to the ticks, which are still there.
    click(f.revisa);
    QVERIFY(f.ListCua->isVisible() && !f.ListResul->isVisible());
    QCOMPARE(tickedRows(f.ListCua), (std::vector<int>{0, 1, 5, 9}));
}

void QuestionnaireFormTest::interestsAverageAndAGroupOpens() {
    reachAverages();
    QuestionnaireFace& f = face();
    const auto& data = form()->data();
    const GroupScores q = scoreGroups(data.interest, Questionnaire::Qualities, {1, 2, 3, 9});
    const GroupScores i = scoreGroups(data.interest, Questionnaire::Interests, {1, 13});
    const GroupRanking mean = rankGroups(data.interest.groups, averageScores(q, i));
    QCOMPARE(rowsOf(f.ListResul), expected(mean.lines));
    QCOMPARE(f.PanelResCon->text(), toQt(texts()[288]));
    QVERIFY(!f.Menucua->isVisible() && !form()->MenuRetroCon->isVisible());
    QVERIFY(f.ImpResul->isVisible() && f.acabarCua->isVisible());

    // The pointer over the results brings the note just under it.
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 20),
                     f.ListResul->viewport()->mapToGlobal(QPointF(40, 20)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.ListResul->viewport(), &move);
    QVERIFY(f.LabelAviso->isVisible());
    QCOMPARE(f.LabelAviso->text(), toQt(texts().trimmed(283)));
    QCOMPARE(f.LabelAviso->y(), f.ListResul->mapTo(form()->Panelcon, QPoint(0, 0)).y() + 20 + 30);

    // The second row opens the group ranked second, with its degrees and titles.
    clickRow(f.ListResul, 1);
    QVERIFY(f.ListCarreras->isVisible());
    const auto rows =
        groupStudiesRows(data.degrees, data.fp, data.interest.groups, mean.order[1], texts());
    QVERIFY(rows.size() > 8);  // the bundled group has degrees and titles
    QCOMPARE(rowsOf(f.ListCarreras), expected(rows));
    // acabarCua first closes the group only, then returns to the menu.
    click(f.acabarCua);
    QVERIFY(!f.ListCarreras->isVisible() && f.ListResul->isVisible());
    click(f.acabarCua);
    QVERIFY(!f.ListResul->isVisible() && !f.grabar->isVisible());
    QVERIFY(f.Menucua->isVisible() && form()->MenuRetroCon->isVisible());
}

void QuestionnaireFormTest::averageBeforeBothListsOnlyHelps() {
    enterFace();
    QuestionnaireFace& f = face();
    answer(f.Menucua, f.ListCua, {});
    click(f.acabarCua);
    click(f.MenuMedia);
    QVERIFY(!f.ListResul->isVisible() && !f.ImpResul->isVisible());
    QVERIFY(f.Menucua->isVisible());
    QTRY_COMPARE(form()->LabelAyu[2]->text(), toQt(texts()[415]));
}

void QuestionnaireFormTest::startingAgainEmptiesBothListsAtTheirNextOpening() {
    enterFace();
    QuestionnaireFace& f = face();
    answer(f.Menucua, f.ListCua, {3});
    click(f.acabarCua);
    answer(f.MenuGus, f.Listint, {1});
    click(f.acabarCua);
    click(form()->MenuRetroCon);

    // "No" keeps the ticks.
    QString asked;
    whenDialogOpens([&](TForm4* d) {
        asked = d->LabelNombre->text();
        QVERIFY(!d->EditNombre->isVisible());
        QTest::mouseClick(d->ShadowNo, Qt::LeftButton);
    });
    enterFace();
    QCOMPARE(asked, toQt(texts().trimmed(329)));
    click(f.Menucua);
    QCOMPARE(tickedRows(f.ListCua), (std::vector<int>{3}));
    click(f.VerResul);
    click(f.acabarCua);
    click(form()->MenuRetroCon);

    whenDialogOpens([](TForm4* d) { QTest::mouseClick(d->ShadowSi, Qt::LeftButton); });
    enterFace();
    click(f.Menucua);
    QVERIFY(tickedRows(f.ListCua).empty());
    click(f.VerResul);
    click(f.acabarCua);
    click(f.MenuGus);
    QVERIFY(tickedRows(f.Listint).empty());
    QCOMPARE(f.Listint->count(), form()->data().interest.interests.count());
}

void QuestionnaireFormTest::printedResultsGoOutAsTwoReports() {
    TempFolder pdfs;
    qputenv("RUMBELO_PRINT_PDF", QByteArray::fromStdString(pdfs.path().string()));
    reachAverages();
    // A cancelled name prompt prints nothing.
    whenDialogOpens([](TForm4* d) { QTest::mouseClick(d->ShadowNo, Qt::LeftButton); });
    click(face().ImpResul);
    QDir folder(QString::fromStdString(pdfs.path().string()));
    QCOMPARE(folder.entryList(QDir::Files).size(), 0);
    answerName(QStringLiteral("Nerea"));
    click(face().ImpResul);
    qunsetenv("RUMBELO_PRINT_PDF");
    QCOMPARE(folder.entryList({QStringLiteral("*.pdf")}, QDir::Files).size(), 2);
    QCOMPARE(started_->program->state().studentName, std::string("Nerea"));
    QTRY_COMPARE(form()->LabelAyu[1]->text(), toQt(texts()[410]));
}

void QuestionnaireFormTest::savedResultsAreWindows1252LinesWithCrLf() {
    TempFolder out;
    const auto target = out.path() / "resultados.TXT";
    QString proposed;
    setSaveNameChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return QString::fromStdString(target.string());
    });
    reachAverages();
    // "ł" has no Windows-1252 byte: it is saved as "?".
    answerName(QStringLiteral("Begoña Íñiguez Łaski"));
    click(face().grabar);
    QCOMPARE(proposed, QStringLiteral("Begoña Íñiguez ?aski"));

    const std::string bytes = readBytes(target);
    const std::string name =
        "Bego\xF1"
        "a \xCD\xF1iguez ?aski";
    const std::string first = texts()[284] + name + "\r\n";
    QCOMPARE(bytes.substr(0, first.size()), first);
    QCOMPARE(bytes.substr(bytes.size() - 2), std::string("\r\n"));
    // Every line ends in CR LF: no bare LF, no bare CR.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    QCOMPARE(start, bytes.size());  // nothing after the last line end
    for (const auto& line : lines)
        QVERIFY(line.find_first_of("\r\n") == std::string::npos);
    // Part one, then part two on the very next line.
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const auto partOneEnd = at(std::string(44, ' ') + texts()[598]);
    QVERIFY(partOneEnd < static_cast<long>(lines.size()));
    QCOMPARE(lines[static_cast<std::size_t>(partOneEnd) + 1], texts()[340]);
    QCOMPARE(at(std::string(26, ' ') + texts()[279]), 3L);
    // The lines as stored, accents as single Windows-1252 bytes; ListResul holds them, hidden.
    const QListWidget* held = face().ListResul;
    QVERIFY(!held->isVisible());
    QCOMPARE(static_cast<std::size_t>(held->count()), lines.size());
    for (int k = 0; k < held->count(); ++k)
        QCOMPARE(lines[static_cast<std::size_t>(k)], fromQt(held->item(k)->text()));
    QVERIFY(bytes.find('\xED') != std::string::npos);  // "í" of a degree or title
    QVERIFY(bytes.find("\xC3") == std::string::npos);  // never UTF-8
    QTRY_COMPARE(form()->LabelAyu[0]->text(), toQt(texts()[22]));
    QVERIFY(started_->sink.messages.empty());
}

namespace {

// Files may grow no larger than `limit` bytes while it lives: a full disk as root sees it.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

}  // namespace

void QuestionnaireFormTest::aFailedSaveLeavesTheEarlierFileAndTellsThePupil() {
    TempFolder out;
    out.write("Nerea.TXT", "earlier results\r\n");
    const auto target = out.path() / "Nerea.TXT";
    setSaveNameChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(target.string()); });
    reachAverages();
    answerName(QStringLiteral("Nerea"));
    {
        // A read-only folder; root ignores that, so the disk is full as well.
        namespace fs = std::filesystem;
        fs::permissions(out.path(), fs::perms::owner_read | fs::perms::owner_exec);
        FileSizeLimit full(256);
        click(face().grabar);
        fs::permissions(out.path(), fs::perms::owner_all);
    }
    QCOMPARE(readBytes(target), std::string("earlier results\r\n"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(out.path()),
                           std::filesystem::directory_iterator()),
             1L);
    QCOMPARE(started_->sink.messages.size(), std::size_t{1});
    QVERIFY(started_->sink.messages.front().find("No se han guardado") != std::string::npos);
    // The guide still closes the save, whatever came of it.
    QTRY_COMPARE(form()->LabelAyu[0]->text(), toQt(texts()[22]));
}

QTEST_MAIN(QuestionnaireFormTest)
#include "questionnaire_form_test.moc"
