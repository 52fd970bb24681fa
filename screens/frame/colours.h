#pragma once

#include <QColor>
#include <cstdint>

namespace screens {

// Table and drawing colours are written &H00BBGGRR.
inline QColor colourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace screens
