#include "data/fp/fp_sources.h"

#include "common/text/fixed_text.h"
#include "data/source.h"

namespace rumbelo::data::fp {
namespace {

// Repeatable text directives join into one paragraph.
void append(std::string& paragraph, const std::string& text) {
    if (!paragraph.empty()) paragraph += ' ';
    paragraph += text;
}

bool isHigherOnly(const std::string& directive) {
    return directive == "resumen" || directive == "acceso" || directive == "carreras" ||
           directive == "grupos";
}

class FamilyReader {
  public:
    FamilyReader(CompileContext& ctx, const Grade& grade, Family& family)
        : ctx_(ctx), grade_(grade), family_(family) {}

    void line(const SourceLine& line) {
        const std::string& directive = line.field(0);
        const std::string text = toCp1252(line.field(1), line.pos, ctx_.diag);
        if (directive == "familia") {
            family_.name = text;
            family_.pos = line.pos;
        } else if (directive == "texto") {
            append(family_.description, text);
        } else if (directive == "titulo") {
            if (line.field(1).empty() || line.field(2).empty())
                ctx_.diag.error(line.pos, "expected titulo<TAB>key<TAB>name");
            Title title;
            title.pos = line.pos;
            title.key = line.field(1);
            title.name = toCp1252(line.field(2), line.pos, ctx_.diag);
            family_.titles.push_back(std::move(title));
        } else if (Title* title = current(line)) {
            titleLine(*title, directive, text, line);
        }
    }

  private:
    Title* current(const SourceLine& line) {
        static const char* const kTitleDirectives[] = {"resumen", "modulo",   "salidas",
                                                       "acceso",  "carreras", "grupos",
                                                       "oferta",  "entorno",  "decreto"};
        bool known = false;
        for (const char* d : kTitleDirectives)
            known = known || line.field(0) == d;
        if (!known) {
            ctx_.diag.error(line.pos, "unknown directive \"" + line.field(0) + "\"");
            return nullptr;
        }
        if (!grade_.higher && isHigherOnly(line.field(0))) {
            ctx_.diag.error(line.pos, "\"" + line.field(0) + "\" belongs to grado superior only");
            return nullptr;
        }
        if (family_.titles.empty()) {
            ctx_.diag.error(line.pos, "\"" + line.field(0) + "\" before the first titulo");
            return nullptr;
        }
        return &family_.titles.back();
    }

    void titleLine(Title& title, const std::string& directive, const std::string& text,
                   const SourceLine& line) {
        if (directive == "resumen") {
            append(title.summary, text);
        } else if (directive == "salidas") {
            append(title.jobs, text);
        } else if (directive == "modulo") {
            const auto hours = parseNumber(line.field(2));
            if (text.empty() || !hours || *hours <= 0)
                ctx_.diag.error(line.pos, "expected modulo<TAB>name<TAB>hours");
            title.modules.push_back({line.pos, text, hours.value_or(0)});
        } else if (directive == "decreto") {
            const auto hours = parseNumber(line.field(2));
            if (text.empty() || !hours || *hours <= 0)
                ctx_.diag.error(line.pos, "expected decreto<TAB>royal decree<TAB>total hours");
            title.decree = {line.pos, text, hours.value_or(0)};
        } else if (directive == "acceso") {
            title.access = {line.pos, splitWords(line.field(1))};
        } else if (directive == "carreras") {
            title.degrees = {line.pos, splitWords(line.field(1))};
        } else if (directive == "grupos") {
            title.groups = {line.pos, splitWords(line.field(1))};
        } else if (directive == "oferta") {
            title.offer.pos = line.pos;
            title.offer.spread = line.field(1);
            title.offer.provinces = splitWords(line.field(2));
        } else if (directive == "entorno") {
            if (splitWords(line.field(1)).size() != 1 || !line.field(2).empty())
                ctx_.diag.error(
                    line.pos,
                    "expected entorno<TAB>name (costa, montana, nieve: geography/entornos.tsv)");
            title.offer.setting = line.field(1);
        }
    }

    CompileContext& ctx_;
    const Grade& grade_;
    Family& family_;
};

}  // namespace

const Grade& higherGrade() {
    static const Grade grade{"fp", "FP", "asignafp", "datFPL", "grado superior", 129, true};
    return grade;
}

const Grade& intermediateGrade() {
    static const Grade grade{"fp/medio", "FP2", "asignagm", "datFPL2", "grado medio", 130, false};
    return grade;
}

bool isLogseTotal(int hours) {
    return hours == 1300 || hours == 1400 || hours == 1700 || hours == 2000;
}

std::vector<Family> readFamilies(CompileContext& ctx, const Grade& grade) {
    std::vector<Family> families;
    const auto order = readSource(ctx.src, grade.folder + "/familias.tsv", ctx.diag);
    if (!order) return families;
    for (const auto& line : order->lines) {
        const std::string& group = line.field(1);
        if (line.field(0).empty() || (group != "1" && group != "2")) {
            ctx.diag.error(line.pos, "expected key<TAB>1 or 2 (the second group of families)");
            continue;
        }
        Family family;
        family.key = line.field(0);
        family.secondGroup = group == "2";
        family.pos = line.pos;
        const std::string file = grade.folder + "/familias/" + family.key + ".txt";
        const auto source = readSource(ctx.src, file, ctx.diag);
        if (!source) continue;
        FamilyReader reader(ctx, grade, family);
        for (const auto& sourceLine : source->lines)
            reader.line(sourceLine);
        if (family.name.empty()) ctx.diag.error({file, 0}, "the family has no \"familia\" name");
        families.push_back(std::move(family));
    }
    return families;
}

std::vector<KeyedLine> readKeyedLines(CompileContext& ctx, const std::string& name) {
    std::vector<KeyedLine> lines;
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return lines;
    for (const auto& line : source->lines) {
        if (line.field(0).empty() || line.field(1).empty()) {
            ctx.diag.error(line.pos, "expected key<TAB>text");
            continue;
        }
        lines.push_back(
            {line.pos, line.field(0), toCp1252(line.field(1), line.pos, ctx.diag), line.field(2)});
    }
    return lines;
}

}  // namespace rumbelo::data::fp
