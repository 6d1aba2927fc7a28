#pragma once
// The error an image or wave list reports for a name it does not hold, so that the scene's
// start-up can catch it and fall back to the static scene instead of crashing.
#include <QString>
#include <stdexcept>

namespace rumbelo {

class ListError : public std::runtime_error {
  public:
    explicit ListError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace rumbelo
