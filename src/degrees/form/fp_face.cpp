// Building the higher-FP face: the families list and the title popup, the menu of one
// title, the listing grid with the place controls, and the print selection; then their
// captions, colours and fonts.
#include "degrees/form/fp_face.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {

constexpr int kTextColumn = 367;  // the grid's columns: text, then telephone
constexpr int kPhoneColumn = 76;
constexpr int kTitleButtonHeight = 25;
constexpr int kTwoLineButtonHeight = 38;

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->hide();
    return list;
}

}  // namespace

FpFace::FpFace(TForm1& form, Program& program) : QObject(&form), form_(form), program_(program) {
    setObjectName(QStringLiteral("FpFace"));
    buildLists();
    buildTitleMenu();
    buildPlaceControls();
    buildPrintSelection();
    blinkTimer_.setInterval(200);
    connect(&blinkTimer_, &QTimer::timeout, this, &FpFace::blinkTick);
}

void FpFace::buildLists() {
    listSelFP = makeList(form_.PanelSel, "listSelFP");
    listSelFP->setGeometry(form_.ListSel->geometry());
    listSelFP->setMouseTracking(true);
    listSelFP->viewport()->setMouseTracking(true);
    listSelFP->viewport()->installEventFilter(this);
    listSelFP->installEventFilter(this);
    familiesViewport_ = listSelFP->viewport();
    familiesList_ = listSelFP;
    listSelFP->setSelectionMode(QAbstractItemView::MultiSelection);

    ListTitFP = makeList(form_.Panelinicio, "ListTitFP");
    ListTitFP->setMouseTracking(true);
    ListTitFP->viewport()->setMouseTracking(true);
    ListTitFP->viewport()->installEventFilter(this);
    popupViewport_ = ListTitFP->viewport();
    ListTitFP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListTitFP->setCursor(Qt::PointingHandCursor);
    ListFPExpli = makeList(form_.Panelinicio, "ListFPExpli");
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
    ListFPExpli->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Labeltitulo = makeLabel(form_.Panelinicio, "Labeltitulo");
    Labeltitulo->setText(QStringLiteral("Pulsa en uno de los t\u00EDtulos"));
    Labeltitulo->setIndent(4);
    Labeltitulo->hide();
}

void FpFace::buildTitleMenu() {
    PanelFpTit = makePanel(form_.Panelinicio, "PanelFpTit");
    const struct {
        QPushButton*& button;
        const char* name;
        int height;
    } buttons[] = {{MenuFpTit1, "MenuFpTit1", kTitleButtonHeight},
                   {MenuFpTit2, "MenuFpTit2", kTitleButtonHeight},
                   {MenuFpTit3, "MenuFpTit3", kTitleButtonHeight},
                   {MenuFpTit4, "MenuFpTit4", kTwoLineButtonHeight},
                   {MenuFpTit42, "MenuFpTit42", kTwoLineButtonHeight},
                   {MenuFpTit5, "MenuFpTit5", kTitleButtonHeight},
                   {MenuFPTitTodo, "MenuFPTitTodo", kTitleButtonHeight},
                   {MenuFpTit6, "MenuFpTit6", kTitleButtonHeight},
                   {MenuFpTit7, "MenuFpTit7", kTitleButtonHeight}};
    int top = 4;
    for (const auto& entry : buttons) {
        entry.button = makeButton(PanelFpTit, entry.name);
        entry.button->setGeometry(4, top, kLeftColumn.width() - 8, entry.height);
        top += entry.height + 3;
    }
    PanelFpTit->setGeometry(kLeftColumn.left(), kLeftColumn.top() + 56, kLeftColumn.width(),
                            top + 1);
}

void FpFace::buildPlaceControls() {
    reja = new QTableWidget(form_.PanelSel);
    reja->setObjectName(QStringLiteral("reja"));
    reja->setGeometry(form_.ListSel->geometry());
    reja->setColumnCount(2);
    reja->setColumnWidth(0, kTextColumn);
    reja->setColumnWidth(1, kPhoneColumn);
    reja->horizontalHeader()->hide();
    reja->verticalHeader()->hide();
    reja->verticalHeader()->setDefaultSectionSize(18);
    reja->setShowGrid(false);
    reja->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reja->setSelectionBehavior(QAbstractItemView::SelectRows);
    reja->setSelectionMode(QAbstractItemView::SingleSelection);
    reja->setMouseTracking(true);
    reja->viewport()->installEventFilter(this);
    gridViewport_ = reja->viewport();
    reja->hide();

    ListSelLugFP = makeList(form_.Panelinicio, "ListSelLugFP");
    ListSelLugFP->setGeometry(kLeftColumn.left(), kLeftColumn.top(), kLeftColumn.width(), 240);
    ListSelLugFP->setCursor(Qt::PointingHandCursor);
    ComBachi = makeCombo(form_.Panelinicio, "ComBachi");
    ComBachi->setGeometry(kLeftColumn.left(), kLeftColumn.top() + 246, kLeftColumn.width(), 28);
    ComBachi->hide();

    // Under the grid: the community's web page 15 pixels in, the telephones 10 beside it.
    const int below = kWorkList.bottom() + 1;
    BotInternetC = makeButton(form_.Panelinicio, "BotInternetC");
    BotInternetC->setGeometry(kWorkList.left() + 15, below + 10, 250, 30);
    BotInternetC->hide();
    botTelefono = makeButton(form_.Panelinicio, "botTelefono");
    botTelefono->setGeometry(BotInternetC->geometry().right() + 11, below + 10, 140, 30);
    botTelefono->hide();
    const QRect back = form_.BotRetroceder->geometry();
    BotRetrocederFP = makeButton(form_.Panelinicio, "BotRetrocederFP");
    BotRetrocederFP->setGeometry(back);
    BotRetrocederFP->hide();
    RetroFP = makeButton(form_.Panelinicio, "RetroFP");
    RetroFP->setGeometry(back);
    RetroFP->hide();
}

