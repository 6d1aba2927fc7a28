#pragma once
// The questionnaire's printed report, written as the pupil goes: the areas chosen, the
// statements marked and, once a suggested title's centres are listed, the title and its
// centres. Each part rewrites everything after the part before it, so going back and
// forward never leaves lines of an earlier choice.
#include <string>
#include <vector>

#include "common/print/report_table.h"

namespace rumbelo::intermediate {

class MediumReport {
  public:
    // Line 1 the heading (bold slot 1), an empty line, one line per chosen area.
    void writeAreas(const std::string& heading, const std::vector<std::string>& areas);
    // After the areas: an empty line, the heading (slot 2), an empty line, the statements,
    // and an empty line kept for the chosen title (slot 3).
    void writeStatements(const std::string& heading, const std::vector<std::string>& statements);
    // From slot 3: "<titleWord>: <title>", an empty line, "<centresWord>:", an empty line,
    // one line per centre.
    void writeTitle(const std::string& titleWord, const std::string& title,
                    const std::string& centresWord, const std::vector<std::string>& centres);

    // Line 0, the student's name, set when printing; bold slot 0 then counts 3.
    void setName(const std::string& name) { table_.setTitle(name); }
    const ReportTable& table() const { return table_; }
    const BoldLines& bold() const { return bold_; }
    int lastLine() const { return last_; }

  private:
    void put(const std::string& text) { table_.set(++last_, text); }

    ReportTable table_;
    BoldLines bold_;
    int areasEnd_ = 0;
    int titleLine_ = 0;
    int last_ = 0;
};

}  // namespace rumbelo::intermediate
