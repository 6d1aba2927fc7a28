// Building the initial-programmes form: the floor and frame, the title and year, the help
// guide, the group list with its icons, the popup and module panel, the programme view's
// lists, grid and map, the buttons; then captions and colours.
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/group_icon_delegate.h"
#include "common/widgets/listing_grid.h"
#include "common/widgets/tiled_picture.h"
#include "common/widgets/widget_paint.h"
#include "vocational/initial/form/initial_form.h"
#include "vocational/initial/form/initial_layout.h"

namespace rumbelo {

using namespace initial;
using namespace initial::layout;

namespace {

const QString kComic = QStringLiteral("Comic Sans MS");
const QString kTimes = QStringLiteral("Times New Roman");
constexpr Rgb kBlack{0, 0, 0};

QListWidget* makeList(QWidget* parent, const char* name, QRect where) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(where);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFrameShape(QFrame::Box);
    list->viewport()->setMouseTracking(true);
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

QLabel* makeHeading(QWidget* parent, const char* name, QRect where) {
    QLabel* label = makeLabel(parent, name, where);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->hide();
    return label;
}

}  // namespace

void TFIniPro::build() {
    setObjectName(QStringLiteral("TFIniPro"));
    setWindowTitle(QStringLiteral("FP Inicia. Profes."));
    setFixedSize(kFormWidth, kFormHeight);
    degrade = addFramedBackground(this, size(), kFrame, program_.pictures());
    // The shadow copy first, so that the title stands over it.
    LabelFPIp2 =
        makeLabel(this, "LabelFPIp2", kSectionTitle.translated(kTitleShadow, kTitleShadow));
    LabelFPIp1 = makeLabel(this, "LabelFPIp1", kSectionTitle);
    LabelAno = makeLabel(this, "LabelAno", kYear);
    LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    buildGuide();
    buildLists();
    buildButtons();
    RegionMap::Layout mapLayout;
    mapLayout.communityMap = kMap;
    mapLayout.rectangleTable = true;
    regionMap_ = new RegionMap(program_, this, mapLayout);
    applyCaptions();
    applyColours();
    connectControls();
}

void TFIniPro::buildGuide() {
    PanelAyuda = makePanel(this, "PanelAyuda", kHelpPanel);
    chica = makeLabel(PanelAyuda, "chica", QRect(8, (kHelpPanel.height() - 118) / 2, 56, 118));
    const int lineHeight = (kHelpPanel.height() - 10) / kHelpLabels;
    for (int i = 0; i < kHelpLabels; ++i) {
        const QByteArray name = "LabelAyu" + QByteArray::number(i + 1);
        LabelAyu[static_cast<std::size_t>(i)] =
            makeLabel(PanelAyuda, name.constData(),
                      QRect(72, 5 + i * lineHeight, kHelpPanel.width() - 80, lineHeight));
    }
    PanelSelTit0 = makePanel(this, "PanelSelTit0", kGroupTitle);
    LabelAyu0 = makeLabel(PanelSelTit0, "LabelAyu0", QRect(kGroupTitle.width(), 3, 270, 22));
    TimerAyuda.setObjectName(QStringLiteral("TimerAyuda"));
    TimerAyuda.setInterval(300);
    TimerAyu.setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu.setInterval(50);
    TimerParpadeo.setObjectName(QStringLiteral("TimerParpadeo"));
    TimerParpadeo.setInterval(200);
}

void TFIniPro::buildLists() {
    ListSelFp = makeList(this, "ListSelFp", kGroupList);
    ListSelFp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListSelFp->setCursor(Qt::PointingHandCursor);
    ListSelFp->setItemDelegate(new GroupIconDelegate(program_.pictures().ImageListIconos, groupIcon,
                                                     kIconTextLeft, kIconTextTop, kGroupRowHeight,
                                                     ListSelFp));
    ListTitFP = makeList(this, "ListTitFP", QRect(kPopupLeft, kPopupTopLimit, kPopupWidth, 4));
    ListTitFP->setCursor(Qt::PointingHandCursor);
    ListFPExpli = makeList(this, "ListFPExpli",
                           QRect(kPopupLeft, 0, kPopupWidth, kModuleRows * kItemHeight + 6));
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
    ListFPExpli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PanelCarSel = makeHeading(this, "PanelCarSel", kNameOnView);
    PanelSelTit = makeHeading(this, "PanelSelTit", kHeading);
    Listsel = makeList(this, "Listsel", kList);
    Listsel->setSelectionMode(QAbstractItemView::NoSelection);
    reja = makeListingGrid(this, kList, kGridTextColumn, kGridPhoneColumn, kItemHeight);
    ListSelLugFP = makeList(this, "ListSelLugFP", kPlaceList);
    ListSelLugFP->setCursor(Qt::PointingHandCursor);
    for (QListWidget* list : {ListSelFp, ListTitFP})
        list->viewport()->installEventFilter(this);
}

void TFIniPro::buildButtons() {
    BotRequisitos = makeButton(this, "BotRequisitos", kRequirementsButton);
    BotAsig = makeButton(this, "BotAsig", kSubjectsButton);
    BotImprimir = makeButton(this, "BotImprimir", kPrint);
    BotLug = makeButton(this, "BotLug", kByPlace);
    BotRetrocederFP = makeButton(this, "BotRetrocederFP", kBack);
}

void TFIniPro::connectControls() {
    connect(&TimerAyuda, &QTimer::timeout, this, &TFIniPro::TimerAyudaTimer);
    connect(&TimerAyu, &QTimer::timeout, this, &TFIniPro::TimerAyuTimer);
    connect(&TimerParpadeo, &QTimer::timeout, this, &TFIniPro::TimerParpadeoTimer);
    connect(BotRequisitos, &QPushButton::clicked, this, &TFIniPro::BotRequisitosClick);
    connect(BotAsig, &QPushButton::clicked, this, &TFIniPro::BotAsigClick);
    connect(BotImprimir, &QPushButton::clicked, this, &TFIniPro::BotImprimirClick);
    connect(BotLug, &QPushButton::clicked, this, &TFIniPro::BotLugClick);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TFIniPro::BotRetrocederFPClick);
    connect(ListSelLugFP, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListSelLugFPClick(ListSelLugFP->row(item)); });
    connect(regionMap_, &RegionMap::communityClicked, this, &TFIniPro::communityClicked);
    connect(degrade, &TiledPicture::mouseMoved, regionMap_, &RegionMap::hidePanel);
}

