#include "data/profile_tool.h"

#include <fstream>

#include "common/program/school_profile.h"
#include "common/program/themes.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"

namespace rumbelo::data {

int writeProfileCommand(const std::vector<std::string>& args, std::string& error) {
    SchoolProfile profile;
    profile.themeLetter = "F";
    profile.animation = 1;
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--name" && hasValue) {
            bool lossless = true;
            profile.schoolName = utf8ToCp1252(args[++i], &lossless);
            if (!lossless) error = "the school name has characters Windows-1252 cannot hold";
            if (profile.schoolName.size() > kSchoolNameLength)
                error = "the school name holds at most 50 characters";
        } else if (arg == "--language" && hasValue) {
            const auto value = parseNumber(args[++i]);
            if (!value || *value < 0 || *value > 3)
                error = "--language takes 0, 1, 2 or 3";
            else
                profile.language = static_cast<std::uint8_t>(*value);
        } else if (arg == "--theme" && hasValue) {
            profile.themeLetter = args[++i];
            if (profile.themeLetter.size() != 1 || !isThemeLetter(profile.themeLetter[0]))
                error = "--theme takes one of F, C, N, A, P, E";
        } else if (arg == "--animation" && hasValue) {
            const auto value = parseNumber(args[++i]);
            if (!value || *value < 0 || *value > 1)
                error = "--animation takes 0 or 1";
            else
                profile.animation = static_cast<std::uint8_t>(*value);
        } else if (file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;
        } else {
            error = "unexpected argument " + arg;
        }
        if (!error.empty()) return 2;
    }
    if (file.empty()) {
        error = "no output file given";
        return 2;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string record = encodeSchoolProfile(profile);
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    if (!out) {
        error = "cannot write " + file;
        return 1;
    }
    return 0;
}

}  // namespace rumbelo::data
