#pragma once
// The "key = value" files of art/ (theme styles, tunes): one entry a line, blank lines and
// whole lines starting with '#' skipped (so a value may start with '#', as colours do), and
// every mistake reported with the file and line it stands on.
#include <QString>
#include <functional>
#include <stdexcept>

namespace rumbelo::art {

// "path:line: why".
std::runtime_error fileError(const QString& path, int line, const QString& why);

// Calls entry(line, key, value) for each entry in file order, key and value trimmed. Throws
// std::runtime_error when the file cannot be opened or a line is no "key = value".
void readKeyValues(const QString& path,
                   const std::function<void(int, const QString&, const QString&)>& entry);

}  // namespace rumbelo::art
