#pragma once
// The columns of the secondary form's text files, as stored after padding.
#include <string>
#include <string_view>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo::secondary {

// "CUESTION": the weight code (col 1) and answer format (col 2), each one digit taken by the
// ordinary conversion of one character (0 when it is not a digit), and the statement.
int statementWeight(std::string_view line);
int statementFormat(std::string_view line);
std::string statementText(std::string_view line);  // cols 3-50

// "CARRERAS" and "FPS": column k holds the digit k when the line is open from modality k.
bool openFromColumn(std::string_view line, int column);
std::string degreeName(std::string_view line);   // "CARRERAS" cols 6-50
std::string fpTitleName(std::string_view line);  // "FPS" cols 8-50

// "INFORMA": a paragraph code as the file writes it, right-aligned in two characters.
std::string paragraphCode(int code);
// The text (cols 3-60) of every line whose cols 1-2 are exactly `code2`, in file order.
std::vector<std::string> paragraphLines(const LineTable& information, std::string_view code2);
// The lines an information list shows for `code`: its own lines and, for a code whose two
// characters begin with "2", the lines of "20" where they stand in the file.
std::vector<std::string> informationLines(const LineTable& information, int code);

// "MATERIAS": keys A (col 1) and B (col 2) and the subject (cols 3-60).
bool hasSubjectKeys(std::string_view line, char a, char b);
std::string subjectText(std::string_view line);

}  // namespace rumbelo::secondary
