#include "secondary/itineraries/more_information.h"

namespace rumbelo::secondary {

MoreInformationAction moreInformation(int type) {
    using M = MoreInformation;
    switch (type) {
        case 3:
            return {M::DegreeList, 5, 65};
        case 7:
            return {M::DegreeList, 3, 59};
        case 8:
            return {M::DegreeList, 4, 60};
        case 13:
            return {M::DegreeList, 1, 61};
        case 14:
            return {M::DegreeList, 2, 62};
        case 20:
            return {M::DegreeList, 6, 63};
        case 44:
            return {M::Certificates};
        case 46:
        case 48:
            return {M::InitialProgrammes};
        case 47:
            return {M::IntermediateFp};
        default:
            return {};
    }
}

bool offersMoreInformation(int type, bool informationList, bool assistant, bool sectionAvailable) {
    if (assistant || !informationList) return false;
    const MoreInformationAction action = moreInformation(type);
    if (action.kind == MoreInformation::None) return false;
    return action.kind == MoreInformation::DegreeList || sectionAvailable;
}

CaptionBlink captionBlink(int tick) {
    if (tick > 8) return {true, true};
    return {tick % 2 == 1, false};
}

}  // namespace rumbelo::secondary
