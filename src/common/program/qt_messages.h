#pragma once
// Message boxes and yes/no questions of the program, behind interfaces the tests replace.
#include <QString>

#include "common/messages.h"
#include "common/texts/interface_texts.h"

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

// Its buttons carry the program's own yes and no (interface texts 141 and 140), so the
// question reads in the pupil's language whatever the system's.
class MessageBoxQuestions : public Questions {
  public:
    explicit MessageBoxQuestions(const InterfaceTexts& texts) : texts_(texts) {}
    bool askYesNo(const QString& text) override;

  private:
    const InterfaceTexts& texts_;
};

}  // namespace rumbelo
