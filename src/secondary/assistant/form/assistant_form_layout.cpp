// Building the assistant: the tiled ground, the start panel, the two stage panels with their
// step labels, yellow panels, arrows, helicopters, buttons and list panels, the bottom row;
// then the captions and hints from the interface texts.
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/widgets/arrow_picture.h"
#include "common/widgets/keyed_picture.h"
#include "common/widgets/tiled_picture.h"
#include "common/widgets/widget_paint.h"
#include "secondary/assistant/form/assistant_form.h"

namespace rumbelo {

using namespace assistant;

namespace {

constexpr Rgb kPanel{241, 217, 192};
constexpr Rgb kYellow{255, 255, 157};
constexpr Rgb kInk{0, 0, 0};
const QString kFont = QStringLiteral("Arial");

// The stage panel and, inside it, the picture panel with the steps bottom-up (step 1 at
// the bottom, as a staircase), an arrow right of each step.
constexpr QRect kStagePanel(10, 10, 780, 530);
constexpr QRect kCaption(10, 6, 450, 30);
constexpr QRect kCentre(10, 500, 450, 24);
constexpr QRect kPicture(10, 40, 450, 420);
constexpr int kLabelLeft = 16, kLabelWidth = 340, kLabelHeight = 100;
constexpr int kStepTops[3] = {300, 160, 20};  // steps 1, 2, 3
constexpr int kArrowLeft = 370, kArrowSize = 60;
constexpr int kButtonLeft = 570, kButtonWidth = 200, kButtonHeight = 34, kButtonGap = 6;

QString shown(const std::string& cp1252) {
    QString text = toQt(cp1252);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QPushButton* makeButton(QWidget* parent, std::string_view name, QRect where) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    button->setGeometry(where);
    button->setCursor(Qt::PointingHandCursor);
    paintWidgetColours(button, kPanel, kInk);
    setWidgetFont(button, kFont, 9, true);
    return button;
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    emit clicked();
}

void TForm5::build() {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Asistente"));
    setFixedSize(800, 600);
    Fondo = new TiledPicture(this);
    Fondo->setObjectName(QStringLiteral("Fondo"));
    Fondo->setGeometry(0, 0, 800, 600);
    Fondo->setTile(program_.pictures().floorTile);
    buildStart();
    buildStage(eso_, Stage::Eso);
    buildStage(bachillerato_, Stage::Bachillerato);
    buildButtons();
    applyTexts();
    for (QTimer* timer : {&TimerMueTexBotBACHI, &TimerComienzo, &TimerMueTexFleESO,
                          &TimerMueTexFleBACHI, &TimerVuela, &TimerVuela2})
        timer->stop();
    TimerMueTexBotBACHI.setInterval(70);
    TimerComienzo.setInterval(50);
    TimerMueTexFleESO.setInterval(100);
    TimerMueTexFleBACHI.setInterval(100);
    TimerVuela.setInterval(100);
    TimerVuela2.setInterval(100);
    eso_.textTimer = &TimerMueTexFleESO;
    eso_.flightTimer = &TimerVuela;
    bachillerato_.textTimer = &TimerMueTexFleBACHI;
    bachillerato_.flightTimer = &TimerVuela2;
}

void TForm5::buildStart() {
    PInicio = makePanel(this, "PInicio", QRect(40, 30, 720, 500));
    paintWidgetColours(PInicio, kPanel, kInk);
    const auto stagePanel = [&](const char* name, QRect where) {
        auto* panel = new ClickLabel(PInicio);
        panel->setObjectName(QLatin1String(name));
        panel->setGeometry(where);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setLineWidth(3);
        panel->setAlignment(Qt::AlignCenter);
        panel->setCursor(Qt::PointingHandCursor);
        paintWidgetColours(panel, kYellow, kInk);
        setWidgetFont(panel, kFont, 18, true);
        return panel;
    };
    Panel2 = stagePanel("Panel2", QRect(20, 200, 150, 90));
    Panel3 = stagePanel("Panel3", QRect(550, 200, 150, 90));
    Textoinicio = makeLabel(PInicio, "Textoinicio", QRect(190, 500, 340, 10));
    Textoinicio->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Textoinicio->setWordWrap(true);
    setWidgetFont(Textoinicio, kFont, 13, true);
    Panel2->raise();
    Panel3->raise();
}

void TForm5::buildStage(StageView& view, Stage stage) {
    const bool isEso = stage == Stage::Eso;
    view.stage = stage;
    view.panel = makePanel(this, isEso ? "PanelEso" : "PanelBachi", kStagePanel);
    paintWidgetColours(view.panel, kYellow, kInk);
    view.caption = new ClickLabel(view.panel);
    view.caption->setObjectName(QLatin1String(isEso ? "L41" : "Lb1"));
    view.caption->setGeometry(kCaption);
    view.caption->setCursor(Qt::PointingHandCursor);
    setWidgetFont(view.caption, kFont, 14, true);
    view.centre = makeLabel(view.panel, isEso ? "LabelCentro" : "LabelCentroB", kCentre);
    setWidgetFont(view.centre, kFont, 10, true);
    view.picture = makePanel(view.panel, isEso ? "p4" : "Pb", kPicture);
    paintWidgetColours(view.picture, kPanel, kInk);
    static constexpr const char* kLabels[2][3] = {{"LabelT1", "LabelT2", "LabelT3"},
                                                  {"LabelT5", "LabelT6", "LabelT7"}};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = makeLabel(view.picture, kLabels[isEso ? 0 : 1][i],
                                  QRect(kLabelLeft, kStepTops[i], kLabelWidth, kLabelHeight));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        paintWidgetColours(label, kYellow, kInk);
        setWidgetFont(label, kFont, 13, true);
        view.labels[static_cast<std::size_t>(i)] = label;
    }
    view.yellow = makePanel(view.picture, isEso ? "Panel1" : "Panel5",
                            QRect(kLabelLeft, kStepTops[0], kLabelWidth, kLabelHeight));
    paintWidgetColours(view.yellow, kYellow, kInk);
    view.restingLeft = kLabelLeft;
    view.yellowText =
        makeLabel(view.yellow, isEso ? "texto4" : "TextoBa", QRect(4, 0, kLabelWidth - 8, 90));
    view.yellowText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    view.yellowText->setWordWrap(true);
    setWidgetFont(view.yellowText, kFont, 13, true);
    const QPixmap arrow = arrowPicture(kArrowSize);
    for (int step = 1; step <= 3; ++step) {
        const int number = arrowOfStep(stage, step);
        auto* image = new ClickLabel(view.picture);
        image->setObjectName(QStringLiteral("Image%1").arg(number));
        image->setGeometry(kArrowLeft, kStepTops[step - 1] + (kLabelHeight - kArrowSize) / 2,
                           kArrowSize, kArrowSize);
        image->setPixmap(arrow);
        image->setCursor(Qt::PointingHandCursor);
        image->hide();
        view.arrows[number] = image;
    }
    view.heli = makeLabel(view.panel, isEso ? "he" : "HeB", QRect(0, 0, 83, 28));
    const QImage& heli = program_.pictures().heli;
    if (!heli.isNull()) {
        // White is the picture's transparent colour.
        view.heli->setPixmap(QPixmap::fromImage(keyedPicture(heli)));
        view.heli->resize(heli.size());
    }
    view.heli->hide();
    // Under the third arrow's buttons, so that they stay in sight, and tall enough for the
    // paragraph to read without scrolling.
    view.listPanel = makePanel(view.panel, isEso ? "PanelDiversifi" : "PanelFP2",
                               isEso ? QRect(480, 170, 290, 335) : QRect(470, 170, 300, 335));
    paintWidgetColours(view.listPanel, kPanel, kInk);
    view.listText = new QTextEdit(view.listPanel);
    view.listText->setObjectName(QLatin1String(isEso ? "ListDiversifi" : "ListFP2"));
    view.listText->setGeometry(6, 4, view.listPanel->width() - 12, view.listPanel->height() - 40);
    view.listText->setReadOnly(true);
    view.listText->setFrameShape(QFrame::NoFrame);
    paintWidgetColours(view.listText, kPanel, kInk);
    setWidgetFont(view.listText, kFont, 8);
    auto* close =
        makeButton(view.listPanel, isEso ? "BotCerrarDiversi" : "BotCerrarFP2",
                   QRect(view.listPanel->width() - 96, view.listPanel->height() - 32, 90, 28));
    QFrame* panel = view.listPanel;
    connect(close, &QPushButton::clicked, panel, &QWidget::hide);
}

void TForm5::buildButtons() {
    // Each arrow's buttons right of where its helicopter lands.
    const auto group = [&](StageView& view, int arrow, int top) {
        int y = top;
        for (const std::string_view name : buttonsOfArrow(arrow)) {
            QPushButton* b =
                makeButton(view.panel, name, QRect(kButtonLeft, y, kButtonWidth, kButtonHeight));
            b->hide();
            buttons_[name] = b;
            y += kButtonHeight + kButtonGap;
        }
    };
    group(eso_, 2, 40);
    group(eso_, 3, 210);
    group(eso_, 4, 400);
    group(bachillerato_, 6, 60);
    group(bachillerato_, 7, 200);
    group(bachillerato_, 8, 400);
    const auto bottom = [&](const char* name, QRect where) {
        QPushButton* b = makeButton(this, name, where);
        setWidgetFont(b, kFont, 11, true);
        return b;
    };
    BotRetroAsis = bottom("BotRetroAsis", QRect(20, 550, 220, 40));
    BotEso = bottom("BotEso", QRect(380, 550, 190, 40));
    BotBachi = bottom("BotBachi", QRect(590, 550, 190, 40));
}

void TForm5::applyTexts() {
    const InterfaceTexts& t = program_.texts();
    const auto caption = [&](std::string_view name, int k) {
        button(name)->setText(toQt(t.trimmed(k)));
    };
    const auto hint = [&](QWidget* w, const std::string& text) { w->setToolTip(shown(text)); };
    BotRetroAsis->setText(toQt(t.trimmed(82)));
    BotEso->setText(toQt(t.trimmed(12)));
    BotBachi->setText(toQt(t.trimmed(33)));
    Panel2->setText(QStringLiteral("ESO"));
    Panel3->setText(QStringLiteral("BACHILL."));
    eso_.caption->setText(toQt(t.trimmed(601)));
    bachillerato_.caption->setText(toQt(t.trimmed(602)));
    eso_.centre->setText(toQt(t.trimmed(493)));
    bachillerato_.centre->setText(toQt(t.trimmed(493)));
    caption("BGarantia", 229);
    caption("BtGM", 113);
    caption("BFpTitGsAsis", 47);
    caption("Biti", 21);
    caption("BitiB", 21);
    caption("BcBachi", 600);
    caption("BotDiversi", 555);
    caption("BiCar", 46);
    caption("BotProfe", 623);
    caption("BotProfeB", 623);
    caption("CatTit", 103);
    caption("CatTitB", 103);
    caption("BConsejoAsis", 52);
    for (StageView* view : {&eso_, &bachillerato_})
        view->listPanel->findChild<QPushButton*>()->setText(toQt(t.trimmed(13)));
    button("BotFP")->setText(QStringLiteral("de FP_GS a ") + toQt(t.trimmed(46)));
    button("BotFP2")->setText(QStringLiteral("de FP_GM a FP_GS"));
    button("BDejar")->setText(toQt(t.trimmed(587) + ' ' + t.trimmed(588)));
    for (const char* name : {"BotProfe", "BotProfeB"})
        hint(button(name), t.trimmed(641));
    for (const char* name : {"CatTit", "CatTitB"})
        hint(button(name), t.trimmed(224));
    hint(button("BotFP"), t.trimmed(320));
    // The arrows' hints name the buttons they reveal.
    const auto captions = [&](std::initializer_list<std::string_view> names) {
        QStringList parts;
        for (const std::string_view name : names)
            parts << button(name)->text();
        return parts.join(QLatin1Char('\n'));
    };
    eso_.arrows[2]->setToolTip(captions({"BDejar", "BGarantia", "BotDiversi"}));
    eso_.arrows[3]->setToolTip(captions({"Biti", "BtGM", "CatTit"}));
    bachillerato_.arrows[7]->setToolTip(captions({"BiCar", "BFpTitGsAsis", "BitiB", "CatTitB"}));
    bachillerato_.arrows[8]->setToolTip(captions({"BConsejoAsis"}));
}

// The texts composed again at each activation (a changed language shows at once).
void TForm5::composeTexts() {
    const InterfaceTexts& t = program_.texts();
    const auto hint = [&](QWidget* w, const std::string& text) { w->setToolTip(shown(text)); };
    Textoinicio->setText(shown(startText(t)));
    Textoinicio->adjustSize();
    Textoinicio->resize(340, Textoinicio->heightForWidth(340));
    for (StageView* view : {&eso_, &bachillerato_}) {
        for (int step = 1; step <= 3; ++step)
            view->labels[static_cast<std::size_t>(step - 1)]->setText(
                shown(stepText(t, view->stage, step)));
    }
    hint(eso_.arrows[4], joinedRun(t, 466, 471));
    hint(bachillerato_.arrows[6], stepText(t, Stage::Bachillerato, 3));
    hint(button("BtGM"), joinedRun(t, 494, 497));
    hint(button("Biti"), joinedRun(t, 504, 508));
    hint(button("BitiB"), joinedRun(t, 504, 508));
    hint(button("BcBachi"), joinedRun(t, 509, 510));
    hint(button("BFpTitGsAsis"), joinedRun(t, 472, 475));
    hint(button("BiCar"), joinedRun(t, 476, 479));
    hint(button("BConsejoAsis"), t.trimmed(557));
}

QString TForm5::displayed(const std::string& cp1252) {
    return shown(cp1252);
}

}  // namespace rumbelo
