#include "screens/solution_window/solution_window.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "screens/access/accessible_text.h"
#include "screens/access/announcer.h"
#include "screens/solution_window/beside_place.h"
#include "screens/solution_window/figure_sketch.h"
#include "screens/solution_window/solution_paper.h"
#include "screens/solution_window/text_zoom.h"
#include "screens/solution_window/touch_scroll.h"
#include "screens/tables/formulas.h"
#include "screens/tables/solution_task.h"
#include "screens/widgets/finger.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

constexpr int kWidth = 560;  // pixels; the height is the screen's, or the text's where it is taller
constexpr int kFrameTries = 20;   // looks for the window manager's frame after showing,
constexpr int kFrameWaitMs = 25;  // this far apart

// Copies as plain Unicode text only, so a notebook file gets no formatting; screen readers get
// its signs in words. Its menu names the keys that size it; fingers scroll and size it too.
class PlainText : public QPlainTextEdit, public OwnAccessible {
  public:
    explicit PlainText(QWidget* parent) : QPlainTextEdit(parent), zoom_(new TextZoom(*this)) {
        new TouchScroll(*this);
    }

    QAccessibleInterface* createAccessible() override { return accessibleReadingText(*this); }

  protected:
    QMimeData* createMimeDataFromSelection() const override {
        auto* data = new QMimeData;
        data->setText(textCursor().selection().toPlainText());
        return data;
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu(event->pos());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        menu->addActions(window()->actions());  // print and PDF
        menu->addSeparator();
        menu->addActions(zoom_->actions());
        menu->popup(event->globalPos());
    }

  private:
    TextZoom* zoom_;
};

// The window's row of buttons: every button in it, whenever added, is large enough for a finger
// at a board, whatever its caption.
class FingerRow : public QWidget {
  public:
    explicit FingerRow(QWidget* parent) : QWidget(parent) {}

  protected:
    void childEvent(QChildEvent* event) override {
        auto* button = qobject_cast<QAbstractButton*>(event->child());
        if (event->polished() && button)
            button->setMinimumSize(
                button->minimumSize().expandedTo(QSize(finger::kTarget, finger::kTarget)));
        QWidget::childEvent(event);
    }
};

// The standard menu with «Показать решение» at its end.
void offerSolution(QLineEdit& field, Solution& solution) {
    field.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&field, &QWidget::customContextMenuRequested, &field,
                     [&field, &solution](const QPoint& at) {
                         QMenu* menu = field.createStandardContextMenu();
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addSeparator();
                         menu->addAction(QStringLiteral("Показать решение"), &solution,
                                         [&solution] { solution.open(); });
                         menu->popup(field.mapToGlobal(at));
                     });
}

QMargins marginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

SolutionWindow::SolutionWindow(QWidget& screen, const ScreenTable& table)
    : QWidget(&screen, Qt::Window),
      screen_(screen),
      task_(solutionTask(table)),
      text_(new PlainText(this)) {
    setObjectName(QStringLiteral("solution"));
    setWindowTitle(QStringLiteral("Решение — ") + fromUtf8(table.caption).trimmed());
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, screen.height());

    auto* layout = new QVBoxLayout(this);
    if (table.figure.shape != Shape::None) {
        sketch_ = new FigureSketch(table.figure, this);
        layout->addWidget(sketch_);
    }
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setTabChangesFocus(true);  // on to «Копировать»
    text_->setAccessibleName(QStringLiteral("Решение"));
    layout->addWidget(text_, 1);

    auto* copy = new QPushButton(QStringLiteral("Копировать"), this);
    copy->setObjectName(QStringLiteral("copy"));
    auto* copied = new Announcer(*this);
    connect(copy, &QPushButton::clicked, this, [this, copied] {
        QApplication::clipboard()->setText(text_->toPlainText());
        copied->announce(QStringLiteral("Скопировано"));
    });
    auto* paper =
        new SolutionPaper(*this, table.subject, [this, title = fromUtf8(table.caption).trimmed()] {
            return SolutionPage{title, sketch_, text_->toPlainText(), text_->font()};
        });
    auto* buttons = new QHBoxLayout(new FingerRow(this));
    buttons->setContentsMargins({});
    buttons->addStretch();
    buttons->addWidget(copy);
    paper->addButtons(*buttons);
    layout->addWidget(buttons->parentWidget());

    setFocusProxy(text_);
}

void SolutionWindow::setWorking(const calc::Working* working) {
    text_->setPlainText(fromUtf8(solution::solutionText(task_, working)));
    if (sketch_) sketch_->setWorking(working);
    if (isVisible()) fitHeight();
}

