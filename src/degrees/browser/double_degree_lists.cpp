#include "degrees/browser/double_degree_lists.h"

#include <set>

#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr std::size_t kHeadingName = 48;
constexpr std::size_t kShortName = 20;
constexpr std::size_t kMemberLine = 70;

// The duration shown beside a double degree: "-" when none is given.
std::string years(const DoubleDegreeMember& member) {
    return member.kind == 0 ? std::string("-") : std::to_string(member.kind);
}

const DoubleDegreeGroup* groupAt(const DoubleDegrees& doubles, int g) {
    if (g < 1 || g > doubles.count()) return nullptr;
    return &doubles.groups[static_cast<std::size_t>(g)];
}

}  // namespace

std::vector<int> degreesWithDoubles(const DegreeCatalog& catalog, const DoubleDegrees& doubles) {
    std::set<int> found;
    for (int g = 1; g <= doubles.count(); ++g)
        for (const auto& member : groupAt(doubles, g)->members)
            for (const int degree : {member.a, member.b})
                if (degree >= 1 && degree <= catalog.degreeLines) found.insert(degree);
    return {found.begin(), found.end()};
}

std::vector<MarkedLine> doubleDegreesOfDegree(const DegreeCatalog& catalog,
                                              const DoubleDegrees& doubles, int d) {
    std::vector<MarkedLine> lines;
    const std::string shortName = cut(catalog.name(d), kShortName);
    for (int g = 1; g <= doubles.count(); ++g) {
        const DoubleDegreeGroup& group = *groupAt(doubles, g);
        bool headed = false;
        const auto add = [&](const DoubleDegreeMember& member, int other) {
            if (!headed) {
                lines.push_back({"", false});
                lines.push_back({spaces(8) + cut(group.name, kHeadingName), true});
                headed = true;
            }
            const std::string line =
                " " + years(member) + " | " + shortName + "...+ " + catalog.name(other);
            lines.push_back({cut(line, kMemberLine), false});
        };
        for (const auto& member : group.members) {
            if (member.a == d) add(member, member.b);
            if (member.b == d) add(member, member.a);
        }
    }
    return lines;
}

std::vector<std::string> doubleDegreesOfUniversity(const DegreeCatalog& catalog,
                                                   const DoubleDegrees& doubles, int g,
                                                   const InterfaceTexts& texts) {
    std::vector<std::string> lines;
    const DoubleDegreeGroup* group = groupAt(doubles, g);
    if (!group) return lines;
    for (const auto& member : group->members) {
        lines.push_back(catalog.name(member.a));
        lines.push_back(catalog.name(member.b));
        lines.push_back(texts[241] + "  " + years(member));
        lines.push_back("     -----     ");
    }
    return lines;
}

std::string doubleDegreesOfDegreeHeading(const InterfaceTexts& texts) {
    return cut(cut(texts[241] + spaces(26), 41) + texts[242], 66);
}

std::string doubleDegreesOfDegreeCaption(const InterfaceTexts& texts) {
    return texts[241] + " " + texts[443];
}

}  // namespace rumbelo::degrees
