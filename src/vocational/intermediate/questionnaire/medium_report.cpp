#include "vocational/intermediate/questionnaire/medium_report.h"

namespace rumbelo::intermediate {

void MediumReport::writeAreas(const std::string& heading, const std::vector<std::string>& areas) {
    table_.blankFrom(1);
    last_ = 0;
    put(heading);
    bold_.setSlot(1, last_);
    put("");
    for (const std::string& area : areas)
        put(area);
    areasEnd_ = last_;
    titleLine_ = 0;
    bold_.setCount(1);
}

void MediumReport::writeStatements(const std::string& heading,
                                   const std::vector<std::string>& statements) {
    table_.blankFrom(areasEnd_ + 1);
    last_ = areasEnd_;
    put("");
    put(heading);
    bold_.setSlot(2, last_);
    put("");
    for (const std::string& statement : statements)
        put(statement);
    put("");
    titleLine_ = last_;
    bold_.setSlot(3, titleLine_);
    bold_.setCount(3);
}

void MediumReport::writeTitle(const std::string& titleWord, const std::string& title,
                              const std::string& centresWord,
                              const std::vector<std::string>& centres) {
    if (titleLine_ == 0) return;
    table_.blankFrom(titleLine_);
    last_ = titleLine_ - 1;
    put(titleWord + ": " + title);
    put("");
    put(centresWord + ":");
    put("");
    for (const std::string& centre : centres)
        put(centre);
}

}  // namespace rumbelo::intermediate