// Where it was, unless the screen has been moved under that place meanwhile.
void SolutionWindow::open() {
    if (!isVisible()) {
        // Windows frames a window as it makes it, so its own frame is measured before it is
        // placed; an X11 window manager frames it only once mapped, and a window made before it
        // is placed there does not come back where it was.
        if (QGuiApplication::platformName() == QLatin1String("windows")) create();
        fitHeight();
        const std::optional<QPoint>& kept = place_.place();
        const QRect keptFrame = QRect(kept.value_or(QPoint()), size()) + frameMargins();
        if (kept && keptFrame.intersects(screen_.frameGeometry())) place_.forget();
        if (!place_.place()) placeBesideScreen();
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
    keepFrameOnDesk(kFrameTries);
}

QAccessibleInterface* SolutionWindow::createAccessible() {
    return new QAccessibleWidget(this, QAccessible::Window);
}

// Placed by its client area, as the screens are: a frame position asks the window manager to
// move a withdrawn window by its frame, and it creeps each time it is shown again.
void SolutionWindow::placeBesideScreen() {
    const QMargins margins = frameMargins();
    const QRect desk = screen_.screen()->availableGeometry();
    setGeometry(besideScreen(screen_.frameGeometry(), size().grownBy(margins), desk) - margins);
}

// Tall enough for the whole text where the desk has room below the window's top (the desk's
// height before it is placed), never below the screen's height; where the desk has no room the
// text scrolls. The window keeps its place.
void SolutionWindow::fitHeight() {
    ensurePolished();
    const QMargins margins = frameMargins();
    const QMargins inside = layout()->contentsMargins();
    QTextDocument measured;
    measured.setDefaultFont(text_->font());
    measured.setDocumentMargin(text_->document()->documentMargin());
    measured.setPlainText(text_->toPlainText());
    measured.setTextWidth(width() - inside.left() - inside.right() - 2 * text_->frameWidth());
    const int around = layout()->sizeHint().height() - text_->sizeHint().height();
    const int wanted = around + 2 * text_->frameWidth() +
                       static_cast<int>(std::ceil(measured.size().height())) +
                       text_->fontMetrics().lineSpacing();  // a line to spare
    const QRect desk = screen_.screen()->availableGeometry();
    const std::optional<QPoint> top = isVisible() ? geometry().topLeft() : place_.place();
    const int room = (top ? desk.bottom() + 1 - top->y() : desk.height()) - margins.bottom() -
                     (top ? 0 : margins.top());
    const int least = isVisible() ? height() : screen_.height();
    resize(width(), std::max(least, std::min(wanted, room)));
}

// The frame the window manager gives this window once it has framed it; before, the screen's.
QMargins SolutionWindow::frameMargins() const {
    return frameGeometry() != geometry() ? marginsOf(*this) : marginsOf(screen_);
}

// Its own frame may differ from the screen's (a taller title, a resize handle): once the window
// manager has framed it, the frame's edges come back onto the desk.
void SolutionWindow::keepFrameOnDesk(int triesLeft) {
    if (frameGeometry() == geometry()) {  // not framed yet, or never
        if (triesLeft > 0)
            QTimer::singleShot(kFrameWaitMs, this,
                               [this, triesLeft] { keepFrameOnDesk(triesLeft - 1); });
        return;
    }
    const QRect desk = screen_.screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QPoint onto(std::max(frame.left(), desk.left()), std::max(frame.top(), desk.top()));
    if (onto != frame.topLeft()) setGeometry(geometry().translated(onto - frame.topLeft()));
    const int below = frameGeometry().bottom() - desk.bottom();
    if (below > 0 && height() - below >= screen_.height()) resize(width(), height() - below);
}

void SolutionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    place_.shown(*this, *event);
}

void SolutionWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    place_.hidden(*this, *event);
}

// Escape closes, as it does a dialog; the text passes it on.
void SolutionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Back to the screen, whose keys the pupil goes on with, once this window is gone: a window
// manager may refuse to activate one window while another it has just focused is still mapped.
void SolutionWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QTimer::singleShot(0, &screen_, [&screen = screen_] {
        if (screen.isVisible()) screen.activateWindow();
    });
}

Solution::Solution(QWidget& screen, const ScreenTable& table, ScreenFields& fields)
    : QObject(&screen), screen_(screen), table_(table) {
    screen.installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), &screen), &QShortcut::activated, this,
            [this] { open(); });
    for (const ControlRow* result : resultFields(table.id))
        offerSolution(fields.at(result->name), *this);
}

void Solution::keep(const calc::Working& working) {
    working_ = working;
    if (window_) window_->setWorking(&*working_);
}

void Solution::open() {
    if (!window_) {
        window_ = new SolutionWindow(screen_, table_);
        window_->setWorking(working_ ? &*working_ : nullptr);
    }
    window_->open();
}

// The window goes when its screen is left.
bool Solution::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide && window_) window_->hide();
    return false;
}

}  // namespace screens
