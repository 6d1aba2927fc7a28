#pragma once
// A pair of arrows beside a one-digit field: each press moves the digit one step within
// the range and writes it into the field; a digit typed into the field moves the arrows'
// position with it.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace rumbelo::degrees {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QWidget* parent, QLineEdit* associate, int minimum, int maximum, int position);

    int position() const { return position_; }
    void setPosition(int position);
    void stepUp() { setPosition(position_ + 1); }
    void stepDown() { setPosition(position_ - 1); }

    QToolButton* up;
    QToolButton* down;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void followField(const QString& text);

    QLineEdit* associate_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace rumbelo::degrees
