#pragma once
// Where a section goes when the pupil leaves it: the secondary form that opened it over
// itself is still on screen, the assistant is shown again, otherwise the scene.
namespace rumbelo {

class Program;

enum class SectionCaller { Scene, Secondary, Assistant };

// The caller of a section entered from the scene or the assistant: the assistant while its
// flag is set.
SectionCaller callerFromFlag(const Program& program);

// Shows what `caller` asks for (the section has hidden itself). Without an assistant form
// the scene is shown.
void returnToCaller(Program& program, SectionCaller caller);

}  // namespace rumbelo
