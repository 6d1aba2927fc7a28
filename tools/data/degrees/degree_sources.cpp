#include "data/degrees/degree_sources.h"

#include <algorithm>
#include <map>

#include "common/text/fixed_text.h"
#include "data/degrees/block_source.h"
#include "data/wording.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::data::degrees {
namespace {

const std::vector<std::string> kDegreeFields = {"nombre",     "tipo",       "grupos",
                                                "requisitos", "desde-fp",   "salidas",
                                                "afines",     "dificultad", "asignaturas"};

// A name as compared for listing: lower case, accents dropped, "ñ" after every "n",
// punctuation after every letter. With withMarker false the kind marker in brackets does
// not count, as a pupil reads past it: "Historia (Lic.)" before "Historia del Arte".
std::string listingKey(const std::string& cp1252, bool withMarker) {
    static const std::map<unsigned char, std::string> kFolded = {
        {0xE1, "a"}, {0xC1, "a"}, {0xE0, "a"},  {0xC0, "a"},  {0xE9, "e"}, {0xC9, "e"},
        {0xE8, "e"}, {0xC8, "e"}, {0xED, "i"},  {0xCD, "i"},  {0xEF, "i"}, {0xCF, "i"},
        {0xF3, "o"}, {0xD3, "o"}, {0xF2, "o"},  {0xD2, "o"},  {0xFA, "u"}, {0xDA, "u"},
        {0xFC, "u"}, {0xDC, "u"}, {0xF1, "n{"}, {0xD1, "n{"}, {0xE7, "c"}, {0xC7, "c"},
    };
    std::string key;
    int depth = 0;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (!withMarker && (c == '(' || c == ')' || depth > 0)) {
            if (c == '(') ++depth;
            if (c == ')') --depth;
            continue;
        }
        if (const auto f = kFolded.find(byte); f != kFolded.end()) {
            key += f->second;
        } else if (byte >= 'A' && byte <= 'Z') {
            key += static_cast<char>(byte - 'A' + 'a');
        } else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == ' ') {
            key += static_cast<char>(byte);
        } else {
            key += '~';  // punctuation after letters: "Dir." comes after "Dirección"
        }
    }
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

std::vector<TextLine> textLines(CompileContext& ctx, const BlockField* field) {
    std::vector<TextLine> lines;
    if (!field) return lines;
    for (std::size_t i = 0; i < field->text.size(); ++i) {
        checkWording(field->text[i], field->textPositions[i], ctx.diag);
        lines.push_back(
            {field->textPositions[i], toCp1252(field->text[i], field->textPositions[i], ctx.diag)});
    }
    return lines;
}

KeyList keyList(const SourceBlock& block, const std::string& field) {
    const BlockField* f = block.find(field);
    return {f ? f->pos : block.pos, block.words(field)};
}

Degree readDegree(CompileContext& ctx, const SourceBlock& block) {
    Degree degree;
    degree.pos = block.pos;
    degree.key = block.key;
    const BlockField* name = block.find("nombre");
    if (!name || name->value.empty()) {
        ctx.diag.error(block.pos, "degree \"" + block.key + "\" has no nombre");
    } else {
        degree.name = toCp1252(name->value, name->pos, ctx.diag);
    }
    const BlockField* kind = block.find("tipo");
    degree.expectedKind = kind ? kindOfWord(kind->value) : -1;
    if (degree.expectedKind < 0)
        ctx.diag.error(kind ? kind->pos : block.pos,
                       "degree \"" + block.key + "\" needs a known tipo");
    degree.groups = keyList(block, "grupos");
    degree.requirements = keyList(block, "requisitos");
    degree.outlets = keyList(block, "salidas");
    degree.related = keyList(block, "afines");
    degree.fpEntries = keyList(block, "desde-fp");
    const BlockField* difficulty = block.find("dificultad");
    const auto level = difficulty ? parseNumber(difficulty->value) : std::nullopt;
    if (!level || *level < 1 || *level > 7)
        ctx.diag.error(difficulty ? difficulty->pos : block.pos,
                       "degree \"" + block.key + "\" needs a dificultad from 1 to 7");
    degree.difficulty = level.value_or(0);
    degree.subjects = textLines(ctx, block.find("asignaturas"));
    return degree;
}

// "6,5", "6.5", "7" or "10,0" -> mark x 10; "-" -> no mark known.
std::optional<int> parseMark(const std::string& text) {
    if (text == "-") return rumbelo::degrees::kNoMark;
    std::string digits = text;
    const auto comma = digits.find_first_of(",.");
    int tenths = 0;
    if (comma != std::string::npos) {
        const std::string decimals = digits.substr(comma + 1);
        if (decimals.size() != 1 || decimals[0] < '0' || decimals[0] > '9') return std::nullopt;
        tenths = decimals[0] - '0';
        digits = digits.substr(0, comma);
    }
    const auto units = parseNumber(digits);
    if (!units || digits.empty() || digits[0] == '-' || digits[0] == '+') return std::nullopt;
    const int mark = *units * 10 + tenths;
    if (mark < 50 || mark > 100) return std::nullopt;
    return mark;
}

}  // namespace