void FpFace::buildPrintSelection() {
    PanelImp = makePanel(form_.Panelinicio, "PanelImp");
    PanelImp->setGeometry(kWorkList);
    LabelSelCom1 = makeLabel(PanelImp, "LabelSelCom1");
    LabelSelCom1->setGeometry(8, 8, kWorkList.width() - 16, 44);
    LabelSelCom1->setWordWrap(true);
    LabelSelCom2 = makeLabel(PanelImp, "LabelSelCom2");
    LabelSelCom2->setGeometry(8, 54, kWorkList.width() - 16, 44);
    LabelSelCom2->setWordWrap(true);
    ListImp = new QListWidget(PanelImp);
    ListImp->setObjectName(QStringLiteral("ListImp"));
    ListImp->setGeometry(8, 104, kWorkList.width() - 16, kWorkList.height() - 104 - 48);
    ListImp->setCursor(Qt::PointingHandCursor);
    BotAceptar = makeButton(PanelImp, "BotAceptar");
    BotAceptar->setGeometry(kWorkList.width() - 148, kWorkList.height() - 40, 140, 32);
}

void FpFace::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto caption = [&](QPushButton* button, int k) { button->setText(toQt(t.trimmed(k))); };
    caption(MenuFpTit1, 317);
    caption(MenuFpTit2, 277);
    caption(MenuFpTit3, 319);
    const QString university = QLatin1Char('\n') + toQt(t.trimmed(46));
    MenuFpTit4->setText(toQt(t.trimmed(298)) + university);
    // The bridges to every degree, not this title's degrees: the same caption as the button
    // beside it read as a second copy of it. A texts file without text 297 keeps the old one.
    const std::string bridges = t.trimmed(297);
    MenuFpTit42->setText(toQt(bridges.empty() ? t.trimmed(298) : bridges) + university);
    caption(MenuFpTit5, 321);
    caption(MenuFpTit6, 322);
    caption(MenuFPTitTodo, 272);
    caption(MenuFpTit7, 82);
    caption(BotRetrocederFP, 82);
    caption(RetroFP, 82);
    caption(botTelefono, 31);
    caption(BotInternetC, 230);
    BotInternetC->setToolTip(toQt(t.trimmed(231)));
    caption(BotAceptar, 19);
    LabelSelCom1->setText(toQt(t.trimmed(558) + " " + t.trimmed(559)));
    LabelSelCom2->setText(toQt(t.trimmed(560) + " " + t.trimmed(561)));
}

void FpFace::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    for (QWidget* panel :
         std::initializer_list<QWidget*>{listSelFP, ListFPExpli, PanelFpTit, ListSelLugFP, reja})
        paintWidget(panel, fixed_colours::kPanel, kPanelText);
    paintWidget(ListTitFP, fixed_colours::kFormBackground, kPanelText);
    for (QWidget* panel : std::initializer_list<QWidget*>{PanelImp, ListImp})
        paintWidget(panel, fixed_colours::kList, kPanelText);
    paintWidget(Labeltitulo, theme.doorHover, readableOn(theme.caption, theme.doorHover));
    styleDropDown(ComBachi, theme.doorHover, readableOn(theme.caption, theme.doorHover));
    setFontOf(ComBachi, kTimes, 11 + correction);
    setFontOf(Labeltitulo, kTimes, 11 + correction, true);
    setFontOf(ListTitFP, kTimes, 10 + correction);
    setFontOf(ListFPExpli, kTimes, 9 + correction);
    // Fixed pitch: the 17- and 35-character localities line the centres' names up.
    setFontOf(reja, kCourier, 9 + correction);
    setFontOf(ListSelLugFP, kTimes, 11 + correction);
    setFontOf(ListImp, kTimes, 11 + correction);
    for (QLabel* label : {LabelSelCom1, LabelSelCom2})
        setFontOf(label, kTimes, 11 + correction, true);
    for (QPushButton* button : {MenuFpTit4, MenuFpTit42})
        setFontOf(button, kTimes, 11 + correction);
}

}  // namespace rumbelo
