#include "screens/solution_window.h"

#include <QAccessibleWidget>
#include <QApplication>
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
#include <QTextDocumentFragment>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "screens/accessible_text.h"
#include "screens/announcer.h"
#include "screens/beside_place.h"
#include "screens/figure_sketch.h"
#include "screens/formulas.h"
#include "screens/screen.h"
#include "screens/solution_text.h"
#include "screens/text_zoom.h"
#include "screens/utf8.h"

namespace screens {

namespace {

constexpr int kWidth = 560;  // pixels; the height is the screen's
constexpr const char* kKeeperName = "solutionKeeper";

// Copies as plain Unicode text only, so a notebook file gets no formatting; screen readers get
// its signs in words. Its menu names the keys that size it.
class PlainText : public QPlainTextEdit, public OwnAccessible {
  public:
    explicit PlainText(QWidget* parent) : QPlainTextEdit(parent), zoom_(new TextZoom(*this)) {}

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
        menu->addActions(zoom_->actions());
        menu->popup(event->globalPos());
    }

  private:
    TextZoom* zoom_;
};

// A screen's last working, and its window once opened.
class SolutionKeeper : public QObject {
  public:
    explicit SolutionKeeper(Screen& screen) : QObject(&screen), screen_(screen) {
        setObjectName(kKeeperName);
        screen.installEventFilter(this);
    }

    void keep(const calc::Working& working) {
        working_ = working;
        if (window_) window_->setWorking(&*working_);
    }
    void open() {
        if (!window_) {
            window_ = new SolutionWindow(screen_);
            window_->setWorking(working_ ? &*working_ : nullptr);
        }
        window_->open();
    }

  protected:
    // The window goes when its screen is left.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && window_) window_->hide();
        return false;
    }

  private:
    Screen& screen_;
    std::optional<calc::Working> working_;
    SolutionWindow* window_ = nullptr;  // a child of the screen
};

SolutionKeeper* keeperOf(Screen& screen) {
    return dynamic_cast<SolutionKeeper*>(
        screen.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly));
}

// The standard menu with «Показать решение» at its end.
void offerSolution(QLineEdit& field, SolutionKeeper& keeper) {
    field.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&field, &QWidget::customContextMenuRequested, &field,
                     [&field, &keeper](const QPoint& at) {
                         QMenu* menu = field.createStandardContextMenu();
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addSeparator();
                         menu->addAction(QStringLiteral("Показать решение"), &keeper,
                                         [&keeper] { keeper.open(); });
                         menu->popup(field.mapToGlobal(at));
                     });
}

// The frame the window manager gives the screen, taken to be the window's too.
QMargins frameMargins(const QWidget& screen) {
    const QRect frame = screen.frameGeometry(), client = screen.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

SolutionWindow::SolutionWindow(Screen& screen)
    : QWidget(&screen, Qt::Window), screen_(screen), text_(new PlainText(this)) {
    setObjectName(QStringLiteral("solution"));
    setWindowTitle(QStringLiteral("Решение — ") + fromUtf8(screen.layout().caption).trimmed());
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, screen.height());

    auto* layout = new QVBoxLayout(this);
    if (hasFigure(screen.id())) {
        sketch_ = new FigureSketch(screen.id(), this);
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
        copied->say(QStringLiteral("Скопировано"));
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    layout->addLayout(buttons);

    setFocusProxy(text_);
}

void SolutionWindow::setWorking(const calc::Working* working) {
    text_->setPlainText(fromUtf8(solutionText(screen_.id(), working)));
    if (sketch_) sketch_->setWorking(working);
}

// Where it was, unless the screen has been moved under that place meanwhile.
void SolutionWindow::open() {
    if (!isVisible()) {
        const std::optional<QPoint>& kept = place_.place();
        const QRect keptFrame = QRect(kept.value_or(QPoint()), size()) + frameMargins(screen_);
        if (kept && keptFrame.intersects(screen_.frameGeometry())) place_.forget();
        if (!place_.place()) placeBesideScreen();
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

QAccessibleInterface* SolutionWindow::createAccessible() {
    return new QAccessibleWidget(this, QAccessible::Window);
}

// Placed by its client area, as the screens are: a frame position asks the window manager to
// move a withdrawn window by its frame, and it creeps each time it is shown again.
void SolutionWindow::placeBesideScreen() {
    const QMargins margins = frameMargins(screen_);
    const QRect desk = screen_.screen()->availableGeometry();
    setGeometry(besideScreen(screen_.frameGeometry(), size().grownBy(margins), desk) - margins);
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

void attachSolution(Screen& screen) {
    const std::vector<const ControlLayout*> results = resultFields(screen.id());
    if (results.empty()) return;
    auto* keeper = new SolutionKeeper(screen);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), &screen), &QShortcut::activated,
                     keeper, [keeper] { keeper->open(); });
    for (const ControlLayout* result : results)
        offerSolution(screen.fields().at(result->name), *keeper);
}

void showWorking(Screen& screen, const calc::Working& working) {
    if (SolutionKeeper* keeper = keeperOf(screen)) keeper->keep(working);
}

}  // namespace screens
