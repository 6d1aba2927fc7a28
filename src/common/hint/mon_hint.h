#pragma once
// The program's hint window: every control's hint shows as a speech bubble, a rounded box
// with a small tail pointing up at the cursor, outlined in two greys. A hint shows after the
// pointer rests 400 ms on a control and stays up to 30 s (both set at start-up); painting a
// hint sets the pause to 400 ms again, should a form have changed it.
#include <QObject>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace rumbelo {

class TMonHint : public QWidget {
    Q_OBJECT
  public:
    explicit TMonHint(int& hintDelayMs);

    // The bubble's size for a text: the standard hint size at most 200 wide, then 10 wider
    // and 30 taller.
    static QSize sizeFor(const QString& text, const QFont& font);
    // The bubble's outline in a rectangle of that size.
    static QPainterPath shapeFor(QSize size);

    // Shows `text` with the tail's tip just below `cursor` (global coordinates).
    void activateHint(const QPoint& cursor, const QString& text);
    QString text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int& hintDelayMs_;
    QString text_;
    bool shapePending_ = false;
};

// Watches the whole application: a control's hint shows in a TMonHint after the hint delay
// while the mouse rests on it; Qt's own tool-tips never appear.
class HintWatcher : public QObject {
    Q_OBJECT
  public:
    explicit HintWatcher(int& hintDelayMs, QObject* parent = nullptr);
    ~HintWatcher() override;
    // Installs a watcher on the application for as long as `owner` (which also owns the
    // delay) lives; a second call for the same owner returns the same watcher.
    static HintWatcher* install(int& hintDelayMs, QObject* owner);

    TMonHint* window() const { return hint_; }
    // How long a shown hint stays up while the pointer rests.
    void setHidePause(int ms) { hidePauseMs_ = ms; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showDue();
    void hide();

    int& hintDelayMs_;
    TMonHint* hint_;
    QTimer due_;
    QTimer shown_;
    int hidePauseMs_ = 30000;
    QPointer<QWidget> target_;
};

}  // namespace rumbelo
