// Building the degrees form: its two faces with their tiled backgrounds and frames, the
// menus, the working list and the help guide; then captions, colours and fonts.
#include <QComboBox>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/guide/guide_panel.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "degrees/browser/form_texts.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {

constexpr int kFrame = 20;  // the frame strips along the top and the sides
constexpr QRect kLeftColumn{22, 48, 286, 334};
constexpr QRect kWorkList{318, 48, 460, 392};
constexpr int kTitleHeight = 26;
constexpr int kMenuButtonHeight = 38;
constexpr int kDegreeButtonHeight = 28;

// A full-size face: the floor tile under everything, the frame strips above it.
QFrame* makeFace(QWidget* form, const char* name, TiledPicture*& floor, TiledPicture*& top,
                 TiledPicture*& right, TiledPicture*& left, const char* names[4]) {
    auto* face = new QFrame(form);
    face->setObjectName(QLatin1String(name));
    face->setGeometry(0, 0, 800, 600);
    const auto strip = [&](const char* stripName, QRect where) {
        auto* picture = new TiledPicture(face);
        picture->setObjectName(QLatin1String(stripName));
        picture->setGeometry(where);
        return picture;
    };
    floor = strip(names[0], QRect(0, 0, 800, 600));
    top = strip(names[1], QRect(0, 0, 800, kFrame));
    right = strip(names[2], QRect(800 - kFrame, 0, kFrame, 600));
    left = strip(names[3], QRect(0, 0, kFrame, 600));
    return face;
}

struct MenuButton {
    QPushButton*& button;
    const char* name;
};

// A panel `width` wide at `at` with its buttons stacked one under the other, each `height`
// high with `gap` between them; the panel is as tall as they need.
QFrame* makeMenu(QWidget* parent, const char* name, QPoint at, int width,
                 std::initializer_list<MenuButton> buttons, int height, int gap) {
    QFrame* panel = makePanel(parent, name);
    const int count = static_cast<int>(buttons.size());
    panel->setGeometry(at.x(), at.y(), width, 12 * 2 + count * height + (count - 1) * gap);
    int y = 12;
    for (const MenuButton& entry : buttons) {
        entry.button = makeButton(panel, entry.name);
        entry.button->setGeometry(12, y, width - 2 * 12, height);
        y += height + gap;
    }
    return panel;
}

}  // namespace

void TForm1::buildFaces() {
    const char* startNames[] = {"degradeini", "TilArr", "TilDer", "TilIzq"};
    Panelinicio = makeFace(this, "Panelinicio", degradeini, TilArr, TilDer, TilIzq, startNames);
    const char* questionnaireNames[] = {"degradecon", "TilArrC", "TilDerC", "TilIzqC"};
    Panelcon =
        makeFace(this, "Panelcon", degradecon, TilArrC, TilDerC, TilIzqC, questionnaireNames);
    Panelcon->hide();
    const SharedPictures& pictures = program_.pictures();
    for (TiledPicture* floor : {degradeini, degradecon})
        floor->setTile(pictures.floorTile);
    for (TiledPicture* top : {TilArr, TilArrC})
        top->setTile(pictures.frameTop);
    for (TiledPicture* right : {TilDer, TilDerC})
        right->setTile(pictures.frameRight);
    for (TiledPicture* left : {TilIzq, TilIzqC})
        left->setTile(pictures.frameLeft);

    LabelAno = makeLabel(Panelinicio, "LabelAno");
    LabelAno->setGeometry(680, 20, 92, 28);
    LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelAno2 = makeLabel(Panelinicio, "LabelAno2");
    LabelAno2->setGeometry(120, 20, 560, 28);
    LabelAno2->setAlignment(Qt::AlignCenter);
}

void TForm1::buildDegreeMenu() {
    PanelMenu = makeMenu(Panelinicio, "PanelMenu", {358, 96}, 400,
                         {{MenuCarUni1, "MenuCarUni1"},
                          {MenuCarUni2, "MenuCarUni2"},
                          {MenuCarUni3, "MenuCarUni3"},
                          {MenuCarUniDoble, "MenuCarUniDoble"},
                          {MenuCarUniDoble2, "MenuCarUniDoble2"},
                          {menui4, "menui4"},
                          {menui5, "menui5"}},
                         kMenuButtonHeight, 8);
}

// The higher-FP menu and the questionnaire face's menu; their sections give them their
// other buttons and their actions.
void TForm1::buildOtherMenus() {
    PanelFP = makeMenu(Panelinicio, "PanelFP", {358, 150}, 400,
                       {{MenuFP1, "MenuFP1"}, {MenuFP2, "MenuFP2"}, {menuFP3, "menuFP3"}},
                       kMenuButtonHeight, 8);
    PanelMenuCon = makeMenu(Panelcon, "PanelMenuCon", {358, 150}, 400,
                            {{MenuRetroCon, "MenuRetroCon"}}, kMenuButtonHeight, 8);
}

