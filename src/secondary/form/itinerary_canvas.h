#pragma once
// The drawing surface of the itinerary diagram: paints the steps drawn so far (or the whole
// diagram) from the drawing table, in the form's coordinates, and reports presses so that
// the build-up can advance.
#include <QWidget>

#include "common/texts/interface_texts.h"
#include "secondary/itineraries/itinerary_drawing.h"

namespace rumbelo {

class ItineraryCanvas : public QWidget {
    Q_OBJECT
  public:
    // The surface covers the form right of the menu and the help panel.
    static constexpr QRect kArea{206, 0, 594, 600};
    ItineraryCanvas(const InterfaceTexts& texts, int largeFontsCorrection, QWidget* form);

    // Paints steps 0..last (kWholeDiagram: everything); -1 paints nothing.
    void showUpTo(int last);
    int shownUpTo() const { return last_; }
    // The text boxes as painted last, in form coordinates (for the layout checks).
    const QList<QRect>& textBoxes() const { return textBoxes_; }

  signals:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void paintStep(QPainter& p, const secondary::DrawingStep& step);

    const InterfaceTexts& texts_;
    int correction_;
    int last_ = -1;
    QList<QRect> textBoxes_;
};

}  // namespace rumbelo
