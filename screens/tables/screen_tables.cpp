#include "screens/screen_id.h"

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
    {"frm1", tables::mainMenu},
    {"frm2", tables::triangle},
    {"frm3", tables::circle},
    {"frm4", tables::cylinder},
    {"frm5", tables::cone},
    {"frm6", tables::calculator},
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