void TFIniPro::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto text = [&](int k) { return toQt(t.trimmed(k)); };
    setWindowTitle(text(kWindowWord) + QStringLiteral("  ") +
                   toQt(TrimRight(program_.state().schoolName)));
    LabelAno->setText(text(kYearWord) + QStringLiteral("  2007-2008"));
    BotRequisitos->setText(text(kRequirementsHeading));
    BotAsig->setText(text(kSubjectsCaption));
    BotImprimir->setText(text(kPrintCaption));
    BotLug->setText(text(kByPlaceCaption));
    LabelAyu0->setText(text(kGroupsHelp));
    LabelFPIp1->setText(text(kSectionName));
    LabelFPIp2->setText(text(kSectionName));
    BotRetrocederFP->setText(text(kBackCaption));
}

void TFIniPro::applyColours() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    const QImage& floor = program_.pictures().floorTile;
    paintWidgetColours(this, fixed_colours::kPanel, kBlack);
    // The title over its dark copy, and the year: the highlight colour on the floor tile,
    // or the nearest shade of it that reads there.
    paintFloorLabel(LabelFPIp1, theme.highlight, floor, kLargeContrast);
    paintFloorLabel(LabelAno, theme.highlight, floor, kBodyContrast);
    // The copy behind is the title's opposite, so that a dark title is not smudged by a dark
    // copy.
    const Rgb titleInk = toRgb(LabelFPIp1->palette().color(QPalette::WindowText));
    constexpr Rgb kLightShadow{225, 225, 225}, kDarkShadow{30, 30, 30};
    QPalette shadow = LabelFPIp2->palette();
    shadow.setColor(QPalette::WindowText,
                    toQColor(relativeLuminance(titleInk) < 0.3 ? kLightShadow : kDarkShadow));
    LabelFPIp2->setPalette(shadow);
    for (QLabel* title : {LabelFPIp1, LabelFPIp2})
        setWidgetFont(title, kTimes, 18 + correction, true);
    setWidgetFont(LabelAno, kTimes, 9 + correction, true);
    paintWidgetColours(reja, fixed_colours::kList, kBlack);
    for (QWidget* w : std::initializer_list<QWidget*>{ListFPExpli, ListSelFp, Listsel, ListSelLugFP,
                                                      ListTitFP, PanelAyuda})
        paintWidgetColours(w, fixed_colours::kPanel, kBlack);
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QWidget* heading : std::initializer_list<QWidget*>{PanelSelTit0, PanelSelTit, PanelCarSel})
        paintWidgetColours(heading, theme.doorHover, caption);
    paintWidgetColours(LabelAyu0, theme.doorHover, caption);
    LabelAyu0->setAutoFillBackground(false);
    // The row under the mouse: the door hover colour, as the headings.
    for (QWidget* list :
         std::initializer_list<QWidget*>{ListSelFp, ListTitFP, ListSelLugFP, reja}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Highlight, toQColor(theme.doorHover));
        palette.setColor(QPalette::HighlightedText, toQColor(caption));
        list->setPalette(palette);
    }
    setWidgetFont(LabelAyu0, kTimes, 12 + correction, true);
    setWidgetFont(PanelCarSel, kTimes, 13 + correction, true);
    setWidgetFont(PanelSelTit, kTimes, 11 + correction, true);
    setWidgetFont(ListSelFp, kTimes, 12 + correction);
    setWidgetFont(ListTitFP, kTimes, 10 + correction);
    setWidgetFont(ListFPExpli, kTimes, 9 + correction);
    setWidgetFont(Listsel, kTimes, 11 + correction);
    setWidgetFont(reja, QStringLiteral("Courier New"), 8 + correction);
    setWidgetFont(ListSelLugFP, kTimes, 11 + correction);
    for (QLabel* label : LabelAyu) {
        setWidgetFont(label, kComic, 9 + correction);
        label->setWordWrap(true);
    }
    for (QPushButton* button : findChildren<QPushButton*>())
        setWidgetFont(button, kTimes, 12 + correction);
}

}  // namespace rumbelo
