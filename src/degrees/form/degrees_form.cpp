#include "degrees/form/degrees_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "common/dialog/exit_confirmation.h"
#include "common/guide/guide_panel.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/widgets/tiled_picture.h"
#include "degrees/browser/help_situations.h"
#include "degrees/form/consultation_face.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/fp_face.h"
#include "degrees/form/questionnaire_face.h"

namespace rumbelo {

TForm1::TForm1(Program& program)
    : QWidget(nullptr), program_(program), data_(std::make_unique<degrees::DegreesFormData>()) {
    setObjectName(QStringLiteral("TForm1"));
    setFixedSize(800, 600);
    buildFaces();
    buildSharedList();
    degreeFace_ = new DegreeFace(*this, program_);
    consultationFace_ = new ConsultationFace(*this, program_);
    buildOtherMenus();
    questionnaireFace_ = new QuestionnaireFace(*this, program_);
    buildHelpPanel();
    RegionMap::Layout layout;
    layout.comarcaList = QRect(330, 48, 220, 190);
    regionMap_ = new RegionMap(program_, Panelinicio, layout);
    fpFace_ = new FpFace(*this, program_);
    activeFace_ = degreeFace_;
}

TForm1::~TForm1() = default;

void TForm1::create(std::unique_ptr<degrees::DegreesDataLoad> ahead) {
    ProgramState& state = program_.state();
    // Set-up before the data.
    if (state.staticScene) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    applyCaptions();
    degreeFace_->applyCaptions();
    questionnaireFace_->applyCaptions();
    applyColoursAndFonts();
    degreeFace_->applyColoursAndFonts();
    questionnaireFace_->applyColoursAndFonts();
    fpFace_->applyCaptions();
    fpFace_->applyColoursAndFonts();
    // Panelinicio, never hidden, shows with the form; showing it here would polish its whole
    // subtree at start-up rather than at the form's first show.
    // The data of every face.
    const bool loaded = ahead ? ahead->take(state.messages(), state.abortFlag, *data_)
                              : degrees::loadDegreesFormData(state.files, state.texts, *data_);
    if (!loaded) {
        program_.requestTerminate();
        return;
    }
    state.tables.publish(data_->degrees);
    state.tables.publish(data_->fp);
    state.tables.publish(data_->geography);
    // Set-up that needs the data.
    degreeFace_->fillFilters();
    regionMap_->setGeography(&data_->geography);
    connectSharedControls();
    degreeFace_->connectControls();
    questionnaireFace_->connectControls();
    consultationFace_->setUp();
    fpFace_->connectControls();
}

void TForm1::connectSharedControls() {
    connect(ListSel, &QListWidget::itemDoubleClicked, this,
            [this] { activeFace_->listActivated(); });
    connect(ListComunidad, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        activeFace_->communityListClicked(ListComunidad->row(item));
    });
    connect(BotRetroceder, &QPushButton::clicked, this, [this] { activeFace_->backClicked(); });
    connect(BotImprimir, &QPushButton::clicked, this, [this] { activeFace_->printClicked(); });
    connect(regionMap_, &RegionMap::communityClicked, this,
            [this](int community) { activeFace_->communityClicked(community); });
    connect(degradeini, &TiledPicture::mouseMoved, regionMap_, &RegionMap::hidePanel);
    // The higher-FP face's way out, until its face takes the menu over.
    connect(menuFP3, &QPushButton::clicked, this, [this] {
        PanelFP->hide();
        returnToCaller();
    });
}

void TForm1::enterFromSceneDoor(int section) {
    switch (section) {
        case 1:
            Panelcon->hide();
            Panelinicio->show();
            PanelFP->hide();
            activeFace_ = degreeFace_;
            degreeFace_->enter();
            break;
        case 3:
            Panelcon->hide();
            Panelinicio->show();
            fpFace_->enter();
            break;
        case 8:
            activeFace_ = questionnaireFace_;
            questionnaireFace_->enter();
            break;
        default:
            break;
    }
}

// The assistant's buttons open the same views as the degrees, higher-FP and questionnaire
// doors.
void TForm1::enterFromAssistant(AssistantRequest request) {
    switch (request) {
        case AssistantRequest::DegreeInformation:
            enterFromSceneDoor(1);
            break;
        case AssistantRequest::HigherFp:
            enterFromSceneDoor(3);
            break;
        case AssistantRequest::UniversityQuestionnaire:
            enterFromSceneDoor(8);
            break;
        default:
            break;
    }
}

void TForm1::helpSituation(int n) {
    const auto lines = degrees::helpSituationLines(n, program_.texts());
    if (!lines || !guidePanel_) return;
    guidePanel_->stop();
    guidePanel_->setLines(*lines);
    payuda->show();
    guidePanel_->start();
}

void TForm1::returnToCaller() {
    showAssistantOrScene(program_);
    hide();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested() || confirmExit(program_))
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    fpFace_->formActivated();
    if (PanelFP->isVisible()) helpSituation(2);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListSel && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            activeFace_->listActivated();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createDegreesForm(Program& program, std::unique_ptr<degrees::DegreesDataLoad> ahead) {
    auto* form = new TForm1(program);
    form->create(std::move(ahead));
    return form;
}

}  // namespace rumbelo
