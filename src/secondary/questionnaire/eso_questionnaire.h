#pragma once
// The 4º de ESO questionnaire as the pupil answers it: the statements of "CUESTION" with
// their answers, the labels and marks each answer format shows, the cycling of an answer,
// and the flags that decide which rows the grid holds when it is presented again.
#include <array>
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "common/texts/interface_texts.h"
#include "secondary/questionnaire/section_texts.h"

namespace rumbelo::secondary {

inline constexpr int kFirstBlock = 35;  // statements 1-35 rate readiness for Bachillerato
inline constexpr int kCourse = 4;
inline constexpr int kMaxAnswers = 5;

struct Statement {
    int weight = 0;  // W, col 1
    int format = 0;  // F, col 2
    std::string text;
    int answer = 1;
    bool loaded = false;  // read from the file for the present run
};

// The label and mark of each answer, [1..5].
struct AnswerLabels {
    std::array<std::string, kMaxAnswers + 1> label;
    std::array<std::string, kMaxAnswers + 1> mark;
};

// Refills the table for answer format F (2, 3, 4, 5 or 6); any other F leaves it as it was.
void refillLabels(AnswerLabels& labels, int format, const InterfaceTexts& texts);
// The answer after `answer` for format F; formats without a cycle keep it.
int nextAnswer(int answer, int format);

// Help sets of the questionnaire.
inline constexpr HelpNumbers kSecondBlockHelp{203, 204, 205, 206, 211, 212, 0, 0};      // set 30
inline constexpr HelpNumbers kAnsweringHelp{207, 208, 209, 210, 211, 212, 0, 0};        // set 31
inline constexpr HelpNumbers kFullResultsHelp{213, 214, 215, 216, 217, 218, 219, 220};  // 32
inline constexpr HelpNumbers kTitlesHelp{232, 233, 234, 235, 236, 237, 238, 239};       // set 33
inline constexpr HelpNumbers kSavedHelp{22, 23, 24, 25, 26, 27, 28, 0};                 // set 20

class EsoQuestionnaire {
  public:
    EsoQuestionnaire(const LineTable& statements, const InterfaceTexts& texts);

    int statementCount() const { return static_cast<int>(statements_.size()) - 1; }
    // Statement i (1..n).
    const Statement& statement(int i) const { return statements_.at(static_cast<std::size_t>(i)); }

    // `BotCuestio1` (full) and `BotCuestio3` (first block only).
    void begin(bool firstBlockOnly);
    // Entering again after an end asks whether to start again.
    bool needsRestartQuestion() const { return askRestart && gridFilled; }
    // Yes: a fresh grid on presenting. No: every statement, the answers kept.
    void answerRestart(bool startAgain);

    struct Presentation {
        HelpNumbers help;
        int firstShownRow = 1;         // statement shown at the top of the grid
        std::vector<int> rowsToWrite;  // statements loaded now, to write into the grid
        bool fresh = false;            // the grid's headers are written anew
    };
    // The rows the grid holds from now on and which of them are read from the file. Rows
    // that an earlier run never read are read fresh, so nothing stale is shown or scored.
    Presentation present();

    // A click on statement i: its answer advances; the label and mark to show.
    struct Shown {
        std::string label, mark;
    };
    Shown advance(int i);

    // `AcabarCues`: the next entry asks about starting again.
    void end();
    // `BotContinuar` with continue allowed: the second block follows the first's answers.
    void continueToSecondBlock();

    int shownCount = 0;
    bool shortMode = false;
    bool continueAllowed = false;
    bool resultsShown = false;
    bool gridFilled = false;
    bool askRestart = false;
    bool secondChance = true;
    bool questionnaireMode = false;
    bool goToIntermediateFp = false;

    // The statements as answered, index 0 unused.
    const std::vector<Statement>& statements() const { return statements_; }

  private:
    void load(int i);

    const LineTable& table_;
    const InterfaceTexts& texts_;
    std::vector<Statement> statements_;
    AnswerLabels labels_;
};

}  // namespace rumbelo::secondary
