// Building the professions form: the floor, the phrase list with the question box over it,
// the short-phrase list under its sliding title, the results panel and the buttons; then
// captions and colours.
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "common/widgets/arrow_picture.h"
#include "common/widgets/tiled_picture.h"
#include "common/widgets/widget_paint.h"
#include "professions/form/phrase_icon_delegate.h"
#include "professions/form/professions_form.h"
#include "professions/form/professions_layout.h"

namespace rumbelo {

using namespace professions;
using namespace professions::layout;

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

QListWidget* makeList(QWidget* parent, const char* name, QRect where,
                      QAbstractItemView::SelectionMode mode) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(where);
    list->setSelectionMode(mode);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    list->setFrameShape(QFrame::Box);
    list->setFocusPolicy(Qt::NoFocus);
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

void paint(QWidget* widget, Rgb background, Rgb text) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(background));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(text));
    widget->setPalette(palette);
}

void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold = false) {
    QFont font(family);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace

void Tprofe::build() {
    setObjectName(QStringLiteral("Tprofe"));
    setWindowTitle(QStringLiteral("Profesiones"));
    setFixedSize(800, 600);
    setMouseTracking(true);
    degrade = new TiledPicture(this);
    degrade->setObjectName(QStringLiteral("degrade"));
    degrade->setGeometry(0, 0, 800, 600);
    degrade->setTile(program_.pictures().floorTile);
    degrade->setMouseTracking(true);
    degrade->installEventFilter(this);
    buildLists();
    buildQuestionBox();
    buildResultPanel();
    buildButtons();
    applyCaptions();
    applyColours();
}

void Tprofe::buildQuestionBox() {
    PanelFrase = makePanel(this, "PanelFrase", kQuestionBox);
    const int w = kQuestionBox.width();
    LabelFrase0 = makeLabel(PanelFrase, "LabelFrase0", QRect(10, 10, w - 20, 28));
    LabelFrase0->setAlignment(Qt::AlignCenter);
    LabelFrase = makeLabel(PanelFrase, "LabelFrase", QRect(24, 44, w - 48, 106));
    LabelFrase->setAlignment(Qt::AlignCenter);
    LabelFrase->setWordWrap(true);
    BotSi = makeButton(PanelFrase, "BotSi", QRect(w / 2 - 130, 160, 110, 36));
    BotNo = makeButton(PanelFrase, "BotNo", QRect(w / 2 + 20, 160, 110, 36));
    BotSi->show();
    connect(BotSi, &QPushButton::clicked, this, &Tprofe::BotSiClick);
    connect(BotNo, &QPushButton::clicked, this, &Tprofe::BotNoClick);
    TimerFrase.setObjectName(QStringLiteral("TimerFrase"));
    TimerFrase.setInterval(kFrameIntervalMs);
    connect(&TimerFrase, &QTimer::timeout, this, &Tprofe::TimerFraseTimer);
}

void Tprofe::buildLists() {
    ListCues = makeList(this, "ListCues", kPhraseList, QAbstractItemView::MultiSelection);
    ListCues->setItemDelegate(
        new PhraseIconDelegate(program_.pictures().ImageListIconos, ListCues));
    PanelSelTit0 = makePanel(this, "PanelSelTit0", kTitlePanel);
    LabelTit0 = makeLabel(PanelSelTit0, "LabelTit0", QRect(kTitlePanel.width(), 4, 600, 24));
    ListSel =
        makeList(this, "ListSel",
                 QRect(kTitlePanel.left(), kShortListTop, kTitlePanel.width(), kShortRowHeight),
                 QAbstractItemView::MultiSelection);
    ListSel->setWordWrap(true);
    ListResProf =
        makeList(this, "ListResProf", kActivityProfessions, QAbstractItemView::NoSelection);
    for (QListWidget* list : {ListCues, ListSel})
        list->viewport()->installEventFilter(this);
    TimerAyu0.setObjectName(QStringLiteral("TimerAyu0"));
    TimerAyu0.setInterval(kSlideIntervalMs);
    connect(&TimerAyu0, &QTimer::timeout, this, &Tprofe::TimerAyu0Timer);
}

void Tprofe::buildResultPanel() {
    PanelResul = makePanel(this, "PanelResul", kResultPanel);
    PanelResul->setMouseTracking(true);
    PanelResul->installEventFilter(this);
    const int w = kResultPanel.width();
    const int column = kResultColumnWidth;
    LabelTitulo = makeLabel(PanelResul, "LabelTitulo", QRect(8, 6, w - 16, 30));
    LabelTitulo->setAlignment(Qt::AlignCenter);
    LabelActi = makeLabel(PanelResul, "LabelActi", QRect(w / 2, 42, w - 40, 22));
    ListResulAct =
        makeList(PanelResul, "ListResulAct", QRect(20, 68, column, 3 * kResultRowHeight + 2),
                 QAbstractItemView::SingleSelection);
    LabelTit1 = makeLabel(PanelResul, "LabelTit1", QRect(w / 3, 150, w - 40, 22));
    ListResulProf =
        makeList(PanelResul, "ListResulProf", QRect(20, 176, column, kResultRowHeight + 2),
                 QAbstractItemView::SingleSelection);
    Labeltit2 = makeLabel(PanelResul, "Labeltit2", QRect(kRightColumnLeft, 262, column, 22));
    LabelTit3 = makeLabel(PanelResul, "LabelTit3", QRect(kRightColumnLeft, 286, column, 22));
    ListTit = new QTextEdit(PanelResul);
    ListTit->setObjectName(QStringLiteral("ListTit"));
    ListTit->setGeometry(kRightColumnLeft, 310, column, 130);
    ListTit->setReadOnly(true);
    ListTit->setFrameShape(QFrame::Box);
    ListTit->setLineWrapMode(QTextEdit::NoWrap);
    ListTit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListTit->viewport()->setCursor(Qt::PointingHandCursor);
    ListTit->hide();
    LabelTitExpli = makeLabel(PanelResul, "LabelTitExpli", QRect(20, 450, w - 40, 48));
    LabelTitExpli->setAlignment(Qt::AlignCenter);
    // Both are sized to their rows.
    for (QListWidget* list : {ListResulAct, ListResulProf})
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QWidget* watched : std::initializer_list<QWidget*>{
             ListResulAct->viewport(), ListResulProf->viewport(), ListTit->viewport()})
        watched->installEventFilter(this);
    for (QWidget* shown :
         std::initializer_list<QWidget*>{LabelTitulo, LabelActi, ListResulAct, LabelTit1,
                                         ListResulProf, Labeltit2, LabelTit3, LabelTitExpli})
        shown->show();
    TimerAyu.setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu.setInterval(kSlideIntervalMs);
    connect(&TimerAyu, &QTimer::timeout, this, &Tprofe::TimerAyuTimer);
}

