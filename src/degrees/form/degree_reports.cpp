// The print buttons of the degree section. What goes on paper (the degree report and the
// list reports) comes with the printing of results; until then the buttons print nothing.
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"

namespace rumbelo {

// MenuCar6: the whole degree on paper.
void DegreeFace::printDegreeReport() {}

// BotImprimir: the list on view (degrees of a university, double degrees, an other study).
void DegreeFace::printClicked() {}

}  // namespace rumbelo
