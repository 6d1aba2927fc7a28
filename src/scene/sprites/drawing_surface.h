#pragma once
// The animated scene's drawing surface: an 800x600 back buffer drawn on a widget. Frames are
// drawn into the back buffer (sprites, then texts through its canvas) and shown by a flip.
// The surface tells the scene when it is initialised and finalised, and reports the mouse.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>

namespace rumbelo {

// Text on the back buffer: font, colour, measuring and drawing at a point (the point is the
// text's top-left corner). Released (destroyed) before the flip.
class SurfaceCanvas {
  public:
    explicit SurfaceCanvas(QImage& backBuffer);
    void setFont(const QString& family, int pointSize, bool bold = false);
    void setColour(const QColor& colour) { painter_.setPen(colour); }
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;
    void textOut(int x, int y, const QString& text);
    QPainter& painter() { return painter_; }

  private:
    QPainter painter_;
};

class DrawingSurface : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // Acquires the back buffer; tells the scene. The scene may treat false as "no animation".
    bool initialize();
    void finalize();
    bool initialized() const { return initialized_; }
    // False while not initialised or not shown: the frame step then does nothing.
    bool canDraw() const;

    void fill(const QColor& colour);
    QImage& backBuffer() { return back_; }
    void flip();

    // The 256 colours of the common list; kept for the lists' sake, the buffer has full colour.
    void setColourTable(const QList<QRgb>& colours) { colourTable_ = colours; }
    const QList<QRgb>& colourTable() const { return colourTable_; }

    // The cursor as the last mouse event left it, in surface coordinates.
    QPoint mousePosition() const { return mouse_; }

  signals:
    void initializedSurface();
    void finalizedSurface();
    void clicked(QPoint at);
    void doubleClicked(QPoint at);
    void wheeled(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QImage back_;
    QList<QRgb> colourTable_;
    QPoint mouse_{400, 300};
    bool initialized_ = false;
};

// A picture turned into a surface whose pixels of one colour are transparent (white for the
// help transition), drawn stretched into a rectangle.
QImage surfaceFromPicture(const QImage& picture, const QColor& transparent);

}  // namespace rumbelo
