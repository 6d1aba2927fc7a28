// Building the intermediate-FP form: the floor and frame, the start menu, the browsing
// lists with the grid and the maps, the questionnaire, the helicopter guide; then captions
// and colours.
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/group_icon_delegate.h"
#include "common/widgets/keyed_picture.h"
#include "common/widgets/listing_grid.h"
#include "common/widgets/tiled_picture.h"
#include "common/widgets/widget_paint.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_layout.h"

namespace rumbelo {

using namespace intermediate::layout;

namespace {

const QString kComic = QStringLiteral("Comic Sans MS");
const QString kTimesFont = QStringLiteral("Times New Roman");
constexpr Rgb kBlack{0, 0, 0};

template <typename W>
W* named(W* widget, const char* name, QRect where) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(where);
    widget->hide();
    return widget;
}

QListWidget* listNamed(QWidget* parent, const char* name, QRect where) {
    auto* list = named(new QListWidget(parent), name, where);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFrameShape(QFrame::Box);
    list->viewport()->setMouseTracking(true);
    return list;
}

QPushButton* buttonNamed(QWidget* parent, const char* name, QRect where) {
    auto* button = named(new QPushButton(parent), name, where);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

void TForm3::build() {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("F.P.  G.M."));
    setFixedSize(kFormWidth, kFormHeight);
    degrade = addFramedBackground(this, size(), kFrame, program_.pictures());
    LabelFPGM = named(new QLabel(this), "LabelFPGM", kSectionTitle);
    LabelAno = named(new QLabel(this), "LabelAno", kYear);
    LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelFPGM->show();
    LabelAno->show();
    botTit2 = buttonNamed(this, "botTit2", kByTitle);
    botLug2 = buttonNamed(this, "botLug2", kByPlace);
    botSalir = buttonNamed(this, "botSalir", kExit);
    buildBrowsing();
    buildQuestionnaire();
    buildGuide();
    applyCaptions();
    applyColours();
    connectControls();
}

void TForm3::buildBrowsing() {
    listSelFP = listNamed(this, "listSelFP", kList);
    listSelFP->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListTitFP = listNamed(this, "ListTitFP", QRect(0, 0, kPopupWidth, 4));
    ListTitFP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListTitFP->setCursor(Qt::PointingHandCursor);
    ListFPExpli = listNamed(this, "ListFPExpli", QRect(0, 0, kPopupWidth, 6 * kItemHeight + 4));
    ListFPExpli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
    Labeltitulo = named(new QLabel(this), "Labeltitulo", QRect(0, 0, kPopupWidth, 26));
    Labeltitulo->setText(QStringLiteral("Pulsa en uno de los títulos"));
    PanelCarSel = named(new QLabel(this), "PanelCarSel", kNameOnView);
    PanelCarSel->setAlignment(Qt::AlignCenter);
    PanelCarSel->setWordWrap(true);
    PanelCarSel->setFrameShape(QFrame::Panel);
    PanelCarSel->setFrameShadow(QFrame::Raised);
    PanelSelTit = named(new QLabel(this), "PanelSelTit", kHeading);
    PanelSelTit->setAlignment(Qt::AlignCenter);
    PanelSelTit->setFrameShape(QFrame::Panel);
    PanelSelTit->setFrameShadow(QFrame::Raised);

    reja = makeListingGrid(this, kGrid, kGridTextColumn, kGridPhoneColumn, kItemHeight);

    ListSelLugFP = listNamed(this, "ListSelLugFP", kPlaceList);
    ListSelLugFP->setCursor(Qt::PointingHandCursor);
    ListSelLugFP->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    int top = kTitleButtonsTop;
    for (QPushButton** button : {&BotPuesto, &BotRequisitos, &botAsig}) {
        const char* name = button == &BotPuesto       ? "BotPuesto"
                           : button == &BotRequisitos ? "BotRequisitos"
                                                      : "botAsig";
        *button =
            buttonNamed(this, name, QRect(kCommunityMap.left(), top, 286, kTitleButtonHeight));
        top += kTitleButtonHeight + 8;
    }
    BotRetrocederFP = buttonNamed(this, "BotRetrocederFP", kBack);
    BotImprimir = buttonNamed(this, "BotImprimir", kPrint);
    BotTelefono = buttonNamed(this, "BotTelefono", kPhone);

    PanelImp = named(new QFrame(this), "PanelImp", kPrintSelection);
    PanelImp->setFrameShape(QFrame::Panel);
    PanelImp->setFrameShadow(QFrame::Raised);
    const int w = kPrintSelection.width();
    LabelSelCom1 = named(new QLabel(PanelImp), "LabelSelCom1", QRect(8, 6, w - 16, 36));
    LabelSelCom2 = named(new QLabel(PanelImp), "LabelSelCom2", QRect(8, 42, w - 16, 36));
    for (QLabel* label : {LabelSelCom1, LabelSelCom2}) {
        label->setWordWrap(true);
        label->show();
    }
    ListImp = listNamed(PanelImp, "ListImp", QRect(8, 82, w - 16, 134));
    ListImp->setCursor(Qt::PointingHandCursor);
    ListImp->show();
    BotAceptar = buttonNamed(PanelImp, "BotAceptar", QRect(w - 128, 222, 120, 32));
    BotAceptar->show();

    RegionMap::Layout map;
    map.communityMap = kCommunityMap;
    map.finerMaps = QPoint(kCommunityMap.left() + 1, kCommunityMap.top());
    map.comarcaList = kComarcaList;
    regionMap_ = new RegionMap(program_, this, map);
    regionMap_->setGeography(&geo_);
    regionMap_->listBarcelona->clear();
    for (const std::string& name : geo_.listBarcelona)
        regionMap_->listBarcelona->addItem(toQt(TrimRight(name)));
}

void TForm3::buildQuestionnaire() {
    ListGM = listNamed(this, "ListGM", kAreas);
    ListGM->setSelectionMode(QAbstractItemView::MultiSelection);
    ListGM->setCursor(Qt::PointingHandCursor);
    // Row k (from 1) shows icon k - 1: the ten areas' icons, then the way out.
    areaDelegate_ = new GroupIconDelegate(
        program_.pictures().ImageListIconos, [](int row) { return row - 1; }, 35, 2, kAreaRowHeight,
        ListGM);
    plainDelegate_ = new QStyledItemDelegate(ListGM);
    ListGM->setItemDelegate(areaDelegate_);
    ListGM2 = listNamed(this, "ListGM2", kStatements);
    ListGM2->setSelectionMode(QAbstractItemView::MultiSelection);
    ListGM2->setCursor(Qt::PointingHandCursor);
    ListGM2->setWordWrap(true);
    ListPeque = listNamed(this, "ListPeque", QRect(kCommunityMap.left(), 0, kSmallListWidth, 200));
    ListPeque->setCursor(Qt::PointingHandCursor);
    BitFleGMde = buttonNamed(this, "BitFleGMde", kForward);
    BitFleGMiz = buttonNamed(this, "BitFleGMiz", kBackward);
    BitFleGMde->setText(QStringLiteral("\u25B6"));
    BitFleGMiz->setText(QStringLiteral("\u25C0"));
    BotSalirCues = buttonNamed(this, "BotSalirCues", kLeaveQuestionnaire);
    BotImprimirCuesGM = buttonNamed(this, "BotImprimirCuesGM", kPrintQuestionnaire);
    BotImprimirCuesGM->setText(QStringLiteral("Imprimir Cuestionario y Título elegido"));
}

void TForm3::buildGuide() {
    const QImage& picture = program_.pictures().heli;
    he = named(new QLabel(this), "he", QRect(0, 0, kHeliWidth, kHeliHeight));
    HeliPeque =
        named(new QLabel(this), "HeliPeque", QRect(0, 0, kSmallHeliWidth, kSmallHeliHeight));
    if (!picture.isNull()) {
        // White is the picture's transparent colour.
        const QImage keyed = keyedPicture(picture);
        he->setPixmap(QPixmap::fromImage(keyed));
        HeliPeque->setPixmap(QPixmap::fromImage(keyed.scaled(
            kSmallHeliWidth, kSmallHeliHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    for (QLabel* label : {he, HeliPeque})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    piloto = named(new QLabel(this), "piloto", QRect(0, 0, kPilotWidth, kPilotHeight));
    piloto->setAttribute(Qt::WA_TransparentForMouseEvents);
    bocadillo = named(new QLabel(this), "bocadillo", QRect(0, 0, 95, 55));
    bocadillo->setAttribute(Qt::WA_TransparentForMouseEvents);
    bocadillo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bocadillo->setMargin(2);
    LabAyuGM = named(new QLabel(this), "LabAyuGM", QRect(kFormWidth, 80, 0, kHelpLineHeight));
    LabAyuGM->setAttribute(Qt::WA_TransparentForMouseEvents);
    botSocorro = buttonNamed(this, "botSocorro", QRect(0, 0, 120, 30));

    const auto timer = [&](QTimer& t, const char* name, int ms) {
        t.setObjectName(QLatin1String(name));
        t.setInterval(ms);
    };
    // 15 ms, not 1: a 1 ms flight is over before the pupil has seen it.
    timer(heli, "heli", 15);
    timer(TimerPiloto, "piloto", 200);
    timer(TimerAyu, "TimerAyu", 100);
    timer(TimerVuela, "TimerVuela", 100);
    timer(TimerSocorro, "TimerSocorro", 20000);
    timer(TimerParpadeo, "TimerParpadeo", 200);
    timer(TimerPeque, "TimerPeque", 100);
}

void TForm3::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto text = [&](int k) { return toQt(t.trimmed(k)); };
    const auto joined = [&](int a, int b) { return text(a) + QLatin1Char(' ') + text(b); };
    setWindowTitle(text(338) + QStringLiteral("  ") + toQt(TrimRight(program_.state().schoolName)));
    LabelFPGM->setText(text(81));
    LabelAno->setText(text(175) + QStringLiteral("  2007-2008"));
    BotImprimir->setText(text(36));
    BotRetrocederFP->setText(text(82));
    botLug2->setText(text(276));
    botTit2->setText(text(190));
    botSalir->setText(text(54));
    BotSalirCues->setText(text(54));
    BotPuesto->setText(text(191));
    BotRequisitos->setText(text(29));
    botAsig->setText(text(30));
    botSocorro->setText(text(225));
    LabelSelCom1->setText(joined(558, 559));
    LabelSelCom2->setText(joined(560, 561));
    BotAceptar->setText(text(19));
    BotTelefono->setText(text(31));
    regionMap_->BotCerrar->setText(text(13));
}

void TForm3::applyColours() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paintWidgetColours(this, fixed_colours::kPanel, kBlack);
    // The title, the year and the help line stand on the floor tile: the highlight colour,
    // or the nearest shade of it that reads there, with a dark rim when it is the lighter.
    for (QLabel* label : {LabelFPGM, LabelAno, LabAyuGM})
        paintFloorLabel(label, theme.highlight, program_.pictures().floorTile,
                        label == LabelFPGM ? kLargeContrast : kBodyContrast);
    setWidgetFont(LabelFPGM, kTimesFont, 18 + correction, true);
    setWidgetFont(LabelAno, kTimesFont, 9 + correction, true);
    setWidgetFont(LabAyuGM, kComic, 11 + correction, true);
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QLabel* heading : {PanelCarSel, PanelSelTit})
        paintWidgetColours(heading, theme.doorHover, caption);
    setWidgetFont(PanelCarSel, kTimesFont, 13 + correction, true);
    setWidgetFont(PanelSelTit, kTimesFont, 11 + correction, true);
    for (QWidget* listed : std::initializer_list<QWidget*>{reja, PanelImp, ListImp})
        paintWidgetColours(listed, fixed_colours::kList, kBlack);
    for (QWidget* list : std::initializer_list<QWidget*>{
             listSelFP, ListTitFP, ListFPExpli, ListSelLugFP, ListGM, ListGM2, ListPeque,
             regionMap_->listBarcelona, LabelSelCom1, LabelSelCom2})
        paintWidgetColours(list, fixed_colours::kPanel, kBlack);
    for (QLabel* label : {LabelSelCom1, LabelSelCom2})
        label->setAutoFillBackground(false);
    // The row under the mouse and the marked rows: the door hover colour, as the headings.
    for (QWidget* list : std::initializer_list<QWidget*>{listSelFP, ListTitFP, ListSelLugFP, ListGM,
                                                         ListGM2, ListPeque, ListImp, reja}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Highlight, toQColor(theme.doorHover));
        palette.setColor(QPalette::HighlightedText, toQColor(caption));
        list->setPalette(palette);
    }
    paintWidgetColours(Labeltitulo, theme.doorHover, caption);
    setWidgetFont(Labeltitulo, kComic, 10 + correction, true);
    Labeltitulo->setAlignment(Qt::AlignCenter);
    paintWidgetColours(bocadillo, Rgb{255, 255, 0}, kBlack);
    setWidgetFont(bocadillo, kTimesFont, 11 + correction, true);
    setWidgetFont(listSelFP, kComic, 10 + correction);
    setWidgetFont(ListTitFP, kTimesFont, 10 + correction);
    setWidgetFont(ListFPExpli, kTimesFont, 9 + correction);
    setWidgetFont(reja, QStringLiteral("Courier New"), 8 + correction);
    setWidgetFont(ListSelLugFP, kTimesFont, 11 + correction);
    setWidgetFont(ListGM, kTimesFont, 13 + correction, true);
    setWidgetFont(ListGM2, kTimesFont, 11 + correction);
    setWidgetFont(ListPeque, kTimesFont, 9 + correction);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        setWidgetFont(button, kTimesFont, 12 + correction);
        button->setCursor(Qt::PointingHandCursor);
    }
    for (QPushButton* menu : {botTit2, botLug2, botSalir})
        setWidgetFont(menu, kComic, 14 + correction, true);
    setWidgetFont(BitFleGMde, kTimesFont, 18 + correction, true);
    setWidgetFont(BitFleGMiz, kTimesFont, 18 + correction, true);
}

}  // namespace rumbelo
