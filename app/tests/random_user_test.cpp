// A pupil pressing everything for a whole lesson: seeded random clicks on every control, Tab,
// Space, Enter, Esc, typing of digits, signs, separators, letters and Cyrillic, and pasted
// texts of up to a million characters, with the error boxes closed as they come. Nothing may
// crash or hang, every click must return, and over a longer lesson the heap the program holds
// must not grow past what it held after the first thousand events.
//
// RESHALKIN_RANDOM_EVENTS sets the number of events (2,500 by default: the heap is compared over
// the last 1,500), RESHALKIN_RANDOM_SEED the seed.
#include <gtest/gtest.h>
#include <malloc.h>

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>

#include "program_harness.h"
#include "screens/solution_window/solution_paper.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

constexpr int kDefaultEvents = 2'500;
constexpr unsigned kDefaultSeed = 20'261'207;
constexpr int kSettledAfter = 1'000;  // events after which the fields hold what they will
constexpr double kMostGrowthMb = 5.0;
constexpr auto kStuckAfter = std::chrono::seconds(60);
constexpr int kBoxCloserMs = 5;
constexpr int kLongestPaste = 1'000'000;
constexpr int kReportEvery = 1'000;
constexpr double kBytesPerMb = 1024.0 * 1024.0;
#ifdef __SANITIZE_ADDRESS__
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

int settingOr(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

// What the allocator has handed out and not had back, whatever the process's resident size.
#ifdef _WIN32
double heapInUseMb() {  // the C runtime's heap, block by block
    _HEAPINFO block{};
    double bytes = 0;
    while (_heapwalk(&block) == _HEAPOK)
        if (block._useflag == _USEDENTRY) bytes += static_cast<double>(block._size);
    return bytes / kBytesPerMb;
}
#else
double heapInUseMb() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / kBytesPerMb;
}
#endif

// What the fields hold, which memory follows: a pasted million letters is laid out for
// drawing.
long long lettersInFields(ProgramHarness& harness) {
    long long letters = 0;
    for (const ScreenId id : screens::kAllScreens)
        if (const Screen* screen = harness.existing(id))
            for (const QLineEdit* field : screen->findChildren<QLineEdit*>())
                letters += field->text().size();
    return letters;
}

// Every screen has been shown, and holds its background picture, from its first showing on.
bool everyScreenShown(const ProgramHarness& harness) {
    return std::ranges::all_of(screens::kAllScreens,
                               [&](ScreenId id) { return harness.existing(id) != nullptr; });
}

// The heap in use once every field and the clipboard are emptied: what the program holds
// besides the letters the user put there. The lesson goes on with the fields empty.
double heapWithoutFieldsMb(ProgramHarness& harness) {
    QGuiApplication::clipboard()->clear();
    for (const ScreenId id : screens::kAllScreens)
        if (const Screen* screen = harness.existing(id))
            for (QLineEdit* field : screen->findChildren<QLineEdit*>())
                field->setText(QString());  // clear() would keep every letter for undo
    return heapInUseMb();
}

// Closes every error box as it appears, counting them.
struct BoxCloser {
    BoxCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++closed;
                box->accept();
            }
        });
        timer.start(kBoxCloserMs);
    }
    QTimer timer;
    int closed = 0;
};

// Ends the process with a message when no event has finished for a minute: a hang.
struct Watchdog {
    Watchdog()
        : thread([this] {
              int seen = -1;
              while (!done) {
                  std::this_thread::sleep_for(kStuckAfter);
                  if (done) return;
                  if (finished == seen) {
                      std::fprintf(stderr, "no event finished for a minute after event %d\n", seen);
                      std::abort();
                  }
                  seen = finished;
              }
          }) {}
    ~Watchdog() {
        done = true;
        thread.detach();
    }
    std::atomic<int> finished{0};
    std::atomic<bool> done{false};
    std::thread thread;
};

class RandomUser {
  public:
    RandomUser(ProgramHarness& harness, unsigned seed) : harness_(harness), random_(seed) {}

    void act() {
        const Action& action = pickAction();
        action.run(*this);
        ++counts_[&action - kActions.data()];
    }
    void printCounts() const {
        for (std::size_t i = 0; i < kActions.size(); ++i)
            std::printf("  %-10s %d\n", kActions[i].name, counts_[i]);
    }

  private:
    struct Action {
        const char* name;
        int weight;
        void (*run)(RandomUser&);
    };
    static const std::array<Action, 7> kActions;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    const Action& pickAction() {
        int total = 0;
        for (const Action& a : kActions) total += a.weight;
        int roll = below(total);
        for (const Action& a : kActions) {
            if (roll < a.weight) return a;
            roll -= a.weight;
        }
        return kActions.back();
    }

    Screen& screen() {
        Screen* visible = harness_.visibleScreen();
        if (!visible) throw std::runtime_error("not exactly one screen is visible");
        return *visible;
    }

    // The widget that takes the keys: the visible screen's focused control.
    QWidget& keyTarget() {
        Screen& s = screen();
        QWidget* focus = s.focusWidget();
        return focus ? *focus : s;
    }

