// The itinerary diagram on the bundled data: door 4, the build-up, the 49 buttons with
// their hints, an information list, a subject list, the degree list behind "Más
// información", closing, a printout as a PDF, the space game's notice and the way back.
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/qt_text.h"
#include "program_fixture.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/static_scene.h"
#include "secondary/form/itinerary_face.h"
#include "secondary/form/secondary_form.h"
#include "secondary/itineraries/itinerary_buttons.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ItineraryFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorFourBuildsTheDiagramAndItsButtonsOpenListsAndPrint();
    void theGameWaitsForThreeListsAndIsMissingHere();
    void theGameShowsOnlyWithTheAnimatedScene();

  private:
    TForm2* form() const {
        return qobject_cast<TForm2*>(started_->program->form(QStringLiteral("TForm2")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    ItineraryFace* openDiagram();
    void click(int button);
    void waitForList();

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void ItineraryFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY(!started_->program->aborted());
    QVERIFY(form());
}

void ItineraryFormTest::cleanup() {
    started_.reset();
    folder_.reset();
    qunsetenv("RUMBELO_PRINT_PDF");
}

ItineraryFace* ItineraryFormTest::openDiagram() {
    QTest::mouseClick(scene()->staticScene()->LabelIti, Qt::LeftButton);
    // The door's zoom runs first.
    if (!QTest::qWaitFor([&] { return form()->isVisible(); }, 5000)) return nullptr;
    ItineraryFace* face = form()->itineraries();
    if (face == nullptr || face->canvas->shownUpTo() != 0) return nullptr;
    // The door's help is the drawing's own, not the section's menu help.
    if (!QTest::qWaitFor(
            [&] { return form()->LabelAyu[0]->text() == QStringLiteral("Vamos a dibujar paso a"); },
            4000))
        return nullptr;
    for (int k = 1; k <= 8; ++k)
        QTest::mouseClick(face->canvas, Qt::LeftButton);
    return face;
}

void ItineraryFormTest::click(int button) {
    QTest::mouseClick(form()->itineraries()->button(button), Qt::LeftButton);
}

void ItineraryFormTest::waitForList() {
    ItineraryFace* face = form()->itineraries();
    QTRY_VERIFY_WITH_TIMEOUT(face->BotCerrarV->isVisible(), 3000);
}

void ItineraryFormTest::doorFourBuildsTheDiagramAndItsButtonsOpenListsAndPrint() {
    QTemporaryDir pdfs;
    qputenv("RUMBELO_PRINT_PDF", pdfs.path().toLocal8Bit());
    ItineraryFace* face = openDiagram();
    QVERIFY(face);
    QCOMPARE(face->canvas->shownUpTo(), secondary::kWholeDiagram);
    QVERIFY(!form()->BotItinerarios->isEnabled());
    const InterfaceTexts& texts = started_->program->texts();
    for (int i = 1; i <= secondary::kItineraryButtons; ++i) {
        const auto& spec = secondary::itineraryButton(i);
        DiagramStopButton* b = face->button(i);
        QVERIFY2(b->isVisible(), spec.name);
        QCOMPARE(b->objectName(), QString::fromLatin1(spec.name));
        QCOMPARE(b->pos(), QPoint(secondary::gridLeft(spec.col), secondary::gridTop(spec.row)));
        QCOMPARE(b->toolTip(), toQt(secondary::buttonHint(spec, texts)));
    }
    QVERIFY(!face->button(50)->isVisible());
    QVERIFY(!face->BotBachEsp->isVisible());  // the static scene has no game

    // Information 41 (Artes): its paragraph, then its degrees and titles.
    click(2);
    waitForList();
    QVERIFY(face->List_Sel->count() > 0);
    QVERIFY(face->botContextual->isVisible());
    QCOMPARE(face->List_Sel->height(), 300);
    QCOMPARE(face->botContextual->y(), face->List_Sel->geometry().bottom() + 1);
    face->botContextual->click();
    waitForList();
    QCOMPARE(face->List_Sel->item(0)->text(), QStringLiteral("-") + toQt(texts.trimmed(65)));
    QVERIFY(face->List_Sel->findItems(QStringLiteral("Bellas Artes"), Qt::MatchContains).size() >
            0);
    QVERIFY(!face->botContextual->isVisible());

    // A click on another button only closes the open list; the next one opens its own.
    click(33);
    QVERIFY(!face->List_Sel->isVisible());
    click(33);
    waitForList();
    QCOMPARE(face->List_Sel->item(0)->text(), toQt(texts.trimmed(59)));
    QVERIFY(face->List_Sel->count() > 3);
    QTest::keyClick(form(), Qt::Key_Escape);
    QVERIFY(!face->List_Sel->isVisible());

    // Dejar de estudiar, at the right edge: information 99 ends 330 pixels from it.
    click(43);
    waitForList();
    QCOMPARE(face->List_Sel->x(), 800 - 330);
    QVERIFY(face->List_Sel->item(face->List_Sel->count() - 1)
                ->text()
                .endsWith(toQt(texts.trimmed(568))));
    face->BotCerrarV->click();
    QVERIFY(!face->List_Sel->isVisible());

    // The Artes itinerary on paper.
    click(1);
    const QStringList files = QDir(pdfs.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(files.size(), 1);
    const QString text = pdfText(pdfs.filePath(files[0]));
    QVERIFY(text.contains(toQt(texts.trimmed(66))));
    QVERIFY(text.indexOf(toQt(texts.trimmed(56))) < text.indexOf(toQt(texts.trimmed(57))));
    QVERIFY(text.contains(QStringLiteral("Bellas Artes")));
    click(3);  // a printout leaves no list open: this click opens one
    waitForList();

    QTest::mouseClick(form()->BitAcabarLogse, Qt::LeftButton);
    QVERIFY(!form()->isVisible());
    QVERIFY(!face->active());
    QVERIFY(!face->button(1)->isVisible());
    QVERIFY(form()->BotItinerarios->isEnabled());
}

void ItineraryFormTest::theGameWaitsForThreeListsAndIsMissingHere() {
    ItineraryFace* face = openDiagram();
    QVERIFY(face);
    QStringList notices;
    const auto answer = [&](TForm4* dialog) {
        notices << dialog->LabelNombre->text() + QLatin1Char('|') + dialog->LabelNombre2->text();
        dialog->ShadowSi->click();
    };
    whenDialogOpens(answer);
    face->BotBachEspClick();
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices[0].startsWith(toQt(started_->program->texts().trimmed(227))));
    for (int b : {22, 22, 23, 23, 25})
        click(b);  // opens, closes, opens, closes, opens
    QCOMPARE(face->mode().clickCount(), 3);
    whenDialogOpens(answer);
    face->BotBachEspClick();
    QCOMPARE(notices.size(), 2);
    QVERIFY(notices[1].contains(QStringLiteral("bachillerato.exe")));
    QCOMPARE(face->mode().clickCount(), 0);
}

void ItineraryFormTest::theGameShowsOnlyWithTheAnimatedScene() {
    started_.reset();
    qputenv("RUMBELO_GRAPHICS", "9");  // offscreen would otherwise keep the static scene
    started_ = startOn(folder_->path(), {"N", "S"});
    qunsetenv("RUMBELO_GRAPHICS");
    QVERIFY(!started_->program->aborted());
    QVERIFY(!started_->program->state().staticScene);
    scene()->launch(4);
    QTRY_VERIFY_WITH_TIMEOUT(form()->isVisible(), 5000);
    ItineraryFace* face = form()->itineraries();
    QCOMPARE(face->canvas->shownUpTo(), 0);
    for (int k = 1; k < 7; ++k)
        QTest::mouseClick(face->canvas, Qt::LeftButton);
    QVERIFY(!face->BotBachEsp->isVisible());  // not before the diagram is whole
    for (int k = 7; k <= 8; ++k)
        QTest::mouseClick(face->canvas, Qt::LeftButton);
    QVERIFY(face->BotBachEsp->isVisible());
    QVERIFY(face->button(1)->isVisible());
    // Inside the window, clear of every picture button, its caption whole on it.
    QVERIFY(form()->rect().contains(face->BotBachEsp->geometry()));
    const QFontMetrics metrics(face->BotBachEsp->font());
    for (const QString& line : face->BotBachEsp->text().split(QLatin1Char('\n')))
        QVERIFY2(metrics.horizontalAdvance(line) + 12 <= face->BotBachEsp->width(),
                 qPrintable(line));
    for (int i = 1; i <= secondary::kItineraryButtons; ++i)
        QVERIFY2(!face->BotBachEsp->geometry().intersects(face->button(i)->geometry()),
                 secondary::itineraryButton(i).name);
}

QTEST_MAIN(ItineraryFormTest)
#include "itinerary_form_test.moc"
