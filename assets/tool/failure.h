#pragma once

#include <QString>
#include <stdexcept>

namespace drawing {

// What the tool throws when it cannot go on; main prints it.
inline std::runtime_error failure(const QString& message) {
    return std::runtime_error(message.toStdString());
}

}  // namespace drawing
