#pragma once
// The university interest questionnaire face of the degrees form (door 8): two lists of
// statements to tick, qualities and interests, each scored against the interest groups;
// the two rankings and their average; a group opened to show its degrees and higher-FP
// titles; the results printed or saved. It owns the controls on Panelcon beside the menu
// the window keeps (PanelMenuCon, MenuRetroCon), and only shows what the core builds.
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "degrees/form/degrees_form_face.h"
#include "degrees/questionnaire/questionnaire_session.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace rumbelo {

class Program;
class TForm1;

class QuestionnaireFace : public QObject, public DegreesFormFace {
    Q_OBJECT
  public:
    // Builds the face's controls on the window's questionnaire background.
    QuestionnaireFace(TForm1& form, Program& program);
    ~QuestionnaireFace() override;

    void applyCaptions();
    void applyColoursAndFonts();
    void connectControls();
    // Door 8 (or the assistant): the question whether to start again, then the menu.
    void enter();

    const degrees::QuestionnaireSession& session() const { return *session_; }

    // The window's shared controls are not on this face.
    void communityClicked(int) override {}
    void listActivated() override {}
    void communityListClicked(int) override {}
    void backClicked() override {}
    void printClicked() override {}

    QPushButton* Menucua = nullptr;
    QPushButton* MenuGus = nullptr;
    QPushButton* MenuMedia = nullptr;
    QFrame* PanelListCon = nullptr;
    QListWidget* ListCua = nullptr;
    QListWidget* Listint = nullptr;
    QLabel* PanelResCon = nullptr;
    QListWidget* ListResul = nullptr;
    QListWidget* ListCarreras = nullptr;
    QPushButton* VerResul = nullptr;
    QPushButton* revisa = nullptr;
    QPushButton* acabarCua = nullptr;
    QPushButton* ImpResul = nullptr;
    QPushButton* grabar = nullptr;
    QLabel* LabelAviso = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    void buildLists();
    void buildButtons();

    // The flow (questionnaire_flow.cpp).
    void openQuestionnaire(degrees::Questionnaire q);
    void ListCuaClick(int row);
    void toggleFocusedStatement(QListWidget* list);
    void VerResulClick();
    void revisaClick();
    void MenuMediaClick();
    void ListResulClick(int row);
    void acabarCuaClick();
    void MenuRetroConClick();
    void showView(const degrees::ResultView& view);
    void showMenuButtons();
    void pointerOverResults(int y, int x);
    QListWidget* listOf(degrees::Questionnaire q) const;
    void helpHere(int n);

    // Printing and saving (questionnaire_reports.cpp).
    void ImpResulClick();
    void grabarClick();
    // The name prompt; false when the pupil cancels it.
    bool askPupilName();

    TForm1& form_;
    Program& program_;
    std::unique_ptr<degrees::QuestionnaireSession> session_;
    QWidget* resultsArea_ = nullptr;  // ListResul's viewport, where the pointer is followed
};

}  // namespace rumbelo
