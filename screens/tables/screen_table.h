#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "assets/picture.h"
#include "calc/calc.h"
#include "screens/tables/screen_id.h"
#include "solution/formula.h"

namespace screens {

// What a button's click does, as data; the program interprets it.
struct Navigate {
    ScreenId target;
};
struct Compute {
    void (*run)(calc::FieldAccess&);
};
struct OpenSolution {};  // the screen's solution window, as F1 opens it
using Action = std::variant<std::monostate, Navigate, Compute, OpenSolution>;

// How a result field is found, in school notation, for its tooltip and the solution window.
using Formula = solution::Formula;

enum class ControlKind { CommandButton, TextBox, Label };

// One control of a screen, a row of its table. Positions and sizes are in twips from the client
// area's top left.
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left, top, width, height;
    int tabIndex;
    std::optional<assets::Picture> picture;
    std::uint32_t backColour;  // &H00BBGGRR
    std::string_view accessibleName;
    Action action;
    const Formula* formula;  // a result field's; none on other controls
    std::string_view toolTip = {};
};

// The figure a geometry screen's solution draws with the letters of its formulas, and the
// drawing in words, as screen readers get it.
enum class Shape { None, RightTriangle, Circle, Cylinder, Cone };
struct Figure {
    Shape shape = Shape::None;
    std::string_view description = {};
};

// One screen, all it holds: its window, its controls, and its solution.
struct ScreenTable {
    ScreenId id;
    std::string_view name;  // the form's name, "frm1": the window's object name
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    assets::Picture background;
    bool hasIcon;
    std::span<const ControlRow> controls;
    // The inputs the solution's "Дано:" names, as its formulas do ("a, b"); none: no such line.
    std::string_view given = {};
    // The solution before the first compute: where the pupil's numbers will appear.
    std::string_view prompt = {};
    Figure figure = {};
    // What the solution is of, as its file and print job are named: "конус".
    std::string_view subject = {};
};

inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

// One-line table rows, one helper per control kind.
constexpr ControlRow button(std::string_view name, std::string_view caption, int left, int top,
                            int width, int height, int tabIndex, assets::Picture picture,
                            Action action, std::string_view accessibleName = {}) {
    return {name,
            ControlKind::CommandButton,
            caption,
            left,
            top,
            width,
            height,
            tabIndex,
            picture,
            0,
            accessibleName,
            action,
            nullptr};
}

constexpr ControlRow textBox(std::string_view name, int left, int top, int width, int height,
                             int tabIndex, std::string_view accessibleName) {
    return {name,     ControlKind::TextBox, {}, left,           top, width,  height,
            tabIndex, std::nullopt,         0,  accessibleName, {},  nullptr};
}

// A field the compute writes: it cannot be built without the formula that explains it.
constexpr ControlRow resultBox(std::string_view name, int left, int top, int width, int height,
                               int tabIndex, std::string_view accessibleName,
                               const Formula& formula) {
    ControlRow box = textBox(name, left, top, width, height, tabIndex, accessibleName);
    box.formula = &formula;
    return box;
}

constexpr ControlRow label(std::string_view name, std::string_view caption, int left, int top,
                           int width, int height, int tabIndex, std::uint32_t backColour) {
    return {name,     ControlKind::Label, caption,    left, top, width,  height,
            tabIndex, std::nullopt,       backColour, {},   {},  nullptr};
}

}  // namespace screens
