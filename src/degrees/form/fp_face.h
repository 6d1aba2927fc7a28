#pragma once
// The higher-FP face of the degrees form: the FP menu, the families list with its title
// popup, one title's menu (where it is taught, requirements, contents, degrees, reports),
// and place mode (community, province, locality or comarca / area, the centres there with
// the titles open to the pupil's route). The core builds every row; this wires controls.
#include <QObject>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "common/fp_listing/fp_reports.h"
#include "common/fp_listing/listing.h"
#include "common/fp_listing/listing_by_place.h"
#include "common/geography/geography.h"
#include "degrees/browser/name_blink.h"
#include "degrees/form/degrees_form_face.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace rumbelo {

class Program;
class TForm1;

class FpFace : public QObject, public DegreesFormFace {
    Q_OBJECT
  public:
    // Builds the face's controls on the window's start face, hidden.
    FpFace(TForm1& form, Program& program);

    void applyCaptions();
    void applyColoursAndFonts();
    void connectControls();
    // Door 3 (and the assistant): the FP menu.
    void enter();
    // The form became active: a popup left open no longer stops the hover highlight.
    void formActivated();

    // Opens title t as a click in the popup or a double click in the grid does.
    void openTitle(int t);
    // Where the bridges dialog is asked for; the window connects it to TForm6 when present.
    void openBridges();

    void communityClicked(int community) override;
    void listActivated() override {}
    void communityListClicked(int) override {}
    void backClicked() override {}
    void printClicked() override;

    // State the tests read.
    bool placeMode() const { return placeMode_; }
    bool localityStage() const { return localityStage_; }
    int currentTitle() const { return currentTitle_; }
    bool telephoneShown() const { return telephoneShown_; }
    bool printSelectionMode() const { return printSelectionMode_; }
    const fp_listing::GridRows& grid() const { return grid_; }
    const std::vector<int>& familiesOrder() const { return familiesOrder_; }

    // FP menu lives in the window (PanelFP, MenuFP1, MenuFP2, menuFP3).
    QListWidget* listSelFP;
    QListWidget* ListTitFP;
    QListWidget* ListFPExpli;
    QLabel* Labeltitulo;

    QFrame* PanelFpTit;
    QPushButton* MenuFpTit1;
    QPushButton* MenuFpTit2;
    QPushButton* MenuFpTit3;
    QPushButton* MenuFpTit4;
    QPushButton* MenuFpTit42;
    QPushButton* MenuFpTit5;
    QPushButton* MenuFPTitTodo;
    QPushButton* MenuFpTit6;
    QPushButton* MenuFpTit7;

    QTableWidget* reja;
    QListWidget* ListSelLugFP;
    QComboBox* ComBachi;
    QPushButton* BotInternetC;
    QPushButton* botTelefono;
    QPushButton* BotRetrocederFP;
    QPushButton* RetroFP;

    // Print selection of a long title report.
    QFrame* PanelImp;
    QLabel* LabelSelCom1;
    QLabel* LabelSelCom2;
    QListWidget* ListImp;
    QPushButton* BotAceptar;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLists();
    void buildTitleMenu();
    void buildPlaceControls();
    void buildPrintSelection();
    void connectPlaceControls();

    // Families and titles (fp_families.cpp).
    void MenuFP1Click();
    void showFamilies();
    void familiesHover(int y);
    void familyClicked(int y);
    void titleHover(int row);
    void showPreview(int t);
    void clearPopupState();
    void showTextRows(int heading, const std::vector<std::string>& rows, bool fixedPitch);
    void MenuFpTit6Click();
    void leaveTitle();  // MenuFpTit7, RetroFP, Esc
    void blinkTick();

    // Where a title is taught and place mode (fp_places.cpp).
    void MenuFpTit1Click();
    void MenuFP2Click();
    void listByTitle(int community);
    void placeCommunity(int community);
    void fillRoutes();
    void placeChosen();
    int chosenRoute() const;
    void showGrid(const fp_listing::GridRows& grid, bool handCursor);
    void rejaDoubleClicked(int row);
    void BotRetrocederFPClick();
    void BotInternetCClick();
    std::optional<fp_listing::Listing> placeListing();

    // Reports (fp_face_reports.cpp).
    void titleReport(bool printing);
    void printPlace();
    void communityChosenForPrint(int community);
    void BotAceptarClick();

    TForm1& form_;
    Program& program_;
    // The watched viewports, compared by address: while the window is torn down the lists
    // may already be gone when their viewports' last events arrive.
    QObject* familiesViewport_ = nullptr;
    QObject* popupViewport_ = nullptr;
    QObject* gridViewport_ = nullptr;
    QObject* familiesList_ = nullptr;

    bool fpMode_ = false;
    bool placeMode_ = false;
    bool familiesListed_ = false;  // listSelFP shows the families (rows selectable)
    std::vector<int> familiesOrder_;
    int familiesTop_ = 0;
    bool popupShown_ = false;
    int hoveredFamily_ = -1;
    int hoveredTitle_ = -1;
    int clickedFamily_ = -1;
    std::vector<int> popupTitles_;
    int currentTitle_ = 0;
    int community_ = 0;
    std::vector<ProvinceEntry> provinces_;
    char zone_ = ' ';
    char letter_ = ' ';
    char savedZone_ = ' ';
    char savedLetter_ = ' ';
    bool longNames_ = false;
    bool localityStage_ = false;
    bool placeListed_ = false;  // the grid shows the centres of the place chosen last
    int chosenLocality_ = 0;    // from 1 in the locality stage
    std::string placeName_;
    fp_listing::Localities localities_;
    bool routesFilled_ = false;
    bool telephoneShown_ = false;
    bool gridDoubleClick_ = false;
    fp_listing::GridRows grid_;
    bool printSelectionMode_ = false;
    fp_listing::PrintSelection printSelection_;
    QTimer blinkTimer_;
    degrees::NameBlink blink_;
};

}  // namespace rumbelo