void TForm1::buildDegreeView() {
    PanelCarSel = makeLabel(Panelinicio, "PanelCarSel");
    PanelCarSel->setGeometry(kLeftColumn.left(), kLeftColumn.top(), kLeftColumn.width(), 52);
    PanelCarSel->setFrameShape(QFrame::Panel);
    PanelCarSel->setFrameShadow(QFrame::Sunken);
    PanelCarSel->setAlignment(Qt::AlignCenter);
    PanelCarSel->setWordWrap(true);
    PanelCarSel->hide();

    PanelCar = makeMenu(Panelinicio, "PanelCar", {kLeftColumn.left(), kLeftColumn.top() + 58},
                        kLeftColumn.width(),
                        {{MenuCar1, "MenuCar1"},
                         {MenuCar2, "MenuCar2"},
                         {MenuCar3, "MenuCar3"},
                         {MenuCar4, "MenuCar4"},
                         {MenuCar5, "MenuCar5"},
                         {MenuCar6, "MenuCar6"},
                         {MenuCar7, "MenuCar7"},
                         {MenuCar8, "MenuCar8"}},
                        kDegreeButtonHeight, 4);
}

void TForm1::buildLists() {
    PanelSel = makePanel(Panelinicio, "PanelSel");
    PanelSel->setFrameShape(QFrame::NoFrame);
    PanelSel->setGeometry(kWorkList);
    PanelSelTit = makeLabel(PanelSel, "PanelSelTit");
    PanelSelTit->setGeometry(0, 0, kWorkList.width(), kTitleHeight);
    PanelSelTit->setFrameShape(QFrame::Panel);
    PanelSelTit->setFrameShadow(QFrame::Raised);
    PanelSelTit->setIndent(4);
    ListSel = new QListWidget(PanelSel);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(0, kTitleHeight, kWorkList.width(), kWorkList.height() - kTitleHeight);
    ListSel->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListSel->installEventFilter(this);
    listSel2 = new QTextEdit(PanelSel);
    listSel2->setObjectName(QStringLiteral("listSel2"));
    listSel2->setGeometry(ListSel->geometry());
    listSel2->setReadOnly(true);
    listSel2->setLineWrapMode(QTextEdit::NoWrap);
    listSel2->hide();

    // Under the list: the count, then the two filters a row each, then the buttons.
    const int below = kWorkList.bottom() + 1;
    LabelSeleccion = makeLabel(Panelinicio, "LabelSeleccion");
    LabelSeleccion->setGeometry(kWorkList.left(), below + 8, kWorkList.width(), 22);
    LabelSeleccion->setIndent(4);
    LabelSeleccion->hide();
    ComSelCar = makeCombo(Panelinicio, "ComSelCar");
    ComSelCar->setGeometry(kWorkList.left(), below + 36, kWorkList.width(), 28);
    ComSelCar->hide();
    BotSelcar = makeCombo(Panelinicio, "BotSelcar");
    BotSelcar->setGeometry(kWorkList.left(), below + 68, kWorkList.width(), 28);
    BotSelcar->hide();

    const int buttonsTop = below + 106;
    BitRetroSelCar = makeButton(Panelinicio, "BitRetroSelCar");
    BitRetroSelCar->setGeometry(kWorkList.left(), buttonsTop, 140, 32);
    BitRetroSelCar->hide();
    BotRetroceder = makeButton(Panelinicio, "BotRetroceder");
    BotRetroceder->setGeometry(kWorkList.left(), buttonsTop, 140, 32);
    BotRetroceder->hide();
    BotImprimir = makeButton(Panelinicio, "BotImprimir");
    BotImprimir->setGeometry(kWorkList.left() + 150, buttonsTop, 140, 32);
    BotImprimir->hide();
    BotIntUni = makeButton(Panelinicio, "BotIntUni");
    BotIntUni->setGeometry(kWorkList.left() + 300, buttonsTop, 160, 32);
    BotIntUni->hide();
    BotFP = makeButton(PanelSel, "BotFP");
    BotFP->setGeometry(1, kTitleHeight, 280, 28);
    BotFP->hide();

    ListComunidad = new QListWidget(Panelinicio);
    ListComunidad->setObjectName(QStringLiteral("ListComunidad"));
    ListComunidad->setGeometry(kLeftColumn);
    ListComunidad->setCursor(Qt::PointingHandCursor);
    ListComunidad->hide();
}

void TForm1::buildHelpPanel() {
    payuda = makePanel(Panelinicio, "payuda");
    payuda->setGeometry(kLeftColumn.left(), kLeftColumn.bottom() + 8, kLeftColumn.width(),
                        600 - kLeftColumn.bottom() - 8 - 6);
    chica = makeLabel(payuda, "chica");
    chica->setGeometry(6, (payuda->height() - 118) / 2, 56, 118);
    const int lineHeight = (payuda->height() - 8) / 8;
    QList<QLabel*> labels;
    for (int i = 0; i < 8; ++i) {
        QLabel* label = new QLabel(payuda);
        label->setObjectName(QStringLiteral("LabelAyu%1").arg(i + 1));
        label->setGeometry(68, 4 + i * lineHeight, payuda->width() - 72, lineHeight);
        labels.append(label);
    }
    LabelAyu = labels;
    payuda->show();
    TimerAyuda.setObjectName(QStringLiteral("TimerAyuda"));
    TimerAyuda.setInterval(200);
    guidePanel_ = new GuidePanel(program_.guide(), chica, labels, &TimerAyuda, this);
}

