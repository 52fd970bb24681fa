// Each screen finds its own table.
#include <gtest/gtest.h>

#include "screens/tables/screen_tables.h"

namespace screens {
namespace {

TEST(ScreenTables, EachScreenHasItsOwnTableAndName) {
    for (ScreenId id : kAllScreens) {
        EXPECT_EQ(tableOf(id).id, id);
        EXPECT_EQ(nameOf(id), "frm" + std::to_string(static_cast<int>(id) + 1));
    }
}

}  // namespace
}  // namespace screens
