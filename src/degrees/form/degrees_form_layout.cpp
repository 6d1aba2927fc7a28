// Building the degrees form window: its two backgrounds with their tiled floors and frames,
// the menus of the faces still to come, the shared working list and the help guide; then
// captions, colours and fonts.
#include <QComboBox>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/guide/guide_panel.h"
#include "common/program/contrast.h"
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

// The higher-FP menu and the questionnaire face's menu; their sections give them their
// other buttons and their actions.
void TForm1::buildOtherMenus() {
    PanelFP = makeMenu(Panelinicio, "PanelFP", {358, 150}, 400,
                       {{MenuFP1, "MenuFP1"}, {MenuFP2, "MenuFP2"}, {menuFP3, "menuFP3"}},
                       kMenuButtonHeight, 8);
    PanelMenuCon = makeMenu(Panelcon, "PanelMenuCon", {358, 150}, 400,
                            {{MenuRetroCon, "MenuRetroCon"}}, kMenuButtonHeight, 8);
}

void TForm1::buildSharedList() {
    PanelCarSel = makeLabel(Panelinicio, "PanelCarSel");
    PanelCarSel->setGeometry(kLeftColumn.left(), kLeftColumn.top(), kLeftColumn.width(), 52);
    PanelCarSel->setFrameShape(QFrame::Panel);
    PanelCarSel->setFrameShadow(QFrame::Sunken);
    PanelCarSel->setAlignment(Qt::AlignCenter);
    PanelCarSel->setWordWrap(true);
    PanelCarSel->hide();

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

    // Under the list: the count, then the faces' filters, then the buttons.
    const int below = kWorkList.bottom() + 1;
    LabelSeleccion = makeLabel(Panelinicio, "LabelSeleccion");
    LabelSeleccion->setGeometry(kWorkList.left(), below + 8, kWorkList.width(), 22);
    LabelSeleccion->setIndent(4);
    LabelSeleccion->hide();
    const int buttonsTop = below + 106;
    BotRetroceder = makeButton(Panelinicio, "BotRetroceder");
    BotRetroceder->setGeometry(kWorkList.left(), buttonsTop, 140, 32);
    BotRetroceder->hide();
    BotImprimir = makeButton(Panelinicio, "BotImprimir");
    BotImprimir->setGeometry(kWorkList.left() + 150, buttonsTop, 140, 32);
    BotImprimir->hide();

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
    for (QPushButton* back : {BotRetroceder, menuFP3, MenuRetroCon})
        caption(back, 82);
    caption(BotImprimir, 36);
    caption(MenuFP1, 316);
    caption(MenuFP2, 317);
}

void TForm1::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paintWidget(this, fixed_colours::kFormBackground);
    // Lists and panels: dark text on the panel colour, never inherited from a heading.
    for (QWidget* panel : std::initializer_list<QWidget*>{payuda, ListSel, ListComunidad, PanelFP,
                                                          PanelMenuCon, listSel2})
        paintWidget(panel, fixed_colours::kPanel, kPanelText);
    // Headings: the theme's caption colour where it reads on the hover colour, else the
    // nearest shade of it that does.
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QWidget* heading : std::initializer_list<QWidget*>{PanelSelTit, PanelCarSel, PanelSel})
        paintWidget(heading, theme.doorHover, caption);
    // The caption colour is made for the door-hover colour: the count sits on it too.
    paintWidget(LabelSeleccion, theme.doorHover, caption);
    // The year and the school name stand on the floor tile: the theme's colour, or the
    // nearest shade of it that reads there (the name is a large caption, the year is not).
    const Rgb floor = averageColour(program_.pictures().floorTile);
    const std::pair<QLabel*, double> overFloor[] = {{LabelAno, kBodyContrast},
                                                    {LabelAno2, kLargeContrast}};
    for (const auto& [label, minimum] : overFloor) {
        const Rgb text = readableOn(theme.highlight, floor, minimum);
        paintText(label, text);
        if (relativeLuminance(text) <= relativeLuminance(floor)) continue;
        // Light text on the floor: a dark rim sets it off from the tile's pattern.
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

}  // namespace rumbelo
