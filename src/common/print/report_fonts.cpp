#include "common/print/report_fonts.h"

#include <QFont>

namespace rumbelo {

const std::vector<FontSubstitution>& fontSubstitutions() {
    // Liberation fonts share the metrics of the fonts they stand for; Comic Neue is the
    // closest free match of Comic Sans MS.
    static const std::vector<FontSubstitution> table = {
        {QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")}},
        {QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")}},
    };
    return table;
}

void installFontSubstitutions() {
    for (const auto& substitution : fontSubstitutions()) {
        // Qt keeps substitutes in lower case.
        const QStringList present = QFont::substitutes(substitution.family);
        for (const QString& replacement : substitution.replacements)
            if (!present.contains(replacement, Qt::CaseInsensitive))
                QFont::insertSubstitution(substitution.family, replacement);
    }
}

}  // namespace rumbelo
