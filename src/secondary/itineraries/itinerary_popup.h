#pragma once
// Where the pop-up list of the itinerary diagram opens: on the clicked button, kept inside
// the form, with its close button in its corner and, for the paragraphs that lead further,
// the more-information button under it.
#include <vector>

namespace rumbelo::secondary {

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Box&) const = default;
};

inline constexpr int kPopupWidth = 300;
inline constexpr int kTallPopup = 225;
inline constexpr int kShortPopup = 150;
inline constexpr int kOfferingPopup = 300;  // an information list that offers more
inline constexpr int kCloseWidth = 60, kCloseHeight = 20;
inline constexpr int kMoreHeight = 24;

struct PopupLayout {
    Box list;              // the final place of List_Sel
    bool upwards = false;  // it grows up from the button
    Box close;             // BotCerrarV
    bool offersMore = false;
    Box more;  // botContextual, when offered
    // The opening effect: the sizes it grows through, 4 pixels a step, before `list`.
    std::vector<Box> opening;
};

// `buttonLeft`, `buttonTop`: the clicked button's place; `offersMore` from moreInformation.
PopupLayout popupLayout(int buttonLeft, int buttonTop, bool tall, bool offersMore, int buttonType,
                        int formWidth, int formHeight);

}  // namespace rumbelo::secondary
