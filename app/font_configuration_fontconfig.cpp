#include <fontconfig/fontconfig.h>

#include "app/font_configuration.h"

namespace app {

// Qt's font list starts from the same configuration; fontconfig reads it only once.
void readFontConfiguration() {
    FcInit();
}

}  // namespace app
