#include "secondary/questionnaire/section_texts.h"

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {

std::string sectionCaption(const InterfaceTexts& texts, const std::string& schoolName) {
    return TrimRight(texts[338]) + "  " + TrimRight(schoolName);
}

std::string yearCaption(const InterfaceTexts& texts) {
    return TrimRight(texts[175]) + "\n" + kSchoolYear;
}

int schoolNameFontSize(std::size_t length) {
    if (length > 45) return 10;
    if (length >= 36) return 14;
    if (length >= 26) return 16;
    return 18;
}

GuideLines helpSetLines(const InterfaceTexts& texts, const HelpNumbers& numbers) {
    GuideLines lines;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        lines[i] = numbers[i] > 0 ? texts.trimmed(numbers[i]) : std::string();
    return lines;
}

GuideLines openingHelpLines(const InterfaceTexts& texts, bool itinerariesOffered) {
    GuideLines lines = helpSetLines(texts, kOpeningHelp);
    if (!itinerariesOffered) {
        *lines[2] += '.';
        lines[3] = std::string();
    }
    return lines;
}

}  // namespace rumbelo::secondary
