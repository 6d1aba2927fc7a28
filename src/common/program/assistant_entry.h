#pragma once
// How the assistant opens a section in a prepared state. The assistant flag is already set
// when a section is entered this way; while it stays set, the section's back or exit returns
// to the assistant instead of the scene.
namespace rumbelo {

// What the assistant asks a section to show; a section with one entry ignores it.
enum class AssistantRequest {
    Certificates,
    InitialProgrammes,
    IntermediateFp,
    Itineraries,
    Catalogue,
    SecondaryQuestionnaire,
    Professions,
    DegreeInformation,
    HigherFp,
    UniversityQuestionnaire,
};

class AssistantEntry {
  public:
    virtual ~AssistantEntry() = default;
    virtual void enterFromAssistant(AssistantRequest request) = 0;
};

}  // namespace rumbelo
