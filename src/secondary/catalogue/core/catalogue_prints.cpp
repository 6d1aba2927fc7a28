#include "secondary/catalogue/core/catalogue_prints.h"

#include "common/print/column_layout.h"
#include "common/text/fixed_text.h"
#include "secondary/data/line_fields.h"

namespace rumbelo::catalogue {
namespace {

constexpr const char* kIndent = "    ";

class Writer {
  public:
    Writer(CataloguePrint& print, const InterfaceTexts& texts, const std::string& familyName)
        : print_(print) {
        print_.table.setTitle(TrimRight(texts[103]) + ": " + TrimRight(familyName));
    }
    void line(const std::string& text, bool bold = false) {
        if (print_.lastLine >= ReportTable::kLastEntry) {
            print_.complete = false;
            return;
        }
        print_.table.set(++print_.lastLine, TrimRight(text));
        if (!bold) return;
        if (print_.bold.count() >= BoldLines::kCapacity)
            print_.complete = false;
        else
            print_.bold.add(print_.lastLine);
    }
    // The detailed print goes to compact columns: the words that would pass a column go on a
    // line of their own, indented the same.
    void indented(const std::string& text) { wrapped(kIndent, text, false); }
    void wrapped(const std::string& indent, const std::string& text, bool bold) {
        std::string rest = TrimRight(text);
        const std::size_t room = kCompactColumnWidth - indent.size();
        while (rest.size() > room) {
            std::size_t cut = rest.rfind(' ', room);
            if (cut == std::string::npos || cut == 0) cut = room;
            line(indent + rest.substr(0, cut), bold);
            const std::size_t next = rest.find_first_not_of(' ', cut);
            rest = next == std::string::npos ? std::string() : rest.substr(next);
        }
        line(indent + rest, bold);
    }

  private:
    CataloguePrint& print_;
};

}  // namespace

CataloguePrint shortPrint(const CatalogueSources& s, const FamilyLevels& levels,
                          const std::string& familyName) {
    CataloguePrint print;
    Writer out(print, s.texts, familyName);
    for (int level = 1; level <= kLevels; ++level) {
        if (levels.of(level).empty()) continue;
        out.line("");
        out.line(levelLabel(s.texts, level), true);
        for (const auto& entry : levels.of(level))
            out.line(" -" + entry.text);
    }
    return print;
}

CataloguePrint detailedPrint(const CatalogueSources& s, const FamilyLevels& levels,
                             const std::string& familyName) {
    CataloguePrint print;
    Writer out(print, s.texts, familyName);
    for (int level = 1; level <= kLevels; ++level) {
        if (levels.of(level).empty()) continue;
        const std::string label = TrimRight(levelLabel(s.texts, level));
        out.line("");
        out.line(upperCase(label), true);
        for (const auto& entry : levels.of(level)) {
            out.line("");
            out.wrapped("", entry.text, true);
            for (const auto& detail : detailLines(s, level, entry.row, levels.key))
                out.indented(detail.text);
        }
        if (level == kMediumFp) {
            out.line("");
            out.indented(s.texts[277] + label);
            for (int k = 341; k <= 345; ++k)
                out.indented(s.texts[k]);
        } else if (level == kProgrammes) {
            out.line("");
            for (const auto& line : secondary::paragraphLines(s.information, "39"))
                out.indented(line);
            out.line("");
            out.indented(s.texts[277] + label);
            for (const auto& line : secondary::paragraphLines(s.information, "38"))
                if (!IsBlank(line)) out.indented(line);
        }
    }
    return print;
}

}  // namespace rumbelo::catalogue
