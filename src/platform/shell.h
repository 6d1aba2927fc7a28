#pragma once
// Opening web pages and program files with the desktop's own handlers.
#include <string>

namespace rumbelo {

// Opens an address the program built itself; only http:// and https:// are accepted.
// Returns false when the address was refused or no handler took it.
bool openWebAddress(const std::string& address);

// Starts a program file that lies in the program folder; false when it is missing.
bool openProgramFile(const std::string& fileName);

// The system beep.
void beep();

}  // namespace rumbelo
