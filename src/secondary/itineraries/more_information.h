#pragma once
// The more-information button under some information lists of the itinerary diagram: the
// paragraphs about what follows a Bachillerato modality lead to its degrees and higher-FP
// titles; those about leaving school, initial programmes and intermediate FP lead to those
// sections. It is never offered while the assistant runs the sections.
namespace rumbelo::secondary {

enum class MoreInformation {
    None,
    DegreeList,         // stays here: the modality's degrees and titles
    Certificates,       // type 44: TCertifica
    InitialProgrammes,  // types 46 and 48: TFIniPro
    IntermediateFp,     // type 47: TForm3
};

struct MoreInformationAction {
    MoreInformation kind = MoreInformation::None;
    int modality = 0;  // DegreeList: the modality and the list's title (interface text)
    int title = 0;
};

// What the button does after a list of button type `type`.
MoreInformationAction moreInformation(int type);

// Whether the button is offered: an information list of one of those types, outside the
// assistant, and (for another section) only when that section is there to open.
bool offersMoreInformation(int type, bool informationList, bool assistant, bool sectionAvailable);

// The blink of its caption, every 200 ms: tick n (from 1) shows the caption on odd ticks and
// none on even ones; past the eighth it shows it and stops.
struct CaptionBlink {
    bool shown;
    bool finished;
};
CaptionBlink captionBlink(int tick);

}  // namespace rumbelo::secondary
