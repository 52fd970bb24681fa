// Starts the program and three bare Qt windows of the same size (empty; with a captioned button;
// with the button over a JPEG picture), alternating, and prints the median time to the first
// painted frame and the peak memory of each. Run it on an X display (startup_bench.sh starts one).
//
//   startup_bench BARE_WINDOW PICTURE PROGRAM [PROGRAM...]
//
// Several builds of the program can be compared in one run.
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
    // The display server and the window manager finish with the window before the next start.
    QThread::msleep(kSettleMs);
    return run;
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

struct Contender {
    QString name;
    QString file;
    QStringList arguments;
    std::vector<double> frames, peaks;
};

void printAgainst(const Contender& program, const Contender& bare) {
    const double frame = median(program.frames), bareFrame = median(bare.frames);
    const double peak = median(program.peaks), barePeak = median(bare.peaks);
    std::printf(
        "%s against the %s: first frame %.1f / %.1f ms, ratio %.2f; peak memory %.1f / "
        "%.1f MB, %+.1f MB\n",
        qPrintable(program.name), qPrintable(bare.name), frame, bareFrame, frame / bareFrame, peak,
        barePeak, peak - barePeak);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench BARE_WINDOW PICTURE PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const QString bare = QString::fromLocal8Bit(argv[1]);
    const QString picture = QString::fromLocal8Bit(argv[2]);
    std::vector<Contender> contenders{
        {"bare window", bare, {}, {}, {}},
        {"bare+button", bare, {"--button"}, {}, {}},
        {"bare+button+picture", bare, {"--button", "--picture", picture}, {}, {}}};
    constexpr std::size_t kBareWindows = 3;
    for (int i = 3; i < argc; ++i) {
        const QString program = QString::fromLocal8Bit(argv[i]);
        contenders.push_back({program, program, {}, {}, {}});
    }

    // One start of each first, untimed, so that whatever the system caches on a first start
    // is cached for all of them alike.
    for (const Contender& contender : contenders) runOnce(contender.file, contender.arguments);
    for (int round = 0; round < kRuns; ++round) {
        for (Contender& contender : contenders) {
            const Run run = runOnce(contender.file, contender.arguments);
            std::printf("run %d, %s: first frame %6.1f ms, peak memory %5.1f MB\n", round + 1,
                        qPrintable(contender.name), run.firstFrameMs, run.peakMb);
            contender.frames.push_back(run.firstFrameMs);
            contender.peaks.push_back(run.peakMb);
        }
    }
    for (std::size_t i = kBareWindows; i < contenders.size(); ++i)
        for (std::size_t bareWindow = 0; bareWindow < kBareWindows; ++bareWindow)
            printAgainst(contenders[i], contenders[bareWindow]);
    // Other builds of the program (the self-contained one) against the first.
    for (std::size_t i = kBareWindows + 1; i < contenders.size(); ++i)
        printAgainst(contenders[i], contenders[kBareWindows]);
    std::printf("goal against the window with a button: ratio at most %.2f, at most %+.1f MB\n",
                kGoalRatio, kGoalExtraMb);
    return 0;
}
