#include "degrees/browser/form_texts.h"

namespace rumbelo::degrees {

std::string sectionCaption(const InterfaceTexts& texts, const std::string& schoolName) {
    return texts[338] + "  " + schoolName;
}

std::string yearCaption(const InterfaceTexts& texts) {
    return texts[175] + "\r" + kSchoolYear;
}

int schoolNameFontSize(std::size_t length) {
    if (length > 45) return 10;
    if (length >= 36) return 14;
    if (length >= 26) return 16;
    return 18;
}

}  // namespace rumbelo::degrees