    void clickSomewhere() {
        Screen& s = screen();
        QList<QWidget*> controls;
        for (QWidget* w : s.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->rect().isEmpty()) controls << w;  // not the announcer, which has no size
        controls << &s;
        QWidget* target = controls[below(int(controls.size()))];
        const QPoint at(below(target->width()), below(target->height()));
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    }

    void pressKey() {
        static constexpr std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 6> kKeys{{
            {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::KeypadModifier},
            {Qt::Key_Escape, Qt::NoModifier},
        }};
        const auto& [key, modifiers] = kKeys[below(int(kKeys.size()))];
        QTest::keyClick(&keyTarget(), key, modifiers);
    }

    void type(const QString& alphabet) {
        const int length = 1 + below(8);
        for (int i = 0; i < length; ++i) {
            const QChar ch = alphabet[below(int(alphabet.size()))];
            QTest::sendKeyEvent(QTest::Click, &keyTarget(), Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        }
    }

    // Mostly a short number, sometimes a long run of digits or of anything, once in a while
    // up to a million characters.
    QString pastedText() {
        static const QString kPieces[] = {"12,5", "-3.75e2", "0", "1E308", "&H7FFF",
                                          "абв",  " 42 ",    "9", "x",     "\t7\n8"};
        const int lengths[] = {1 + below(20), below(1000), below(kLongestPaste + 1)};
        const int length = lengths[below(10) < 7 ? 0 : below(10) < 8 ? 1 : 2];
        QString text;
        text.reserve(length);
        while (text.size() < length) text += kPieces[below(std::size(kPieces))];
        text.truncate(length);
        return text;
    }

    void paste() {
        QGuiApplication::clipboard()->setText(pastedText());
        QTest::keyClick(&keyTarget(), Qt::Key_V, Qt::ControlModifier);
    }

    ProgramHarness& harness_;
    std::mt19937 random_;
    std::array<int, 7> counts_{};
};

const std::array<RandomUser::Action, 7> RandomUser::kActions{{
    {"click", 30, [](RandomUser& u) { u.clickSomewhere(); }},
    {"key", 25, [](RandomUser& u) { u.pressKey(); }},
    {"digits", 15, [](RandomUser& u) { u.type("0123456789"); }},
    {"signs", 10, [](RandomUser& u) { u.type("+-.,eE&HhOo "); }},
    {"letters", 6, [](RandomUser& u) { u.type("abcxyzQWZ_!?"); }},
    {"cyrillic", 6, [](RandomUser& u) { u.type(QStringLiteral("абвгдеёжзийклмнЖЩЫЮЯ")); }},
    {"paste", 8, [](RandomUser& u) { u.paste(); }},
}};

TEST(RandomUser, ALessonOfRandomInputNeitherCrashesNorHangsNorGrows) {
    const int events = settingOr("RESHALKIN_RANDOM_EVENTS", kDefaultEvents);
    const auto seed = static_cast<unsigned>(settingOr("RESHALKIN_RANDOM_SEED", kDefaultSeed));
    const int settledAfter = std::min(kSettledAfter, events);
    ProgramHarness harness;
    BoxCloser boxes;
    // A click on «Печать…» or «Сохранить в PDF…» gets its dialog answered as cancelled: no random
    // click closes the system's own dialogs.
    screens::paperDialogs() = {[](QPrinter&, QWidget&) { return false; },
                               [](QWidget&, const QString&) { return QString(); }};
    Watchdog watchdog;
    RandomUser user(harness, seed);
    double settledMb = 0;
    int settledAt = 0;  // the event after which the heap was first measured
    const auto start = std::chrono::steady_clock::now();
    for (int event = 1; event <= events; ++event) {
        ASSERT_NO_THROW(user.act()) << "event " << event;
        watchdog.finished = event;
        // The heap is first measured once every screen holds its picture.
        if (!settledAt && event >= settledAfter && everyScreenShown(harness)) {
            settledAt = event;
            settledMb = heapWithoutFieldsMb(harness);
        }
        if (event % kReportEvery == 0)
            std::printf("after %d events: %.1f MB of heap in use, %lld letters in the fields\n",
                        event, heapInUseMb(), lettersInFields(harness));
        std::fflush(stdout);
    }
    const double endWithFieldsMb = heapInUseMb();
    const long long letters = lettersInFields(harness);
    const double endMb = heapWithoutFieldsMb(harness);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("random user: seed %u, %d events in %.0f s, %d error boxes shown\n", seed, events,
                took.count(), boxes.closed);
    std::printf(
        "heap in use with the fields emptied: %.1f MB after %d events, %.1f MB at the end\n",
        settledMb, settledAt, endMb);
    std::printf("heap in use at the end before emptying: %.1f MB, %lld letters in the fields\n",
                endWithFieldsMb, letters);
    user.printCounts();
    // Compared over a lesson longer than the first events; AddressSanitizer keeps its own heap.
    if (events > kSettledAfter && !kAddressSanitizer) {
        ASSERT_NE(settledAt, 0) << "not every screen was shown";
        EXPECT_LT(endMb - settledMb, kMostGrowthMb);
    }
}

}  // namespace
}  // namespace app
