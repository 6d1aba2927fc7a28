#pragma once
// The professions questionnaire Tprofe: yes or no to each long phrase, one to three kept;
// up to two short phrases marked on each of up to four pages; a favourite; then the two best
// professional activities, the professions of the favourite and, for each, the studies that
// lead to it, with a printed report. The form wires the controls to the questionnaire core.
#include <QTimer>
#include <QWidget>
#include <vector>

#include "common/program/assistant_entry.h"
#include "common/program/section_entry.h"
#include "professions/core/phrase_pages.h"
#include "professions/core/phrase_step.h"
#include "professions/data/professions_files.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace rumbelo {

class Program;
class TiledPicture;

class Tprofe : public QWidget, public SceneDoorEntry, public AssistantEntry {
    Q_OBJECT
  public:
    explicit Tprofe(Program& program);
    ~Tprofe() override;

    // Reads the eight files; false (abort flag set) when one is missing or too long.
    bool create();

    bool opensDoor(int section) const override { return section == 7; }
    void enterFromSceneDoor(int section) override;
    void enterFromAssistant(AssistantRequest request) override;
    // The questionnaire from its introduction (the door and the assistant's button).
    void start();

    const professions::ProfessionsData& data() const { return data_; }
    const professions::Pages& pages() const { return pages_; }
    int pageIndex() const { return pageIndex_; }
    const std::vector<int>& finalPhrases() const { return finalList_; }
    const std::vector<int>& rankedActivities() const { return ranked_; }
    bool hoverLock() const { return hoverLock_; }

    TiledPicture* degrade;
    QFrame* PanelFrase;
    QLabel* LabelFrase0;
    QLabel* LabelFrase;
    QPushButton* BotSi;
    QPushButton* BotNo;
    QListWidget* ListCues;
    QFrame* PanelSelTit0;
    QLabel* LabelTit0;
    QListWidget* ListSel;
    QPushButton* BotFraRet;
    QPushButton* BotFraSig;
    QPushButton* BotAcabar;
    QPushButton* BotImp;
    QFrame* PanelResul;
    QLabel* LabelTitulo;
    QLabel* LabelTit1;
    QLabel* Labeltit2;
    QLabel* LabelTit3;
    QLabel* LabelActi;
    QLabel* LabelTitExpli;
    QListWidget* ListResulProf;
    QTextEdit* ListTit;
    QListWidget* ListResulAct;
    QListWidget* ListResProf;
    QTimer TimerFrase;
    QTimer TimerAyu0;
    QTimer TimerAyu;

    // The handlers, callable as the events call them.
    void BotSiClick();
    void BotNoClick();
    void BotFraSigClick();
    void BotFraRetClick();
    // True when the pupil confirmed leaving (or the form went back to the assistant).
    bool BotAcabarClick();
    void BotImpClick();
    void ListSelMouseUp(int row);
    void ListResulProfMouseMove(int row);
    void ListResulActMouseMove(int row);
    void ResultListMouseUp(QListWidget* list, int row);
    void ListTitMouseUp();
    void PanelResulMouseMove();
    void FormMouseMove();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void buildQuestionBox();
    void buildLists();
    void buildResultPanel();
    void buildButtons();
    void applyCaptions();
    void applyColours();

    void answer(bool yes);
    void showBox(const professions::BoxView& view);
    void collapseBox();
    void TimerFraseTimer();
    void TimerAyu0Timer();
    void TimerAyuTimer();
    int markedLongPhrases() const;
    void enterStep2();
    void slideTitle(int text);
    void showPage(int page);
    void showFinalList();
    void fillShortPhrases(const std::vector<int>& numbers);
    void computeResults();
    void showStudies(int row);
    void showActivityProfessions(int row);
    void leaveToScene();
    std::string text(int k) const;

    Program& program_;
    professions::ProfessionsData data_;
    professions::PhraseStep step_;
    professions::Pages pages_;
    std::vector<std::vector<int>> choices_;
    std::vector<int> finalList_;
    std::vector<int> ranked_;
    std::vector<int> professionsShown_;
    int pageIndex_ = 0;
    bool finalStage_ = false;
    bool exitViaStudies_ = false;
    bool hoverShown_ = false;
    bool hoverLock_ = false;
    int lastProfessionRow_ = 1;
    int lastActivityRow_ = 1;
    int slideTicks_ = 0;
};

QWidget* createProfessionsForm(Program& program);

}  // namespace rumbelo
