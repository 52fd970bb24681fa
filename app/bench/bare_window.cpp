// The yardsticks for the start-up benchmark, built with the same compiler and flags: a bare Qt
// window with the main menu's client size, and with --button one captioned button in it, the
// least any window with text does (Qt loads its fonts for it).
#include <QApplication>
#include <QPushButton>
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
    if (QApplication::arguments().contains("--button")) new QPushButton("Открыть", &window);
    window.show();
    return QApplication::exec();
}
