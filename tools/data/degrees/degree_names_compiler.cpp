// The degrees -> CARRERA (names in listing order, then the four closing lines) and
// asignacar (one block per degree: a separator, the difficulty, 29 lines of subjects).
#include "common/text/fixed_text.h"
#include "data/degrees/degrees_pass.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::data::degrees {
namespace {

constexpr std::size_t kStoredWidth = 60;

void checkKind(CompileContext& ctx, const Degree& degree) {
    const int kind = rumbelo::degrees::degreeKind(padTo(degree.name, kStoredWidth));
    if (degree.expectedKind >= 0 && kind != degree.expectedKind)
        ctx.diag.error(degree.pos, "\"" + degree.key + "\": its name reads as kind " +
                                       std::to_string(kind) + " but its tipo is kind " +
                                       std::to_string(degree.expectedKind) +
                                       " (mark the name with \"(D\", \"(L\", \"(2\", ...)");
    // Only names that begin with "I T" meet the degrees open to any technical engineering.
    if (kind == 1 && degree.name.find("I T") != std::string::npos &&
        degree.name.rfind("I T", 0) != 0)
        ctx.diag.error(degree.pos, "\"" + degree.key +
                                       "\": a technical engineering name "
                                       "begins with \"I T\"");
}

bool blankStart(const std::string& line, std::size_t width) {
    return IsBlank(cut(line, width));
}

// Lines that begin with an accented capital get no bullet, unlike their neighbours; two
// lines that begin with four blanks end the list, hiding what follows.
void checkSubjects(CompileContext& ctx, const Degree& degree) {
    if (degree.subjects.empty())
        ctx.diag.error(degree.pos, "\"" + degree.key + "\" has no asignaturas");
    if (static_cast<int>(degree.subjects.size()) > kSubjectTextLines)
        ctx.diag.error(degree.subjects[kSubjectTextLines].pos,
                       "\"" + degree.key + "\": the subject block is over 30 lines (" +
                           std::to_string(degree.subjects.size()) +
                           " subject lines after the difficulty; at most 29)");
    for (std::size_t i = 0; i < degree.subjects.size(); ++i) {
        const TextLine& line = degree.subjects[i];
        fixedField(line.text, kBlockWidth, line.pos, ctx.diag, "subject line");
        const auto first = line.text.empty() ? 0 : static_cast<unsigned char>(line.text[0]);
        if (first >= 0xC0 && first <= 0xDD)
            ctx.diag.error(line.pos,
                           "a line that begins with an accented capital gets no "
                           "bullet; reword it");
        if (i > 0 && blankStart(line.text, 4) && blankStart(degree.subjects[i - 1].text, 4))
            ctx.diag.error(line.pos,
                           "two lines beginning with four blanks end the subject "
                           "list here");
    }
}

}  // namespace

void compileDegreeNames(CompileContext& ctx, const std::vector<Degree>& degrees) {
    std::vector<std::string> lines;
    for (const auto& degree : degrees) {
        lines.push_back(fixedField(degree.name, kListedNameWidth, degree.pos, ctx.diag,
                                   "the listed name of \"" + degree.key + "\""));
        lines.back() = TrimRight(lines.back());
        ctx.keys.add("CARRERA", degree.key, static_cast<int>(lines.size()), degree.pos, ctx.diag);
        checkKind(ctx, degree);
    }
    if (static_cast<int>(degrees.size()) > kMaxSubjectBlocks)
        ctx.diag.error({"degrees/carreras", 0},
                       std::to_string(degrees.size()) +
                           " degrees: more blocks than the subject reader takes (at most " +
                           std::to_string(kMaxSubjectBlocks) + " degrees)");
    const std::string closingName = "degrees/cierre.tsv";
    const auto closing = readKeyedTexts(ctx, closingName);
    if (closing.size() != rumbelo::degrees::kClosingDegreeLines)
        ctx.diag.error({closingName, 0},
                       "expected exactly 4 closing lines; the third stands "
                       "for any technical engineering");
    for (const auto& line : closing) {
        lines.push_back(TrimRight(fixedField(line.text, kStoredWidth, line.pos, ctx.diag, "text")));
        ctx.keys.add("CARRERA", line.key, static_cast<int>(lines.size()), line.pos, ctx.diag);
    }
    if (static_cast<int>(lines.size()) > kMaxDegreeLines)
        ctx.diag.error({"degrees/carreras", 0}, "CARRERA has more than 200 lines");
    ctx.output.writeText("CARRERA", lines);
}

void compileSubjectBlocks(CompileContext& ctx, const std::vector<Degree>& degrees) {
    std::vector<std::string> lines;
    int number = 0;
    for (const auto& degree : degrees) {
        checkSubjects(ctx, degree);
        lines.push_back("-- " + std::to_string(++number) + " " + degree.name);
        lines.push_back(std::to_string(degree.difficulty));
        for (int i = 0; i < kSubjectTextLines; ++i)
            lines.push_back(i < static_cast<int>(degree.subjects.size())
                                ? degree.subjects[static_cast<std::size_t>(i)].text
                                : std::string());
    }
    ctx.output.writeText("asignacar", lines);
}

}  // namespace rumbelo::data::degrees
