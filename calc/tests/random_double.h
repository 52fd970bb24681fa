#pragma once

#include <bit>
#include <cmath>
#include <random>

// Any finite double, every bit pattern alike: subnormals, huge and tiny values included.
inline double randomFiniteDouble(std::mt19937_64& random) {
    for (;;) {
        double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) return value;
    }
}
