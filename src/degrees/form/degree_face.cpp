// Building the degree face: the degree menu, the menu of one degree, the two filters under
// the working list and the face's own buttons; then their captions, colours and fonts.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "degrees/browser/form_texts.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {
constexpr int kDegreeButtonHeight = 28;
}

DegreeFace::DegreeFace(TForm1& form, Program& program)
    : QObject(&form), form_(form), program_(program) {
    setObjectName(QStringLiteral("DegreeFace"));
    buildMenus();
    buildListControls();
    TimerParpadeo.setObjectName(QStringLiteral("TimerParpadeo"));
    TimerParpadeo.setInterval(200);
    connect(&TimerParpadeo, &QTimer::timeout, this, &DegreeFace::TimerParpadeoTimer);
}

void DegreeFace::buildMenus() {
    PanelMenu = makeMenu(form_.Panelinicio, "PanelMenu", {358, 96}, 400,
                         {{MenuCarUni1, "MenuCarUni1"},
                          {MenuCarUni2, "MenuCarUni2"},
                          {MenuCarUni3, "MenuCarUni3"},
                          {MenuCarUniDoble, "MenuCarUniDoble"},
                          {MenuCarUniDoble2, "MenuCarUniDoble2"},
                          {menui4, "menui4"},
                          {menui5, "menui5"}},
                         kMenuButtonHeight, 8);
    PanelCar = makeMenu(form_.Panelinicio, "PanelCar", {kLeftColumn.left(), kLeftColumn.top() + 58},
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

// The two filters a row each under the count, the buttons in the shared row under them.
void DegreeFace::buildListControls() {
    QWidget* face = form_.Panelinicio;
    const int below = kWorkList.bottom() + 1;
    ComSelCar = makeCombo(face, "ComSelCar");
    ComSelCar->setGeometry(kWorkList.left(), below + 36, kWorkList.width(), 28);
    ComSelCar->hide();
    BotSelcar = makeCombo(face, "BotSelcar");
    BotSelcar->setGeometry(kWorkList.left(), below + 68, kWorkList.width(), 28);
    BotSelcar->hide();

    const int buttonsTop = below + 106;
    BitRetroSelCar = makeButton(face, "BitRetroSelCar");
    BitRetroSelCar->setGeometry(kWorkList.left(), buttonsTop, 140, 32);
    BitRetroSelCar->hide();
    BotIntUni = makeButton(face, "BotIntUni");
    BotIntUni->setGeometry(kWorkList.left() + 300, buttonsTop, 160, 32);
    BotIntUni->hide();
    // Inside the list, under the related degrees.
    BotFP = makeButton(form_.PanelSel, "BotFP");
    BotFP->setGeometry(1, kTitleHeight, 280, 28);
    BotFP->hide();
}

void DegreeFace::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto caption = [&](QPushButton* button, int k) { button->setText(toQt(t.trimmed(k))); };
    for (QPushButton* back : {menui5, BitRetroSelCar})
        caption(back, 82);
    caption(menui4, 300);
    caption(MenuCarUni1, 306);
    caption(MenuCarUni2, 307);
    caption(MenuCarUni3, 308);
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

void DegreeFace::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    for (QWidget* panel : std::initializer_list<QWidget*>{PanelMenu, PanelCar})
        paintWidget(panel, fixed_colours::kPanel);
    for (QComboBox* filter : {ComSelCar, BotSelcar}) {
        styleDropDown(filter, theme.doorHover, readableOn(theme.caption, theme.doorHover));
        setFontOf(filter, kTimes, 11 + state.largeFontsCorrection);
    }
}

void DegreeFace::fillFilters() {
    const InterfaceTexts& t = program_.texts();
    ComSelCar->clear();
    for (const auto& entry : modalityEntries(form_.data().degrees, t))
        ComSelCar->addItem(toQt(entry));
    ComSelCar->setPlaceholderText(toQt(t.trimmed(223)));
    ComSelCar->setCurrentIndex(-1);
    BotSelcar->clear();
    for (const auto& entry : kindEntries(t))
        BotSelcar->addItem(toQt(entry));
    BotSelcar->setPlaceholderText(toQt(kindFilterText(form_.data().degrees)));
    BotSelcar->setCurrentIndex(-1);
}

}  // namespace rumbelo
