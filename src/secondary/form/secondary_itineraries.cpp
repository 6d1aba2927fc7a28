// The itinerary diagrams, the form's second mode: the face is made on the first entry, and
// the form lends it the help panel and its own controls around the drawing.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "secondary/form/itinerary_face.h"
#include "secondary/form/secondary_form.h"
#include "secondary/questionnaire/eso_questionnaire.h"

namespace rumbelo {

class SecondaryItineraryHost : public QObject, public ItineraryHost {
  public:
    explicit SecondaryItineraryHost(TForm2& form) : QObject(&form), form_(form) {}

    void startItineraryHelp(const secondary::HelpNumbers& lines) override {
        form_.startHelp(lines);
    }

    // The drawing takes the form right of the menu and the help panel; the year and the
    // school make way for it, the floor and frame stay behind it.
    void itineraryStarted() override {
        form_.PanelMenuCues->hide();
        form_.botCuestio->hide();
        form_.questionnaire().questionnaireMode = false;
        form_.LabelAno->hide();
        form_.LabelAno2->hide();
    }

    void itineraryButtonsShown() override {
        form_.botCuestio->hide();
        form_.BotItinerarios->show();
        form_.BotItinerarios->setEnabled(false);
        if (form_.cancelButton_ == form_.BitAcabarLogse) form_.cancelButton_ = nullptr;
    }

    void itineraryEnded() override {
        form_.BotItinerarios->setEnabled(true);
        form_.LabelAno->show();
        form_.LabelAno2->show();
        form_.PanelPrincipal->show();
        form_.PanelMenu->show();
        form_.botCuestio->show();
        form_.BotItinerarios->show();
    }

    void handingOverToIntermediateFp() override {
        form_.questionnaire().goToIntermediateFp = false;
    }

  private:
    TForm2& form_;
};

bool TForm2::itinerariesBuilt() const {
    return true;
}

void TForm2::enterItineraries() {
    if (itineraryFace_ == nullptr) {
        auto* host = new SecondaryItineraryHost(*this);
        itineraryFace_ = new ItineraryFace(*this, program_, data_, *host);
        itineraryFace_->watchPresses(PanelPrincipal);
        itineraryFace_->watchPresses(PanelMenu);
        itineraryFace_->watchPresses(PanelAyuda);
    }
    itineraryFace_->BotItinerariosClick();
}

}  // namespace rumbelo
