#pragma once
// The lists behind the picture buttons of the itinerary diagram: an information paragraph
// from "INFORMA", the subjects of a course from "MATERIAS", and the degrees and higher-FP
// titles a Bachillerato modality leads to from "CARRERAS" and "FPS". Each builds the lines
// the pop-up shows; appending adds them to a printout with its own spacing.
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::secondary {

enum class ListKind { Information, Subjects, Degrees };

struct ItemList {
    ListKind kind = ListKind::Information;
    std::string heading;             // entry 0: printed, never shown in the pop-up
    std::vector<std::string> items;  // what the pop-up shows, in order
};

// A printout's lines, at most 1000; lines past that are dropped, never written beyond it.
class PrintDocument {
  public:
    static constexpr int kCapacity = 1000;
    void add(const std::string& line);
    void addBlank() { add(std::string()); }
    // The separator block: an empty line, five blanks and 18 hyphens, an empty line.
    void addSeparator();
    const std::vector<std::string>& lines() const { return lines_; }
    int count() const { return static_cast<int>(lines_.size()); }

  private:
    std::vector<std::string> lines_;
};

// The separator line: five blanks and 18 hyphens.
std::string separatorLine();

// Paragraph `code`: its lines and, for codes 20-29, those of paragraph 20 where they stand in
// the file; code 99 ends with the nine fixed lines of leaving school (texts 580, empty,
// 562-568).
ItemList informationList(const LineTable& information, int code, const InterfaceTexts& texts);
void appendInformation(PrintDocument& document, const ItemList& list);
// An information list as the pop-up shows it: the lines of each paragraph (the file wraps them
// for paper) joined into one entry that the list wraps to its own width; empty lines stay.
std::vector<std::string> joinedParagraphs(const std::vector<std::string>& lines);

// The subjects of `code`: its first digit is key A and the next two the keys B of a first
// group; digits 4 to 7, when there are more than three, a second group. A three-digit code
// lists its subjects without the title line; a longer one starts with the title and a blank
// line of 32 characters.
ItemList subjectList(const LineTable& subjects, const std::string& title, long code);
void appendSubjects(PrintDocument& document, const ItemList& list);

// Bachillerato modalities as the lists number them: 1 Humanidades, 2 CC. Sociales, 3 Salud,
// 4 Técnica, 5 Artes, 6 Tecnología, 7 the titles open from any Bachillerato.
inline constexpr int kModalities = 7;
// The "CARRERAS" column of modality k (0: the modality lists no degrees) and its "FPS" column.
int degreeColumn(int modality);
int fpColumn(int modality);

// The degrees and higher-FP titles modality k leads to; `forPrint` builds the printout's
// version (no title on its first line).
ItemList degreeList(const LineTable& degrees, const LineTable& fpTitles, const std::string& title,
                    int modality, bool forPrint, const InterfaceTexts& texts);
void appendDegrees(PrintDocument& document, const ItemList& list);

// Whether the pop-up for this list is the tall one (225 pixels) or the short one (150).
bool tallPopup(const ItemList& list, int buttonType);

}  // namespace rumbelo::secondary
