#include "degrees/pasarela/form/pasarela_form.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {
constexpr Rgb kDialogColour{253, 236, 192};
}

TForm6::TForm6(Program& program) : QDialog(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm6"));
    setModal(true);
    setFixedSize(560, 400);
    paintWidget(this, kDialogColour, kPanelText);
    LabelFP = makeLabel(this, "LabelFP");
    LabelFP->setGeometry(10, 8, 540, 48);
    LabelFP->setAlignment(Qt::AlignCenter);
    LabelFP->setWordWrap(true);
    LabelMal1 = makeLabel(this, "LabelMal1");
    LabelMal1->setGeometry(10, 62, 260, 20);
    LabelMal2 = makeLabel(this, "LabelMal2");
    LabelMal2->setGeometry(290, 62, 260, 20);
    ListCar = new QListWidget(this);
    ListCar->setObjectName(QStringLiteral("ListCar"));
    ListCar->setGeometry(10, 84, 270, 266);
    ListCar->setCursor(Qt::PointingHandCursor);
    ListFP = new QListWidget(this);
    ListFP->setObjectName(QStringLiteral("ListFP"));
    ListFP->setGeometry(290, 84, 260, 266);
    ListFP->setCursor(Qt::ForbiddenCursor);
    ListFP->setSelectionMode(QAbstractItemView::NoSelection);
    for (QListWidget* list : {ListCar, ListFP}) {
        paintWidget(list, fixed_colours::kPanel, kPanelText);
        setFontOf(list, kTimes, 10 + program_.state().largeFontsCorrection);
    }
    for (QLabel* label : {LabelMal1, LabelMal2})
        setFontOf(label, kTimes, 11 + program_.state().largeFontsCorrection, true);
    setFontOf(LabelFP, kTimes, 12 + program_.state().largeFontsCorrection, true);
    BotCerrar1 = makeButton(this, "BotCerrar1");
    BotCerrar1->setGeometry(230, 360, 100, 30);
    connect(BotCerrar1, &QPushButton::clicked, this, [this] {
        accept();
        hide();
    });
    connect(ListCar, &QListWidget::currentRowChanged, this, &TForm6::ListCarClick);
}

int TForm6::showBridges(const FpCatalog& fp) {
    fp_ = &fp;
    return exec();
}

void TForm6::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activate();
}

void TForm6::activate() {
    if (const QWidget* scene = program_.scene())
        move(scene->geometry().left() + 125, scene->geometry().top() + 100);
    const InterfaceTexts& t = program_.texts();
    LabelFP->setText(toQt(t[487] + " " + t[488]) + QLatin1Char('\n') + toQt(t[489]));
    LabelMal1->setText(toQt(t.trimmed(490)));
    LabelMal2->setText(toQt(t.trimmed(491)));
    BotCerrar1->setText(toQt(t.trimmed(13)));
    if (!fp_) {
        if (auto* degreesForm = qobject_cast<TForm1*>(program_.form(QStringLiteral("TForm1"))))
            fp_ = &degreesForm->data().fp;
    }
    ListCar->blockSignals(true);
    ListCar->clear();
    ListFP->clear();
    ListCar->blockSignals(false);
    if (!fp_) return;
    bridges_ = buildInverseBridges(*fp_);
    degrees_ = bridgeDegrees(*fp_, bridges_);
    ListCar->blockSignals(true);
    for (const BridgeDegree& degree : degrees_)
        ListCar->addItem(toQt(TrimRight(degree.name)));
    ListCar->setCurrentRow(-1);
    ListCar->blockSignals(false);
    for (const int degree : bridges_.overfull)
        program_.state().messages().show(overfullMessage(*fp_, degree));
}

void TForm6::ListCarClick(int row) {
    ListFP->clear();
    if (row < 0 || row >= static_cast<int>(degrees_.size()) || !fp_) return;
    for (const auto& line :
         titlesReaching(*fp_, bridges_, degrees_[static_cast<std::size_t>(row)].degree))
        ListFP->addItem(toQt(TrimRight(line)));
}

QWidget* createBridgesForm(Program& program) {
    return new TForm6(program);
}

}  // namespace rumbelo
