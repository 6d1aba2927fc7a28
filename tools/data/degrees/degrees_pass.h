#pragma once
// The university degrees: "REQUISIT", "SALIDAS", "CARRERA", "asignacar", "datcar",
// "OTROS", "asignaot" and "dobles", compiled from data/degrees/ (see degree_sources.h).
// Places are "LUGAR" keys and interest groups "GRUPOS" keys, so the pass runs after the
// geography and the groups.
#include <vector>

#include "data/check.h"
#include "data/compile.h"
#include "data/degrees/degree_sources.h"

namespace rumbelo::data {

// The pass.
void compileDegrees(CompileContext& ctx);

// The check of a built folder.
void checkDegrees(CheckContext& ctx);

}  // namespace rumbelo::data

namespace rumbelo::data::degrees {

// Fixed lines of "REQUISIT", with the keys that fill them.
struct FixedRequirement {
    int line;
    const char* key;
};
inline constexpr FixedRequirement kFixedRequirements[] = {
    {11, "consejo-notas"},
    {12, "elige-via"},
    {13, "filtro-tipo"},
    {15, "cualquier-via"},
    {19, "via-cientifico-tecnologica"},
    {20, "via-ciencias-salud"},
    {21, "via-humanidades"},
    {22, "via-ciencias-sociales"},
    {23, "via-artes"},
};
// The requirement that opens a degree to higher-FP graduates.
inline constexpr const char* kFpAccessRequirement = "fp-superior";

// Lines 11-13 are captions of the form, not requirements a degree may list.
inline constexpr int kFirstCaptionLine = 11;
inline constexpr int kLastCaptionLine = 13;

// Capacities the program's tables and readers set.
inline constexpr int kMaxSubjectBlocks = 161;  // "asignacar": 5000 lines in blocks of 31
inline constexpr int kMaxDegreeLines = 200;
inline constexpr int kSubjectTextLines = 29;  // a block is the difficulty and 29 lines
inline constexpr std::size_t kBlockWidth = 50;
inline constexpr std::size_t kListedNameWidth = 45;
inline constexpr int kMaxOtherStudies = 49;
inline constexpr int kOtherStudyLines = 50;

// The steps of the pass, in order.
void compileRequirements(CompileContext& ctx);
void compileOutlets(CompileContext& ctx);
void compileDegreeNames(CompileContext& ctx, const std::vector<Degree>& degrees);
void compileSubjectBlocks(CompileContext& ctx, const std::vector<Degree>& degrees);
void compileDegreeRecords(CompileContext& ctx, const std::vector<Degree>& degrees);
void compileOtherStudies(CompileContext& ctx);
void compileDoubleDegrees(CompileContext& ctx, const std::vector<Degree>& degrees);

// Cross-checks with the tables of earlier passes: every university teaches some degree;
// a degree says it is open from higher FP exactly when some title's "carreFP" entry
// stands for it, and every entry a title reaches stands for some degree.
void checkEveryPlaceTeaches(CompileContext& ctx, const std::vector<Degree>& degrees);
void checkFpAccess(CompileContext& ctx, const std::vector<Degree>& degrees);

}  // namespace rumbelo::data::degrees
