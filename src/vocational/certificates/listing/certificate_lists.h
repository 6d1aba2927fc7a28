#pragma once
// What the certificates lists show, read off the two files: the groups, the families of a
// group, the certificates of a family, a certificate's requirements, hours and description.
// Line numbers are the renumbered ones (1 = the first line after the nine groups).
#include <string>
#include <vector>

#include "vocational/certificates/data/certificate_files.h"

namespace rumbelo::certificates {

// The group names (cols 9-60 of lines 1-9, trailing blanks removed), one per group.
std::vector<std::string> groupRows(const CertificateFiles& files);

// The icon of the image list beside group row `row` (1-based).
int groupIcon(int row);

// Group g's families (1-based g): for each letter of its code in turn, every family heading
// of that letter in file order. A letter written twice lists its family twice.
std::vector<int> familiesOfGroup(const CertificateFiles& files, int group);

// The certificates of the family whose heading is line `familyLine`: every line of the same
// letter that is not a heading, in file order.
std::vector<int> certificatesOfFamily(const CertificateFiles& files, int familyLine);

// What a list row shows for a line: the line from column 2, trailing blanks removed.
std::string rowText(const CertificateFiles& files, int line);

// The requirement texts of certificate `line`: for each of its three code characters in
// turn, every requirement line with that code, in line order. A code that names no line
// adds nothing.
std::vector<std::string> requirementTexts(const CertificateFiles& files, int line);

struct CertificatePanel {
    std::string title;         // the name, 60 characters from column 2
    std::string requirements;  // the requirement texts, each followed by a line break
    std::string hours;         // cols 4-6 of the "certificaH" line
    std::string description;   // cols 8-90 of the "certificaH" line
};
CertificatePanel certificatePanel(const CertificateFiles& files, int line);

}  // namespace rumbelo::certificates
