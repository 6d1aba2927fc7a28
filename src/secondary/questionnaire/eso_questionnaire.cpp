#include "secondary/questionnaire/eso_questionnaire.h"

#include "secondary/data/line_fields.h"

namespace rumbelo::secondary {

void refillLabels(AnswerLabels& labels, int format, const InterfaceTexts& texts) {
    int first = 0;
    std::vector<std::string> marks;
    switch (format) {
        case 2:
            first = 140;
            marks = {"", "***"};
            break;
        case 3:
            first = 136;
            marks = {"", "*", "**", "***"};
            break;
        case 4:
            first = 132;
            marks = {"", "*", "**", "***"};
            break;
        case 5:
        case 6:
            first = 127;
            marks = {"", "*", "*", "**", "***"};
            break;
        default:
            return;
    }
    for (std::size_t a = 1; a <= marks.size(); ++a) {
        labels.label[a] = texts.trimmed(first + static_cast<int>(a) - 1);
        labels.mark[a] = marks[a - 1];
    }
}

int nextAnswer(int answer, int format) {
    int answers = 0;
    switch (format) {
        case 2:
            answers = 2;
            break;
        case 3:
        case 4:
            answers = 4;
            break;
        case 5:
            answers = 5;
            break;
        default:
            return answer;
    }
    return answer >= answers ? 1 : answer + 1;
}

EsoQuestionnaire::EsoQuestionnaire(const LineTable& statements, const InterfaceTexts& texts)
    : table_(statements),
      texts_(texts),
      statements_(static_cast<std::size_t>(statements.count()) + 1) {}

void EsoQuestionnaire::load(int i) {
    Statement& s = statements_.at(static_cast<std::size_t>(i));
    const std::string& line = table_[i];
    s.weight = statementWeight(line);
    s.format = statementFormat(line);
    s.text = statementText(line);
    s.answer = 1;
    s.loaded = true;
}

void EsoQuestionnaire::begin(bool firstBlockOnly) {
    questionnaireMode = true;
    continueAllowed = false;
    shortMode = firstBlockOnly;
    shownCount = firstBlockOnly ? std::min(kFirstBlock, statementCount()) : statementCount();
}

void EsoQuestionnaire::answerRestart(bool startAgain) {
    if (startAgain) {
        askRestart = false;
        gridFilled = false;
        secondChance = true;
        return;
    }
    shownCount = statementCount();
    shortMode = false;
}

EsoQuestionnaire::Presentation EsoQuestionnaire::present() {
    resultsShown = false;
    Presentation p;
    p.help = continueAllowed ? kSecondBlockHelp : kAnsweringHelp;
    if (!gridFilled) {
        gridFilled = true;
        p.fresh = true;
        const int from = continueAllowed ? kFirstBlock + 1 : 1;
        p.firstShownRow = from;
        for (int i = from; i <= shownCount; ++i) {
            load(i);
            p.rowsToWrite.push_back(i);
        }
        // Rows past the shown ones belong to no run any more.
        for (int i = shownCount + 1; i <= statementCount(); ++i)
            statements_[static_cast<std::size_t>(i)].loaded = false;
        return p;
    }
    for (int i = 1; i <= shownCount; ++i) {
        if (statements_[static_cast<std::size_t>(i)].loaded) continue;
        load(i);
        p.rowsToWrite.push_back(i);
    }
    return p;
}

EsoQuestionnaire::Shown EsoQuestionnaire::advance(int i) {
    Statement& s = statements_.at(static_cast<std::size_t>(i));
    s.answer = nextAnswer(s.answer, s.format);
    refillLabels(labels_, s.format, texts_);
    const auto a = static_cast<std::size_t>(s.answer);
    return {labels_.label[a], labels_.mark[a]};
}

void EsoQuestionnaire::end() {
    questionnaireMode = false;
    askRestart = true;
    resultsShown = false;
}

void EsoQuestionnaire::continueToSecondBlock() {
    askRestart = false;
    gridFilled = false;
    shortMode = false;
    shownCount = statementCount();
}

}  // namespace rumbelo::secondary
