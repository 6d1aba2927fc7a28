// The results of the questionnaire: the short verdict or the full page, the titles of an
// area, printing and saving.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "secondary/form/secondary_form.h"

namespace rumbelo {

void TForm2::BotResCuesClick() {}
void TForm2::ListResulClick(int) {}
void TForm2::ListResulMouseMove(int) {}
void TForm2::ListCarClick() {
    closeTitles();
}
void TForm2::BotCerrarClick() {
    closeTitles();
}
void TForm2::closeTitles() {
    PanelCar->hide();
    cancelButton_ = AcabarCues;
}
void TForm2::BotImpTitClick() {}
void TForm2::ImpResulClick() {}
void TForm2::grabarClick() {}

}  // namespace rumbelo
