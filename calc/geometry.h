#pragma once

#include <array>

#include "field_access.h"
#include "working.h"

namespace calc {

inline constexpr double kPi = 3.14;     // the school value of pi, in every result
inline constexpr double kTwoPi = 6.28;  // exactly twice kPi as doubles

// The constants as the formulas name them, the same in every compute.
inline constexpr UsedValue kPiTerm{"π", kPi};
inline constexpr UsedValue kTwoPiTerm{"2π", kTwoPi};
inline constexpr std::array<UsedValue, 2> kConstants{kPiTerm, kTwoPiTerm};

// Each reads its screen's input fields and writes its two result fields in order. An error stops
// it where it happens: results already written stay, later ones keep their old texts.
void computeTriangle(FieldAccess& fields);  // txt1, txt2 legs -> txt3 hypotenuse, txt4 area
void computeCircle(FieldAccess& fields);    // txt1 radius -> txt2 circumference, txt3 area
void computeCylinder(FieldAccess& fields);  // txt1 radius, txt2 height -> txt3 lateral, txt4 total
void computeCone(FieldAccess& fields);      // txt1 radius, txt2 height -> txt3 lateral, txt4 total

}  // namespace calc
