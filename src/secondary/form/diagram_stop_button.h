#pragma once
// A picture button of the itinerary diagram: a small round stop on its route with a glyph
// for what it opens (a printer, an "i" for a paragraph, a book for subjects).
#include <QAbstractButton>

#include "secondary/itineraries/itinerary_buttons.h"

namespace rumbelo {

class DiagramStopButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr int kSize = 24;
    DiagramStopButton(secondary::ButtonAction action, QWidget* parent);
    QSize sizeHint() const override { return {kSize, kSize}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    secondary::ButtonAction action_;
    bool hovered_ = false;
};

}  // namespace rumbelo
