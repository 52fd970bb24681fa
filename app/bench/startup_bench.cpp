// Starts the program and, beside it, a bare Qt 6 window of the same size, five times each and
// alternating, and prints the median time to the first painted frame of each, their ratio,
// and the peak memory of each. A third yardstick, the bare window with one word in it, shows
// what starting Qt's font system costs any window with text. Run it on an X display
// (startup_bench.sh starts one).
//
//   startup_bench PROGRAM BARE_WINDOW CAPTION_CACHE_FILE
//
// The first painted frame is the first flush of a window's painting to the screen, which Qt
// reports on its "qt.widgets.painting" logging category; the time runs from starting the process.
// Each is started once untimed first. Then the program starts once without its caption cache,
// as on the day it is installed, which is printed on its own; the timed runs that follow start
// from the cache, as every later lesson does.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kPollMs = 1;
constexpr double kNsPerMs = 1e6;
constexpr const char* kFirstFlush = "Flushing QRegion";
constexpr int kFirstFrameTimeoutMs = 10'000;
constexpr int kSettleMs = 300;  // after the first frame, before the peak memory is read
constexpr double kKbPerMb = 1024.0;
constexpr double kGoalRatio = 1.25;
constexpr double kGoalExtraMb = 8.0;

struct Run {
    double firstFrameMs = -1;
    double peakMb = 0;
};

// The process's peak resident memory so far.
double peakMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / kKbPerMb;
    return 0;
}

Run runOnce(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_LOGGING_RULES", "qt.widgets.painting=true");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    Run run;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray seen;
    while (run.firstFrameMs < 0 && clock.elapsed() < kFirstFrameTimeoutMs &&
           process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(kPollMs);
        seen += process.readAll();
        if (seen.contains(kFirstFlush))
            run.firstFrameMs = static_cast<double>(clock.nsecsElapsed()) / kNsPerMs;
    }
    QThread::msleep(kSettleMs);
    run.peakMb = peakMb(process.processId());
    process.kill();
    process.waitForFinished();
    return run;
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BARE_WINDOW CAPTION_CACHE_FILE\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString bare = QString::fromLocal8Bit(argv[2]);
    const QString captionCache = QString::fromLocal8Bit(argv[3]);
    const struct {
        const char* name;
        QString file;
        QStringList arguments;
    } contenders[] = {
        {"program", program, {}},
        {"bare window", bare, {}},
        {"bare + word", bare, {"--caption"}},
    };
    constexpr std::size_t kContenders = std::size(contenders);

    // One start of each first, untimed, so that whatever the system caches on a first start
    // is cached for all of them alike.
    for (const auto& contender : contenders) runOnce(contender.file, contender.arguments);
    // A start of the program as on the day it is installed: no caption cache yet.
    QFile::remove(captionCache);
    const Run firstRun = runOnce(program, {});
    std::printf("first run, no caption cache: first frame %6.1f ms, peak memory %5.1f MB\n",
                firstRun.firstFrameMs, firstRun.peakMb);

    std::vector<double> frames[kContenders], peaks[kContenders];
    for (int round = 0; round < kRuns; ++round) {
        for (std::size_t i = 0; i < kContenders; ++i) {
            const Run run = runOnce(contenders[i].file, contenders[i].arguments);
            std::printf("run %d, %-11s first frame %6.1f ms, peak memory %5.1f MB\n", round + 1,
                        contenders[i].name, run.firstFrameMs, run.peakMb);
            frames[i].push_back(run.firstFrameMs);
            peaks[i].push_back(run.peakMb);
        }
    }
    double frame[kContenders], peak[kContenders];
    for (std::size_t i = 0; i < kContenders; ++i) {
        frame[i] = median(frames[i]);
        peak[i] = median(peaks[i]);
    }
    std::printf(
        "median first frame: program %.1f ms, bare window %.1f ms, ratio %.2f (goal %.2f)\n",
        frame[0], frame[1], frame[0] / frame[1], kGoalRatio);
    std::printf("median peak memory: program %.1f MB, bare window %.1f MB, %+.1f MB (goal %+.1f)\n",
                peak[0], peak[1], peak[0] - peak[1], kGoalExtraMb);
    std::printf("against the bare window with a word: %.1f ms, ratio %.2f; %.1f MB, %+.1f MB\n",
                frame[2], frame[0] / frame[2], peak[2], peak[0] - peak[2]);
    std::printf("the program's first run, with no caption cache: ratio %.2f to the bare window\n",
                firstRun.firstFrameMs / frame[1]);
    return 0;
}
