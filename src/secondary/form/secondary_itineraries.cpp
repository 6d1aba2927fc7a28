// The itinerary diagrams, the form's second mode, come in their own files; until they do,
// door 4 opens nothing and the menu offers only the questionnaire.
#include "secondary/form/secondary_form.h"

namespace rumbelo {

bool TForm2::itinerariesBuilt() const {
    return false;
}

void TForm2::enterItineraries() {}

}  // namespace rumbelo
