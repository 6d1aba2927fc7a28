// Building the questionnaire face: the four menu buttons in the window's PanelMenuCon, the
// panel with the two statement lists, the results and a group's studies, its buttons and
// the note that follows the pointer; then captions, colours and fonts.
#include "degrees/form/questionnaire_face.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/program/contrast.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/widgets/tiled_picture.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

namespace {

// Inside PanelListCon: the heading, the lists under it, two rows of buttons at the foot.
constexpr QRect kListPanel{318, 48, 460, 530};
constexpr int kListsHeight = 420;
constexpr int kButtonHeight = 32;
constexpr int kButtonWidth = 225;

QListWidget* makeList(QWidget* parent, const char* name, QRect where) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(where);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->hide();
    return list;
}

}  // namespace

QuestionnaireFace::QuestionnaireFace(TForm1& form, Program& program)
    : QObject(&form),
      form_(form),
      program_(program),
      session_(std::make_unique<QuestionnaireSession>(form.data().interest)) {
    setObjectName(QStringLiteral("QuestionnaireFace"));
    buildMenu();
    buildLists();
    buildButtons();
}

QuestionnaireFace::~QuestionnaireFace() = default;

// The window keeps the menu panel and its back button; the face stacks its three
// questionnaire buttons above the back button, in the left column beside the lists.
void QuestionnaireFace::buildMenu() {
    QFrame* menu = form_.PanelMenuCon;
    Menucua = makeButton(menu, "Menucua");
    MenuGus = makeButton(menu, "MenuGus");
    MenuMedia = makeButton(menu, "MenuMedia");
    constexpr int kMargin = 12;
    constexpr int kGap = 8;
    const QList<QPushButton*> buttons{Menucua, MenuGus, MenuMedia, form_.MenuRetroCon};
    const int width = kLeftColumn.width();
    int y = kMargin;
    for (QPushButton* button : buttons) {
        button->setGeometry(kMargin, y, width - 2 * kMargin, kMenuButtonHeight);
        y += kMenuButtonHeight + kGap;
    }
    menu->setGeometry(kLeftColumn.left(), kLeftColumn.top(), width, y - kGap + kMargin);
}

void QuestionnaireFace::buildLists() {
    PanelListCon = makePanel(form_.Panelcon, "PanelListCon");
    PanelListCon->setFrameShape(QFrame::NoFrame);
    PanelListCon->setGeometry(kListPanel);
    PanelListCon->setMouseTracking(true);
    PanelListCon->installEventFilter(this);

    PanelResCon = makeLabel(PanelListCon, "PanelResCon");
    PanelResCon->setGeometry(0, 0, kListPanel.width(), kTitleHeight);
    PanelResCon->setFrameShape(QFrame::Panel);
    PanelResCon->setFrameShadow(QFrame::Raised);
    PanelResCon->setIndent(4);
    PanelResCon->hide();

    const QRect lists(0, kTitleHeight, kListPanel.width(), kListsHeight);
    ListCua = makeList(PanelListCon, "ListCua", lists);
    Listint = makeList(PanelListCon, "Listint", lists);
    for (QListWidget* list : {ListCua, Listint}) {
        // Each click ticks or unticks one statement; the ticks are the selection.
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        list->setWordWrap(false);
        list->setCursor(Qt::PointingHandCursor);
        list->installEventFilter(this);
    }
    ListResul = makeList(PanelListCon, "ListResul", lists);
    ListResul->setCursor(Qt::PointingHandCursor);
    resultsArea_ = ListResul->viewport();
    resultsArea_->setMouseTracking(true);
    resultsArea_->installEventFilter(this);
    // A group's studies open over the results, a little inset so that they read as on top.
    ListCarreras = makeList(PanelListCon, "ListCarreras", lists.adjusted(14, 18, -6, -6));
    ListCarreras->setSelectionMode(QAbstractItemView::NoSelection);
    ListCarreras->setFrameShape(QFrame::Box);

    LabelAviso = makeLabel(form_.Panelcon, "LabelAviso");
    LabelAviso->setFrameShape(QFrame::Box);
    LabelAviso->setMargin(2);
    LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabelAviso->hide();
}

void QuestionnaireFace::buildButtons() {
    const int row1 = kTitleHeight + kListsHeight + 8;
    const int row2 = row1 + kButtonHeight + 6;
    const int right = kListPanel.width() - kButtonWidth;
    const auto button = [&](const char* name, int x, int y) {
        QPushButton* b = makeButton(PanelListCon, name);
        b->setGeometry(x, y, kButtonWidth, kButtonHeight);
        b->hide();
        return b;
    };
    // VerResul and revisa take turns in one place.
    VerResul = button("VerResul", 0, row1);
    revisa = button("revisa", 0, row1);
    acabarCua = button("acabarCua", right, row1);
    ImpResul = button("ImpResul", 0, row2);
    grabar = button("grabar", right, row2);
}

