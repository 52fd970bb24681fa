#include "screens/tables/screen_tables.h"

#include <array>

namespace screens {

namespace {

// In ScreenId order.
constexpr std::array<const ScreenTable& (*)(), kAllScreens.size()> kTables{
    tables::mainMenu, tables::triangle, tables::circle,
    tables::cylinder, tables::cone,     tables::calculator,
};

}  // namespace

const ScreenTable& tableOf(ScreenId id) {
    return kTables.at(static_cast<std::size_t>(id))();
}

std::string_view nameOf(ScreenId id) {
    return tableOf(id).name;
}

}  // namespace screens
