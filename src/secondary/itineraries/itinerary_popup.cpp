#include "secondary/itineraries/itinerary_popup.h"

namespace rumbelo::secondary {

PopupLayout popupLayout(int buttonLeft, int buttonTop, bool tall, bool offersMore, int buttonType,
                        int formWidth, int formHeight) {
    PopupLayout layout;
    Box& list = layout.list;
    list = Box{buttonLeft, buttonTop, kPopupWidth, tall ? kTallPopup : kShortPopup};
    if (list.right() + 30 > formWidth) list.left = formWidth - 330;
    layout.upwards = list.bottom() > formHeight - 40;
    for (int size = 4; size <= list.height; size += 4) {
        Box frame{buttonLeft, buttonTop, size, size};
        if (layout.upwards) frame.top = buttonTop - size;
        layout.opening.push_back(frame);
    }
    if (layout.upwards) list.top = buttonTop - list.height;
    layout.offersMore = offersMore;
    if (offersMore && buttonType <= 20) list.height = kOfferingPopup;
    // An upward list, or one made taller, still ends inside the form.
    if (list.bottom() + (offersMore ? kMoreHeight : 0) > formHeight)
        list.top = formHeight - list.height - (offersMore ? kMoreHeight : 0);
    if (list.top < 0) list.top = 0;
    layout.close = Box{list.right() - 66, list.bottom() - 23, kCloseWidth, kCloseHeight};
    if (offersMore) {
        layout.more = Box{list.left, list.bottom(), list.width - 53, kMoreHeight};
        layout.close = Box{layout.more.right() + 3, layout.more.top, 50, kMoreHeight};
    }
    return layout;
}

}  // namespace rumbelo::secondary
