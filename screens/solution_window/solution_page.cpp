#include "screens/solution_window/solution_page.h"

#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "screens/solution_window/figure_sketch.h"

namespace screens {

namespace {

// Sizes in points. The painter counts in points, so a font's pixel size is its size in points.
constexpr qreal kMarginMm = 20;  // wider than the edge any printer leaves blank
constexpr int kTextSize = 12;
constexpr int kTitleSize = 14;
constexpr qreal kFigureHeight = 150;
constexpr qreal kGap = 12;  // between the title, the figure and the text
constexpr qreal kFigurePen = 1;
constexpr qreal kIndent = 4;  // characters, a long line's continuation
constexpr qreal kPointsPerInch = 72;

QFont paperFont(QFont font, int size) {
    font.setPixelSize(size);
    font.setHintingPreference(QFont::PreferNoHinting);  // the glyphs' own widths, as printed
    return font;
}

// A paragraph broken into lines at the page's width, the lines after its first indented: a long
// line of the working reads on as one.
std::unique_ptr<QTextLayout> laidOut(const QString& text, const QFont& font, qreal width) {
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal y = 0;
    const qreal indent = kIndent * QFontMetricsF(font).averageCharWidth();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        const qreal left = line.lineNumber() == 0 ? 0 : indent;
        line.setLineWidth(width - left);
        line.setPosition({left, y});
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

struct PlacedLine {
    const QTextLayout* paragraph;
    int line;
    int page;  // from 0
    qreal top;
};

// Where everything goes, in points from the printable area's top left corner.
struct Plan {
    QRectF area;  // the printable area, on the paper
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    std::vector<PlacedLine> lines;
    QRectF figure;
    QFont font;
    qreal footer = 0;  // the page number's line
    int pages = 1;
};

// A line that would run into the page number's line goes whole to the next page; a blank line
// at a page's top or foot is left out, the page break shows it.
Plan planFor(const QPrinter& printer, const SolutionPage& page) {
    Plan plan;
    plan.area = printer.pageLayout().paintRect(QPageLayout::Point);
    plan.font = paperFont(page.font, kTextSize);
    const qreal lineHeight = QFontMetricsF(plan.font).height();
    plan.footer = plan.area.height() - lineHeight;
    const qreal bottom = plan.footer - lineHeight;  // a blank line above the number
    qreal y = 0;
    const auto place = [&](const QString& text, const QFont& font) {
        plan.paragraphs.push_back(laidOut(text, font, plan.area.width()));
        const QTextLayout& paragraph = *plan.paragraphs.back();
        for (int i = 0; i < paragraph.lineCount(); ++i) {
            const qreal height = paragraph.lineAt(i).height();
            if (text.isEmpty() && (y == 0 || y + height > bottom)) return;
            if (y + height > bottom && y > 0) {
                ++plan.pages;
                y = 0;
            }
            plan.lines.push_back({&paragraph, i, plan.pages - 1, y});
            y += height;
        }
    };
    QFont title = paperFont(page.font, kTitleSize);
    title.setBold(true);
    place(page.title, title);
    y += kGap;
    if (page.figure) {
        plan.figure = QRectF(0, y, plan.area.width(), kFigureHeight);
        y += kFigureHeight + kGap;
    }
    for (const QString& paragraph : page.text.split(QLatin1Char('\n'))) place(paragraph, plan.font);
    return plan;
}

void drawFigure(QPainter& painter, const FigureSketch& figure, const QRectF& box, QFont font) {
    painter.save();
    painter.setPen(QPen(Qt::black, kFigurePen));
    font.setItalic(true);
    painter.setFont(font);
    figure.draw(painter, box);
    painter.restore();
}

void drawPageNumber(QPainter& painter, const Plan& plan, int page) {
    painter.setFont(plan.font);
    const QRectF line(0, plan.footer, plan.area.width(), plan.area.height() - plan.footer);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Страница %1 из %2").arg(page + 1).arg(plan.pages));
}

}  // namespace

void setUpPaper(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
}

bool printSolution(QPrinter& printer, const SolutionPage& page) {
    const Plan plan = planFor(printer, page);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const qreal scale = printer.resolution() / kPointsPerInch;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    if (page.figure) drawFigure(painter, *page.figure, plan.figure, plan.font);
    int current = 0;
    for (const PlacedLine& placed : plan.lines) {
        if (placed.page != current) {
            drawPageNumber(painter, plan, current++);
            if (!printer.newPage()) return false;
        }
        const QTextLine line = placed.paragraph->lineAt(placed.line);
        line.draw(&painter, {0, placed.top - line.y()});
    }
    drawPageNumber(painter, plan, current);
    return painter.end();
}

QRectF figureBox(const QPrinter& printer, const SolutionPage& page) {
    const Plan plan = planFor(printer, page);
    return plan.figure.translated(plan.area.topLeft());
}

}  // namespace screens
