#include "screens/screen_tables.h"

namespace screens {

std::string_view nameOf(ScreenId id) {
    switch (id) {
        case ScreenId::frm1:
            return "frm1";
        case ScreenId::frm2:
            return "frm2";
        case ScreenId::frm3:
            return "frm3";
        case ScreenId::frm4:
            return "frm4";
        case ScreenId::frm5:
            return "frm5";
        case ScreenId::frm6:
            return "frm6";
    }
    return {};
}

const ScreenLayout& layoutOf(ScreenId id) {
    switch (id) {
        case ScreenId::frm1:
            return tables::frm1();
        case ScreenId::frm2:
            return tables::frm2();
        case ScreenId::frm3:
            return tables::frm3();
        case ScreenId::frm4:
            return tables::frm4();
        case ScreenId::frm5:
            return tables::frm5();
        case ScreenId::frm6:
            return tables::frm6();
    }
    return tables::frm1();
}

}  // namespace screens
