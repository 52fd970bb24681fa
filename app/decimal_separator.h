#pragma once

#include <QLocale>

namespace app {

// The separator the program writes in numbers, from the user's locale: ',' where the locale
// writes a comma (Russian), '.' everywhere else. The calculations read both either way.
inline char decimalSeparatorOf(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

}  // namespace app
