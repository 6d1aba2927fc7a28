// The helicopter guide of the intermediate-FP form: the opening flight that brings the
// menu buttons, the pilot who walks out with a three-line bubble, the help flight along the
// bottom with the help button, and the help line that slides in from the right. Everything
// moves on the form's timers, so the pupil can click at any moment.
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/guide/guide.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/sound/sound_cues.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_layout.h"
#include "vocational/intermediate/form/intermediate_state.h"
#include "vocational/intermediate/guide/heli_flight.h"
#include "vocational/intermediate/listing/title_panels.h"

namespace rumbelo {

using namespace intermediate;
using namespace intermediate::layout;

void TForm3::engine(bool on) {
    if (SoundCues* sounds = program_.guide().sounds()) sounds->EngineLoop(on);
}

void TForm3::stopGuide() {
    heli.stop();
    TimerPiloto.stop();
    TimerVuela.stop();
    TimerAyu.stop();
    engine(false);
    state_->heliRunning = false;
    he->hide();
    LabAyuGM->hide();
    HeliPeque->hide();
}

void TForm3::startOpeningFlight() {
    flight_->start();
    state_->heliRunning = true;
    heli.start();
}

void TForm3::heliTimer() {
    const OpeningFlight::Tick t = flight_->tick(kByPlace.width(), kByTitle.height());
    if (t.over) {
        heli.stop();
        engine(false);
        he->hide();
        state_->heliRunning = false;
        return;
    }
    if (t.soundOn) {
        engine(true);
        // The second button's flight starts where the pilot stood.
        if (t.phase == 2) piloto->hide();
    }
    QPushButton* button = t.phase == 1 ? botTit2 : botLug2;
    const QRect design = t.phase == 1 ? kByTitle : kByPlace;
    button->setGeometry(t.step.buttonLeft, design.top(), std::max(1, t.step.buttonWidth),
                        std::max(1, t.step.buttonHeight));
    button->show();
    he->move(t.step.x, button->y());
    he->show();
    he->raise();
    if (!t.arrived) return;
    button->move(button->x(), t.step.y - 20);
    if (t.phase == 2) {
        botSalir->move(botLug2->x(), kExit.top());
        botSalir->show();
    }
    heli.stop();
    engine(false);
    startPilot(he->x() + he->width() / 2, he->y(), t.phase);
}

void TForm3::startPilot(int x, int y, int bubbleRow) {
    state_->pilotX = x;
    state_->pilotY = y;
    state_->pilotFrame = 0;
    state_->bubbleRow = bubbleRow;
    TimerPiloto.start();
}

void TForm3::TimerPilotoTimer() {
    const int k = state_->pilotFrame;
    if (k < static_cast<int>(pilotFrames_.size()))
        piloto->setPixmap(QPixmap::fromImage(pilotFrames_[static_cast<qsizetype>(k)]));
    piloto->move(pilotLeft(state_->pilotX, k), state_->pilotY);
    piloto->show();
    piloto->raise();
    if (++state_->pilotFrame < kPilotFrames) return;
    TimerPiloto.stop();
    if (state_->helpButtonPending) {
        // As wide as its caption, beside the pilot and clear of the families list.
        botSocorro->resize(botSocorro->sizeHint().width() + 16, botSocorro->height());
        const int room = kList.left() - 8 - botSocorro->width();
        if (piloto->x() + piloto->width() <= room)
            botSocorro->move(piloto->x() + piloto->width(), piloto->y() + 10);
        else  // a long caption goes under the pilot
            botSocorro->move(std::max(kFrame + 8, room), piloto->y() + piloto->height() + 4);
        botSocorro->show();
        botSocorro->raise();
        TimerSocorro.stop();
        return;
    }
    if (state_->heliRunning)
        heli.start();
    else
        he->hide();
    drawBubble();
}

void TForm3::drawBubble() {
    const std::vector<std::string> lines = bubbleLines(program_.texts(), state_->bubbleRow);
    QStringList text;
    for (const std::string& line : lines)
        text << toQt(line);
    bocadillo->setText(text.join(QLatin1Char('\n')));
    // At least the drawn box; wider when a line would not fit, never off the form.
    const QFontMetrics metrics(bocadillo->font());
    int widest = 0;
    for (const QString& line : text)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int w = std::max(95, widest + 8);
    const int h = std::max(55, 3 * metrics.lineSpacing() + 8);
    const int left = std::clamp(state_->pilotX - 35, kFrame, width() - kFrame - w);
    bocadillo->setGeometry(left, std::max(kFrame, state_->pilotY - 5 - h), w, h);
    bocadillo->show();
    bocadillo->raise();
    state_->bubbleShown = true;
}

void TForm3::clearBubble() {
    he->hide();
    if (state_->bubbleShown) {
        bocadillo->hide();
        piloto->hide();
        state_->bubbleShown = false;
    }
    if (state_->helpButtonPending) {
        botSocorro->hide();
        piloto->hide();
        state_->helpButtonPending = false;
    }
}

void TForm3::startHelpLine(const std::string& text, int left, int top) {
    LabAyuGM->setText(toQt(text));
    LabAyuGM->setGeometry(left, top, 0, kHelpLineHeight);
    HeliPeque->move(left, top - 12);
    engine(true);
    TimerAyu.start();
}

void TForm3::TimerAyuTimer() {
    const HelpLineStep s = slideHelpLine(LabAyuGM->x(), width());
    LabAyuGM->setGeometry(s.left, LabAyuGM->y(), s.width, kHelpLineHeight);
    HeliPeque->move(s.heliLeft, LabAyuGM->y() - 12);
    LabAyuGM->show();
    HeliPeque->show();
    LabAyuGM->raise();
    HeliPeque->raise();
    if (s.more) return;
    TimerAyu.stop();
    engine(false);
}

void TForm3::startHelpFlight(int bubbleRow) {
    he->move(70, height() - 180);
    he->show();
    he->raise();
    state_->helpFlightMoves = 0;
    state_->bubbleRow = bubbleRow;
    TimerVuela.start();
}

void TForm3::TimerVuelaTimer() {
    he->move(he->x() + kHelpFlightStep, he->y());
    if (++state_->helpFlightMoves < kHelpFlightMoves) return;
    TimerVuela.stop();
    startPilot(he->x() + he->width() / 2, he->y(), state_->bubbleRow);
}

void TForm3::TimerSocorroTimer() {
    TimerSocorro.stop();
    state_->helpButtonPending = true;
    startHelpFlight(3);
}

void TForm3::botSocorroClick() {
    state_->questionnaireMode = true;
    listSelFP->hide();
    ListTitFP->hide();
    Labeltitulo->hide();
    ListFPExpli->hide();
    PanelSelTit->hide();
    PanelCarSel->hide();
    BotRetrocederFP->hide();
    clearBubble();
    TimerSocorro.stop();
    activate();
}

}  // namespace rumbelo
