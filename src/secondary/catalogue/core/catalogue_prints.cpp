#include "secondary/catalogue/core/catalogue_prints.h"

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
    // The indent would push the end of a full-width line past the report's 60 columns: the
    // words that do not fit go on a line of their own, indented the same.
    void indented(const std::string& text) {
        std::string rest = TrimRight(text);
        const std::size_t room = ReportTable::kWidth - std::string(kIndent).size();
        while (rest.size() > room) {
            std::size_t cut = rest.rfind(' ', room);
            if (cut == std::string::npos || cut == 0) cut = room;
            line(kIndent + rest.substr(0, cut));
            const std::size_t next = rest.find_first_not_of(' ', cut);
            rest = next == std::string::npos ? std::string() : rest.substr(next);
        }
        line(kIndent + rest);
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
            out.line(entry.text, true);
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
