#pragma once
// The program names Windows fonts ("Courier New", "Arial", "Times New Roman",
// "Comic Sans MS"). Where they are missing, Qt is told to use free fonts with the same
// character widths, so lists, columns and reports keep their layout on every machine.
#include <QString>
#include <QStringList>
#include <vector>

namespace rumbelo {

struct FontSubstitution {
    QString family;            // as the program names it
    QStringList replacements;  // tried in order when the family is not installed
};

const std::vector<FontSubstitution>& fontSubstitutions();

// Installs the table into QFont's substitutions; calling it again changes nothing. Needs a
// QGuiApplication.
void installFontSubstitutions();

}  // namespace rumbelo
