#pragma once
// A widget that fills itself with one picture repeated from its top-left corner: the
// mosaic of the static scene, the floor and frame tiles of the section forms.
#include <QImage>
#include <QWidget>

namespace rumbelo {

class TiledPicture : public QWidget {
    Q_OBJECT
  public:
    explicit TiledPicture(QWidget* parent = nullptr);
    void setTile(const QImage& tile);
    const QImage& tile() const { return tile_; }

  signals:
    void mouseMoved();
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage tile_;
};

}  // namespace rumbelo
