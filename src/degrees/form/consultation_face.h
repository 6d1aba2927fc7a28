#pragma once
// The admission-mark consultation of the degree section: the pupil sets the mark they
// expect with two digits, a modality and a minimum difficulty, clicks a community on the
// map and sees, university by university, the degrees within reach. A double click opens
// a degree in the degree face; the list prints. The core (degrees/consultation) decides
// every row; this face owns its panels and wires them.
#include <QObject>
#include <vector>

#include "degrees/consultation/admission_consultation.h"
#include "degrees/form/degrees_form_face.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSlider;

namespace rumbelo {

class Program;
class TForm1;

namespace degrees {
class UpDown;
}

class ConsultationFace : public QObject, public DegreesFormFace {
    Q_OBJECT
  public:
    // Builds the face's panels on the window's start face, hidden.
    ConsultationFace(TForm1& form, Program& program);

    // Captions, colours and fonts, the modality box once the data are read, the events.
    void setUp();

    // MenuCarUni2: the consultation takes over the map and the right of the window.
    void enter();
    bool active() const { return active_; }
    int mark() const;
    const degrees::ConsultationResult& result() const { return result_; }

    void communityClicked(int community) override;
    void listActivated() override {}
    void communityListClicked(int) override {}
    void backClicked() override {}
    void printClicked() override {}

    QFrame* panelconsulta;
    QLabel* PanelconsultaTit;
    QListWidget* Listcon;
    QFrame* Panelcon2;
    QLabel* LabelConsejo;
    QLineEdit* MaskEdit1;
    degrees::UpDown* UpDown1;
    QLabel* LabelComa;
    QLineEdit* MaskEdit2;
    degrees::UpDown* UpDown2;
    QComboBox* listBachiL;
    QSlider* TrackDif;
    QLabel* labelbaja;
    QLabel* LabelAlta;
    QLabel* LabelDificultad;
    QLabel* LabelDificultad2;
    QPushButton* BotImprimirCon;
    QPushButton* RetroConsultas;

  private:
    void build();
    void applyCaptions();
    void applyColoursAndFonts();
    void connectControls();

    // Events (consultation_actions.cpp).
    void compute();
    void showRows();
    void TrackDifChange(int position);
    void ListconDblClick(QListWidgetItem* item);
    void BotImprimirConClick();
    void RetroConsultasClick();
    void leave();

    TForm1& form_;
    Program& program_;
    bool active_ = false;
    bool difficultyMoved_ = false;
    int community_ = 0;
    // The universities of the community clicked here; the map's place list is shared with
    // the degrees by place, which must not change what this list was computed for.
    std::vector<int> places_;
    degrees::ConsultationResult result_;
};

}  // namespace rumbelo
