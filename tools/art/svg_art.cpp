#include "svg_art.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <stdexcept>

#include "paint_kit.h"

namespace rumbelo::art {

QImage renderSvg(const QString& path, int width, int height, const SvgVariables& variables) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(path.toStdString() + ": cannot be opened");
    QString text = QString::fromUtf8(file.readAll());
    for (auto it = variables.begin(); it != variables.end(); ++it)
        text.replace(QStringLiteral("${") + it.key() + QLatin1Char('}'), it.value());
    static const QRegularExpression left(QStringLiteral(R"(\$\{([A-Za-z0-9_.]+)\})"));
    if (const auto match = left.match(text); match.hasMatch())
        throw std::runtime_error(path.toStdString() + ": nothing given for ${" +
                                 match.captured(1).toStdString() + "}");
    QSvgRenderer renderer(text.toUtf8());
    if (!renderer.isValid()) throw std::runtime_error(path.toStdString() + ": not a valid SVG");
    return paintedCanvas(width, height,
                         [&](QPainter& p) { renderer.render(&p, QRectF(0, 0, width, height)); });
}

}  // namespace rumbelo::art