void QuestionnaireFace::applyCaptions() {
    const InterfaceTexts& t = program_.texts();
    const auto caption = [&](QPushButton* button, int k) { button->setText(toQt(t.trimmed(k))); };
    caption(Menucua, 301);
    caption(MenuGus, 302);
    caption(MenuMedia, 303);
    caption(revisa, 328);
    caption(VerResul, 287);
    caption(acabarCua, 82);
    caption(ImpResul, 36);
    caption(grabar, 330);
    LabelAviso->setText(toQt(t.trimmed(283)));
    LabelAviso->adjustSize();
}

void QuestionnaireFace::applyColoursAndFonts() {
    const ProgramState& state = program_.state();
    const ThemeColours& theme = state.theme.colours;
    const int correction = state.largeFontsCorrection;
    for (QWidget* list : std::initializer_list<QWidget*>{ListCua, Listint, ListResul})
        paintWidget(list, fixed_colours::kPanel, kPanelText);
    // A tick must stand out from the panel colour and keep the statement readable, with
    // the list in focus or not.
    for (QListWidget* list : {ListCua, Listint}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Highlight, toQColor(fixed_colours::kSelectionPanel));
        palette.setColor(QPalette::HighlightedText, toQColor(kPanelText));
        list->setPalette(palette);
    }
    paintWidget(ListCarreras, fixed_colours::kDialog, kPanelText);
    paintWidget(LabelAviso, fixed_colours::kDialog, kPanelText);
    const Rgb caption = readableOn(theme.caption, theme.doorHover);
    for (QWidget* heading : std::initializer_list<QWidget*>{PanelListCon, PanelResCon})
        paintWidget(heading, theme.doorHover, caption);
    for (QPushButton* b :
         {Menucua, MenuGus, MenuMedia, VerResul, revisa, acabarCua, ImpResul, grabar}) {
        setFontOf(b, kTimes, 12 + correction);
        b->setCursor(Qt::PointingHandCursor);
    }
    for (QListWidget* list : {ListCua, Listint})
        setFontOf(list, kTimes, 13 + correction);
    setFontOf(ListResul, kCourier, 12 + correction);
    setFontOf(ListCarreras, kTimes, 12 + correction);
    setFontOf(PanelResCon, kCourier, 11 + correction, true);
    setFontOf(LabelAviso, kTimes, 10 + correction);
    LabelAviso->adjustSize();
}

void QuestionnaireFace::connectControls() {
    connect(Menucua, &QPushButton::clicked, this,
            [this] { openQuestionnaire(Questionnaire::Qualities); });
    connect(MenuGus, &QPushButton::clicked, this,
            [this] { openQuestionnaire(Questionnaire::Interests); });
    connect(MenuMedia, &QPushButton::clicked, this, &QuestionnaireFace::MenuMediaClick);
    connect(form_.MenuRetroCon, &QPushButton::clicked, this, &QuestionnaireFace::MenuRetroConClick);
    connect(ListCua, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListCuaClick(ListCua->row(item)); });
    connect(ListResul, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListResulClick(ListResul->row(item)); });
    connect(ListCarreras, &QListWidget::itemClicked, ListCarreras, &QWidget::hide);
    connect(VerResul, &QPushButton::clicked, this, &QuestionnaireFace::VerResulClick);
    connect(revisa, &QPushButton::clicked, this, &QuestionnaireFace::revisaClick);
    connect(acabarCua, &QPushButton::clicked, this, &QuestionnaireFace::acabarCuaClick);
    connect(ImpResul, &QPushButton::clicked, this, &QuestionnaireFace::ImpResulClick);
    connect(grabar, &QPushButton::clicked, this, &QuestionnaireFace::grabarClick);
    connect(form_.degradecon, &TiledPicture::mouseMoved, LabelAviso, &QWidget::hide);
}

bool QuestionnaireFace::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((watched == ListCua || watched == Listint) && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            toggleFocusedStatement(static_cast<QListWidget*>(watched));
            return true;
        }
    }
    if (watched == resultsArea_ && type == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        pointerOverResults(at.y(), at.x());
    }
    if (watched == resultsArea_ && type == QEvent::Leave) LabelAviso->hide();
    if (watched == PanelListCon && ListCarreras) {
        if (type == QEvent::MouseMove) LabelAviso->hide();
        if (type == QEvent::MouseButtonPress) ListCarreras->hide();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rumbelo
