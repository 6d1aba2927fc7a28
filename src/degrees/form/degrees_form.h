#pragma once
// The degrees form TForm1: one 800x600 window with three faces. Panelinicio holds the degree
// section (menu, lists of degrees, the view of one degree, the region map) and the higher-FP
// section; Panelcon holds the university questionnaire. The data of every face are read
// once when the form is created. The form only shows what the core builds.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "common/program/section_entry.h"
#include "degrees/browser/degree_lists.h"
#include "degrees/browser/list_rows.h"
#include "degrees/browser/name_blink.h"
#include "degrees/data/degrees_form_data.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextEdit;

namespace rumbelo {

class GuidePanel;
class Program;
class RegionMap;
class TiledPicture;

class TForm1 : public QWidget, public SceneDoorEntry {
    Q_OBJECT
  public:
    // The pictures and what the guide needs come from the program; create() reads the data.
    explicit TForm1(Program& program);
    ~TForm1() override;

    // Set-up, data and the set-up that needs the data; stops early with the abort flag set
    // when a data file is missing.
    void create();

    // Doors: 1 the degree menu, 3 the higher-FP menu, 8 the questionnaire face.
    void enterFromSceneDoor(int section) override;
    // Door 1 only, for now: the higher-FP face (door 3) and the questionnaire face (door 8)
    // open their doors once they are built.
    bool opensDoor(int section) const override { return section == 1; }

    const degrees::DegreesFormData& data() const { return *data_; }
    RegionMap& regionMap() { return *regionMap_; }

    // The guide girl's help situation n (nothing for a number without lines).
    void helpSituation(int n);
    // Opens degree j in the degree menu, as a double click on one of its rows does.
    void openDegree(int j, bool fromPlaceList);
    // Back to the assistant while it runs the sections, otherwise to the scene.
    void returnToCaller();

    enum class ByPlaceMode { None, Single, DoubleByDegree, DoubleByUniversity };
    ByPlaceMode byPlaceMode() const { return byPlaceMode_; }
    int selectedDegree() const { return selectedDegree_; }
    int listTop() const { return listTop_; }
    const degrees::ListRows& listRows() const { return listRows_; }
    const degrees::DegreeFilters& filters() const { return filters_; }

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

    // Degree menu.
    QFrame* PanelMenu;
    QPushButton* MenuCarUni1;
    QPushButton* MenuCarUni2;
    QPushButton* MenuCarUni3;
    QPushButton* MenuCarUniDoble;
    QPushButton* MenuCarUniDoble2;
    QPushButton* menui4;
    QPushButton* menui5;

    // Higher-FP menu (its section fills it).
    QFrame* PanelFP;
    QPushButton* MenuFP1;
    QPushButton* MenuFP2;
    QPushButton* menuFP3;

    // Questionnaire face menu (its section fills it).
    QFrame* PanelMenuCon;
    QPushButton* MenuRetroCon;

    // Menu of one degree.
    QLabel* PanelCarSel;
    QFrame* PanelCar;
    QPushButton* MenuCar1;
    QPushButton* MenuCar2;
    QPushButton* MenuCar3;
    QPushButton* MenuCar4;
    QPushButton* MenuCar5;
    QPushButton* MenuCar6;
    QPushButton* MenuCar7;
    QPushButton* MenuCar8;

    // The working list and what goes with it.
    QFrame* PanelSel;
    QLabel* PanelSelTit;
    QListWidget* ListSel;
    QTextEdit* listSel2;
    QLabel* LabelSeleccion;
    QComboBox* ComSelCar;
    QComboBox* BotSelcar;
    QPushButton* BitRetroSelCar;
    QListWidget* ListComunidad;
    QPushButton* BotRetroceder;
    QPushButton* BotImprimir;
    QPushButton* BotIntUni;
    QPushButton* BotFP;

    // Help guide.
    QFrame* payuda;
    QLabel* chica;
    QList<QLabel*> LabelAyu;  // LabelAyu1..LabelAyu8
    QTimer TimerAyuda;
    QTimer TimerParpadeo;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (degrees_form_layout.cpp).
    void buildFaces();
    void buildDegreeMenu();
    void buildOtherMenus();
    void buildDegreeView();
    void buildLists();
    void buildHelpPanel();
    void applyCaptions();
    void applyColoursAndFonts();
    void fillFilters();
    void connectDegreeBrowser();

    // Degree menu and lists (degree_browser.cpp).
    void MenuCarUni1Click();
    void MenuCarUni3Click();
    void MenuCarUniDobleClick();
    void MenuCarUniDoble2Click();
    void menui4Click();
    void menui5Click();
    void showAllDegrees();
    void rebuildAllDegrees(bool fromKindFilter);
    void ComSelCarChange(int entry);
    void BotSelcarChange(int entry);
    void ListSelDblClick();
    void TimerParpadeoTimer();
    void showViewRows(const std::string& heading, const std::vector<std::string>& rows,
                      const QString& family, int size);
    void MenuCar1Click();
    void MenuCar2Click();
    void MenuCar3Click();
    void MenuCar4Click();
    void MenuCar5Click();
    void MenuCar7Click();
    void MenuCar8Click();
    void BotFPClick();
    void placeFpButton(int rows);
    void BotRetrocederClick();
    void fillListSel(const degrees::ListRows& rows);

    // By place, double degrees and other studies (degrees_by_place.cpp).
    void showMapFor(ByPlaceMode mode);
    void communityAction(int community);
    void ListComunidadClick(int entry);
    void showUniversityDegrees(int entry);
    void showDoubleDegreesOfDegree(int entry);
    void showDoubleDegreesOfUniversity(int entry);
    void showOtherStudy(int entry);
    void BotIntUniClick();

    // Print buttons (degrees_form_reports.cpp).
    void printDegreeReport();
    void printCurrentList();

    Program& program_;
    std::unique_ptr<degrees::DegreesFormData> data_;
    RegionMap* regionMap_ = nullptr;
    GuidePanel* guidePanel_ = nullptr;

    ByPlaceMode byPlaceMode_ = ByPlaceMode::None;
    bool otherStudiesMode_ = false;
    bool listSelectable_ = false;
    bool placeListSelectable_ = false;
    bool kindChangeFromFilter_ = false;
    degrees::DegreeFilters filters_;
    degrees::ListRows listRows_;      // what ListSel shows, with the degree of each row
    std::vector<int> communityRows_;  // the degree or group of each ListComunidad entry
    int selectedDegree_ = 0;
    int listTop_ = 1;
    int currentPlace_ = 0;
    degrees::NameBlink blink_;
};

// Creates the degrees form and reads its data.
QWidget* createDegreesForm(Program& program);

}  // namespace rumbelo
