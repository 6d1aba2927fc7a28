#pragma once
// The school profile: a 64-byte record that customises a copy of the program for one school
// (its name, language, theme and whether the scene is animated).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rumbelo {

constexpr std::size_t kProfileRecordSize = 64;
constexpr std::size_t kSchoolNameLength = 50;

struct SchoolProfile {
    std::string schoolName;      // Windows-1252, trailing blanks removed
    std::uint8_t animation = 0;  // 0 = static scene, anything else = animated wanted
    std::uint8_t language = 0;   // 0 Spanish, 1 catVal, 2 galego, 3 euskera
    std::string themeLetter;     // "F", "C", "N", "A", "P" or "E" (as stored)
};

// The first record of a profile file; nothing when the file is shorter than one record.
std::optional<SchoolProfile> parseSchoolProfile(std::string_view bytes);

// One record as the profile tool writes it (the name is cut to 50 characters).
std::string encodeSchoolProfile(const SchoolProfile& profile);

// The profile file among a folder's entries: the first, in listing order, whose name begins
// with "clave8" (case-sensitive); "clave8" itself when there is none.
std::string findProfileFileName(const std::vector<std::string>& entries);

}  // namespace rumbelo
