#include "scene/rules/scene_texts.h"

#include <initializer_list>

namespace rumbelo {
namespace {

constexpr char kCR = '\r';

std::string lines(const InterfaceTexts& texts, std::initializer_list<int> numbers) {
    std::string joined;
    bool first = true;
    for (int k : numbers) {
        if (!first) joined += kCR;
        joined += texts.trimmed(k);
        first = false;
    }
    return joined;
}

}  // namespace

const DoorLabelSpec* doorLabelFor(int section) {
    for (const DoorLabelSpec& spec : kDoorLabelSpecs)
        if (spec.section == section) return &spec;
    return nullptr;
}

SceneTexts buildSceneTexts(const InterfaceTexts& texts) {
    const auto t = [&](int k) { return texts.trimmed(k); };
    SceneTexts s;
    s.doors[0] = {t(84), lines(texts, {306, 307, 300})};
    s.doors[1] = {t(103), t(224)};
    s.doors[2] = {t(513), lines(texts, {318, 316, 317})};
    s.doors[3] = {t(21), lines(texts, {179, 180})};
    s.doors[4] = {t(512), lines(texts, {113, 154, 155, 156, 157, 158, 159})};
    s.doors[5] = {lines(texts, {514, 1, 2}), lines(texts, {229, 584})};
    s.doors[6] = {t(622) + " " + t(623), t(641)};
    s.doors[7] = {lines(texts, {8, 9, 10, 11}), lines(texts, {305, 301, 302})};
    s.doors[8] = {lines(texts, {8, 9, 10, 12}), t(305) + kCR + t(509) + " " + t(510)};
    s.doors[9] = {t(6), ""};
    s.leaveCaption = lines(texts, {587, 588});
    s.leaveHint = t(580);
    s.bubble1 = t(264) + kCR + "Rumbelo." + kCR + t(175) + " 2007-2008.";
    s.bubble2 = lines(texts, {16, 265, 266, 267});
    s.title = t(5);
    return s;
}

}  // namespace rumbelo
