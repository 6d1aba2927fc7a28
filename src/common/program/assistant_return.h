#pragma once
// The way back from a section: to the assistant while its flag is set, otherwise to the
// scene. The section hides itself.
namespace rumbelo {

class Program;

// Shows the assistant and brings it to the front when the assistant flag is set and the
// assistant exists; false otherwise (nothing shown).
bool showAssistant(Program& program);
// The assistant as above, or else the scene brought to the front.
void showAssistantOrScene(Program& program);

}  // namespace rumbelo
