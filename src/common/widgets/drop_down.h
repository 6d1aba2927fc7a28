#pragma once
// A drop-down list whose open list stays inside its window: it opens downwards when there
// is room under the box, upwards otherwise, and is cut to the window's height. Qt places
// the list by the screen, so on a large screen it ran past the bottom of an 800x600 form.
#include <QComboBox>

namespace rumbelo {

class DropDown : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;

    void showPopup() override;

    // The style sheet the box and its open list take, with the styled item painter that
    // follows it (the box's own ignores style sheets). Both are applied when the box is
    // first shown: applied at creation they built each hidden form's open lists at start.
    void setLookWhenShown(QString styleSheet);

  protected:
    void showEvent(QShowEvent* event) override;
    // The text shown before a choice is the box's caption, so it is drawn in the box's
    // text colour, not in the faded placeholder colour a style sheet gives it.
    void paintEvent(QPaintEvent* event) override;

  private:
    void applyPendingLook();

    QString pendingLook_;
};

// Where the open list goes: `box` and `window` in screen coordinates, `wanted` the list's
// own height. Below the box when it fits, else above it, else cut to the larger side.
QRect dropDownPlacement(const QRect& box, const QRect& window, int wanted);

}  // namespace rumbelo
