#pragma once
// The one way out of the program: "Do you really want to leave?" on the shared dialog.
namespace rumbelo {

class Program;

// Asks interface text 49. On yes: shows the scene in front, restores a changed display
// mode, sets the abort flag and ends the message loop; returns true. On no: false, and
// nothing changes.
bool confirmExit(Program& program);

}  // namespace rumbelo
