#include "data/wording.h"

#include <cctype>

namespace rumbelo::data {
namespace {

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || (static_cast<unsigned char>(c) >= 0x80);
}

std::string lower(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A whole word, not a part of one ("ustedes" counts, "gustedes" would not).
bool hasWord(const std::string& text, const std::string& word) {
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord =
            end == text.size() || !isLetter(text[end]) || text.compare(end, 2, "es") == 0;
        if (startsWord && endsWord) return true;
    }
    return false;
}

// "o/a", "os/as" and the reverse, right after a letter.
bool hasDoubledEnding(const std::string& text) {
    for (const char* ending : {"o/a", "a/o", "os/as", "as/os"}) {
        const std::string e = ending;
        for (auto at = text.find(e); at != std::string::npos; at = text.find(e, at + 1)) {
            const std::size_t end = at + e.size();
            if (at > 0 && isLetter(text[at - 1]) && (end == text.size() || !isLetter(text[end])))
                return true;
        }
    }
    return false;
}

}  // namespace

void checkWording(const std::string& utf8, const SourcePos& pos, Diagnostics& diag) {
    const std::string text = lower(utf8);
    if (hasWord(text, "usted"))
        diag.error(pos, "the texts speak to the pupil as \"t\xC3\xBA\", not \"usted\"");
    if (hasDoubledEnding(text))
        diag.error(pos, "write it so that it fits every pupil, without endings like \"o/a\"");
}

}  // namespace rumbelo::data
