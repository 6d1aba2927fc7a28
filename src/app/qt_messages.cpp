#include "app/qt_messages.h"

#include <QMessageBox>

#include "common/qt_text.h"
#include "platform/shell.h"

namespace rumbelo {

void MessageBoxSink::show(const std::string& text) {
    QMessageBox::information(nullptr, QStringLiteral("Rumbelo"), toQt(text));
}

void MessageBoxSink::beep() {
    rumbelo::beep();
}

bool MessageBoxQuestions::askYesNo(const QString& text) {
    return QMessageBox::question(nullptr, QString(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace rumbelo
