#pragma once
// The degrees form TForm1: one 800x600 window whose faces are classes of their own. The
// window holds what they share: the two backgrounds (Panelinicio for the degree and
// higher-FP faces, Panelcon for the questionnaire), the working list, the region map, the
// help guide and the data, read once when the form is created. It routes the map and the
// shared controls to the face in use. The faces only show what the core builds.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "common/program/assistant_entry.h"
#include "common/program/section_entry.h"
#include "degrees/data/degrees_form_data.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextEdit;

namespace rumbelo {

class ConsultationFace;
class DegreeFace;
class QuestionnaireFace;
class FpFace;
class DegreesFormFace;
class GuidePanel;
class Program;
class RegionMap;
class TiledPicture;

class TForm1 : public QWidget, public SceneDoorEntry, public AssistantEntry {
    Q_OBJECT
  public:
    // The pictures and what the guide needs come from the program; create() reads the data.
    explicit TForm1(Program& program);
    ~TForm1() override;

    // Set-up, data and the set-up that needs the data; stops early with the abort flag set
    // when a data file is missing. With `ahead`, the data comes from a loading begun earlier
    // on a worker thread.
    void create(std::unique_ptr<degrees::DegreesDataLoad> ahead = nullptr);

    // Doors: 1 the degree menu, 3 the higher-FP menu, 8 the questionnaire face.
    void enterFromSceneDoor(int section) override;
    void enterFromAssistant(AssistantRequest request) override;
    // Doors 1, 3 and 8: the degree menu, the higher-FP menu and the questionnaire face.
    bool opensDoor(int section) const override {
        return section == 1 || section == 3 || section == 8;
    }

    Program& program() { return program_; }
    const degrees::DegreesFormData& data() const { return *data_; }
    RegionMap& regionMap() { return *regionMap_; }
    DegreeFace& degreeFace() { return *degreeFace_; }
    QuestionnaireFace& questionnaireFace() { return *questionnaireFace_; }
    ConsultationFace& consultationFace() { return *consultationFace_; }
    // The face the map and the shared controls go to from now on.
    void setActiveFace(DegreesFormFace* face) { activeFace_ = face; }
    FpFace& fpFace() { return *fpFace_; }

    // The guide girl's help situation n (nothing for a number without lines).
    void helpSituation(int n);
    // Back to the assistant while it runs the sections, otherwise to the scene.
    void returnToCaller();

    // Faces.
    QFrame* Panelinicio;
    QFrame* Panelcon;
    TiledPicture* degradeini;
    TiledPicture* TilArr;
    TiledPicture* TilDer;
    TiledPicture* TilIzq;
    TiledPicture* degradecon;
    TiledPicture* TilArrC;
    TiledPicture* TilDerC;
    TiledPicture* TilIzqC;
    QLabel* LabelAno;
    QLabel* LabelAno2;

    // Higher-FP menu (its face fills it).
    QFrame* PanelFP;
    QPushButton* MenuFP1;
    QPushButton* MenuFP2;
    QPushButton* menuFP3;

    // Questionnaire face menu (its face fills it).
    QFrame* PanelMenuCon;
    QPushButton* MenuRetroCon;

    // The working list the faces share, with its heading, the name of what is on view, the
    // count under it, the list of places and the buttons every face uses.
    QLabel* PanelCarSel;
    QFrame* PanelSel;
    QLabel* PanelSelTit;
    QListWidget* ListSel;
    QTextEdit* listSel2;
    QLabel* LabelSeleccion;
    QListWidget* ListComunidad;
    QPushButton* BotRetroceder;
    QPushButton* BotImprimir;

    // Help guide.
    QFrame* payuda;
    QLabel* chica;
    QList<QLabel*> LabelAyu;  // LabelAyu1..LabelAyu8
    QTimer TimerAyuda;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (degrees_form_layout.cpp).
    void buildFaces();
    void buildOtherMenus();
    void buildSharedList();
    void buildHelpPanel();
    void applyCaptions();
    void applyColoursAndFonts();
    // Shared controls go to the face in use.
    void connectSharedControls();

    Program& program_;
    std::unique_ptr<degrees::DegreesFormData> data_;
    RegionMap* regionMap_ = nullptr;
    GuidePanel* guidePanel_ = nullptr;
    DegreeFace* degreeFace_ = nullptr;
    QuestionnaireFace* questionnaireFace_ = nullptr;
    ConsultationFace* consultationFace_ = nullptr;
    FpFace* fpFace_ = nullptr;
    DegreesFormFace* activeFace_ = nullptr;
};

// Creates the degrees form and reads its data.
QWidget* createDegreesForm(Program& program,
                           std::unique_ptr<degrees::DegreesDataLoad> ahead = nullptr);

}  // namespace rumbelo
