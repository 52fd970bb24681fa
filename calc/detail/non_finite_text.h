#pragma once

#include <cmath>
#include <string>

namespace calc::detail {

// What every writer shows for a value no calculation lets through to a field.
inline std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NaN";
    return value > 0 ? "∞" : "-∞";
}

}  // namespace calc::detail
