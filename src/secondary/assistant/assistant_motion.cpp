#include "secondary/assistant/assistant_motion.h"

namespace rumbelo::assistant {

namespace {

constexpr int kScrollPixels = 2;
constexpr int kSlidePixels = 4;
constexpr int kTextPixels = 2;
constexpr int kStillTicks = 5;  // the text stands this long before it rises
constexpr int kBlinkTicks = 3;
constexpr int kFlightPixels = 4;

}  // namespace

int scrollTick(int textTop, int textHeight, int panelHeight) {
    const int top = textTop - kScrollPixels;
    return top < -textHeight ? panelHeight : top;
}

Slide slideTick(int left, int restingLeft) {
    const int next = left - kSlidePixels;
    return {next, next < restingLeft};
}

void StepAnimation::start(int panelHeight) {
    panelHeight_ = panelHeight;
    step_ = 1;
    ticks_ = 0;
    textTop_ = panelHeight;
    arrowVisible_ = false;
}

StepAnimation::Tick StepAnimation::tick() {
    Tick out;
    if (step_ < 1 || step_ > 3) return out;
    out.step = step_;
    ++ticks_;
    if (ticks_ > kStillTicks) textTop_ -= kTextPixels;
    if (ticks_ % kBlinkTicks == 0) arrowVisible_ = !arrowVisible_;
    if (textTop_ < 0) {
        out.stepDone = true;
        arrowVisible_ = true;
        out.textTop = panelHeight_;
        out.arrowVisible = true;
        ticks_ = 0;
        textTop_ = panelHeight_;
        if (step_ == 3) {
            step_ = 0;
            out.finished = true;
        } else {
            ++step_;
            arrowVisible_ = false;
        }
        return out;
    }
    out.textTop = textTop_;
    out.arrowVisible = arrowVisible_;
    return out;
}

Stage stageOfArrow(int arrow) {
    return arrow >= 6 ? Stage::Bachillerato : Stage::Eso;
}

int arrowOfStep(Stage stage, int step) {
    const int last = stage == Stage::Eso ? 4 : 8;
    return last + 1 - step;
}

Point flightStart(int arrow, int panelWidth, int panelTop, int panelHeight, int arrowTop) {
    switch (arrow) {
        case 2:
            return {panelWidth, panelTop};
        case 3:
            return {panelWidth, panelTop + panelHeight / 2};
        case 4:
            return {panelWidth, panelTop + panelHeight - 25};
        case 6:
            return {panelWidth, arrowTop + 10};
        default:
            return {panelWidth, arrowTop};
    }
}

Point flightPosition(int arrow, Point start, int tick) {
    const int down = (arrow == 4 || arrow == 7 || arrow == 8) ? 2 : 0;
    return {start.x + kFlightPixels * tick, start.y + down * tick};
}

std::span<const std::string_view> buttonsOfArrow(int arrow) {
    static constexpr std::string_view k2[] = {"BGarantia", "BDejar", "BotDiversi"};
    static constexpr std::string_view k3[] = {"BtGM", "Biti", "CatTit"};
    static constexpr std::string_view k4[] = {"BcBachi", "BotProfe"};
    static constexpr std::string_view k6[] = {"BotFP", "BotFP2"};
    static constexpr std::string_view k7[] = {"BFpTitGsAsis", "BiCar", "CatTitB", "BitiB"};
    static constexpr std::string_view k8[] = {"BConsejoAsis", "BotProfeB"};
    switch (arrow) {
        case 2:
            return k2;
        case 3:
            return k3;
        case 4:
            return k4;
        case 6:
            return k6;
        case 7:
            return k7;
        case 8:
            return k8;
        default:
            return {};
    }
}

std::array<int, 3> arrowsOf(Stage stage) {
    return stage == Stage::Eso ? std::array<int, 3>{2, 3, 4} : std::array<int, 3>{6, 7, 8};
}

}  // namespace rumbelo::assistant