void Tprofe::buildButtons() {
    BotFraRet = makeButton(this, "BotFraRet", kBackButton);
    BotFraSig = makeButton(this, "BotFraSig", kNextButton);
    BotFraRet->setIcon(QIcon(arrowPicture(32, ArrowPointing::Left)));
    BotFraSig->setIcon(QIcon(arrowPicture(32, ArrowPointing::Right)));
    for (QPushButton* arrow : {BotFraRet, BotFraSig})
        arrow->setIconSize(QSize(32, 32));
    BotFraRet->show();
    BotAcabar = makeButton(this, "BotAcabar", kExitButton);
    BotAcabar->show();
    BotImp = makeButton(this, "BotImp", kPrintButton);
    connect(BotFraRet, &QPushButton::clicked, this, &Tprofe::BotFraRetClick);
    connect(BotFraSig, &QPushButton::clicked, this, &Tprofe::BotFraSigClick);
    connect(BotAcabar, &QPushButton::clicked, this, [this] { BotAcabarClick(); });
    connect(BotImp, &QPushButton::clicked, this, &Tprofe::BotImpClick);
}

void Tprofe::applyCaptions() {
    const auto t = [&](int k) { return toQt(text(k)); };
    setWindowTitle(t(338) + QStringLiteral("  ") + toQt(TrimRight(program_.state().schoolName)));
    LabelTitulo->setText(t(648));
    LabelActi->setText(t(642) + QLatin1Char(' ') + t(643));
    LabelTit1->setText(t(644));
    Labeltit2->setText(t(645));
    BotSi->setText(t(141));
    BotNo->setText(t(140));
    BotImp->setText(t(36));
    BotAcabar->setText(t(54));
    LabelTitExpli->setText(t(646) + QLatin1Char('\n') + t(647));
}

void Tprofe::applyColours() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paint(this, fixed_colours::kFormBackground, kInk);
    for (QWidget* list : std::initializer_list<QWidget*>{ListCues, ListResulAct, ListResulProf})
        paint(list, fixed_colours::kFormBackground, kInk);
    for (QWidget* list : std::initializer_list<QWidget*>{ListSel, ListResProf, ListTit})
        paint(list, fixed_colours::kDialog, kInk);
    paint(PanelResul, fixed_colours::kPanel, kInk);
    paint(PanelFrase, kWhite, kInk);
    // The caption colour where it reads on the door hover colour, else the nearest shade of
    // it that does: for the titles and for the marked rows.
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    paint(PanelSelTit0, theme.doorHover, caption);
    paint(LabelTit0, theme.doorHover, caption);
    LabelTit0->setAutoFillBackground(false);
    for (QWidget* list :
         std::initializer_list<QWidget*>{ListCues, ListSel, ListResulAct, ListResulProf}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Highlight, toQColor(theme.doorHover));
        palette.setColor(QPalette::HighlightedText, toQColor(caption));
        list->setPalette(palette);
    }
    // The results' title on the highlight colour: dark on light, light on dark.
    paint(LabelTitulo, theme.highlight,
          contrastRatio(kInk, theme.highlight) >= contrastRatio(kWhite, theme.highlight) ? kInk
                                                                                         : kWhite);
    setFontOf(LabelTitulo, kTimes, 14 + correction, true);
    setFontOf(LabelFrase0, kTimes, 14 + correction, true);
    setFontOf(LabelFrase, kTimes, 14 + correction);
    setFontOf(LabelTit0, kTimes, 13 + correction, true);
    for (QLabel* heading : {LabelActi, LabelTit1, Labeltit2})
        setFontOf(heading, kTimes, 12 + correction, true);
    setFontOf(LabelTit3, kTimes, 12 + correction, true);
    setFontOf(LabelTitExpli, kTimes, 11 + correction);
    setFontOf(ListCues, kTimes, 10 + correction);
    setFontOf(ListSel, kTimes, 13 + correction);
    for (QWidget* list :
         std::initializer_list<QWidget*>{ListResulAct, ListResulProf, ListResProf, ListTit})
        setFontOf(list, kTimes, 11 + correction);
    for (QPushButton* button : {BotSi, BotNo, BotImp, BotAcabar})
        setFontOf(button, kTimes, 12 + correction, true);
}

}  // namespace rumbelo
