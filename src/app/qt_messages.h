#pragma once
// Message boxes and yes/no questions of the program, behind interfaces the tests replace.
#include <QString>

#include "common/messages.h"

class QWidget;

namespace rumbelo {

// Shows each message in a modal message box captioned "Rumbelo".
class MessageBoxSink : public MessageSink {
  public:
    void show(const std::string& text) override;
    void beep() override;
};

class Questions {
  public:
    virtual ~Questions() = default;
    // A yes/no question with a question icon and an empty title.
    virtual bool askYesNo(const QString& text) = 0;
};

class MessageBoxQuestions : public Questions {
  public:
    bool askYesNo(const QString& text) override;
};

}  // namespace rumbelo
