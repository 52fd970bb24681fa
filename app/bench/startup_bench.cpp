// Starts the program and two bare Qt windows of the same size, one empty and one with a
// captioned button, alternating, and prints the median time to the first painted frame and the
// peak memory of each. Run it on an X display (startup_bench.sh starts one).
//
//   startup_bench PROGRAM BARE_WINDOW
//
// The first painted frame is the first flush of a window's painting, which Qt reports on its
// "qt.widgets.painting" logging category; the time runs from starting the process.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 11;
constexpr int kPollMs = 1;
constexpr double kNsPerMs = 1e6;
constexpr const char* kFirstFlush = "Flushing QRegion";
constexpr int kFirstFrameTimeoutMs = 10'000;
constexpr int kSettleMs = 300;  // after the first frame, before the peak memory is read
constexpr double kKbPerMb = 1024.0;
constexpr double kGoalRatio = 1.10;  // against the window with a button
constexpr double kGoalExtraMb = 4.0;

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
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BARE_WINDOW\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString bare = QString::fromLocal8Bit(argv[2]);
    const struct {
        const char* name;
        QString file;
        QStringList arguments;
    } contenders[] = {
        {"program", program, {}},
        {"bare window", bare, {}},
        {"bare+button", bare, {"--button"}},
    };
    constexpr std::size_t kContenders = std::size(contenders);

    // One start of each first, untimed, so that whatever the system caches on a first start
    // is cached for all of them alike.
    for (const auto& contender : contenders) runOnce(contender.file, contender.arguments);
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
    for (std::size_t i = 1; i < kContenders; ++i) {
        std::printf(
            "against the %s: first frame %.1f / %.1f ms, ratio %.2f; peak memory %.1f / "
            "%.1f MB, %+.1f MB\n",
            contenders[i].name, frame[0], frame[i], frame[0] / frame[i], peak[0], peak[i],
            peak[0] - peak[i]);
    }
    std::printf("goal against the window with a button: ratio at most %.2f, at most %+.1f MB\n",
                kGoalRatio, kGoalExtraMb);
    return 0;
}
