#include "secondary/itineraries/itinerary_lists.h"

#include <array>

#include "common/text/fixed_text.h"
#include "secondary/data/line_fields.h"

namespace rumbelo::secondary {
namespace {

constexpr std::array<int, kModalities> kDegreeColumns{1, 2, 3, 4, 5, 4, 0};
constexpr std::array<int, kModalities> kFpColumns{4, 5, 2, 3, 1, 6, 7};
constexpr int kLineLength = 60;

void addSubjectsOf(const LineTable& subjects, char a, const std::string& keysB,
                   std::vector<std::string>& out) {
    for (int k = 1; k <= subjects.count(); ++k) {
        if (subjects[k].empty() || subjects[k][0] != a) continue;
        for (const char b : keysB)
            if (hasSubjectKeys(subjects[k], a, b)) out.push_back(subjectText(subjects[k]));
    }
}

}  // namespace

void PrintDocument::add(const std::string& line) {
    if (count() < kCapacity) lines_.push_back(cut(line, kLineLength));
}

std::string separatorLine() {
    return spaces(5) + std::string(18, '-');
}

void PrintDocument::addSeparator() {
    addBlank();
    add(separatorLine());
    addBlank();
}

ItemList informationList(const LineTable& information, int code, const InterfaceTexts& texts) {
    ItemList list;
    list.kind = ListKind::Information;
    list.items = informationLines(information, code);
    if (code == 99) {
        list.items.push_back(texts.trimmed(580));
        list.items.emplace_back();
        for (int k = 562; k <= 568; ++k)
            list.items.push_back(texts.trimmed(k));
    }
    return list;
}

void appendInformation(PrintDocument& document, const ItemList& list) {
    document.addSeparator();
    for (const std::string& line : list.items)
        document.add(line);
}

std::vector<std::string> joinedParagraphs(const std::vector<std::string>& lines) {
    std::vector<std::string> joined;
    bool inParagraph = false;
    for (const std::string& line : lines) {
        const std::string text = TrimRight(line);
        if (IsBlank(text)) {
            joined.emplace_back();
            inParagraph = false;
        } else if (inParagraph) {
            joined.back() += ' ' + text;
        } else {
            joined.push_back(text);
            inParagraph = true;
        }
    }
    return joined;
}

ItemList subjectList(const LineTable& subjects, const std::string& title, long code) {
    ItemList list;
    list.kind = ListKind::Subjects;
    const std::string d = code > 0 ? std::to_string(code) : std::string();
    if (d.size() != 3) {
        list.items.push_back(title);
        list.items.push_back(spaces(32));
    }
    if (d.empty()) return list;
    addSubjectsOf(subjects, d[0], d.substr(1, 2), list.items);
    if (d.size() > 3) addSubjectsOf(subjects, d[3], d.substr(4, 3), list.items);
    return list;
}

void appendSubjects(PrintDocument& document, const ItemList& list) {
    for (const std::string& line : list.items)
        document.add(line);
    document.addBlank();
}

int degreeColumn(int modality) {
    if (modality < 1 || modality > kModalities) return 0;
    return kDegreeColumns[static_cast<std::size_t>(modality - 1)];
}

int fpColumn(int modality) {
    if (modality < 1 || modality > kModalities) return 0;
    return kFpColumns[static_cast<std::size_t>(modality - 1)];
}

ItemList degreeList(const LineTable& degrees, const LineTable& fpTitles, const std::string& title,
                    int modality, bool forPrint, const InterfaceTexts& texts) {
    ItemList list;
    list.kind = ListKind::Degrees;
    list.heading = texts.trimmed(58);
    auto& items = list.items;
    items.push_back(forPrint ? spaces(4) : "-" + title);
    const int column = degreeColumn(modality);
    // A modality without degrees of its own (the titles open from any Bachillerato) says
    // nothing about degrees rather than announce an empty list.
    if (column != 0) {
        items.push_back(texts.trimmed(168));
        items.push_back(texts.trimmed(169));
        items.emplace_back();
        items.push_back(texts.trimmed(170));
        items.emplace_back();
        for (int k = 1; k <= degrees.count(); ++k)
            if (openFromColumn(degrees[k], column))
                items.push_back(TrimRight(degreeName(degrees[k])));
    }
    items.emplace_back();
    items.push_back(texts.trimmed(172));
    items.push_back(texts.trimmed(173));
    items.push_back(texts.trimmed(174));
    items.push_back(spaces(10) + std::string(6, '-'));
    items.push_back(texts.trimmed(171));
    items.emplace_back();
    const int fp = fpColumn(modality);
    for (int k = 1; k <= fpTitles.count(); ++k)
        if (openFromColumn(fpTitles[k], fp)) items.push_back(TrimRight(fpTitleName(fpTitles[k])));
    return list;
}

void appendDegrees(PrintDocument& document, const ItemList& list) {
    document.addSeparator();
    document.add(list.heading);
    for (const std::string& line : list.items)
        document.add(line);
    document.addSeparator();
}

bool tallPopup(const ItemList& list, int buttonType) {
    switch (list.kind) {
        case ListKind::Information:
            return list.items.size() > 8;
        case ListKind::Subjects:
            return buttonType <= 40;
        case ListKind::Degrees:
            return true;
    }
    return true;
}

}  // namespace rumbelo::secondary
