#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "assets/pictures.h"
#include "calc/calc.h"
#include "screens/screen_id.h"
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

// One control of a screen. Positions and sizes are in twips from the client area's top left.
struct ControlLayout {
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

// One screen: its window and its controls.
struct ScreenLayout {
    ScreenId id;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    assets::Picture background;
    bool hasIcon;
    std::span<const ControlLayout> controls;
    // The inputs the solution's "Дано:" names, as its formulas do ("a, b"); none: no such line.
    std::string_view given = {};
};

inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

// One-line table rows, one helper per control kind.
constexpr ControlLayout button(std::string_view name, std::string_view caption, int left, int top,
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

constexpr ControlLayout textBox(std::string_view name, int left, int top, int width, int height,
                                int tabIndex, std::string_view accessibleName) {
    return {name,     ControlKind::TextBox, {}, left,           top, width,  height,
            tabIndex, std::nullopt,         0,  accessibleName, {},  nullptr};
}

// A field the compute writes: it cannot be built without the formula that explains it.
constexpr ControlLayout resultBox(std::string_view name, int left, int top, int width, int height,
                                  int tabIndex, std::string_view accessibleName,
                                  const Formula& formula) {
    ControlLayout box = textBox(name, left, top, width, height, tabIndex, accessibleName);
    box.formula = &formula;
    return box;
}

constexpr ControlLayout label(std::string_view name, std::string_view caption, int left, int top,
                              int width, int height, int tabIndex, std::uint32_t backColour) {
    return {name,     ControlKind::Label, caption,    left, top, width,  height,
            tabIndex, std::nullopt,       backColour, {},   {},  nullptr};
}

}  // namespace screens
