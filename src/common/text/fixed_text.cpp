#include "common/text/fixed_text.h"

#include <algorithm>

namespace rumbelo {

std::string TrimRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ')
        --end;
    return std::string(s.substr(0, end));
}

bool IsBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

std::string Blanks(int n, char c) {
    const int copies = std::clamp(n - 1, 0, 80);
    return std::string(static_cast<std::size_t>(copies), c);
}

std::string padTo(std::string_view s, int w) {
    if (w <= 0) return {};
    std::string padded(s);
    padded += std::string(static_cast<std::size_t>(w - 1), ' ');
    padded.resize(std::min(padded.size(), static_cast<std::size_t>(w)));
    return padded;
}

std::string cut(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, n));
}

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

std::string cols(std::string_view line, std::size_t a, std::size_t b) {
    if (a < 1 || b < a || a > line.size()) return {};
    return std::string(line.substr(a - 1, b - a + 1));
}

std::string colsFrom(std::string_view line, std::size_t a) {
    if (a < 1 || a > line.size()) return {};
    return std::string(line.substr(a - 1));
}

std::optional<int> parseNumber(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size()) return std::nullopt;
    long value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        value = value * 10 + (s[i] - '0');
        if (value > 1'000'000'000) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string rightAligned(long value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() >= width) return digits;
    return std::string(width - digits.size(), ' ') + digits;
}

}  // namespace rumbelo
