#include "scene/rules/sections.h"

namespace rumbelo {

std::optional<SectionTarget> sectionTarget(int section) {
    switch (section) {
        case 1:
        case 3:
        case 8:
            return SectionTarget{"TForm1"};
        case 2:
            return SectionTarget{"TFormCat"};
        case 4:
        case 9:
            return SectionTarget{"TForm2"};
        case 5:
            return SectionTarget{"TForm3"};
        case 6:
            return SectionTarget{"TFIniPro"};
        case 7:
            return SectionTarget{"Tprofe"};
        case kLeaveSection:
            return SectionTarget{"TCertifica"};
        case 11:
            return SectionTarget{"TForm5", true};
        default:
            return std::nullopt;
    }
}

}  // namespace rumbelo
