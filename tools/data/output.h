#pragma once
// Writing the program's data files: Windows-1252 text with CR LF line ends and fixed
// columns, and byte-exact binary records.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/diagnostics.h"

namespace rumbelo::data {

// UTF-8 source text to Windows-1252; a character without a Windows-1252 byte is an error.
std::string toCp1252(const std::string& utf8, const SourcePos& pos, Diagnostics& diag);

// A fixed-width column: the text padded with blanks to `width`; longer text is an error
// naming `what` (and is cut so that the columns after it stay in place).
std::string fixedField(const std::string& cp1252, std::size_t width, const SourcePos& pos,
                       Diagnostics& diag, const std::string& what);

// A number right-aligned in `width` columns; a number that does not fit is an error.
std::string numberField(long value, std::size_t width, const SourcePos& pos, Diagnostics& diag,
                        const std::string& what);

class OutputFolder {
  public:
    OutputFolder(std::filesystem::path dir, Diagnostics& diag)
        : dir_(std::move(dir)), diag_(diag) {}
    const std::filesystem::path& dir() const { return dir_; }
    // Lines of Windows-1252 bytes, each ended by CR LF. `name` may include a language folder.
    void writeText(const std::string& name, const std::vector<std::string>& lines);
    void writeBinary(const std::string& name, const std::string& bytes);

  private:
    std::filesystem::path dir_;
    Diagnostics& diag_;
};

// A binary record of fixed size, written byte by byte (little-endian for wider values).
class Record {
  public:
    explicit Record(std::size_t size) : bytes_(size, '\0') {}
    void setByte(std::size_t offset, int value);
    void setU16(std::size_t offset, int value);
    void setI32(std::size_t offset, std::int32_t value);
    const std::string& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

  private:
    std::string bytes_;
};

}  // namespace rumbelo::data
