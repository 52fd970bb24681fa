// Systems whose Qt finds fonts without fontconfig: there is nothing to read ahead.
#include "app/font_configuration.h"

namespace app {

void readFontConfiguration() {}

}  // namespace app
