#pragma once
// The initial-programmes form TFIniPro: nine groups of programmes for pupils who leave ESO
// without the certificate, with the help guide; a group's programmes with their modules; a
// programme's requirements, subjects and centres community by community; the centres of a
// place with their programmes; the reports. The rows are the initial-listing core's.
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/geography/geography.h"
#include "common/print/report_table.h"
#include "common/program/assistant_entry.h"
#include "common/program/secondary_handover.h"
#include "common/program/section_entry.h"
#include "common/program/section_exit.h"
#include "vocational/initial/data/programme_files.h"
#include "vocational/initial/listing/initial_listing.h"

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

class TFIniPro : public QWidget,
                 public SceneDoorEntry,
                 public OpenedFromSecondary,
                 public AssistantEntry {
    Q_OBJECT
  public:
    enum class Mode { Title, Place };

    TFIniPro(Program& program, const GeographyData& geography,
             const initial::ProgrammeFiles& programmes, const LineTable& information);
    ~TFIniPro() override;

    // Door 6: the group list, and the guide from its first line.
    void enterFromSceneDoor(int section) override;
    bool opensDoor(int section) const override { return section == 6; }
    // The secondary form's "Más información": leaving then only hides this form.
    void enterFromSecondary() override;
    // The assistant's programmes button: leaving returns to the assistant.
    void enterFromAssistant(AssistantRequest request) override;

    Mode mode() const { return mode_; }
    int currentProgramme() const { return programme_; }
    RegionMap& regionMap() { return *regionMap_; }

    TiledPicture* degrade;
    QLabel* LabelFPIp1;
    QLabel* LabelFPIp2;
    QLabel* LabelAno;
    QFrame* PanelAyuda;
    QLabel* chica;
    std::array<QLabel*, initial::kHelpLabels> LabelAyu{};  // LabelAyu1..LabelAyu7
    QFrame* PanelSelTit0;
    QLabel* LabelAyu0;
    QListWidget* ListSelFp;
    QListWidget* ListTitFP;
    QListWidget* ListFPExpli;
    QLabel* PanelCarSel;
    QLabel* PanelSelTit;
    QListWidget* Listsel;
    QTableWidget* reja;
    QListWidget* ListSelLugFP;
    QPushButton* BotRequisitos;
    QPushButton* BotAsig;
    QPushButton* BotImprimir;
    QPushButton* BotLug;
    QPushButton* BotRetrocederFP;
    QTimer TimerAyuda;     // the guide, 300 ms
    QTimer TimerAyu;       // LabelAyu0 sliding in, 50 ms
    QTimer TimerParpadeo;  // the blinking name, 200 ms

    // The handlers, callable as the events call them.
    void ListSelFpMouseMove(int row);
    void ListSelFpMouseUp(int row);
    void ListTitFPMouseMove(int row);
    void ListTitFPClick(int row);
    void BotRequisitosClick();
    void BotAsigClick();
    void BotLugClick();
    void communityClicked(int community);
    void ListSelLugFPClick(int row);
    void BotRetrocederFPClick();
    void BotImprimirClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (initial_form_layout.cpp).
    void build();
    void buildGuide();
    void buildLists();
    void buildButtons();
    void applyCaptions();
    void applyColours();
    void connectControls();

    // Groups and programmes (initial_form.cpp).
    void enterTitleMode();
    void activate();
    void TimerAyudaTimer();
    void TimerAyuTimer();
    void TimerParpadeoTimer();
    void fillGroups();
    void showProgramme(int p);
    void showRows(const std::vector<std::string>& rows, const QString& family, int size);
    void leave();

    // The map, places, back and reports (initial_places.cpp).
    void listProgrammeInCommunity(int community);
    void showGrid(const fp_listing::Listing& listing, bool emptyNotice);
    void listPlace(int row);
    fp_listing::Listing currentPlaceListing(int topCentre) const;
    void listProvinces();
    void printPlace();
    void printProgramme();

    Program& program_;
    const GeographyData& geo_;
    const initial::ProgrammeFiles& files_;
    const LineTable& information_;
    initial::ProgrammeOffer offer_;
    RegionMap* regionMap_ = nullptr;

    Mode mode_ = Mode::Title;
    SectionCaller caller_ = SectionCaller::Scene;
    int guideTick_ = 0;
    bool hoverLock_ = false;
    int group_ = 0;
    std::vector<initial::PopupRow> popup_;
    int programme_ = 0;
    bool communityChosen_ = false;
    bool printing_ = false;
    int blinkTick_ = 0;
    QString blinkName_;
    // The place: the community's provinces, the chosen province's zone and letter, the
    // locality stage and its localities.
    int community_ = 0;
    std::vector<ProvinceEntry> provinces_;
    char savedZone_ = ' ', savedLetter_ = ' ';
    bool provinceChosen_ = false;
    bool localityStage_ = false;
    int chosenLocality_ = 0;
    std::vector<int> localityFirstCentres_;
    std::string placeName_;
    ReportTable report_;
    BoldLines bold_;
};

// Creates the form over the geography the degrees form published, the programmes (read
// here, or found already read) and the secondary form's "INFORMA". Nothing without the
// geography.
QWidget* createInitialProgrammesForm(Program& program);

}  // namespace rumbelo
