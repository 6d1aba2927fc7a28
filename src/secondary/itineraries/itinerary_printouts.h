#pragma once
// A whole itinerary on paper: the school, the modality, the subjects of each year, what the
// paragraph of that modality tells and the degrees and higher-FP titles it leads to; and the
// intermediate-FP itinerary (its two paragraphs).
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::secondary {

// The itineraries there are: 1, 3, 4, 5, 6, 7 and 8.
bool isItinerary(int p);

// The printout's lines for itinerary p (nothing for another number).
std::vector<std::string> itineraryPrintout(int p, const SecondaryData& data,
                                           const std::string& schoolName,
                                           const InterfaceTexts& texts);

}  // namespace rumbelo::secondary