bool listedBefore(const std::string& a, const std::string& b) {
    const std::string nameA = listingKey(a, false), nameB = listingKey(b, false);
    if (nameA != nameB) return nameA < nameB;
    return listingKey(a, true) < listingKey(b, true);
}

int kindOfWord(const std::string& word) {
    static const std::map<std::string, int> kKinds = {
        {"diplomatura", 1},          {"licenciatura", 2},       {"segundo-ciclo", 3},
        {"ingenieria", 2},           {"ingenieria-tecnica", 1}, {"arquitectura", 2},
        {"arquitectura-tecnica", 1},
    };
    const auto k = kKinds.find(word);
    return k == kKinds.end() ? -1 : k->second;
}

std::vector<KeyedText> readKeyedTexts(CompileContext& ctx, const std::string& name) {
    std::vector<KeyedText> texts;
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return texts;
    std::map<std::string, int> seen;
    for (const auto& line : source->lines) {
        if (line.field(0).empty() || line.field(1).empty() || line.fields.size() > 2) {
            ctx.diag.error(line.pos, "expected key<TAB>text");
            continue;
        }
        if (!seen.emplace(line.field(0), line.pos.line).second)
            ctx.diag.error(line.pos, "key \"" + line.field(0) + "\" given twice");
        checkWording(line.field(1), line.pos, ctx.diag);
        texts.push_back({line.pos, line.field(0), toCp1252(line.field(1), line.pos, ctx.diag)});
    }
    return texts;
}

std::vector<Degree> readDegrees(CompileContext& ctx) {
    std::vector<Degree> degrees;
    const auto folder = ctx.src / "degrees" / "carreras";
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".txt")
            names.push_back("degrees/carreras/" + entry.path().filename().string());
    if (names.empty()) ctx.diag.error({"degrees/carreras", 0}, "no degree sources (*.txt)");
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        const auto source = readSource(ctx.src, name, ctx.diag);
        if (!source) continue;
        for (const auto& block : readBlocks(*source, ctx.diag, kDegreeFields, false))
            degrees.push_back(readDegree(ctx, block));
    }
    std::stable_sort(degrees.begin(), degrees.end(),
                     [](const Degree& a, const Degree& b) { return listedBefore(a.name, b.name); });
    return degrees;
}

void readPlaces(CompileContext& ctx, std::vector<Degree>& degrees) {
    const auto source = readSource(ctx.src, "degrees/plazas.txt", ctx.diag);
    if (!source) return;
    std::map<std::string, Degree*> byKey;
    for (auto& degree : degrees)
        byKey[degree.key] = &degree;
    for (const auto& block : readBlocks(*source, ctx.diag, {}, true)) {
        const auto found = byKey.find(block.key);
        if (found == byKey.end()) {
            ctx.diag.error(block.pos, "places for an unknown degree \"" + block.key + "\"");
            continue;
        }
        Degree& degree = *found->second;
        if (!degree.places.empty())
            ctx.diag.error(block.pos, "places of \"" + block.key + "\" given twice");
        for (const auto& row : block.rows) {
            const auto mark = row.words.size() == 2 ? parseMark(row.words[1]) : std::nullopt;
            if (!mark) {
                ctx.diag.error(row.pos,
                               "expected \"place mark\" with a mark from 5,0 to 10,0 or \"-\"");
                continue;
            }
            degree.places.push_back({row.pos, row.words[0], *mark});
        }
    }
}

std::vector<OtherStudy> readOtherStudies(CompileContext& ctx) {
    std::vector<OtherStudy> studies;
    const auto source = readSource(ctx.src, "degrees/otros.txt", ctx.diag);
    if (!source) return studies;
    for (const auto& block : readBlocks(*source, ctx.diag, {"nombre", "texto"}, false)) {
        OtherStudy study{block.pos, block.key, {}, textLines(ctx, block.find("texto"))};
        const BlockField* name = block.find("nombre");
        if (!name || name->value.empty())
            ctx.diag.error(block.pos, "other study \"" + block.key + "\" has no nombre");
        else
            study.name = toCp1252(name->value, name->pos, ctx.diag);
        if (study.text.empty())
            ctx.diag.error(block.pos, "other study \"" + block.key + "\" has no texto");
        studies.push_back(std::move(study));
    }
    return studies;
}

std::vector<UniversityDoubles> readDoubleDegrees(CompileContext& ctx) {
    std::vector<UniversityDoubles> universities;
    const auto source = readSource(ctx.src, "degrees/dobles.txt", ctx.diag);
    if (!source) return universities;
    for (const auto& block : readBlocks(*source, ctx.diag, {}, true)) {
        UniversityDoubles university{block.pos, block.key, {}};
        for (const auto& row : block.rows) {
            const auto years = row.words.size() == 3 ? parseNumber(row.words[0]) : std::nullopt;
            if (!years || *years < 1 || *years > 9) {
                ctx.diag.error(row.pos, "expected \"years degree degree\" with 1 to 9 years");
                continue;
            }
            university.members.push_back({row.pos, *years, row.words[1], row.words[2]});
        }
        universities.push_back(std::move(university));
    }
    return universities;
}

}  // namespace rumbelo::data::degrees
