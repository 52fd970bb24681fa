#pragma once

// The pictures built into the program, by role, and where Qt's resource system keeps them.
namespace assets {

enum class Picture {
    MenuBackground,
    TriangleBackground,
    CircleBackground,
    CylinderBackground,
    ConeBackground,
    CalculatorBackground,
    ButtonFace,
    PlusSign,
    MinusSign,
    TimesSign,
    DivisionSign,
    ProgramIcon,
};

// The resource path of a picture, e.g. ":/pictures/menu.jpg".
const char* resourcePath(Picture picture);

}  // namespace assets
