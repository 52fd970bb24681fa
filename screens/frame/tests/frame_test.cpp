// The frame every screen shares, its picture, and what each control kind looks like.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include "product.h"
#include "screen_harness.h"

namespace screens {
namespace {

const struct {
    ScreenId screen;
    QSize client;
    const char* caption;
    bool icon;
} kWindows[] = {
    {ScreenId::MainMenu, {600, 399}, nullptr, true},  // caption checked on its own below
    {ScreenId::Triangle, {600, 399}, "Находим площадь и гипотенузу треугольника", false},
    {ScreenId::Circle, {600, 399}, "Находим площадь и длинну окружности", false},
    {ScreenId::Cylinder,
     {600, 399},
     "Находим площадь боковой и полной поверхности цилиндра",
     false},
    {ScreenId::Cone, {598, 399}, "Находим полную и боковую поверхность конуса", false},
    {ScreenId::Calculator, {598, 399}, "Мультисистемный калькулятор", false},
};

TEST(Frame, ToolWindowOfExactClientSizeWithOnlyACloseBox) {
    for (const auto& w : kWindows) {
        testing::ScreenHarness harness(w.screen);
        ASSERT_TRUE(harness.showActive());
        const Screen& screen = *harness.screen;
        EXPECT_EQ(screen.size(), w.client) << nameOf(w.screen);
        EXPECT_EQ(screen.minimumSize(), w.client) << "not resizable";
        EXPECT_EQ(screen.maximumSize(), w.client) << "not resizable";
        // The window manager's frame lies outside the client area.
        EXPECT_GE(screen.frameGeometry().height(), w.client.height());
        const Qt::WindowFlags flags = screen.windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool) << "no taskbar entry";
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        if (w.caption) {
            EXPECT_EQ(screen.windowTitle(), QString::fromUtf8(w.caption));
        }
        const bool icon = QTest::qWaitFor(
            [&] { return !screen.windowIcon().availableSizes().isEmpty(); }, w.icon ? 2000 : 100);
        EXPECT_EQ(icon, w.icon) << nameOf(w.screen);
    }
}

// The X window manager's view of a screen, by the X window id Qt gives it: not under Wine, where
// Qt knows the window by a Windows handle.
#ifndef Q_OS_WIN
// What the window manager is told about a window's state, read back with xprop.
QString windowState(const QWidget& window) {
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_STATE"});
    xprop.waitForFinished(5000);
    return QString::fromUtf8(xprop.readAllStandardOutput());
}

TEST(Frame, ScreensStayOffTheTaskbarEachTimeTheyShow) {
    testing::ScreenHarness harness(ScreenId::Cylinder);
    for (int showing = 0; showing < 2; ++showing) {
        ASSERT_TRUE(harness.showActive());
        EXPECT_TRUE(windowState(*harness.screen).contains("_NET_WM_STATE_SKIP_TASKBAR"))
            << "showing " << showing;
        harness.screen->hide();
        QTest::qWait(100);
    }
}

// Notes whether a window was ever minimised.
struct MinimiseWatch : QObject {
    bool minimised = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) {
            minimised |= static_cast<QWidget*>(watched)->isMinimized();
        }
        return false;
    }
};

TEST(Frame, AScreenMinimisedByTheWindowManagerComesBack) {
    testing::ScreenHarness harness(ScreenId::Triangle);
    ASSERT_TRUE(harness.showActive());
    MinimiseWatch watch;
    harness.screen->installEventFilter(&watch);
    QProcess::execute("xdotool", {"windowminimize", QString::number(harness.screen->winId())});
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.minimised; }, 3000)) << "never minimised";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !harness.screen->isMinimized(); }, 3000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(harness.screen.get()));
}
#endif

TEST(Frame, MainMenuCaptionKeepsItsBlanks) {
    testing::ScreenHarness harness(ScreenId::MainMenu);
    EXPECT_EQ(harness.screen->windowTitle(), QString::fromUtf8(product::kMainMenuCaption));
}

// The picture is drawn one to one from the client area's top left: its last row (and on the
// narrow screens its last two columns) fall outside.
TEST(Frame, BackgroundPictureIsUnscaledAtTopLeft) {
    const struct {
        ScreenId screen;
        assets::Picture picture;
    } cases[] = {
        {ScreenId::MainMenu, assets::Picture::MenuBackground},
        {ScreenId::Cone, assets::Picture::ConeBackground},
        {ScreenId::Calculator, assets::Picture::CalculatorBackground},
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        const QImage picture(assets::resourcePath(c.picture));
        ASSERT_EQ(picture.size(), QSize(600, 400));
        const QImage shown = harness.screen->grab().toImage();
        for (const QPoint p :
             {QPoint(0, 0), QPoint(300, 391), QPoint(shown.width() - 1, 398), QPoint(30, 380)}) {
            EXPECT_EQ(shown.pixelColor(p), picture.pixelColor(p)) << nameOf(c.screen);
        }
    }
}

