#include "pictures.h"

namespace assets {

const char* resourcePath(Picture picture) {
    switch (picture) {
        case Picture::MenuBackground: return ":/pictures/menu.jpg";
        case Picture::TriangleBackground: return ":/pictures/triangle.jpg";
        case Picture::CircleBackground: return ":/pictures/circle.jpg";
        case Picture::CylinderBackground: return ":/pictures/cylinder.jpg";
        case Picture::ConeBackground: return ":/pictures/cone.jpg";
        case Picture::CalculatorBackground: return ":/pictures/calculator.jpg";
        case Picture::ButtonFace: return ":/pictures/button.jpg";
        case Picture::PlusSign: return ":/pictures/plus.jpg";
        case Picture::MinusSign: return ":/pictures/minus.jpg";
        case Picture::TimesSign: return ":/pictures/times.jpg";
        case Picture::DivisionSign: return ":/pictures/division.jpg";
        case Picture::ProgramIcon: return ":/pictures/icon.ico";
    }
    return "";
}

}  // namespace assets
