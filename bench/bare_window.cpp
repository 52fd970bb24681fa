// The yardsticks for the start-up benchmark, built with the same compiler and flags: a bare Qt
// window with the main menu's client size; with --button one captioned button in it, the least
// any window with text does (Qt loads its fonts for it); with --picture FILE also a picture
// behind the button, the least a window showing a JPEG background does.
#include <QApplication>
#include <QLabel>
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
    const QStringList arguments = QApplication::arguments();
    if (const qsizetype at = arguments.indexOf("--picture"); at > 0 && at + 1 < arguments.size()) {
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap(arguments[at + 1]));
        picture->adjustSize();
    }
    if (arguments.contains("--button")) new QPushButton("Открыть", &window);
    window.show();
    return QApplication::exec();
}
