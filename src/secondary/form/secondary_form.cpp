#include "secondary/form/secondary_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "common/dialog/exit_confirmation.h"
#include "common/guide/guide_panel.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/widgets/tiled_picture.h"
#include "secondary/form/itinerary_face.h"
#include "secondary/questionnaire/eso_questionnaire.h"
#include "secondary/questionnaire/section_texts.h"

namespace rumbelo {

using namespace secondary;

TForm2::TForm2(Program& program) : QWidget(nullptr), program_(program) {
    build();
}

TForm2::~TForm2() = default;

bool TForm2::create() {
    DataFiles& files = program_.state().files;
    loadSecondaryTexts(files, data_);
    // The captions are set; the area lists and the offer table follow.
    loadSecondaryTables(files, data_);
    // The catalogue, the intermediate-FP and the professions forms read these tables too.
    program_.state().tables.publish(data_);
    questionnaire_ = std::make_unique<EsoQuestionnaire>(data_.statements, program_.texts());
    return !program_.state().abortFlag;
}

bool TForm2::opensDoor(int section) const {
    if (section == 9) return true;
    if (section == 4) return itinerariesBuilt();
    return false;
}

void TForm2::enterFromSceneDoor(int section) {
    PanelMenu->show();
    botCuestio->show();
    botCuestio->setEnabled(true);
    BitAcabarLogse->show();
    PanelMenuCues->hide();
    // The questionnaire door leaves the diagrams out.
    BotItinerarios->setVisible(section == 4);
    if (section == 4) enterItineraries();
}

void TForm2::enterFromAssistant(AssistantRequest request) {
    if (request == AssistantRequest::SecondaryQuestionnaire) {
        // The questionnaire menu open: the end of the questionnaire returns to the assistant.
        enterFromSceneDoor(9);
        questionnaireRequest_ = true;
        PanelMenuCues->show();
    } else {
        enterFromSceneDoor(4);
    }
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The itineraries door has started the diagram's own help before the form shows.
    if (!event->spontaneous() && !(itineraryFace_ && itineraryFace_->active())) {
        guidePanel_->stop();
        guidePanel_->setLines(openingHelpLines(program_.texts(), !BotItinerarios->isHidden()));
        guidePanel_->start();
    }
}

void TForm2::startHelp(const std::array<int, 8>& numbers) {
    guidePanel_->stop();
    guidePanel_->setLines(helpSetLines(program_.texts(), numbers));
    guidePanel_->start();
}

void TForm2::botCuestioMouseMove() {
    if (botCuestio->isEnabled() && botCuestio->isVisible()) PanelMenuCues->show();
}

void TForm2::BotItinerariosClick() {
    enterItineraries();
}

void TForm2::BitAcabarLogseClick() {
    if (itineraryFace_ != nullptr) itineraryFace_->leave();
    leaveSection();
}

void TForm2::leaveSection() {
    guidePanel_->stop();
    PanelMenuCues->hide();
    showAssistantOrScene(program_);
    hide();
}

void TForm2::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested() || confirmExit(program_))
        event->accept();
    else
        event->ignore();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // The titles panel closes first; then Esc ends the questionnaire.
        if (PanelCar->isVisible()) {
            closeTitles();
            return;
        }
        if (cancelButton_ && cancelButton_->isVisible()) {
            cancelButton_->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::Enter || type == QEvent::HoverEnter) {
        if (watched == botCuestio) botCuestioMouseMove();
        if (watched == BotItinerarios || watched == BitAcabarLogse) PanelMenuCues->hide();
    } else if (type == QEvent::MouseMove) {
        if (watched == botCuestio) botCuestioMouseMove();
        if (watched == BotItinerarios || watched == BitAcabarLogse) PanelMenuCues->hide();
        if (watched == degrade) LabelAviso->hide();
        if (watched == ListResul->viewport())
            ListResulMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().y());
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
               watched == Gcuestio->viewport()) {
        // A quick second click is a double click to Qt, and a second answer to the pupil.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const int row = Gcuestio->rowAt(mouse->position().toPoint().y());
            if (row >= 0) Gcuestio->setCurrentCell(row, 0);
        }
        GcuestioMouseDown(Gcuestio->currentRow());
        return true;
    } else if (type == QEvent::MouseButtonRelease && watched == ListResul->viewport()) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (QListWidgetItem* item = ListResul->itemAt(at)) ListResulClick(ListResul->row(item));
    } else if (type == QEvent::KeyPress && watched == Gcuestio) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            GcuestioKeyPress(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createSecondaryForm(Program& program) {
    auto* form = new TForm2(program);
    form->create();
    return form;
}

}  // namespace rumbelo
