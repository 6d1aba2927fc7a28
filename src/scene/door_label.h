#pragma once
// A clickable label of the static scene (a door, or "Dejar de estudiar") that reports the
// mouse coming over it.
#include <QLabel>

namespace rumbelo {

class DoorLabel : public QLabel {
    Q_OBJECT
  public:
    explicit DoorLabel(QWidget* parent) : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
        setMouseTracking(true);
    }

  signals:
    void clicked();
    void hovered();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace rumbelo
