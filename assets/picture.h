#pragma once

// The pictures built into the program, by role. Plain C++, so that the screens' tables, which
// name them, build without Qt.
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

}  // namespace assets
