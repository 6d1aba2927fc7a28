// Building the secondary form: the main panel with its floor and frame strips, the year and
// the school, the menu and questionnaire menu, the help guide, the questionnaire grid and its
// buttons, the results list and the titles panel; then captions, colours and fonts.
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/guide/guide_panel.h"
#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "secondary/form/secondary_form.h"
#include "secondary/form/secondary_layout.h"
#include "secondary/form/secondary_look.h"
#include "secondary/questionnaire/section_texts.h"

namespace rumbelo {

using namespace secondary;
using namespace secondary::layout;

void TForm2::build() {
    setObjectName(QStringLiteral("TForm2"));
    setFixedSize(800, 600);
    buildFrame();
    buildHelpPanel();
    buildMenus();
    buildQuestionnaire();
    buildResults();
    // The buttons row stands over the results' lower panel.
    for (QPushButton* button : {BotResCues, AcabarCues, ImpResul, grabar, BotContinuar})
        button->raise();
    applyCaptions();
    applyColoursAndFonts();
}

void TForm2::buildFrame() {
    PanelPrincipal = new QFrame(this);
    PanelPrincipal->setObjectName(QStringLiteral("PanelPrincipal"));
    PanelPrincipal->setGeometry(0, 0, 800, 600);
    degrade =
        addFramedBackground(PanelPrincipal, PanelPrincipal->size(), kFrame, program_.pictures());
    // The year and the school in the middle of what the menu leaves free.
    LabelAno = makeLabel(PanelPrincipal, "LabelAno", QRect(230, 190, 520, 150));
    LabelAno->setAlignment(Qt::AlignCenter);
    LabelAno2 = makeLabel(PanelPrincipal, "LabelAno2", QRect(240, 350, 500, 40));
    LabelAno2->setAlignment(Qt::AlignCenter);
    degrade->installEventFilter(this);
}

void TForm2::buildMenus() {
    PanelMenu = makePanel(PanelPrincipal, "PanelMenu", kMenuPanel);
    const int buttonWidth = kMenuPanel.width() - 2 * kMenuButtonGap;
    const auto menuButton = [&](const char* name, int index) {
        QPushButton* button = makeButton(
            PanelMenu, name,
            QRect(kMenuButtonGap, kMenuButtonGap + index * (kMenuButtonHeight + kMenuButtonGap),
                  buttonWidth, kMenuButtonHeight));
        button->show();
        button->installEventFilter(this);
        return button;
    };
    botCuestio = menuButton("botCuestio", 0);
    BotItinerarios = menuButton("BotItinerarios", 1);
    BitAcabarLogse = menuButton("BitAcabarLogse", 2);
    PanelMenu->show();

    PanelMenuCues = makePanel(PanelPrincipal, "PanelMenuCues", kQuestionnaireMenu);
    const int entryHeight = (kQuestionnaireMenu.height() - 4 * 10) / 3;
    const auto entry = [&](const char* name, int index) {
        QPushButton* button = makeButton(PanelMenuCues, name,
                                         QRect(30, 10 + index * (entryHeight + 10),
                                               kQuestionnaireMenu.width() - 40, entryHeight));
        button->show();
        return button;
    };
    BotCuestio1 = entry("BotCuestio1", 0);
    BotCuestio3 = entry("BotCuestio3", 1);
    BotCuestio2 = entry("BotCuestio2", 2);
    connect(BotItinerarios, &QPushButton::clicked, this, &TForm2::BotItinerariosClick);
    connect(BitAcabarLogse, &QPushButton::clicked, this, &TForm2::BitAcabarLogseClick);
    connect(BotCuestio1, &QPushButton::clicked, this, &TForm2::BotCuestio1Click);
    connect(BotCuestio2, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
    connect(BotCuestio3, &QPushButton::clicked, this, &TForm2::BotCuestio3Click);
}

void TForm2::buildHelpPanel() {
    PanelAyuda = makePanel(PanelPrincipal, "PanelAyuda", kHelpPanel);
    // The girl above her lines: the panel is as narrow as the diagram leaves it.
    chica = makeLabel(PanelAyuda, "chica", QRect((kHelpPanel.width() - 56) / 2, 6, 56, 118));
    const int top = 128;
    const int lineHeight = (kHelpPanel.height() - top - 6) / kHelpLines;
    QList<QLabel*> labels;
    for (int i = 0; i < kHelpLines; ++i) {
        const QByteArray name = "LabelAyu" + QByteArray::number(i + 1);
        QLabel* label =
            makeLabel(PanelAyuda, name.constData(),
                      QRect(6, top + i * lineHeight, kHelpPanel.width() - 12, lineHeight));
        labels.append(label);
        LabelAyu.push_back(label);
    }
    PanelAyuda->show();
    TimerAyuda.setObjectName(QStringLiteral("TimerAyuda"));
    TimerAyuda.setInterval(200);
    guidePanel_ = new GuidePanel(program_.guide(), chica, labels, &TimerAyuda, this);
}

void TForm2::buildQuestionnaire() {
    PanelCues = makePanel(PanelPrincipal, "PanelCues", kQuestionnairePanel);
    Gcuestio = new QTableWidget(PanelCues);
    Gcuestio->setObjectName(QStringLiteral("Gcuestio"));
    Gcuestio->setGeometry(kGrid);
    Gcuestio->setColumnCount(3);
    for (int c = 0; c < 3; ++c)
        Gcuestio->setColumnWidth(c, kGridColumns[c]);
    // The statements take the width the answer and mark columns leave, so that they show
    // whole beside the scroll bar.
    Gcuestio->setColumnWidth(
        0, kGrid.width() - 4 - kGridScrollBar - kGridColumns[1] - kGridColumns[2]);
    Gcuestio->verticalHeader()->hide();
    Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gcuestio->horizontalHeader()->setHighlightSections(false);
    Gcuestio->setSelectionBehavior(QAbstractItemView::SelectRows);
    Gcuestio->setSelectionMode(QAbstractItemView::SingleSelection);
    Gcuestio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Gcuestio->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Gcuestio->setWordWrap(false);
    Gcuestio->setCursor(Qt::PointingHandCursor);
    Gcuestio->viewport()->installEventFilter(this);
    Gcuestio->installEventFilter(this);

    BotResCues = makeButton(PanelPrincipal, "BotResCues", kResultsButton);
    AcabarCues = makeButton(PanelPrincipal, "AcabarCues", kEndButton);
    ImpResul = makeButton(PanelPrincipal, "ImpResul", kPrintButton);
    grabar = makeButton(PanelPrincipal, "grabar", kSaveButton);
    BotContinuar = makeButton(PanelPrincipal, "BotContinuar", kContinueButton);
    BotContinuar->setText(QStringLiteral("\u2192"));
    connect(BotResCues, &QPushButton::clicked, this, &TForm2::BotResCuesClick);
    connect(AcabarCues, &QPushButton::clicked, this, &TForm2::AcabarCuesClick);
    connect(ImpResul, &QPushButton::clicked, this, &TForm2::ImpResulClick);
    connect(grabar, &QPushButton::clicked, this, &TForm2::grabarClick);
    connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);
}

void TForm2::buildResults() {
    PanelResul = makePanel(PanelPrincipal, "PanelResul", kResultsLowerPanel);
    ListResul = new QListWidget(PanelPrincipal);
    ListResul->setObjectName(QStringLiteral("ListResul"));
    ListResul->setGeometry(kResultsList);
    ListResul->setSelectionMode(QAbstractItemView::NoSelection);
    ListResul->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListResul->setUniformItemSizes(true);
    ListResul->setMouseTracking(true);
    ListResul->viewport()->setMouseTracking(true);
    ListResul->viewport()->installEventFilter(this);
    ListResul->hide();
    LabelAviso = makeLabel(PanelPrincipal, "LabelAviso",
                           QRect(kResultsList.right() - 230, 0, 220, kHintBarHeight));
    LabelAviso->setAlignment(Qt::AlignCenter);
    LabelAviso->setFrameShape(QFrame::Box);
    LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabelAviso->hide();

    PanelCar = makePanel(PanelPrincipal, "PanelCar", kTitlesPanel);
    ListCar = new QListWidget(PanelCar);
    ListCar->setObjectName(QStringLiteral("ListCar"));
    ListCar->setGeometry(8, 8, kTitlesPanel.width() - 16, kTitlesPanel.height() - 60);
    ListCar->setSelectionMode(QAbstractItemView::NoSelection);
    ListCar->setCursor(Qt::PointingHandCursor);
    connect(ListCar, &QListWidget::itemClicked, this, [this] { ListCarClick(); });
    const int buttonsTop = kTitlesPanel.height() - 46;
    BotCerrar = makeButton(PanelCar, "BotCerrar", QRect(8, buttonsTop, 150, 36));
    BotImpTit =
        makeButton(PanelCar, "BotImpTit", QRect(kTitlesPanel.width() - 158, buttonsTop, 150, 36));
    BotCerrar->show();
    BotImpTit->show();
    connect(BotCerrar, &QPushButton::clicked, this, &TForm2::BotCerrarClick);
    connect(BotImpTit, &QPushButton::clicked, this, &TForm2::BotImpTitClick);
}

void TForm2::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto text = [&](int k) { return toQt(t.trimmed(k)); };
    const ProgramState& state = program_.state();
    setWindowTitle(toQt(sectionCaption(t, state.schoolName)));
    LabelAno->setText(toQt(yearCaption(t)));
    const std::string school = TrimRight(state.schoolName);
    LabelAno2->setText(toQt(school));
    setFontOf(LabelAno2, kTimes, schoolNameFontSize(school.size()) + state.largeFontsCorrection,
              true);
    botCuestio->setText(text(52));
    BotItinerarios->setText(text(21));
    BitAcabarLogse->setText(text(82));
    BotCuestio1->setText(text(76));
    BotCuestio1->setToolTip(text(3));
    BotCuestio2->setText(text(77));
    BotCuestio2->setToolTip(text(4));
    BotCuestio3->setText(text(91));
    BotCuestio3->setToolTip(text(75));
    LabelAviso->setText(text(283));
    BotResCues->setText(text(45));
    AcabarCues->setText(text(222));
    ImpResul->setText(text(273));
    grabar->setText(text(20));
    BotCerrar->setText(text(13));
    BotImpTit->setText(text(274));
}

