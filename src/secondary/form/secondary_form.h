#pragma once
// The secondary-education form TForm2: its opening screen with the year and the school, the
// menu with the 4º de ESO questionnaire and the itinerary diagrams, the questionnaire grid,
// its results page and the titles of an area. The form wires controls to the questionnaire
// core (secondary/questionnaire); the diagrams are the form's second mode.
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/program/assistant_entry.h"
#include "common/program/section_entry.h"
#include "secondary/data/secondary_data.h"
#include "secondary/questionnaire/results_page.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rumbelo {

class GuidePanel;
class ItineraryFace;
class Program;
class TiledPicture;

namespace secondary {
class EsoQuestionnaire;
}  // namespace secondary

class TForm2 : public QWidget, public SceneDoorEntry, public AssistantEntry {
    Q_OBJECT
  public:
    explicit TForm2(Program& program);
    ~TForm2() override;

    // Reads the section's files; false (abort flag set by the readers) when one is missing.
    bool create();

    // Door 9 opens the questionnaire menu without the diagrams; door 4 the diagrams.
    bool opensDoor(int section) const override;
    void enterFromSceneDoor(int section) override;
    void enterFromAssistant(AssistantRequest request) override;

    const secondary::SecondaryData& data() const { return data_; }
    secondary::EsoQuestionnaire& questionnaire() { return *questionnaire_; }
    bool questionnaireRequested() const { return questionnaireRequest_; }

    // The itinerary diagrams (the second mode): entered by `BotItinerarios` and door 4.
    void enterItineraries();
    bool itinerariesBuilt() const;
    // The diagrams' face, made on first entry (nullptr before).
    ItineraryFace* itineraries() const { return itineraryFace_; }

    // The opening screen.
    QFrame* PanelPrincipal;  // main panel, over the whole client area
    TiledPicture* degrade;   // its background image, the floor tile
    QLabel* LabelAno;
    QLabel* LabelAno2;
    QFrame* PanelMenu;  // menu panel
    QPushButton* botCuestio;
    QPushButton* BotItinerarios;
    QPushButton* BitAcabarLogse;
    QFrame* PanelMenuCues;  // questionnaire menu
    QPushButton* BotCuestio1;
    QPushButton* BotCuestio2;
    QPushButton* BotCuestio3;
    QFrame* PanelAyuda;  // help panel
    QLabel* chica;
    std::vector<QLabel*> LabelAyu;
    QTimer TimerAyuda;

    // The questionnaire.
    QFrame* PanelCues;  // questionnaire panel
    QTableWidget* Gcuestio;
    QPushButton* BotResCues;
    QPushButton* AcabarCues;
    QPushButton* ImpResul;
    QPushButton* grabar;
    QPushButton* BotContinuar;
    QListWidget* ListResul;  // results list
    QFrame* PanelResul;      // its lower panel
    QLabel* LabelAviso;      // hint bar over the six best areas
    QFrame* PanelCar;        // titles panel
    QListWidget* ListCar;
    QPushButton* BotCerrar;
    QPushButton* BotImpTit;

    // The handlers, callable as the events call them.
    void botCuestioMouseMove();
    void BotItinerariosClick();
    void BitAcabarLogseClick();
    void BotCuestio1Click();
    void BotCuestio2Click();
    void BotCuestio3Click();
    void GcuestioMouseDown(int row);
    void GcuestioKeyPress(int key);
    void BotResCuesClick();
    void AcabarCuesClick();
    void BotContinuarClick();
    void ListResulClick(int item);
    void ListResulMouseMove(int y);
    void ListCarClick();
    void BotCerrarClick();
    void BotImpTitClick();
    void ImpResulClick();
    void grabarClick();

    // Starts a help set of the section (eight interface text numbers, 0 for an empty line).
    void startHelp(const std::array<int, 8>& numbers);
    // The section's plain list printer: the print dialog, then the lines in "Courier New" 12,
    // numbered pages when there are more than 54. False when nothing was printed.
    bool printPlainList(const std::vector<std::string>& lines);

    // The last full results, and the titles list on show.
    const secondary::FullResults& fullResults() const { return fullResults_; }
    const std::vector<std::string>& titlesList() const { return titles_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void buildFrame();
    void buildMenus();
    void buildHelpPanel();
    void buildQuestionnaire();
    void buildResults();
    void applyCaptions();
    void applyColoursAndFonts();
    void leaveSection();

    // The questionnaire's steps (secondary_questionnaire.cpp).
    void startQuestionnaire(bool shortMode);
    void presentQuestionnaire();
    void endQuestionnaire();
    void returnToAssistant();
    void writeGridRow(int statement);
    void showAnswer(int statement, bool withMark);
    // Results, titles, printing and saving (secondary_results.cpp).
    void showResults();
    void hideResults();
    void showShortResults();
    void showFullResults();
    void openTitles(int resultLine);
    void closeTitles();
    bool askStudentName();

    Program& program_;
    secondary::SecondaryData data_;
    secondary::FullResults fullResults_;
    bool fullRunShown_ = false;  // the results list shows a full run
    std::vector<std::string> titles_;
    std::unique_ptr<secondary::EsoQuestionnaire> questionnaire_;
    // Set by the assistant's questionnaire button; cleared when the questionnaire ends.
    bool questionnaireRequest_ = false;
    GuidePanel* guidePanel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;  // the button Esc presses while it is visible
    friend class SecondaryItineraryHost;
    ItineraryFace* itineraryFace_ = nullptr;
};

QWidget* createSecondaryForm(Program& program);

}  // namespace rumbelo
