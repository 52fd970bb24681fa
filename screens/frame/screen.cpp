#include "screens/frame/screen.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "screens/frame/controls.h"
#include "screens/frame/formula_tips.h"
#include "screens/frame/taskbar.h"
#include "screens/frame/twips.h"
#include "screens/solution_window/solution_window.h"
#include "screens/tables/formulas.h"
#include "screens/widgets/captions.h"
#include "screens/widgets/picture_button.h"
#include "screens/widgets/picture_files.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

// A fixed frame on Windows too: no screen is ever resized.
constexpr Qt::WindowFlags kFrame = Qt::Tool | Qt::MSWindowsFixedSizeDialogHint |
                                   Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint;

// Controls stacked back to front: labels behind everything else, and within each group the
// higher TabIndex in front. Qt stacks later siblings in front.
std::vector<const ControlRow*> backToFront(std::span<const ControlRow> controls) {
    std::vector<const ControlRow*> order;
    for (const ControlRow& control : controls) order.push_back(&control);
    std::ranges::sort(order, [](const ControlRow* a, const ControlRow* b) {
        const bool aLabel = a->kind == ControlKind::Label;
        const bool bLabel = b->kind == ControlKind::Label;
        if (aLabel != bLabel) return aLabel;
        return a->tabIndex < b->tabIndex;
    });
    return order;
}

// On Windows every screen is owned by one window that is never shown. Wine presents only owned
// windows as dialogs, and only to a dialog with no taskbar button does the window manager give
// the focus back when a message box over it closes.
QWindow* screenOwner() {
    static QWindow* const owner = [] {
        auto* window = new QWindow;  // lives as long as the program
        window->create();
        return window;
    }();
    return owner;
}

}  // namespace

Screen::Screen(const ScreenTable& table, ClickHandler onClick, CloseHandler onClose)
    : QWidget(nullptr, kFrame),
      table_(table),
      onClick_(std::move(onClick)),
      onClose_(std::move(onClose)),
      background_(table.background),
      sweepDot_(*this),
      announcer_(new Announcer(*this)) {
    setUpWindow();
    createControls();
    attachFormulas(id(), fields_);
    if (!resultFields(id()).empty()) solution_ = new Solution(*this, table_, fields_);
}

void Screen::runExplained(const std::function<void(calc::FieldAccess&)>& compute) {
    calc::WorkedFields worked(fields_);
    const auto explain = [&] {
        explainResults(id(), fields_, *worked.working());
        if (solution_) solution_->keep(*worked.working());
    };
    try {
        worked.run(compute);
    } catch (...) {  // explained on its way to the click that shows it
        explain();
        throw;
    }
    explain();
}

void Screen::openSolution() {
    if (solution_) solution_->open();
}

void Screen::setUpWindow() {
    setObjectName(fromUtf8(table_.name));
    setWindowTitle(fromUtf8(table_.caption));
    setFixedSize(pixelSize(table_.clientWidth, table_.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_QuitOnClose, false);
    if (table_.hasIcon) setWindowIcon(QIcon(assets::resourcePath(assets::Picture::ProgramIcon)));
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        create();
        windowHandle()->setTransientParent(screenOwner());
    }
}

void Screen::createControls() {
    std::vector<std::pair<int, QWidget*>> focusable;
    std::vector<Captioned> buttons, labels;
    std::vector<QLineEdit*> inputs;
    std::vector<QAbstractButton*> computes;
    for (const ControlRow* control : backToFront(table_.controls)) {
        QWidget* widget = createControl(*control, this);
        widget->raise();
        connectControl(*control, widget);
        if (std::holds_alternative<Compute>(control->action))
            computes.push_back(static_cast<QAbstractButton*>(widget));
        if (control->kind == ControlKind::TextBox && !control->formula)
            inputs.push_back(static_cast<QLineEdit*>(widget));
        if (control->kind == ControlKind::Label) {
            labels.push_back({widget, fromUtf8(control->caption), widget->width()});
            continue;
        }
        focusable.emplace_back(control->tabIndex, widget);
        if (control->kind == ControlKind::CommandButton && !control->caption.empty()) {
            const int room = static_cast<PictureButton*>(widget)->faceRect().width();
            buttons.push_back({widget, fromUtf8(control->caption), room});
        }
    }
    orderTabs(std::move(focusable));
    fitCaptions(buttons);
    fitCaptions(labels);
    if (computes.size() == 1) pressOnEnter(*computes.front(), inputs);
}

// Enter in an input field presses the screen's «вычислить», as it presses a dialog's default
// button; the calculator, with an operator to choose, has no such button.
void Screen::pressOnEnter(QAbstractButton& compute, const std::vector<QLineEdit*>& inputs) {
    for (QLineEdit* input : inputs)
        QObject::connect(input, &QLineEdit::returnPressed, &compute, &QAbstractButton::click);
}

// Tab follows TabIndex and wraps from the last control to the first; the first has the focus
// when the screen is first shown.
void Screen::orderTabs(std::vector<std::pair<int, QWidget*>> focusable) {
    std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    if (!focusable.empty()) focusable.front().second->setFocus();
}

void Screen::connectControl(const ControlRow& control, QWidget* widget) {
    if (control.kind == ControlKind::TextBox) {
        fields_.add(std::string(control.name), static_cast<QLineEdit*>(widget));
    } else if (control.kind == ControlKind::CommandButton) {
        QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                         [this, &control] { onClick_(*this, control); });
    }
}

QAccessibleInterface* Screen::createAccessible() {
    return new QAccessibleWidget(this, QAccessible::Window);
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.at(devicePixelRatioF()));
    sweepDot_.paint(painter);
}

void Screen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) keepOffTaskbar(*this);
    place_.shown(*this, *event);
}

void Screen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    place_.hidden(*this, *event);
}

// Some window managers offer to minimise any window. A minimised screen has no taskbar entry
// to come back from, so it returns to the normal state at once.
void Screen::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) showNormal();
        });
    }
}

void Screen::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose_) onClose_(*this);
}

}  // namespace screens
