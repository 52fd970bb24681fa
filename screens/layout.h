#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "assets/pictures.h"
#include "calc/calc.h"
#include "screens/screen_id.h"

namespace screens {

inline constexpr std::string_view kProductName = "Решалкин";

// What a button's click does, as data; the program interprets it.
struct Navigate {
    ScreenId target;
};
struct Compute {
    void (*run)(calc::FieldAccess&);
};
struct ComputeRows {
    calc::RowOp op;
};
using Action = std::variant<std::monostate, Navigate, Compute, ComputeRows>;

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
};

// One screen: its window and its controls.
struct ScreenLayout {
    ScreenId id;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    assets::Picture background;
    bool hasIcon;
    std::span<const ControlLayout> controls;
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
            action};
}

constexpr ControlLayout textBox(std::string_view name, int left, int top, int width, int height,
                                int tabIndex, std::string_view accessibleName) {
    return {name,     ControlKind::TextBox, {}, left,           top, width, height,
            tabIndex, std::nullopt,         0,  accessibleName, {}};
}

constexpr ControlLayout label(std::string_view name, std::string_view caption, int left, int top,
                              int width, int height, int tabIndex, std::uint32_t backColour) {
    return {name,   ControlKind::Label, caption,      left,       top, width,
            height, tabIndex,           std::nullopt, backColour, {},  {}};
}

}  // namespace screens
