#include "screens/solution_window/text_zoom.h"

#include <QAction>
#include <QApplication>
#include <QGestureEvent>
#include <QPlainTextEdit>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace screens {

namespace {

// Times the interface font; the first is the size a text starts at.
constexpr std::array kScales{1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 2.75, 3.0};
constexpr int kWheelNotch = 120;  // eighths of a degree, one click of a common wheel

int keptStep = 0;  // while the program runs

struct Step {
    const char* text;
    int by;                               // 0 goes back to the first size
    std::array<QKeyCombination, 3> keys;  // the first is the one the menu names
};
const std::array kSteps{
    Step{"Крупнее",
         1,
         {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::SHIFT | Qt::Key_Plus}},
    Step{"Мельче", -1, {Qt::CTRL | Qt::Key_Minus, {}, {}}},
    Step{"Обычный размер", 0, {Qt::CTRL | Qt::Key_0, {}, {}}},
};

}  // namespace

TextZoom::TextZoom(QPlainTextEdit& text) : QObject(&text), text_(text) {
    for (const Step& s : kSteps) {
        auto* action = new QAction(QString::fromUtf8(s.text), &text);
        QList<QKeySequence> keys;
        for (QKeyCombination key : s.keys)
            if (key.toCombined() != 0) keys.append(key);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, by = s.by] { step(by); });
        text.addAction(action);
        actions_.append(action);
    }
    text.viewport()->installEventFilter(this);  // the wheel turns and fingers pinch over the page
    text.viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    text.viewport()->grabGesture(Qt::PinchGesture);
    text.installEventFilter(this);
    apply();
}

// Ctrl+wheel takes the kept steps instead of the text box's own unbounded zoom; a text shown
// again takes the size another has chosen meanwhile.
bool TextZoom::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show) apply();
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (auto* pinched = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
            pinch(*pinched);
            gestures->accept(pinched);
        }
        return false;  // a drag in the same event scrolls
    }
    if (event->type() != QEvent::Wheel) return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    wheel_ += wheel->angleDelta().y();
    if (const int notches = wheel_ / kWheelNotch; notches != 0) {
        wheel_ -= notches * kWheelNotch;
        step(notches);
    }
    return true;
}

void TextZoom::step(int by) {
    const int last = static_cast<int>(kScales.size()) - 1;
    keptStep = by == 0 ? 0 : std::clamp(keptStep + by, 0, last);
    apply();
}

// The fingers set the size they have spread or closed to, from the size they began at, to the
// nearest step.
void TextZoom::pinch(const QPinchGesture& pinch) {
    if (pinch.state() == Qt::GestureStarted) pinchedFrom_ = kScales.at(keptStep);
    const double wanted = pinchedFrom_ * pinch.totalScaleFactor();
    const auto nearest =
        std::ranges::min_element(kScales, {}, [wanted](double s) { return std::abs(s - wanted); });
    keptStep = static_cast<int>(nearest - kScales.begin());
    apply();
}

void TextZoom::apply() {
    const double scale = kScales.at(keptStep);
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    text_.setFont(font);
}

}  // namespace screens
