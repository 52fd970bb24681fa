#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "app/decimal_separator.h"
#include "app/memory_release.h"
#include "app/program.h"
#include "calc/conversions.h"
#include "screens/caption_cache.h"

namespace {

// In the user's cache folder, as it can be rebuilt at any time.
QString captionCacheFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/captions");
}

}  // namespace

int main(int argc, char* argv[]) {
    app::releaseFreedMemory();
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    // Wayland desktops find the program's desktop entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.reshalkin.Reshalkin"));
    // Hidden screens must not keep the program alive, nor end it: closing is handled by the
    // screens themselves.
    QApplication::setQuitOnLastWindowClosed(false);
    calc::setDecimalSeparator(app::decimalSeparatorOf(QLocale::system()));

    screens::CaptionCache captions(captionCacheFile());
    app::Program program(&captions);
    program.start();
    return QApplication::exec();
}
