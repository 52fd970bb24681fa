// The solution on paper: the PDF the window writes, read back with poppler's pdftotext and
// pdftoppm (under Wine too, which runs them as the Unix programs they are), and the same page
// printed to a CUPS-PDF queue (print_queue_test.sh).
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "calc/messages.h"
#include "program_harness.h"
#include "screens/solution_window/figure_sketch.h"
#include "screens/solution_window/solution_paper.h"
#include "screens/tables/screen_tables.h"
#include "screens/widgets/utf8.h"

namespace app {
namespace {

using screens::ScreenId;
using testing::ProgramHarness;

QByteArray fileBytes(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A path as Unix programs see it: under Wine, the Unix file behind the Windows one.
QString unixPath(const QString& path) {
#ifdef Q_OS_WIN
    using ToUnix = char* (*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
    const QString found = QString::fromUtf8(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return found;
#else
    return path;
#endif
}

// Runs poppler's `command` on `pdf` through sh: it reads "$1" and writes "$2.part", which moves
// to "$2" once written. Wine starts a Unix program without waiting for it and without pipes to
// it, so the finished file, not the program's end, is what the test waits for.
QByteArray poppler(const QString& command, const QByteArray& pdf) {
#ifdef Q_OS_WIN
    const QString sh = QStringLiteral("Z:/bin/sh");  // Wine's drive of the Unix root
#else
    const QString sh = QStringLiteral("/bin/sh");
#endif
    QTemporaryDir folder;
    const QString in = folder.filePath("in.pdf"), out = folder.filePath("out");
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    const QString script = command + R"(; mv -f "$2.part" "$2" 2>/dev/null || : >"$2")";
    if (!QProcess::startDetached(sh, {"-c", script, "sh", unixPath(in), unixPath(out)}) ||
        !QTest::qWaitFor([&] { return QFile::exists(out); }, 30000)) {
        ADD_FAILURE() << "no output from " << command.toStdString();
        return {};
    }
    return fileBytes(out);
}

// The text of each page as pdftotext lays it out: no-break spaces as plain ones.
QStringList pdfPages(const QByteArray& pdf) {
    QString text =
        QString::fromUtf8(poppler(R"(pdftotext -layout -enc UTF-8 "$1" "$2.part")", pdf));
    text.replace(QChar(0x00A0), ' ');
    QStringList pages = text.split('\f');
    pages.removeLast();  // after the last page's form feed
    return pages;
}

void dropBlankEnd(QStringList& lines) {
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
}

// The solution's lines on the pages, a long line that goes on indented joined back; without the
// title, the figure's room and the page numbers, which are checked as they go.
QStringList solutionLines(const QStringList& pages, const QString& title) {
    QStringList lines;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QStringList pageLines = pages[page].split('\n');
        dropBlankEnd(pageLines);
        EXPECT_EQ(pageLines.takeLast().trimmed(),
                  QStringLiteral("Страница %1 из %2").arg(page + 1).arg(pages.size()));
        dropBlankEnd(pageLines);
        if (page == 0) {
            EXPECT_EQ(pageLines.takeFirst(), title);
            while (!pageLines.isEmpty() && pageLines.front().isEmpty()) pageLines.removeFirst();
        }
        for (const QString& line : pageLines) {
            if (line.startsWith(' ') && !lines.isEmpty()) {
                lines.back() += ' ' + line.trimmed();
            } else {
                lines << line.trimmed();
            }
        }
    }
    return lines;
}

// For a readable report of a difference.
std::string joined(const QStringList& lines) {
    return lines.join('\n').toStdString();
}

QStringList nonBlank(QStringList lines) {
    lines.removeAll(QString());
    return lines;
}

QStringList windowLines(QWidget& solution) {
    return solution.findChild<QPlainTextEdit*>()
        ->toPlainText()
        .replace(QChar(0x00A0), ' ')
        .split('\n');
}

// The program with a screen's solution window open after a compute; the dialogs answered by the
// test, put back as they were at the end.
struct PaperHarness {
    PaperHarness(ScreenId id, const char* menuButton,
                 std::initializer_list<std::pair<const char*, const char*>> typed,
                 const char* compute)
        : id(id) {
        program.click(ScreenId::MainMenu, menuButton);
        for (const auto& [field, text] : typed) program.type(id, field, text);
        program.click(id, compute);
        Screen& screen = program.screen(id);
        // F1 goes to the active window: wait for the screen to be it.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &screen; }))
            ADD_FAILURE() << "the screen is not active";
        QTest::keyClick(screen.focusWidget() ? screen.focusWidget() : &screen, Qt::Key_F1);
        solution = program.screen(id).findChild<QWidget*>("solution");
        if (!solution || !QTest::qWaitForWindowExposed(solution)) ADD_FAILURE() << "no solution";
        screens::paperDialogs().choosePrinter = [](QPrinter&, QWidget&) {
            ADD_FAILURE() << "a print dialog";
            return false;
        };
        screens::paperDialogs().choosePdfFile = [this](QWidget&, const QString& offered) {
            proposed = offered;
            return answer;
        };
    }
    ~PaperHarness() { screens::paperDialogs() = kept; }

    QString title() const { return screens::fromUtf8(screens::tableOf(id).caption).trimmed(); }
    // Saves through «Сохранить в PDF…», the dialog answered with `file` (empty: cancelled).
    void savePdf(const QString& file) {
        answer = file;
        QTest::mouseClick(solution->findChild<QWidget*>("pdf"), Qt::LeftButton);
    }

    ProgramHarness program;
    ScreenId id;
    QWidget* solution = nullptr;
    QTemporaryDir folder;
    QString answer, proposed;
    screens::PaperDialogs kept = screens::paperDialogs();
};

TEST(SolutionPaper, APdfHasTheWindowsTextLineForLineAndTheFigureOnItsFirstPage) {
    PaperHarness paper(ScreenId::Cone, "cmd4", {{"txt1", "3"}, {"txt2", "4"}}, "cmd1");
    ASSERT_NE(paper.solution, nullptr);
    const QString name = "Решение — конус.pdf";
    paper.savePdf(paper.folder.filePath(name));
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(paper.proposed, documents.filePath(name));
    EXPECT_EQ(QDir(paper.folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{name})
        << "that one file and nothing else";

    const QByteArray pdf = fileBytes(paper.folder.filePath(name));
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    // Every line with text; blank ones are pdftotext's guess from the spacing, which fonts change.
    EXPECT_EQ(joined(nonBlank(solutionLines(pages, paper.title()))),
              joined(nonBlank(windowLines(*paper.solution))));

    // At 72 pixels an inch a pixel is a point: ink in the figure's box, none where the text goes.
    const QImage page = QImage::fromData(poppler(
        R"(pdftoppm -r 72 -f 1 -l 1 -singlefile -png "$1" "$2" && mv "$2.png" "$2.part")", pdf));
    ASSERT_FALSE(page.isNull());
    QPrinter printer(QPrinter::HighResolution);
    screens::setUpPaper(printer);
    const QRect box =
        screens::figureBox(printer,
                           {paper.title(),
                            dynamic_cast<screens::FigureSketch*>(
                                paper.solution->findChild<QWidget*>(QStringLiteral("sketch"))),
                            "",
                            {}})
            .toRect();
    ASSERT_TRUE(page.rect().contains(box));
    const auto ink = [&page](const QRect& area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) dark += qGray(page.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(ink(box), 300) << "the cone's outline and letters";
    EXPECT_EQ(ink(QRect(0, 0, box.left() - 1, page.height())), 0) << "the left margin white";
}

// The calculator's three rows with the long ladders of a division, all on its pages; the same
// working twice over (more than a page with any font) goes on between lines to a numbered next
// page, every line whole.
TEST(SolutionPaper, ALongSolutionGoesOnBetweenLinesToANumberedNextPage) {
    PaperHarness paper(ScreenId::Calculator, "cmd6",
                       {{"txt1Dec", "987654321"},
                        {"txt2Dec", "7777777"},
                        {"txt1Oct", "7777777777777"},
                        {"txt2Oct", "97"},
                        {"txt1Hex", "987654321987"},
                        {"txt2Hex", "97"}},
                       "Command3");
    ASSERT_NE(paper.solution, nullptr);
    paper.savePdf(paper.folder.filePath("rows.pdf"));
    const QStringList window = windowLines(*paper.solution);
    for (const char* row : {"десятичной", "восьмеричной", "шестнадцатеричной"})
        EXPECT_EQ(window.filter(QStringLiteral("Результат в %1 системе").arg(row)).size(), 1);
    // Blank lines at a page's top or foot are left out, and pdftotext guesses the others from
    // the spacing: the lines with text are compared.
    const QStringList rows = pdfPages(fileBytes(paper.folder.filePath("rows.pdf")));
    EXPECT_EQ(joined(nonBlank(solutionLines(rows, paper.title()))), joined(nonBlank(window)));

    QPrinter printer(QPrinter::HighResolution);
    screens::setUpPaper(printer);
    printer.setOutputFileName(paper.folder.filePath("twice.pdf"));
    const QString text = paper.solution->findChild<QPlainTextEdit*>()->toPlainText();
    ASSERT_TRUE(screens::printSolution(
        printer, {paper.title(), nullptr, text + "\n\n" + text, paper.solution->font()}));
    const QStringList pages = pdfPages(fileBytes(paper.folder.filePath("twice.pdf")));
    EXPECT_GE(pages.size(), 2);
    EXPECT_EQ(joined(nonBlank(solutionLines(pages, paper.title()))),
              joined(nonBlank(window + window)));
}

// A cancelled dialog writes nothing; a file that cannot be written (under a plain file, which
// not even root can make a folder of) is told in a message, and the window keeps its solution.
TEST(SolutionPaper, ACancelledDialogWritesNothingAndAFailureIsTold) {
    PaperHarness paper(ScreenId::Triangle, "cmd1", {{"txt1", "3"}, {"txt2", "4"}}, "cmd1");
    ASSERT_NE(paper.solution, nullptr);
    const QStringList before = windowLines(*paper.solution);
    testing::SeenMessageBox seen;
    testing::closeNextMessageBox(seen);
    paper.savePdf("");
    EXPECT_TRUE(QDir(paper.folder.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(paper.proposed));
    EXPECT_FALSE(seen.shown);

    QFile plain(paper.folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString unwritable = paper.folder.filePath("plain/Решение.pdf");
    paper.savePdf(unwritable);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.shown; }));
    EXPECT_EQ(seen.text.toStdString(),
              calc::paperMessage(calc::PaperProblem::FileNotWritten,
                                 QDir::toNativeSeparators(unwritable).toStdString()));
    EXPECT_EQ(QDir(paper.folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"plain"});
    EXPECT_TRUE(paper.solution->isVisible());
    EXPECT_EQ(windowLines(*paper.solution), before);
}

// Where each word of each line ends, in points, as pdftotext -bbox finds them.
QList<QList<double>> wordEnds(const QByteArray& pdf) {
    static const QRegularExpression word(
        R"re(<word xMin="[\d.]+" yMin="[\d.]+" xMax="([\d.]+)" yMax="([\d.]+)")re");
    const QString boxes = QString::fromUtf8(poppler(R"(pdftotext -bbox "$1" "$2.part")", pdf));
    constexpr double kLineGap = 6;  // points; the signs of one line reach up to different heights
    QList<QList<double>> lines;
    double lineAt = -kLineGap;
    for (auto found = word.globalMatch(boxes); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        if (const double bottom = match.captured(2).toDouble(); bottom - lineAt > kLineGap) {
            lines.append(QList<double>());
            lineAt = bottom;
        }
        lines.back().append(match.captured(1).toDouble());
    }
    return lines;
}

// Run by print_queue_test.sh, which names a CUPS-PDF queue of a cupsd of its own and the folder
// where the queue's PDF files land. The queue turns the page into PostScript and back, which
// keeps the glyphs but not which letters they are (pdftotext reads other signs): the queue's
// page has the same words in the same places as the PDF the window writes.
TEST(PrintQueue, ThePrintedPageIsTheWindowsPage) {
    const QString queue = qEnvironmentVariable("RESHALKIN_TEST_PRINT_QUEUE");
    const QDir landing(qEnvironmentVariable("RESHALKIN_TEST_PRINT_LANDING"));
    if (queue.isEmpty()) GTEST_SKIP() << "run by print_queue_test.sh";
    PaperHarness paper(ScreenId::Circle, "cmd2", {{"txt1", "2,5"}}, "cmd1");
    ASSERT_NE(paper.solution, nullptr);
    const QString job = QStringLiteral("reshalkin-%1").arg(QCoreApplication::applicationPid());
    screens::paperDialogs().choosePrinter = [&](QPrinter& printer, QWidget&) {
        printer.setPrinterName(queue);
        printer.setDocName(job);
        return true;
    };
    QTest::keyClick(paper.solution, Qt::Key_P, Qt::ControlModifier);
    paper.savePdf(paper.folder.filePath("window.pdf"));
    const QList<QList<double>> written = wordEnds(fileBytes(paper.folder.filePath("window.pdf")));

    const QString filter = QStringLiteral("*%1*.pdf").arg(job);
    QElapsedTimer waited;
    waited.start();
    while (landing.entryList({filter}, QDir::Files).isEmpty() && waited.elapsed() < 60000)
        QTest::qWait(200);
    const QStringList landed = landing.entryList({filter}, QDir::Files);
    ASSERT_EQ(landed.size(), 1) << "no PDF from the queue in " << landing.path().toStdString();
    const QString file = landing.filePath(landed.front());
    // The queue writes the file as it goes: read it once its size stays.
    for (qint64 size = -1; QFileInfo(file).size() != size; QTest::qWait(500))
        size = QFileInfo(file).size();
    const QByteArray printed = fileBytes(file);
    QFile::remove(file);

    EXPECT_EQ(pdfPages(printed).size(), 1);
    const QList<QList<double>> ends = wordEnds(printed);
    ASSERT_EQ(ends.size(), written.size()) << "lines";
    ASSERT_GT(ends.size(), 8);
    for (qsizetype line = 0; line < ends.size(); ++line) {
        ASSERT_EQ(ends[line].size(), written[line].size()) << "words in line " << line;
        for (qsizetype i = 0; i < ends[line].size(); ++i)
            EXPECT_NEAR(ends[line][i], written[line][i], 0.5) << "line " << line << " word " << i;
    }
}

}  // namespace
}  // namespace app
