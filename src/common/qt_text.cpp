#include "common/qt_text.h"

#include "common/text/cp1252.h"

namespace rumbelo {

QString toQt(const std::string& cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252)
        text.append(QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    return text;
}

std::string fromQt(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        bool mapped = false;
        const unsigned char byte = codePointToCp1252(c.unicode(), &mapped);
        out += mapped ? static_cast<char>(byte) : '?';
    }
    return out;
}

}  // namespace rumbelo
