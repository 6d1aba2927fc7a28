#pragma once
// What the static scene draws over its mosaic and labels: the intro walker, the door opening
// over a label and the zoom into the door's column. Each picture replaces the previous one
// of its kind, which is what restoring the screen under it amounts to.
#include <QImage>
#include <QWidget>
#include <optional>

namespace rumbelo {

class StaticOverlay : public QWidget {
    Q_OBJECT
  public:
    explicit StaticOverlay(QWidget* parent);

    void showWalker(const QImage& frame, QPoint at);
    void clearWalker();
    void showDoor(const QImage& frame, QPoint at);
    void showZoom(const QImage& tile, const QRect& rect);
    void clearAll();

    bool walkerShown() const { return !walker_.isNull(); }
    std::optional<QPoint> walkerPosition() const {
        return walkerShown() ? std::optional<QPoint>(walkerAt_) : std::nullopt;
    }
    std::optional<QPoint> doorPosition() const { return doorAt_; }
    std::optional<QRect> zoomRect() const { return zoom_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage walker_;
    QPoint walkerAt_;
    QImage door_;
    std::optional<QPoint> doorAt_;
    QImage zoomTile_;
    std::optional<QRect> zoom_;
};

}  // namespace rumbelo
