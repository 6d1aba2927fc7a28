#include "secondary/questionnaire/titles_list.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {

std::vector<std::string> areaTitles(const SecondaryData& data, const InterfaceTexts& texts,
                                    int area) {
    std::vector<std::string> lines{spaces(13) + texts.trimmed(48),
                                   spaces(3) + TrimRight(data.itinerary[area])};
    const std::vector<int>& titles = data.areas.titlesOf(area);
    // Areas 11 and 12 list degrees only; a heading never stands over an empty group.
    const bool anyCycle =
        std::any_of(titles.begin(), titles.end(), [](int t) { return t < kFirstSecondGroupTitle; });
    if (area != 11 && area != 12 && anyCycle)
        lines.insert(lines.end(), {"", "- " + texts.trimmed(80), ""});
    bool secondHeading = false;
    for (int t : titles) {
        if (t >= kFirstSecondGroupTitle && !secondHeading) {
            secondHeading = true;
            lines.insert(lines.end(), {"", "- " + texts.trimmed(84) + " " + texts.trimmed(46), ""});
        }
        lines.push_back(TrimRight(data.titles[t]));
    }
    return lines;
}

std::vector<std::string> titlesPrintout(const std::string& schoolName,
                                        const std::vector<std::string>& titles) {
    std::vector<std::string> lines{spaces(10) + TrimRight(schoolName), "", std::string(60, '-'),
                                   ""};
    lines.insert(lines.end(), titles.begin(), titles.end());
    return lines;
}

}  // namespace rumbelo::secondary
