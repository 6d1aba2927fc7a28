// Building the certificates form: the floor, the help panel, the group, family and
// certificate lists with their title panels, the certificate panel and the buttons; then
// captions and colours.
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "common/widgets/group_icon_delegate.h"
#include "common/widgets/tiled_picture.h"
#include "common/widgets/widget_paint.h"
#include "vocational/certificates/form/certificates_form.h"
#include "vocational/certificates/form/certificates_layout.h"
#include "vocational/certificates/listing/certificate_lists.h"

namespace rumbelo {

using namespace certificates;
using namespace certificates::layout;

namespace {

const QString kTimes = QStringLiteral("Times New Roman");

QListWidget* makeList(QWidget* parent, const char* name, QRect where) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(where);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setFrameShape(QFrame::Box);
    list->viewport()->setMouseTracking(true);
    list->setCursor(Qt::PointingHandCursor);
    list->hide();
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect where) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(where);
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    return button;
}

constexpr Rgb kInk{0, 0, 0};

}  // namespace

void TCertifica::build() {
    setObjectName(QStringLiteral("TCertifica"));
    setWindowTitle(QStringLiteral("Certificados de Profesionalidad"));
    setFixedSize(800, 600);
    degrade = new TiledPicture(this);
    degrade->setObjectName(QStringLiteral("degrade"));
    degrade->setGeometry(0, 0, 800, 600);
    degrade->setTile(program_.pictures().floorTile);
    buildHelpPanel();
    buildLists();
    buildResultPanel();
    buildButtons();
    applyCaptions();
    applyColours();
}

void TCertifica::buildHelpPanel() {
    PanelAyuda = makePanel(this, "PanelAyuda", kHelpPanel);
    chica = makeLabel(PanelAyuda, "chica", QRect(8, (kHelpPanel.height() - 118) / 2, 56, 118));
    const int lineHeight = (kHelpPanel.height() - 10) / kHelpLabels;
    for (int i = 0; i < kHelpLabels; ++i) {
        const QByteArray name = "LabelAyu" + QByteArray::number(i + 1);
        LabelAyu[static_cast<std::size_t>(i)] =
            makeLabel(PanelAyuda, name.constData(),
                      QRect(72, 5 + i * lineHeight, kHelpPanel.width() - 80, lineHeight));
    }
    TimerAyuda.setObjectName(QStringLiteral("TimerAyuda"));
    TimerAyuda.setInterval(kGuideIntervalMs);
    connect(&TimerAyuda, &QTimer::timeout, this, &TCertifica::TimerAyudaTimer);
    TimerAyu.setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu.setInterval(kSlideIntervalMs);
    connect(&TimerAyu, &QTimer::timeout, this, &TCertifica::TimerAyuTimer);
}

void TCertifica::buildLists() {
    PanelSelTit0 = makePanel(this, "PanelSelTit0", kGroupTitle);
    LabelTit1 = makeLabel(PanelSelTit0, "LabelTit1", QRect(kGroupTitle.width(), 3, 300, 22));
    ListSelFp = makeList(this, "ListSelFp",
                         QRect(kGroupTitle.left(), kGroupTitle.bottom() + 2, kGroupTitle.width(),
                               kGroups * kGroupRowHeight + 4));
    ListSelFp->setItemDelegate(new GroupIconDelegate(program_.pictures().ImageListIconos, groupIcon,
                                                     kIconTextLeft, kIconTextTop, kGroupRowHeight,
                                                     ListSelFp));
    PanelSelTit1 = makePanel(this, "PanelSelTit1", kGroupTitle);
    LabelTit2 = makeLabel(PanelSelTit1, "LabelTit2", QRect(kGroupTitle.width(), 3, 300, 22));
    ListTitFP =
        makeList(this, "ListTitFP",
                 QRect(kGroupTitle.left(), kGroupTitle.bottom() + 2, kGroupTitle.width(), 4));
    PanelSelTit2 = makePanel(this, "PanelSelTit2",
                             QRect(kCertificateLeft, 0, kCertificateWidth, kGroupTitle.height()));
    LabelTit3 = makeLabel(PanelSelTit2, "LabelTit3", QRect(kCertificateWidth + 250, 3, 300, 22));
    ListFPExpli = makeList(this, "ListFPExpli", QRect(kCertificateLeft, 0, kCertificateWidth, 4));
    for (QListWidget* list : {ListSelFp, ListTitFP, ListFPExpli})
        list->viewport()->installEventFilter(this);
}