void TForm1::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto caption = [&](QPushButton* button, int k) { button->setText(toQt(t.trimmed(k))); };
    setWindowTitle(toQt(sectionCaption(t, program_.state().schoolName)));
    LabelAno->setText(toQt(yearCaption(t)).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    const std::string school = TrimRight(program_.state().schoolName);
    LabelAno2->setText(toQt(school));
    setFontOf(LabelAno2, kTimes,
              schoolNameFontSize(school.size()) + program_.state().largeFontsCorrection, true);
    for (QPushButton* back : {BotRetroceder, menuFP3, menui5, BitRetroSelCar, MenuRetroCon})
        caption(back, 82);
    caption(BotImprimir, 36);
    caption(menui4, 300);
    caption(MenuCarUni1, 306);
    caption(MenuCarUni2, 307);
    caption(MenuCarUni3, 308);
    caption(MenuFP1, 316);
    caption(MenuFP2, 317);
    caption(BotIntUni, 230);
    BotIntUni->setToolTip(toQt(t.trimmed(231)));
    caption(MenuCarUniDoble, 242);
    MenuCarUniDoble->setToolTip(toQt(t.trimmed(244)));
    caption(MenuCarUniDoble2, 263);
    MenuCarUniDoble2->setToolTip(toQt(t.trimmed(243)));
    caption(BotFP, 35);
    const QList<QPushButton*> degreeButtons{MenuCar1, MenuCar2, MenuCar3, MenuCar4,
                                            MenuCar5, MenuCar6, MenuCar7};
    for (int i = 0; i < degreeButtons.size(); ++i)
        caption(degreeButtons[i], 309 + i);
    caption(MenuCar8, 82);
}

void TForm1::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paintWidget(this, fixed_colours::kFormBackground);
    for (QWidget* panel : std::initializer_list<QWidget*>{
             payuda, ListSel, ListComunidad, PanelMenu, PanelCar, PanelFP, PanelMenuCon, listSel2})
        paintWidget(panel, fixed_colours::kPanel);
    for (QWidget* heading : std::initializer_list<QWidget*>{PanelSelTit, PanelCarSel, PanelSel})
        paintWidget(heading, theme.doorHover, theme.caption);
    for (QComboBox* filter : {ComSelCar, BotSelcar})
        styleColours(filter, "QComboBox", theme.doorHover, theme.caption);
    // The caption colour is made for the door-hover colour: the count sits on it too.
    paintWidget(LabelSeleccion, theme.doorHover, theme.caption);
    for (QLabel* label : {LabelAno, LabelAno2}) {
        paintText(label, theme.highlight);
        // Light theme colours over a light floor: a dark rim keeps them readable.
        auto* rim = new QGraphicsDropShadowEffect(label);
        rim->setOffset(1, 1);
        rim->setBlurRadius(3);
        rim->setColor(QColor(40, 40, 40));
        label->setGraphicsEffect(rim);
    }
    setFontOf(LabelAno, kTimes, 9 + correction, true);
    setFontOf(LabelSeleccion, kTimes, 12 + correction, true);
    setFontOf(PanelSelTit, kCourier, 11 + correction, true);
    setFontOf(PanelCarSel, kTimes, 13 + correction, true);
    for (QWidget* filter : std::initializer_list<QWidget*>{ComSelCar, BotSelcar})
        setFontOf(filter, kTimes, 11 + correction);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        setFontOf(button, kTimes, 12 + correction);
        button->setCursor(Qt::PointingHandCursor);
    }
    setFontOf(ListSel, kTimes, 12 + correction);
    setFontOf(ListComunidad, kTimes, 10 + correction);
    for (QLabel* label : LabelAyu) {
        setFontOf(label, QStringLiteral("Comic Sans MS"), 9 + correction);
        label->setWordWrap(true);
    }
}

void TForm1::fillFilters() {
    const InterfaceTexts& t = program_.texts();
    ComSelCar->clear();
    for (const auto& entry : modalityEntries(data_->degrees, t))
        ComSelCar->addItem(toQt(entry));
    ComSelCar->setPlaceholderText(toQt(t.trimmed(223)));
    ComSelCar->setCurrentIndex(-1);
    BotSelcar->clear();
    for (const auto& entry : kindEntries(t))
        BotSelcar->addItem(toQt(entry));
    BotSelcar->setPlaceholderText(toQt(kindFilterText(data_->degrees)));
    BotSelcar->setCurrentIndex(-1);
}

}  // namespace rumbelo
