#include "data/output.h"

#include <fstream>
#include <stdexcept>

#include "common/text/cp1252.h"

namespace rumbelo::data {

std::string toCp1252(const std::string& utf8, const SourcePos& pos, Diagnostics& diag) {
    bool lossless = true;
    std::string bytes = utf8ToCp1252(utf8, &lossless);
    if (!lossless) diag.error(pos, "text has characters that Windows-1252 cannot hold: " + utf8);
    return bytes;
}

std::string fixedField(const std::string& cp1252, std::size_t width, const SourcePos& pos,
                       Diagnostics& diag, const std::string& what) {
    if (cp1252.size() > width) {
        diag.error(pos, what + " is " + std::to_string(cp1252.size()) +
                            " characters long; at most " + std::to_string(width) + " fit: \"" +
                            cp1252ToUtf8(cp1252) + "\"");
        return cp1252.substr(0, width);
    }
    return cp1252 + std::string(width - cp1252.size(), ' ');
}

std::string numberField(long value, std::size_t width, const SourcePos& pos, Diagnostics& diag,
                        const std::string& what) {
    std::string digits = std::to_string(value);
    if (digits.size() > width) {
        diag.error(pos,
                   what + " " + digits + " does not fit in " + std::to_string(width) + " columns");
        return std::string(width, '9');
    }
    return std::string(width - digits.size(), ' ') + digits;
}

void OutputFolder::writeText(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    writeBinary(name, bytes);
}

void OutputFolder::writeBinary(const std::string& name, const std::string& bytes) {
    const auto path = dir_ / name;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) diag_.error("cannot write " + path.string());
}

void Record::setByte(std::size_t offset, int value) {
    if (offset >= bytes_.size() || value < 0 || value > 255)
        throw std::out_of_range("byte outside its record or range");
    bytes_[offset] = static_cast<char>(value);
}

void Record::setU16(std::size_t offset, int value) {
    if (offset + 1 >= bytes_.size() || value < 0 || value > 65535)
        throw std::out_of_range("16-bit value outside its record or range");
    bytes_[offset] = static_cast<char>(value & 0xFF);
    bytes_[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Record::setI32(std::size_t offset, std::int32_t value) {
    if (offset + 3 >= bytes_.size()) throw std::out_of_range("32-bit value outside its record");
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_[offset + static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace rumbelo::data
