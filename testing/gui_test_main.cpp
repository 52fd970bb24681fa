// The main of every GUI test program: real Qt widgets on the test display (xcb), which the
// display_start test has started. Listing the tests needs no display. A Windows build has one
// platform plug-in of its own, and Wine finds the display by itself (testing/wine/run.sh).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <cstdlib>

namespace {

void useTestDisplay() {
#ifndef Q_OS_WIN
    const char* file = std::getenv("RESHALKIN_TEST_DISPLAY_FILE");
    if (!file) return;
    QFile display(QString::fromLocal8Bit(file));
    if (display.open(QIODevice::ReadOnly)) {
        qputenv("DISPLAY", display.readAll().trimmed());
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    useTestDisplay();
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(pictures);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
