// The bridges dialog on the bundled catalogue: opened from a degree's related degrees and
// through its entry for the title view, the degrees listed as the core sorts them, the
// titles of the clicked degree, a second opening starting afresh.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/degree_view.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/pasarela/form/pasarela_form.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList trimmedRows(const std::vector<std::string>& lines) {
    QStringList rows;
    for (const auto& line : lines)
        rows << toQt(TrimRight(line));
    return rows;
}

// Runs `look` once the dialog is up, then closes it with its button.
void whenOpen(TForm6* dialog, std::function<void()> look) {
    QTimer::singleShot(0, dialog, [dialog, look] {
        QVERIFY(dialog->isVisible());
        look();
        QTest::mouseClick(dialog->BotCerrar1, Qt::LeftButton);
    });
}

}  // namespace

class PasarelaFormTest : public QObject {
    Q_OBJECT
  private slots:
    void fromADegreeAndFromTheTitleEntry();
};

void PasarelaFormTest::fromADegreeAndFromTheTitleEntry() {
    ProgramFolder folder;
    auto started = startOn(folder.path());
    QVERIFY(!started->program->aborted());
    auto* bridges = qobject_cast<TForm6*>(started->program->form(QStringLiteral("TForm6")));
    auto* form = qobject_cast<TForm1*>(started->program->form(QStringLiteral("TForm1")));
    QVERIFY(bridges && form);
    const FpCatalog& fp = form->data().fp;
    const InverseBridges inverse = buildInverseBridges(fp);
    const auto sorted = bridgeDegrees(fp, inverse);
    QVERIFY(sorted.size() > 1);
    QVERIFY(inverse.overfull.empty());
    QStringList names;
    for (const auto& degree : sorted)
        names << toQt(TrimRight(degree.name));

    // A degree open to higher FP, its related degrees, BotFP.
    qobject_cast<Tform0*>(started->program->scene())->launch(1);
    DegreeFace& face = form->degreeFace();
    QTest::mouseClick(face.MenuCarUni1, Qt::LeftButton);
    int degree = 1;
    while (!offersFpAccess(form->data().degrees, degree))
        ++degree;
    face.openDegree(degree, false);
    QTest::mouseClick(face.MenuCar5, Qt::LeftButton);
    QVERIFY(face.BotFP->isVisible());
    bool looked = false;
    whenOpen(bridges, [&] {
        QCOMPARE(bridges->LabelMal1->text(), toQt(started->program->texts().trimmed(490)));
        QCOMPARE(rowsOf(bridges->ListCar), names);
        QCOMPARE(bridges->ListFP->count(), 0);
        QTest::mouseClick(bridges->ListCar->viewport(), Qt::LeftButton, {},
                          bridges->ListCar->visualItemRect(bridges->ListCar->item(1)).center());
        QCOMPARE(rowsOf(bridges->ListFP),
                 trimmedRows(titlesReaching(fp, inverse, sorted[1].degree)));
        looked = true;
    });
    QTest::mouseClick(face.BotFP, Qt::LeftButton);
    QVERIFY(looked);
    QVERIFY(!bridges->isVisible());
    QCOMPARE(bridges->result(), static_cast<int>(QDialog::Accepted));

    // The title view's way in: a fresh list, no titles until a degree is clicked.
    looked = false;
    whenOpen(bridges, [&] {
        QCOMPARE(rowsOf(bridges->ListCar), names);
        QCOMPARE(bridges->ListFP->count(), 0);
        looked = true;
    });
    QCOMPARE(bridges->showBridges(fp), static_cast<int>(QDialog::Accepted));
    QVERIFY(looked);
}

QTEST_MAIN(PasarelaFormTest)
#include "pasarela_form_test.moc"
