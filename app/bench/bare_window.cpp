// The yardstick for the start-up benchmark: a bare Qt 6 window with the main menu's client
// size, built with the same compiler and flags, doing nothing else. With --caption it shows
// one word, which makes Qt start its font system, as any window with text must.
#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 399;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("bare window");
    window.setFixedSize(kWidth, kHeight);
    if (QApplication::arguments().contains("--caption")) new QLabel("Открыть", &window);
    window.show();
    return QApplication::exec();
}