void TCertifica::buildResultPanel() {
    PanelResul = makePanel(this, "PanelResul", kResultPanel);
    const int w = kResultPanel.width();
    LabelTitulo = makeLabel(PanelResul, "LabelTitulo", QRect(8, 8, w - 16, 40));
    LabelTitulo->setAlignment(Qt::AlignCenter);
    LabelTitulo->setWordWrap(true);
    LabelReq = makeLabel(PanelResul, "LabelReq", QRect(10, 54, 150, 20));
    LabelReq->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Three requirement lines at most.
    LabelRequisitos = makeLabel(PanelResul, "LabelRequisitos", QRect(166, 54, w - 176, 74));
    LabelRequisitos->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelHor = makeLabel(PanelResul, "LabelHor", QRect(10, 132, 150, 20));
    LabelHoras = makeLabel(PanelResul, "LabelHoras", QRect(166, 132, 80, 20));
    LabelDes = makeLabel(PanelResul, "LabelDes", QRect(10, 154, w - 20, 36));
    LabelDes->setWordWrap(true);
    LabelDes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TCertifica::buildButtons() {
    BotRetrocederFP = makeButton(this, "BotRetrocederFP", kBackButton);
    BotRetrocederFP->show();
    BotImprimir = makeButton(this, "BotImprimir", kPrintButton);
    BotInternet = makeButton(this, "BotInternet", kInternetButton);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TCertifica::BotRetrocederFPClick);
    connect(BotImprimir, &QPushButton::clicked, this, &TCertifica::BotImprimirClick);
    connect(BotInternet, &QPushButton::clicked, this, &TCertifica::BotInternetMouseUp);
}

void TCertifica::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto text = [&](int k) { return toQt(t.trimmed(k)); };
    setWindowTitle(text(338) + QStringLiteral("  ") + toQt(TrimRight(program_.state().schoolName)));
    LabelTit1->setText(text(577));
    LabelTit2->setText(text(578));
    LabelTit3->setText(text(579));
    LabelReq->setText(text(581));
    LabelHor->setText(text(582));
    BotRetrocederFP->setText(text(82));
    BotImprimir->setText(text(36));
    BotInternet->setText(QStringLiteral("Internet - Conexión"));
}

void TCertifica::applyColours() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paintWidgetColours(this, fixed_colours::kFormBackground, kInk);
    for (QWidget* panel :
         std::initializer_list<QWidget*>{ListSelFp, ListTitFP, ListFPExpli, PanelResul, PanelAyuda})
        paintWidgetColours(panel, fixed_colours::kPanel, kInk);
    // The caption colour where it reads on the door hover colour, else the nearest shade of
    // it that does: for the titles and for the row under the mouse.
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QWidget* list : std::initializer_list<QWidget*>{ListSelFp, ListTitFP, ListFPExpli}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Highlight, toQColor(theme.doorHover));
        palette.setColor(QPalette::HighlightedText, toQColor(caption));
        list->setPalette(palette);
    }
    for (QWidget* heading :
         std::initializer_list<QWidget*>{PanelSelTit0, PanelSelTit1, PanelSelTit2})
        paintWidgetColours(heading, theme.doorHover, caption);
    for (QLabel* title : {LabelTit1, LabelTit2, LabelTit3}) {
        paintWidgetColours(title, theme.doorHover, caption);
        title->setAutoFillBackground(false);
        setWidgetFont(title, kTimes, 12 + correction, true);
    }
    // The certificate's name on the highlight colour: dark on yellow, light on navy.
    constexpr Rgb kWhite{255, 255, 255};
    paintWidgetColours(
        LabelTitulo, theme.highlight,
        contrastRatio(kInk, theme.highlight) >= contrastRatio(kWhite, theme.highlight) ? kInk
                                                                                       : kWhite);
    setWidgetFont(LabelTitulo, kTimes, 13 + correction, true);
    for (QLabel* label : {LabelReq, LabelHor})
        setWidgetFont(label, kTimes, 11 + correction, true);
    for (QLabel* label : {LabelRequisitos, LabelHoras, LabelDes})
        setWidgetFont(label, kTimes, 11 + correction);
    setWidgetFont(ListSelFp, kTimes, 12 + correction);
    for (QListWidget* list : {ListTitFP, ListFPExpli})
        setWidgetFont(list, kTimes, 11 + correction);
    for (QLabel* label : LabelAyu) {
        setWidgetFont(label, QStringLiteral("Comic Sans MS"), 9 + correction);
        label->setWordWrap(true);
    }
    for (QPushButton* button : {BotRetrocederFP, BotImprimir, BotInternet})
        setWidgetFont(button, kTimes, 12 + correction);
}

}  // namespace rumbelo
