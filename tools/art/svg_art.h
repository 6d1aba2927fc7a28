#pragma once
// SVG sources under art/, rendered with QtSvg. A source may hold "${name}" placeholders that
// are replaced before rendering (a theme colour, or "inline"/"none" to show a variant's parts).
#include <QHash>
#include <QImage>
#include <QString>

namespace rumbelo::art {

using SvgVariables = QHash<QString, QString>;

// Renders the file into a transparent picture of exactly `width` x `height` pixels.
// Throws std::runtime_error when the file is missing, a placeholder is left unresolved, or the
// SVG cannot be read.
QImage renderSvg(const QString& path, int width, int height, const SvgVariables& variables = {});

}  // namespace rumbelo::art
