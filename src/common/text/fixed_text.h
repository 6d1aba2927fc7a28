#pragma once
// Fixed-width text: the padding, trimming and blank rules every data file is read with.
// Strings hold Windows-1252 bytes; columns count bytes from 1.
#include <optional>
#include <string>
#include <string_view>

namespace rumbelo {

// Trailing blanks (character 32 only) removed; leading blanks and other characters stay.
std::string TrimRight(std::string_view s);

// Empty, or nothing but blanks.
bool IsBlank(std::string_view s);

// n-1 copies of c, at most 80: the filler of the padding rule.
std::string Blanks(int n, char c = ' ');

// The padding rule: append w-1 blanks, keep the first w characters. An empty line therefore
// becomes w-1 blanks, every other line exactly w characters.
std::string padTo(std::string_view s, int w);

// The first n characters (all of s when it is shorter).
std::string cut(std::string_view s, std::size_t n);

// n blanks.
std::string spaces(std::size_t n);

// Characters a..b of a line, 1-based and inclusive; a short line yields what is there.
std::string cols(std::string_view line, std::size_t a, std::size_t b);

// Characters a..end of a line.
std::string colsFrom(std::string_view line, std::size_t a);

// A whole number as the program's readers take one: leading blanks skipped, an optional
// sign, then digits up to the end. Empty, blank, trailing blanks or any other character:
// not a number.
std::optional<int> parseNumber(std::string_view s);

// Right-aligned decimal in a field of `width` characters (wider numbers are not cut).
std::string rightAligned(long value, std::size_t width);

}  // namespace rumbelo