void TForm2::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    paintWidget(this, fixed_colours::kFormBackground);
    for (QWidget* panel :
         std::initializer_list<QWidget*>{PanelPrincipal, PanelMenu, PanelMenuCues, ListResul,
                                         PanelResul, PanelAyuda, PanelCues, PanelCar})
        paintWidget(panel, fixed_colours::kPanel);
    paintWidget(Gcuestio, fixed_colours::kList);
    paintWidget(ListCar, fixed_colours::kDialog);
    // The chosen row: the theme's hover colour with its caption colour, or the nearest shade
    // of it that reads there.
    QPalette grid = Gcuestio->palette();
    grid.setColor(QPalette::Highlight, toQColor(theme.doorHover));
    grid.setColor(QPalette::HighlightedText, toQColor(readableOn(theme.caption, theme.doorHover)));
    Gcuestio->setPalette(grid);
    paintWidget(LabelAviso, theme.doorHover, readableOn(theme.caption, theme.doorHover));
    // The year and the school stand on the floor tile: the highlight colour, or the nearest
    // shade of it that reads there, with a dark rim when it is the lighter of the two.
    const Rgb floor = averageColour(program_.pictures().floorTile);
    for (QLabel* label : {LabelAno, LabelAno2}) {
        const Rgb text = readableOn(theme.highlight, floor, kLargeContrast);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toQColor(text));
        label->setPalette(palette);
        if (relativeLuminance(text) <= relativeLuminance(floor)) continue;
        auto* rim = new QGraphicsDropShadowEffect(label);
        rim->setOffset(1, 1);
        rim->setBlurRadius(3);
        rim->setColor(QColor(40, 40, 40));
        label->setGraphicsEffect(rim);
    }
    setPixelFontOf(LabelAno, kComic, 48 + correction);
    setPixelFontOf(Gcuestio, kTimes, 15 + correction, true);
    setFontOf(Gcuestio->horizontalHeader(), kTimes, 11 + correction, true);
    Gcuestio->verticalHeader()->setDefaultSectionSize(22);
    setFontOf(ListCar, kTimes, 11 + correction);
    setFontOf(LabelAviso, kTimes, 10 + correction, true);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        setFontOf(button, kTimes, 12 + correction);
        button->setCursor(Qt::PointingHandCursor);
    }
    // The print and save captions are long for their buttons.
    for (QPushButton* button : {ImpResul, grabar})
        setFontOf(button, kTimes, 11 + correction);
    for (QPushButton* entry : {BotCuestio1, BotCuestio2, BotCuestio3})
        setFontOf(entry, kTimes, 12 + correction, true);
    for (QLabel* label : LabelAyu)
        setFontOf(label, kComic, 8 + correction);
}

}  // namespace rumbelo
