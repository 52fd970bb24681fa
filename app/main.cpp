#include <QApplication>
#include <QLocale>

#include "app/decimal_separator.h"
#include "app/program.h"
#include "app/qt_translations.h"
#include "app/running_mark.h"
#include "app/scale_option.h"
#include "calc/conversions.h"
#include "product.h"

int main(int argc, char* argv[]) {
    app::markRunning();
    app::applyScaleOption(argc, argv);
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    app::installQtTranslations();
    // Wayland desktops find the program's desktop entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(product::kApplicationId));
    // Hidden screens must not keep the program alive, nor end it: closing is handled by the
    // screens themselves.
    QApplication::setQuitOnLastWindowClosed(false);
    calc::setDecimalSeparator(app::decimalSeparatorOf(QLocale::system()));

    app::Program program;
    program.start();
    return QApplication::exec();
}
