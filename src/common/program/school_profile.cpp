#include "common/program/school_profile.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {
constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kAnimationOffset = 52;
constexpr std::size_t kLanguageOffset = 58;
constexpr std::size_t kThemeOffset = 62;

std::string lengthPrefixed(std::string_view record, std::size_t offset, std::size_t maxLength) {
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(record[offset]), maxLength);
    return std::string(record.substr(offset + 1, length));
}
}  // namespace

std::optional<SchoolProfile> parseSchoolProfile(std::string_view bytes) {
    if (bytes.size() < kProfileRecordSize) return std::nullopt;
    const std::string_view record = bytes.substr(0, kProfileRecordSize);
    SchoolProfile profile;
    profile.schoolName = TrimRight(lengthPrefixed(record, kNameOffset, kSchoolNameLength));
    profile.animation = static_cast<std::uint8_t>(record[kAnimationOffset]);
    profile.language = static_cast<std::uint8_t>(record[kLanguageOffset]);
    profile.themeLetter = lengthPrefixed(record, kThemeOffset, 1);
    return profile;
}

std::string encodeSchoolProfile(const SchoolProfile& profile) {
    std::string record(kProfileRecordSize, '\0');
    const std::string name = cut(profile.schoolName, kSchoolNameLength);
    record[kNameOffset] = static_cast<char>(name.size());
    std::copy(name.begin(), name.end(), record.begin() + kNameOffset + 1);
    record[kAnimationOffset] = static_cast<char>(profile.animation);
    record[kLanguageOffset] = static_cast<char>(profile.language);
    const std::string theme = cut(profile.themeLetter, 1);
    record[kThemeOffset] = static_cast<char>(theme.size());
    if (!theme.empty()) record[kThemeOffset + 1] = theme[0];
    return record;
}

std::string findProfileFileName(const std::vector<std::string>& entries) {
    for (const auto& entry : entries) {
        if (entry == "." || entry == "..") continue;
        if (entry.rfind("clave8", 0) == 0) return entry;
    }
    return "clave8";
}

}  // namespace rumbelo
