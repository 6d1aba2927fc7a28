#pragma once
// Where the core's messages go: a message box in the program, a list in the tests.
#include <string>
#include <vector>

namespace rumbelo {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // text is Windows-1252, as every text of the program.
    virtual void show(const std::string& text) = 0;
    virtual void beep() {}
};

// Keeps every message; used by tests and by tools that print what went wrong.
class RecordingSink : public MessageSink {
  public:
    void show(const std::string& text) override { messages.push_back(text); }
    void beep() override { ++beeps; }
    std::vector<std::string> messages;
    int beeps = 0;
};

}  // namespace rumbelo
