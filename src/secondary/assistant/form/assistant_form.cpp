#include "secondary/assistant/form/assistant_form.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

#include "common/program/program.h"
#include "common/sound/sound_cues.h"
#include "common/widgets/tiled_picture.h"
#include "secondary/data/line_fields.h"
#include "secondary/data/secondary_data.h"
#include "secondary/form/secondary_form.h"

namespace rumbelo {

using namespace assistant;

TForm5::TForm5(Program& program) : QWidget(nullptr, Qt::FramelessWindowHint), program_(program) {
    build();
    // Modal over the scene; a QWidget rather than a QDialog so that hiding it for a section
    // and showing it again on the way back needs no nested event loop.
    setWindowModality(Qt::ApplicationModal);
    if (program_.state().staticScene) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    } else {
        move(0, 0);
    }
    connectActions();
}

TForm5::~TForm5() = default;

QPushButton* TForm5::button(std::string_view name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

void TForm5::connectActions() {
    connect(&TimerMueTexBotBACHI, &QTimer::timeout, this, &TForm5::scrollTick);
    connect(&TimerComienzo, &QTimer::timeout, this, &TForm5::slideTick);
    connect(&TimerMueTexFleESO, &QTimer::timeout, this, [this] { textTick(eso_); });
    connect(&TimerMueTexFleBACHI, &QTimer::timeout, this, [this] { textTick(bachillerato_); });
    connect(&TimerVuela, &QTimer::timeout, this, [this] { flightTick(eso_); });
    connect(&TimerVuela2, &QTimer::timeout, this, [this] { flightTick(bachillerato_); });
    for (auto* chooser : {Panel2, eso_.caption})
        connect(chooser, &ClickLabel::clicked, this, [this] { chooseStage(Stage::Eso); });
    for (auto* chooser : {Panel3, bachillerato_.caption})
        connect(chooser, &ClickLabel::clicked, this, [this] { chooseStage(Stage::Bachillerato); });
    connect(BotEso, &QPushButton::clicked, this, [this] { chooseStage(Stage::Eso); });
    connect(BotBachi, &QPushButton::clicked, this, [this] { chooseStage(Stage::Bachillerato); });
    for (StageView* view : {&eso_, &bachillerato_})
        for (const auto& [number, image] : view->arrows)
            connect(image, &ClickLabel::clicked, this, [this, n = number] { arrowClicked(n); });
    connect(BotRetroAsis, &QPushButton::clicked, this, &TForm5::BotRetroAsisClick);

    const auto open = [this](std::string_view name, const char* form, AssistantRequest request) {
        connect(button(name), &QPushButton::clicked, this,
                [this, form, request] { openSection(form, request); });
    };
    open("BDejar", "TCertifica", AssistantRequest::Certificates);
    open("BGarantia", "TFIniPro", AssistantRequest::InitialProgrammes);
    open("Biti", "TForm2", AssistantRequest::Itineraries);
    open("BitiB", "TForm2", AssistantRequest::Itineraries);
    open("CatTit", "TFormCat", AssistantRequest::Catalogue);
    open("CatTitB", "TFormCat", AssistantRequest::Catalogue);
    open("BcBachi", "TForm2", AssistantRequest::SecondaryQuestionnaire);
    open("BotProfe", "Tprofe", AssistantRequest::Professions);
    open("BotProfeB", "Tprofe", AssistantRequest::Professions);
    open("BiCar", "TForm1", AssistantRequest::DegreeInformation);
    open("BFpTitGsAsis", "TForm1", AssistantRequest::HigherFp);
    open("BConsejoAsis", "TForm1", AssistantRequest::UniversityQuestionnaire);
    connect(button("BtGM"), &QPushButton::clicked, this, &TForm5::BtGMClick);
    connect(button("BotFP"), &QPushButton::clicked, this, &TForm5::BotFPClick);
    connect(button("BotDiversi"), &QPushButton::clicked, this,
            [this] { showInformation(eso_, {}); });
    connect(button("BotFP2"), &QPushButton::clicked, this,
            [this] { showInformation(bachillerato_, intermediateToHigherText(program_.texts())); });
}

// Activation ---------------------------------------------------------------------------

void TForm5::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void TForm5::activate() {
    composeTexts();
    eso_.listPanel->hide();
    bachillerato_.listPanel->hide();
    if (!firstActivation_) return;
    eso_.panel->hide();
    bachillerato_.panel->hide();
    PInicio->show();
    Textoinicio->move(Textoinicio->x(), PInicio->height());
    step_ = 6;
    TimerMueTexBotBACHI.start();
}

void TForm5::stopTimers() {
    for (QTimer* timer : {&TimerMueTexBotBACHI, &TimerComienzo, &TimerMueTexFleESO,
                          &TimerMueTexFleBACHI, &TimerVuela, &TimerVuela2})
        timer->stop();
    eso_.animation.stop();
    bachillerato_.animation.stop();
}

void TForm5::scrollTick() {
    if (step_ != 6) {
        TimerMueTexBotBACHI.stop();
        return;
    }
    Textoinicio->move(
        Textoinicio->x(),
        assistant::scrollTick(Textoinicio->y(), Textoinicio->height(), PInicio->height()));
}

// Stages --------------------------------------------------------------------------------

void TForm5::chooseStage(Stage stage) {
    StageView& view = viewOf(stage);
    StageView& other = viewOf(stage == Stage::Eso ? Stage::Bachillerato : Stage::Eso);
    stopTimers();
    firstActivation_ = false;
    step_ = 0;
    PInicio->hide();
    other.panel->hide();
    view.panel->show();
    // The stage starts afresh: its steps appear again one by one.
    view.picture->hide();
    for (QLabel* label : view.labels)
        label->hide();
    for (const auto& [number, image] : view.arrows) {
        image->hide();
        for (const std::string_view name : buttonsOfArrow(number))
            button(name)->hide();
    }
    view.heli->hide();
    view.yellowText->hide();
    view.yellow->move(view.picture->width(), view.labels[0]->y());
    view.yellow->show();
    view.yellow->raise();
    sliding_ = stage;
    TimerComienzo.start();
}

void TForm5::slideTick() {
    StageView& view = viewOf(sliding_);
    view.picture->show();
    const Slide slide = assistant::slideTick(view.yellow->x(), view.restingLeft);
    view.yellow->move(slide.left, view.yellow->y());
    if (!slide.done) return;
    TimerComienzo.stop();
    view.yellowText->setText(displayed(stepText(program_.texts(), view.stage, 1)));
    view.yellowText->move(view.yellowText->x(), view.yellow->height());
    view.yellowText->show();
    view.animation.start(view.yellow->height());
    step_ = 1;
    view.textTimer->start();
}

void TForm5::textTick(StageView& view) {
    const StepAnimation::Tick tick = view.animation.tick();
    if (tick.step == 0) {
        view.textTimer->stop();
        return;
    }
    QLabel* label = view.labels[static_cast<std::size_t>(tick.step - 1)];
    view.yellow->move(label->pos());
    view.yellow->raise();
    label->show();
    view.yellowText->move(view.yellowText->x(), tick.textTop);
    view.arrows[arrowOfStep(view.stage, tick.step)]->setVisible(tick.arrowVisible);
    if (tick.finished) {
        view.textTimer->stop();
        view.yellow->hide();
        step_ = 0;
    } else if (tick.stepDone) {
        step_ = view.animation.step();
        view.yellowText->setText(displayed(stepText(program_.texts(), view.stage, step_)));
    }
}

// Arrows and the helicopter ---------------------------------------------------------------

void TForm5::arrowClicked(int arrow) {
    StageView& view = viewOf(stageOfArrow(arrow));
    stopTimers();
    step_ = 0;
    arrow_ = arrow;
    // The texts stop where they are: every step is shown whole, each beside its arrow.
    view.yellow->hide();
    view.picture->show();
    for (QLabel* label : view.labels)
        label->show();
    for (const auto& [number, image] : view.arrows) {
        image->show();
        for (const std::string_view name : buttonsOfArrow(number))
            button(name)->hide();
    }
    QLabel* clicked = view.arrows[arrow];
    flightFrom_ = flightStart(arrow, view.picture->width(), view.picture->y(),
                              view.picture->height(), view.picture->y() + clicked->y());
    flightTicks_ = 0;
    view.heli->move(flightFrom_.x, flightFrom_.y);
    view.heli->show();
    view.heli->raise();
    view.flightTimer->start();
    if (SoundCues* sounds = program_.guide().sounds()) sounds->EngineSound(true);
}

void TForm5::flightTick(StageView& view) {
    ++flightTicks_;
    const Point at = flightPosition(arrow_, flightFrom_, flightTicks_);
    view.heli->move(at.x, at.y);
    if (flightTicks_ < kFlightTicks) return;
    view.flightTimer->stop();
    view.heli->hide();
    revealButtons(arrow_);
}

void TForm5::revealButtons(int arrow) {
    for (const std::string_view name : buttonsOfArrow(arrow)) {
        button(name)->show();
        button(name)->raise();
    }
}

// Buttons ---------------------------------------------------------------------------------

void TForm5::openSection(const char* name, AssistantRequest request) {
    QWidget* form = program_.form(QLatin1String(name));
    auto* entry = dynamic_cast<AssistantEntry*>(form);
    if (!form || !entry) return;
    hide();
    entry->enterFromAssistant(request);
    form->show();
    form->raise();
    form->activateWindow();
}

void TForm5::BtGMClick() {
    // A questionnaire's pending hand-over to intermediate FP is overtaken by this visit.
    if (auto* secondary = qobject_cast<TForm2*>(program_.form(QStringLiteral("TForm2"))))
        secondary->questionnaire().goToIntermediateFp = false;
    openSection("TForm3", AssistantRequest::IntermediateFp);
}

void TForm5::BotFPClick() {
    if (auto* bridges = qobject_cast<QDialog*>(program_.form(QStringLiteral("TForm6"))))
        bridges->exec();
}

void TForm5::showInformation(StageView& view, const std::string& before) {
    std::string text = before;
    if (const auto* data = program_.state().tables.find<secondary::SecondaryData>()) {
        const char* code = view.stage == Stage::Eso ? "34" : "19";
        for (const std::string& line : secondary::paragraphLines(data->information, code)) {
            if (!text.empty()) text += '\r';
            text += line;
        }
    }
    view.listText->setPlainText(displayed(text));
    view.listPanel->show();
    view.listPanel->raise();
}

void TForm5::BotRetroAsisClick() {
    program_.state().assistantFlag = false;
    stopTimers();
    step_ = 0;
    hide();
    program_.showScene();
}

QWidget* createAssistantForm(Program& program) {
    return new TForm5(program);
}

}  // namespace rumbelo
