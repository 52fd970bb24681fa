#pragma once

#include <string_view>

#include "screens/tables/screen_id.h"
#include "screens/tables/screen_table.h"

namespace screens {

// The table of a screen, and its form name ("frm1").
const ScreenTable& tableOf(ScreenId id);
std::string_view nameOf(ScreenId id);

// Each screen's table, one file each.
namespace tables {

const ScreenTable& mainMenu();
const ScreenTable& triangle();
const ScreenTable& circle();
const ScreenTable& cylinder();
const ScreenTable& cone();
const ScreenTable& calculator();

}  // namespace tables

}  // namespace screens
