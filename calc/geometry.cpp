#include "geometry.h"

#include "calc/detail/calculation.h"
#include "conversions.h"

namespace calc {

namespace {

constexpr UsedValue kTwo{"2", 2.0};

// The number's text read back and written again: a result that is stored this way is exactly
// what its own text says.
std::string settledText(double value) {
    return textOf(valueOf(textOf(value)));
}

// Each square a product, r*r first; a square past the double range is an overflow.
UsedValue coneSlant(detail::Calculation& calc, UsedValue r, UsedValue h) {
    UsedValue rSquared = calc.square(r, "r²");
    return calc.squareRoot(calc.add(rSquared, calc.square(h, "h²"), "r² + h²"), "l");
}

}  // namespace

// The order of reads and conversions (some texts twice) decides which error comes first: keep it.
void computeTriangle(FieldAccess& fields) {
    detail::Calculation calc(fields);
    UsedValue b{"b", valueOf(calc.read("txt2"))};
    UsedValue a{"a", valueOf(calc.read("txt1"))};
    UsedValue aSquared = calc.square(a, "a²");
    UsedValue sum = calc.add(aSquared, calc.square(b, "b²"), "a² + b²");
    calc.raiseRecordedFault(Detail::Hypotenuse);
    calc.write("txt3", textOf(calc.squareRoot(sum, "c").value), {a, b});

    b.value = valueOf(calc.read("txt2"));
    a.value = valueOf(calc.read("txt1"));
    UsedValue area = calc.divide(calc.multiply(a, b, "ab"), kTwo, "S");
    calc.raiseRecordedFault(Detail::Area);
    calc.write("txt4", textOf(area.value), {a, b});
}

void computeCircle(FieldAccess& fields) {
    detail::Calculation calc(fields);
    UsedValue r{"r", valueOf(calc.read("txt1"))};
    UsedValue circumference = calc.multiply(calc.add(r, r, "2r"), kPiTerm, "C");
    calc.raiseRecordedFault(Detail::Circumference);
    calc.write("txt2", textOf(circumference.value), {r});

    r.value = valueOf(calc.read("txt1"));
    UsedValue area = calc.multiply(calc.square(r, "r²"), kPiTerm, "S");
    calc.raiseRecordedFault(Detail::Area);
    calc.write("txt3", textOf(area.value), {r});
}

void computeCylinder(FieldAccess& fields) {
    detail::Calculation calc(fields);
    detail::FieldText heightText = calc.read("txt2");
    detail::FieldText radiusText = calc.read("txt1");
    UsedValue r{"r", valueOf(radiusText)};
    UsedValue perimeter = calc.multiply(calc.add(r, r, "2r"), kPiTerm, "2πr");
    calc.raiseRecordedFault(Detail::LateralArea);
    // The height is converted only after the perimeter has passed its test.
    UsedValue h{"h", coerceToDouble(heightText)};
    UsedValue lateral = calc.multiply(perimeter, h, "S");
    calc.raiseRecordedFault(Detail::LateralArea);
    calc.write("txt3", textOf(lateral.value), {r, h});

    radiusText = calc.read("txt1");
    heightText = calc.read("txt2");
    UsedValue radius{"r", coerceToDouble(radiusText)};
    h.value = coerceToDouble(heightText);
    UsedValue sum = calc.add(radius, h, "r + h");
    r.value = coerceToDouble(radiusText);
    UsedValue total = calc.multiply(calc.multiply(r, kTwoPiTerm, "2πr"), sum, "S");
    calc.raiseRecordedFault(Detail::TotalArea);
    calc.write("txt4", settledText(total.value), {r, h});
}

// The second field is the cone's height h; the areas need the slant l = sqrt(r*r + h*h).
void computeCone(FieldAccess& fields) {
    detail::Calculation calc(fields);
    detail::FieldText radiusText = calc.read("txt1");
    UsedValue h{"h", valueOf(calc.read("txt2"))};
    UsedValue r{"r", coerceToDouble(radiusText)};
    UsedValue slant = coneSlant(calc, r, h);
    UsedValue lateral = calc.multiply(calc.multiply(r, kPiTerm, "πr"), slant, "S");
    calc.raiseRecordedFault(Detail::LateralArea);
    calc.write("txt3", settledText(lateral.value), {r, h, slant});

    radiusText = calc.read("txt1");
    detail::FieldText heightText = calc.read("txt2");
    h.value = coerceToDouble(heightText);
    UsedValue radius{"r", coerceToDouble(radiusText)};
    slant = coneSlant(calc, radius, h);
    UsedValue sum = calc.add(slant, radius, "l + r");
    r.value = coerceToDouble(radiusText);
    UsedValue total = calc.multiply(calc.multiply(r, kPiTerm, "πr"), sum, "S");
    calc.raiseRecordedFault(Detail::TotalArea);
    calc.write("txt4", settledText(total.value), {r, h, slant});
}

}  // namespace calc
