// degrees/otros.txt -> OTROS (one name per line) and asignaot (one block of 50 lines per
// study, after a separator). On screen a text ends at two consecutive lines whose first 16
// characters are blank, so the compiler refuses such a pair inside a text.
#include "common/text/fixed_text.h"
#include "data/degrees/degrees_pass.h"

namespace rumbelo::data::degrees {
namespace {

constexpr std::size_t kNameWidth = 60;
constexpr std::size_t kEndWidth = 16;

void checkText(CompileContext& ctx, const OtherStudy& study) {
    if (static_cast<int>(study.text.size()) > kOtherStudyLines)
        ctx.diag.error(study.text[kOtherStudyLines].pos,
                       "\"" + study.key + "\": the text is over " +
                           std::to_string(kOtherStudyLines) + " lines");
    for (std::size_t i = 0; i < study.text.size(); ++i) {
        const TextLine& line = study.text[i];
        fixedField(line.text, kBlockWidth, line.pos, ctx.diag, "text line");
        if (i > 0 && IsBlank(cut(line.text, kEndWidth)) &&
            IsBlank(cut(study.text[i - 1].text, kEndWidth)))
            ctx.diag.error(line.pos, "two lines beginning with 16 blanks end the text here");
    }
}

}  // namespace

void compileOtherStudies(CompileContext& ctx) {
    const auto studies = readOtherStudies(ctx);
    if (static_cast<int>(studies.size()) > kMaxOtherStudies)
        ctx.diag.error({"degrees/otros.txt", 0}, std::to_string(studies.size()) +
                                                     " other studies; the block reader takes " +
                                                     std::to_string(kMaxOtherStudies));
    std::vector<std::string> names, blocks;
    for (const auto& study : studies) {
        checkText(ctx, study);
        names.push_back(TrimRight(fixedField(study.name, kNameWidth, study.pos, ctx.diag, "name")));
        ctx.keys.add("OTROS", study.key, static_cast<int>(names.size()), study.pos, ctx.diag);
        blocks.push_back("-- " + std::to_string(names.size()) + " " + study.name);
        for (int i = 0; i < kOtherStudyLines; ++i)
            blocks.push_back(i < static_cast<int>(study.text.size())
                                 ? study.text[static_cast<std::size_t>(i)].text
                                 : std::string());
    }
    ctx.output.writeText("OTROS", names);
    ctx.output.writeText("asignaot", blocks);
}

}  // namespace rumbelo::data::degrees
