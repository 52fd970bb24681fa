#include "geometry.h"

#include "calc/detail/calculation.h"
#include "conversions.h"

namespace calc {

namespace {

// The number's text read back and written again: a result that is stored this way is exactly
// what its own text says.
std::string settledText(double value) {
    return textOf(valueOf(textOf(value)));
}

// Each square a product, r*r first; a square past the double range is an overflow.
double coneSlant(detail::Calculation& calc, double r, double h) {
    double rSquared = calc.square(r);
    return calc.squareRoot(calc.add(rSquared, calc.square(h)));
}

}  // namespace

// The order of reads and conversions (some texts twice) decides which error comes first: keep it.
void computeTriangle(FieldAccess& fields) {
    detail::Calculation calc(fields);
    double b = valueOf(calc.read("txt2"));
    double a = valueOf(calc.read("txt1"));
    double aSquared = calc.square(a);
    double sum = calc.add(aSquared, calc.square(b));
    calc.raiseRecordedFault(Detail::Hypotenuse);
    calc.write("txt3", textOf(calc.squareRoot(sum)), {{"a", a}, {"b", b}});

    b = valueOf(calc.read("txt2"));
    a = valueOf(calc.read("txt1"));
    double area = calc.divide(calc.multiply(a, b), 2.0);
    calc.raiseRecordedFault(Detail::Area);
    calc.write("txt4", textOf(area), {{"a", a}, {"b", b}});
}

void computeCircle(FieldAccess& fields) {
    detail::Calculation calc(fields);
    double r = valueOf(calc.read("txt1"));
    double circumference = calc.multiply(calc.add(r, r), kPi);
    calc.raiseRecordedFault(Detail::Circumference);
    calc.write("txt2", textOf(circumference), {{"r", r}});

    r = valueOf(calc.read("txt1"));
    double area = calc.multiply(calc.square(r), kPi);
    calc.raiseRecordedFault(Detail::Area);
    calc.write("txt3", textOf(area), {{"r", r}});
}

void computeCylinder(FieldAccess& fields) {
    detail::Calculation calc(fields);
    detail::FieldText heightText = calc.read("txt2");
    detail::FieldText radiusText = calc.read("txt1");
    double r = valueOf(radiusText);
    double perimeter = calc.multiply(calc.add(r, r), kPi);
    calc.raiseRecordedFault(Detail::LateralArea);
    // The height is converted only after the perimeter has passed its test.
    double h = coerceToDouble(heightText);
    double lateral = calc.multiply(perimeter, h);
    calc.raiseRecordedFault(Detail::LateralArea);
    calc.write("txt3", textOf(lateral), {{"r", r}, {"h", h}});

    radiusText = calc.read("txt1");
    heightText = calc.read("txt2");
    double radius = coerceToDouble(radiusText);
    h = coerceToDouble(heightText);
    double sum = calc.add(radius, h);
    r = coerceToDouble(radiusText);
    double total = calc.multiply(calc.multiply(r, kTwoPi), sum);
    calc.raiseRecordedFault(Detail::TotalArea);
    calc.write("txt4", settledText(total), {{"r", r}, {"h", h}});
}

// The second field is the cone's height h; the areas need the slant l = sqrt(r*r + h*h).
void computeCone(FieldAccess& fields) {
    detail::Calculation calc(fields);
    detail::FieldText radiusText = calc.read("txt1");
    double h = valueOf(calc.read("txt2"));
    double r = coerceToDouble(radiusText);
    double slant = coneSlant(calc, r, h);
    double lateral = calc.multiply(calc.multiply(r, kPi), slant);
    calc.raiseRecordedFault(Detail::LateralArea);
    calc.write("txt3", settledText(lateral), {{"r", r}, {"h", h}, {"l", slant}});

    radiusText = calc.read("txt1");
    detail::FieldText heightText = calc.read("txt2");
    h = coerceToDouble(heightText);
    double radius = coerceToDouble(radiusText);
    slant = coneSlant(calc, radius, h);
    double sum = calc.add(slant, radius);
    r = coerceToDouble(radiusText);
    double total = calc.multiply(calc.multiply(r, kPi), sum);
    calc.raiseRecordedFault(Detail::TotalArea);
    calc.write("txt4", settledText(total), {{"r", r}, {"h", h}, {"l", slant}});
}

}  // namespace calc
