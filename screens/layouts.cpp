#include <array>

#include "screens/screen_tables.h"

namespace screens {

namespace {

struct ScreenEntry {
    std::string_view name;
    const ScreenLayout& (*layout)();
};

// In ScreenId order.
constexpr std::array<ScreenEntry, kAllScreens.size()> kScreens{{
    {"frm1", tables::frm1},
    {"frm2", tables::frm2},
    {"frm3", tables::frm3},
    {"frm4", tables::frm4},
    {"frm5", tables::frm5},
    {"frm6", tables::frm6},
}};

const ScreenEntry& entryOf(ScreenId id) {
    return kScreens.at(static_cast<std::size_t>(id));
}

}  // namespace

std::string_view nameOf(ScreenId id) {
    return entryOf(id).name;
}

const ScreenLayout& layoutOf(ScreenId id) {
    return entryOf(id).layout();
}

}  // namespace screens
