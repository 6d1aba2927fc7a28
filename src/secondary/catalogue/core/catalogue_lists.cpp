#include "secondary/catalogue/core/catalogue_lists.h"

#include "common/text/fixed_text.h"
#include "secondary/data/line_fields.h"

namespace rumbelo::catalogue {
namespace {

constexpr int kShownRequirementsBelow = 34;
constexpr int kShownOutletsBelow = 14;
constexpr int kPreviewLines = 5;
constexpr int kFirstMediumRequirementText = 341;
constexpr int kMediumRequirementTexts = 5;
constexpr int kBranchTextBase = 652;
constexpr int kCertificateRequirementCodes = 3;

const std::string& rowOf(const CatalogueSources& s, int level, int r) {
    if (level == kDegrees) return s.degrees.name(r);
    if (level == kHigherFp) return s.fp.titleName(r);
    return s.fp2.titles[r];
}

void heading(std::vector<DetailLine>& out, const InterfaceTexts& texts, int k) {
    out.push_back({texts[k], true});
}

void text(std::vector<DetailLine>& out, const std::string& line) {
    out.push_back({line, false});
}

void paragraph(std::vector<DetailLine>& out, const CatalogueSources& s, const char* code) {
    for (const auto& line : secondary::paragraphLines(s.information, code))
        text(out, line);
}

void degreeDetail(const CatalogueSources& s, int r, std::vector<DetailLine>& out) {
    heading(out, s.texts, 277);
    for (const int n : s.degrees.requirementsOf(r))
        if (n < kShownRequirementsBelow) text(out, s.degrees.requirements[n]);
    heading(out, s.texts, 311);
    for (const int n : s.degrees.outletsOf(r))
        if (n < kShownOutletsBelow) text(out, s.degrees.outlets[n]);
    heading(out, s.texts, 651);
    text(out, "    " + s.texts[kBranchTextBase + s.degrees.difficulty(r)]);
}

void higherDetail(const CatalogueSources& s, int r, char key, std::vector<DetailLine>& out) {
    heading(out, s.texts, 277);
    for (const int n : s.fp.accessRequirements(r))
        text(out, s.fp.requirements[n]);
    if (key == kArtsFamily) return;
    text(out, "");
    heading(out, s.texts, 271);
    for (int i = 1; i <= kPreviewLines; ++i)
        text(out, s.fp.blockLine(r, i));
}

void mediumDetail(const CatalogueSources& s, int r, char key, std::vector<DetailLine>& out) {
    if (key != kArtsFamily) {
        heading(out, s.texts, 271);
        for (int i = 1; i <= kPreviewLines; ++i)
            text(out, s.fp2.blockLine(r, i));
    }
    heading(out, s.texts, 277);
    for (int k = 0; k < kMediumRequirementTexts; ++k)
        text(out, s.texts[kFirstMediumRequirementText + k]);
}

void programmeDetail(const CatalogueSources& s, int p, std::vector<DetailLine>& out) {
    heading(out, s.texts, 67);
    for (const auto& line : s.programmes.moduleLines(p))
        if (!IsBlank(cut(line, 5))) text(out, line);
    text(out, "");
    paragraph(out, s, "39");
    text(out, "");
    heading(out, s.texts, 29);
    paragraph(out, s, "38");
}

void certificateDetail(const CatalogueSources& s, int k, std::vector<DetailLine>& out) {
    const std::string& detail = s.certificates.details[k];
    heading(out, s.texts, 29);
    for (const char code : cut(detail, kCertificateRequirementCodes)) {
        if (code == ' ') continue;
        for (const auto& requirement : s.certificates.requirements)
            if (!requirement.empty() && requirement[0] == code) text(out, cols(requirement, 2, 29));
    }
    heading(out, s.texts, 582);
    text(out, cols(detail, 4, 6));
    text(out, "");
    text(out, colsFrom(detail, 8));
}

}  // namespace

bool FamilyLevels::empty() const {
    for (const auto& level : levels)
        if (!level.empty()) return false;
    return true;
}

FamilyLevels familyLevels(const CatalogueSources& s, char key) {
    FamilyLevels out;
    out.key = key;
    for (int level = kDegrees; level <= kMediumFp; ++level) {
        auto& list = out.levels[static_cast<std::size_t>(level - 1)];
        for (int r = 1; r <= s.files.indexCount(); ++r)
            if (s.files.belongs(level, r, key)) list.push_back({rowOf(s, level, r), r});
    }
    if (key == kArtsFamily) {
        out.levels[kHigherFp - 1] = {{s.texts[176], kArtsHigherRow}};
        out.levels[kMediumFp - 1] = {{s.texts[177], kArtsMediumRow}};
    }
    auto& programmes = out.levels[kProgrammes - 1];
    for (int p = 1; p <= s.programmes.count(); ++p)
        if (s.programmes.category(p) == key && !s.programmes.isSubHeading(p))
            programmes.push_back({s.programmes.text(p), p});
    auto& certificates = out.levels[kCertificates - 1];
    for (int k = 1; k <= s.certificates.lineCount(); ++k) {
        const std::string& line = s.certificates.lines[k];
        if (line.size() >= 2 && line[0] == key && line[1] != '-')
            certificates.push_back({colsFrom(line, 2), k});
    }
    return out;
}

std::vector<DetailLine> detailLines(const CatalogueSources& s, int level, int row, char key) {
    std::vector<DetailLine> out;
    switch (level) {
        case kDegrees:
            degreeDetail(s, row, out);
            break;
        case kHigherFp:
            higherDetail(s, row, key, out);
            break;
        case kMediumFp:
            mediumDetail(s, row, key, out);
            break;
        case kProgrammes:
            programmeDetail(s, row, out);
            break;
        case kCertificates:
            certificateDetail(s, row, out);
            break;
        default:
            break;
    }
    return out;
}

std::string levelLabel(const InterfaceTexts& texts, int level) {
    static constexpr std::array<int, kLevels> kLabels{299, 47, 113, 229, 580};
    if (level < 1 || level > kLevels) return {};
    return texts[kLabels[static_cast<std::size_t>(level - 1)]];
}

std::string upperCase(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z')
            c = static_cast<char>(u - 32);
        else if (u >= 0xE0 && u <= 0xFE && u != 0xF7)  // à..þ, not ÷
            c = static_cast<char>(u - 32);
    }
    return text;
}

}  // namespace rumbelo::catalogue
