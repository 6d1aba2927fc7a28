#pragma once
// Small secondary tables and interface texts for the itinerary tests: each text k reads
// "tK", so a line shows where it came from.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::secondary::testing {

inline LineTable tableOf(const std::vector<std::string>& lines) {
    LineTable table;
    int k = 0;
    for (const auto& line : lines)
        table.set(++k, line);
    return table;
}

inline InterfaceTexts numberedTexts() {
    InterfaceTexts texts;
    for (int k = 1; k <= InterfaceTexts::kLastUsed; ++k)
        if (InterfaceTexts::hasSlot(k)) texts.set(k, "t" + std::to_string(k));
    return texts;
}

inline SecondaryData craftedData() {
    SecondaryData data;
    data.subjects =
        tableOf({"11Lengua I", "14Biologia", "30Filosofia", "35Quimica", "38Optativa 1",
                 "20Lengua II", "25Biologia II", "40Historia", "45Fisica II", "48Optativa 2",
                 "50Comun 4", "51Fisica 4", "52Latin 4", "13Latin I", "34Economia"});
    data.information =
        tableOf({"21Salud 1", "20Comun 2x", "21Salud 2", "19FP medio", "36FP acceso", "22Tecnica"});
    data.degrees = tableOf({"1    Filologia", "  3  Medicina", "   4 Ingenieria",
                            "    5Bellas Artes", "12345Cualquiera"});
    data.fpTitles = tableOf({"   4   Animacion", " 2     Dietetica", "     6 Electronica",
                             "      7Comercio", "1      Diseno"});
    return data;
}

}  // namespace rumbelo::secondary::testing
