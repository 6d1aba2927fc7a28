#include "common/program/qt_messages.h"

#include <QAbstractButton>
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
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No);
    const auto caption = [this](int k, const char* fallback) {
        const QString own = toQt(texts_.trimmed(k));
        return own.isEmpty() ? QString::fromUtf8(fallback) : own;
    };
    box.button(QMessageBox::Yes)->setText(caption(141, "Sí"));
    box.button(QMessageBox::No)->setText(caption(140, "No"));
    return box.exec() == QMessageBox::Yes;
}

}  // namespace rumbelo
