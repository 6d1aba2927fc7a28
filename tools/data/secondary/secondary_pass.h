#pragma once
// The secondary-education files: "MATERIAS", "INFORMA", "CARRERAS", "FPS", "CUESTION",
// "ITINERAR", "TITULOS" and "datitine", compiled from data/secondary/ (see
// secondary_sources.h). The degree and title lists are built from the degree and higher-FP
// catalogues, so the pass runs after both.
#include "data/check.h"
#include "data/compile.h"

namespace rumbelo::data {

void compileSecondary(CompileContext& ctx);

// The check of a built folder.
void checkSecondary(CheckContext& ctx);

}  // namespace rumbelo::data

namespace rumbelo::data::secondary {

// The steps of the pass.
void compileSubjects(CompileContext& ctx);
void compileInformation(CompileContext& ctx);
void compileModalityLists(CompileContext& ctx);
void compileQuestionnaire(CompileContext& ctx);

// Width of the information paragraphs once wrapped: what the itinerary's pop-up list and
// the assistant's panels show on one line.
inline constexpr std::size_t kParagraphWidth = 46;

}  // namespace rumbelo::data::secondary
