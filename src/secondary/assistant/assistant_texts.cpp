#include "secondary/assistant/assistant_texts.h"

#include <initializer_list>

namespace rumbelo::assistant {

namespace {

constexpr char kBreak = '\r';
constexpr int kBlankLine = -1;  // two line breaks in a row

std::string compose(const InterfaceTexts& texts, std::initializer_list<int> parts) {
    std::string out;
    bool first = true;
    for (const int k : parts) {
        if (k == kBlankLine) {
            out += kBreak;
            continue;
        }
        if (!first) out += kBreak;
        out += texts.trimmed(k);
        first = false;
    }
    return out;
}

}  // namespace

std::string startText(const InterfaceTexts& texts) {
    return compose(texts, {457, kBlankLine, 458, 459, 460, kBlankLine, 461, 462, 463, 464, 465});
}

std::string stepText(const InterfaceTexts& texts, Stage stage, int step) {
    switch (step) {
        case 1:
            return compose(texts, {498, 499});
        case 2:
            return texts.trimmed(492);
        case 3:
            return stage == Stage::Eso ? compose(texts, {485, 486}) : texts.trimmed(484);
        default:
            return {};
    }
}

std::string joinedRun(const InterfaceTexts& texts, int first, int last) {
    std::string out;
    for (int k = first; k <= last; ++k) {
        if (k > first) out += kBreak;
        out += texts.trimmed(k);
    }
    return out;
}

std::string intermediateToHigherText(const InterfaceTexts& texts) {
    return compose(texts, {480, 481, 482, kBlankLine, 483});
}

}  // namespace rumbelo::assistant
