#include "common/widgets/arrow_picture.h"

#include <QPainter>
#include <QPolygonF>

namespace rumbelo {

QPixmap arrowPicture(int size, ArrowPointing pointing) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 60-unit square, pointing right.
    const double unit = size / 60.0;
    painter.scale(unit, unit);
    if (pointing == ArrowPointing::Left) {
        painter.translate(60, 0);
        painter.scale(-1, 1);
    }
    const QPolygonF arrow({{4, 20}, {30, 20}, {30, 6}, {56, 30}, {30, 54}, {30, 40}, {4, 40}});
    painter.setPen(QPen(QColor(90, 30, 0), 2));
    painter.setBrush(QColor(230, 90, 20));
    painter.drawPolygon(arrow);
    return pixmap;
}

}  // namespace rumbelo