// The screens were drawn for a small font. On a desktop with a large one, captions that would
// be cut off shrink by the time the screen shows, each kind to one size.
TEST(Frame, CaptionsTooWideForTheDesktopFontShrinkTogetherWhenShown) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(20);
    QApplication::setFont(large);
    for (const ScreenId id : {ScreenId::MainMenu, ScreenId::Calculator}) {
        testing::ScreenHarness harness(id);
        ASSERT_TRUE(harness.showActive());
        for (const char* kind : {"QPushButton", "QLabel"}) {
            qreal size = 0;
            for (QWidget* control : harness.screen->findChildren<QWidget*>()) {
                const QString caption = control->property("text").toString();
                if (!control->inherits(kind) || caption.isEmpty()) continue;
                const int room = control->width() - (control->inherits("QPushButton") ? 4 : 0);
                EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(caption), room)
                    << control->objectName().toStdString();
                EXPECT_LT(control->font().pointSizeF(), large.pointSizeF());
                if (size == 0) size = control->font().pointSizeF();
                EXPECT_EQ(control->font().pointSizeF(), size) << "one size for the kind";
            }
        }
    }
    QApplication::setFont(desktop);
}

TEST(Frame, LabelsAreWhiteAndNeverTakeFocus) {
    testing::ScreenHarness harness(ScreenId::Calculator);
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        auto* label = qobject_cast<QLabel*>(harness.control(name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->grab().toImage().pixelColor(label->width() - 2, label->height() - 2),
                  QColor(Qt::white))
            << name;
    }
    EXPECT_EQ(qobject_cast<QLabel*>(harness.control("Label3"))->text(),
              QStringLiteral("шеснадцатеричная с/ч"));
}

TEST(Frame, TextBoxesStartEmptyEditableAndUnlimited) {
    for (ScreenId id : kAllScreens) {
        testing::ScreenHarness harness(id);
        for (QLineEdit* box : harness.screen->findChildren<QLineEdit*>()) {
            EXPECT_TRUE(box->text().isEmpty());
            EXPECT_FALSE(box->isReadOnly());
            EXPECT_TRUE(box->hasFrame());
            EXPECT_GT(box->maxLength(), 1'000'000) << "no 32767-character limit";
        }
    }
}

TEST(Frame, FieldsAndOperatorButtonsHaveAccessibleNames) {
    const struct {
        ScreenId screen;
        const char* control;
        const char* name;
    } cases[] = {
        {ScreenId::MainMenu, "cmd1", "Открыть: площадь и гипотенуза треугольника"},
        {ScreenId::MainMenu, "cmd6", "Открыть: калькулятор"},
        {ScreenId::Triangle, "txt1", "первый катет"},
        {ScreenId::Triangle, "txt2", "второй катет"},
        {ScreenId::Triangle, "txt3", "гипотенуза"},
        {ScreenId::Triangle, "txt4", "площадь"},
        {ScreenId::Circle, "txt1", "радиус"},
        {ScreenId::Circle, "txt2", "длина"},
        {ScreenId::Circle, "txt3", "площадь"},
        {ScreenId::Cylinder, "txt2", "высота"},
        {ScreenId::Cylinder, "txt3", "площадь боковой поверхности"},
        {ScreenId::Cone, "txt1", "радиус"},
        {ScreenId::Cone, "txt4", "площадь полной поверхности"},
        {ScreenId::Calculator, "txt1Oct", "восьмеричная система счисления, первое число"},
        {ScreenId::Calculator, "txt3Hex", "шестнадцатеричная система счисления, результат"},
        {ScreenId::Calculator, "Command1", "плюс"},
        {ScreenId::Calculator, "Command2", "минус"},
        {ScreenId::Calculator, "cmd1", "умножить"},
        {ScreenId::Calculator, "Command3", "разделить"},
    };
    for (const auto& c : cases) {
        testing::ScreenHarness harness(c.screen);
        EXPECT_EQ(harness.control(c.control)->accessibleName(), QString::fromUtf8(c.name));
    }
    for (ScreenId id : kAllScreens) {
        testing::ScreenHarness harness(id);
        for (QLineEdit* box : harness.screen->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace screens
