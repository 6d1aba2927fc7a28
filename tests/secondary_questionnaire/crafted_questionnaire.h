#pragma once
// A small secondary catalogue made in memory: statements with chosen weights and formats,
// twenty areas with their statements and titles, the result texts numbered by their line,
// and interface texts that name their own number ("t142").
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::secondary::testing {

inline InterfaceTexts numberedTexts() {
    InterfaceTexts texts;
    for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k)
        if (InterfaceTexts::hasSlot(k)) texts.set(k, "t" + std::to_string(k));
    return texts;
}

// CUESTION line: weight, format, text.
inline std::string statementLine(int weight, int format, const std::string& text) {
    return std::to_string(weight) + std::to_string(format) + text;
}

// Statements 1..n all of weight `weight` and format `format`.
inline void fillStatements(LineTable& table, int n, int weight, int format) {
    for (int i = 1; i <= n; ++i)
        table.set(i, statementLine(weight, format, "frase " + std::to_string(i)));
}

// Areas named "area h" (padded as the file pads them), result lines "linea n".
inline void fillItinerary(SecondaryData& data) {
    for (int h = 1; h <= kAreaCount; ++h) {
        std::string name = "area " + std::to_string(h);
        name.resize(kItineraryWidth, ' ');
        data.itinerary.set(h, name);
    }
    data.results.heading = "RESULTADOS";
    for (int k = 1; k <= kRecommendations; ++k)
        data.results.recommendation[static_cast<std::size_t>(k)] = "rec " + std::to_string(k);
    for (int s = 1; s <= kResultSlots; ++s)
        data.results.slot[static_cast<std::size_t>(s)] = "linea " + std::to_string(29 + s);
}

}  // namespace rumbelo::secondary::testing
