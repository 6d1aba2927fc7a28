#pragma once
// A widget that fills itself with one picture repeated from its top-left corner: the
// mosaic of the static scene, the floor and frame tiles of the section forms.
#include <QImage>
#include <QWidget>

namespace rumbelo {

struct SharedPictures;

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

// A named strip of `parent` at `where`, filled with `tile`.
TiledPicture* addTiledStrip(QWidget* parent, const char* name, QRect where, const QImage& tile);

// The background of a section window: the floor "degrade" over the whole of `size`, then the
// frame's strips "TilArr", "TilDer" and "TilIzq", `frame` pixels wide, over it. Returns the
// floor, the one part the forms wire to.
TiledPicture* addFramedBackground(QWidget* parent, QSize size, int frame,
                                  const SharedPictures& pictures);

}  // namespace rumbelo
