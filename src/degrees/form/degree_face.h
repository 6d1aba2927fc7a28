#pragma once
// The degree face of the degrees form: the degree menu, the list of every degree with its
// filters, one degree's menu, the degrees found from the map, the double degrees and the
// other studies. It owns its menus, filters and buttons and works the window's shared list.
#include <QObject>
#include <QTimer>

#include "degrees/browser/degree_lists.h"
#include "degrees/browser/list_rows.h"
#include "degrees/browser/name_blink.h"
#include "degrees/form/degrees_form_face.h"

class QComboBox;
class QFrame;
class QPushButton;

namespace rumbelo {

class Program;
class TForm1;

class DegreeFace : public QObject, public DegreesFormFace {
    Q_OBJECT
  public:
    // Builds the face's controls on the window's start face.
    DegreeFace(TForm1& form, Program& program);

    // Captions, colours and fonts; the filters once the data are read.
    void applyCaptions();
    void applyColoursAndFonts();
    void fillFilters();
    void connectControls();
    // Door 1: the degree menu.
    void enter();

    // Opens degree j in the degree menu, as a double click on one of its rows does.
    void openDegree(int j, bool fromPlaceList);

    void communityClicked(int community) override;
    void listActivated() override;
    void communityListClicked(int entry) override;
    void backClicked() override;
    void printClicked() override;

    enum class ByPlaceMode { None, Single, DoubleByDegree, DoubleByUniversity };
    ByPlaceMode byPlaceMode() const { return byPlaceMode_; }
    int selectedDegree() const { return selectedDegree_; }
    int listTop() const { return listTop_; }
    const degrees::ListRows& listRows() const { return listRows_; }
    const degrees::DegreeFilters& filters() const { return filters_; }

    // Degree menu.
    QFrame* PanelMenu;
    QPushButton* MenuCarUni1;
    QPushButton* MenuCarUni2;
    QPushButton* MenuCarUni3;
    QPushButton* MenuCarUniDoble;
    QPushButton* MenuCarUniDoble2;
    QPushButton* menui4;
    QPushButton* menui5;

    // Menu of one degree.
    QFrame* PanelCar;
    QPushButton* MenuCar1;
    QPushButton* MenuCar2;
    QPushButton* MenuCar3;
    QPushButton* MenuCar4;
    QPushButton* MenuCar5;
    QPushButton* MenuCar6;
    QPushButton* MenuCar7;
    QPushButton* MenuCar8;

    // Under the working list: the filters and this face's buttons.
    QComboBox* ComSelCar;
    QComboBox* BotSelcar;
    QPushButton* BitRetroSelCar;
    QPushButton* BotIntUni;
    QPushButton* BotFP;

    QTimer TimerParpadeo;

  private:
    void buildMenus();
    void buildListControls();

    // Degree menu and lists (degree_browser.cpp).
    void MenuCarUni1Click();
    void menui5Click();
    void showAllDegrees();
    void rebuildAllDegrees();
    void ComSelCarChange(int entry);
    void BotSelcarChange(int entry);
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
    void fillListSel(const degrees::ListRows& rows);
    void clearWorkList();

    // By place, double degrees and other studies (degrees_by_place.cpp).
    void MenuCarUni3Click();
    void MenuCarUniDobleClick();
    void MenuCarUniDoble2Click();
    void menui4Click();
    void showMapFor(ByPlaceMode mode);
    void showUniversityDegrees(int entry);
    void showDoubleDegreesOfDegree(int entry);
    void showDoubleDegreesOfUniversity(int entry);
    void showOtherStudy(int entry);
    void BotIntUniClick();

    // Print buttons (degrees_form_reports.cpp).
    void printDegreeReport();

    TForm1& form_;
    Program& program_;

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
    int chosenEntry_ = -1;  // the ListComunidad entry on view, -1 before one is clicked
    degrees::NameBlink blink_;
};

}  // namespace rumbelo
