#pragma once
// The intermediate-FP form TForm3: the titles of FP de Grado Medio by family or by place,
// a title's requirements, jobs and subjects, the centres that teach it community by
// community, reports of a title and of a place; the three-step questionnaire that suggests
// titles; and the helicopter whose pilot explains the menu. The catalogue is the secondary
// form's and the geography the degrees form's; the form reads them and shows what the
// listing and questionnaire rules build.
#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "common/geography/geography.h"
#include "common/program/assistant_entry.h"
#include "common/program/questionnaire_handover.h"
#include "common/program/secondary_handover.h"
#include "common/program/section_entry.h"
#include "secondary/data/secondary_data.h"

class QAbstractItemDelegate;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rumbelo {

class Program;
class RegionMap;
class TiledPicture;

namespace fp_listing {
struct Listing;
}

namespace intermediate {
class MediumFlow;
class MediumReport;
class OpeningFlight;
struct FormState;
}  // namespace intermediate

class TForm3 : public QWidget,
               public SceneDoorEntry,
               public OpenedFromSecondary,
               public QuestionnaireHandover,
               public AssistantEntry {
    Q_OBJECT
  public:
    TForm3(Program& program, const GeographyData& geography, const secondary::SecondaryData& data);
    ~TForm3() override;

    // Door 5. The first entry after start-up flies the menu in; later ones show it at once.
    void enterFromSceneDoor(int section) override;
    bool opensDoor(int section) const override { return section == 5; }
    // The secondary form's "Más información": as the door, and leaving only hides this form.
    void enterFromSecondary() override;
    // The assistant's "Títulos": the helicopter brings the menu; leaving returns there.
    void enterFromAssistant(AssistantRequest request) override;
    // The secondary form's questionnaire hands the pupil over to this one.
    void enterQuestionnaireFromSection() override;

    const intermediate::FormState& formState() const { return *state_; }
    const intermediate::MediumFlow& flow() const { return *flow_; }
    const intermediate::MediumReport& questionnaireReport() const { return *report_; }
    RegionMap& regionMap() { return *regionMap_; }

    TiledPicture* degrade;
    QLabel* LabelFPGM;
    QLabel* LabelAno;

    // Start menu.
    QPushButton* botTit2;
    QPushButton* botLug2;
    QPushButton* botSalir;

    // Browsing.
    QListWidget* listSelFP;
    QListWidget* ListTitFP;
    QListWidget* ListFPExpli;
    QLabel* Labeltitulo;
    QLabel* PanelCarSel;
    QLabel* PanelSelTit;
    QTableWidget* reja;
    QListWidget* ListSelLugFP;
    QPushButton* BotPuesto;
    QPushButton* BotRequisitos;
    QPushButton* botAsig;
    QPushButton* BotImprimir;
    QPushButton* BotRetrocederFP;
    QPushButton* BotTelefono;
    QFrame* PanelImp;
    QListWidget* ListImp;
    QLabel* LabelSelCom1;
    QLabel* LabelSelCom2;
    QPushButton* BotAceptar;

    // Questionnaire.
    QListWidget* ListGM;
    QListWidget* ListGM2;
    QListWidget* ListPeque;
    QPushButton* BitFleGMde;
    QPushButton* BitFleGMiz;
    QPushButton* BotSalirCues;
    QPushButton* BotImprimirCuesGM;

    // Helicopter guide.
    QLabel* he;
    QLabel* piloto;
    QLabel* bocadillo;
    QLabel* LabAyuGM;
    QLabel* HeliPeque;
    QPushButton* botSocorro;

    QTimer heli;           // the opening flight, 1 ms
    QTimer TimerPiloto;    // the pilot's walk, 200 ms
    QTimer TimerAyu;       // the sliding help line, 100 ms
    QTimer TimerVuela;     // the help flight, 100 ms
    QTimer TimerSocorro;   // 20 s in the families list before the help button comes
    QTimer TimerParpadeo;  // the blinking name, 200 ms
    QTimer TimerPeque;     // the suggestion list shrinking beside the map, 100 ms

    // The handlers, callable as the events call them.
    void botTit2Click();
    void botLug2Click();
    void botSalirClick();
    void listSelFPMouseMove(int row);
    void listSelFPMouseDown(int row, int clickY);
    void ListTitFPMouseMove(int row);
    void ListTitFPClick(int row);
    void BotRequisitosClick();
    void BotPuestoClick();
    void botAsigClick();
    void communityClicked(int community);
    void ListSelLugFPClick(int row);
    void BotTelefonoClick();
    void rejaDblClick(int row);
    void BotRetrocederFPClick();
    void BotImprimirClick();
    void ListImpClick(int row);
    void BotAceptarClick();
    void BitFleGMdeClick();
    void BitFleGMizClick();
    void ListGMClick(int row);
    void ListPequeClick(int row);
    void BotImprimirCuesGMClick();
    void BotSalirCuesClick();
    void botSocorroClick();

    // Operations the questionnaire uses: a title on view, its centres in a community.
    void showTitle(int title);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (intermediate_form_layout.cpp).
    void build();
    void buildBrowsing();
    void buildQuestionnaire();
    void buildGuide();
    void applyCaptions();
    void applyColours();
    void connectControls();

    // Browsing (intermediate_form.cpp, intermediate_places.cpp, intermediate_reports.cpp).
    void activate();
    void showMenu();
    void hideMenu();
    void hideEverything();
    void fillFamilies();
    void hidePopup();
    void showPreview(int title);
    void showTextRows(const std::vector<std::string>& rows, bool fixedPitch);
    void listTitleInCommunity(int community);
    void showGrid(const fp_listing::Listing& listing, bool withPhones, bool emptyNotice);
    void listPlace(int row);
    void listComarca(int comarca);
    void listArea(int area);
    fp_listing::Listing placeListing(int topCentre) const;
    void printTitle(const std::vector<int>& communities);
    void printPlace();
    void leaveSection();

    // Questionnaire (intermediate_questionnaire.cpp).
    void activateQuestionnaire();
    void fillAreas(bool owner, const std::vector<int>& markedRows);
    void fillSuggestions();
    void TimerPequeTimer();
    void leaveQuestionnaireMode();
    void completeQuestionnaireReport(const fp_listing::Listing& listing);

    // Guide (intermediate_guide.cpp).
    void startOpeningFlight();
    void heliTimer();
    void startPilot(int x, int y, int bubbleRow);
    void TimerPilotoTimer();
    void drawBubble();
    void clearBubble();
    void startHelpLine(const std::string& text, int left, int top);
    void TimerAyuTimer();
    void startHelpFlight(int bubbleRow);
    void TimerVuelaTimer();
    void TimerSocorroTimer();
    void stopGuide();
    void engine(bool on);
    void blinkName(const QString& name);
    void TimerParpadeoTimer();

    Program& program_;
    const GeographyData& geo_;
    const secondary::SecondaryData& data_;
    RegionMap* regionMap_ = nullptr;
    std::unique_ptr<intermediate::FormState> state_;
    std::unique_ptr<intermediate::MediumFlow> flow_;
    std::unique_ptr<intermediate::MediumReport> report_;
    std::unique_ptr<intermediate::OpeningFlight> flight_;
    QList<QImage> pilotFrames_;
    QAbstractItemDelegate* areaDelegate_ = nullptr;   // the areas with their icons
    QAbstractItemDelegate* plainDelegate_ = nullptr;  // the suggestions  // "piloto.DXG"
};

// Creates the intermediate-FP form over the geography the degrees form published and the
// secondary form's data (read once into the shared tables when that form is not created).
// Nothing without the geography.
QWidget* createIntermediateForm(Program& program);

}  // namespace rumbelo
