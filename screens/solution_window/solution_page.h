#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPrinter;

namespace screens {

class FigureSketch;

// A solution as it goes on paper: the screen's title, the figure and the window's text.
struct SolutionPage {
    QString title;
    const FigureSketch* figure = nullptr;  // none for the calculator
    QString text;                          // as the window shows it, line for line
    QFont font;                            // the window's face; sized for paper here
};

// A4 upright, with margins every printer keeps.
void setUpPaper(QPrinter& printer);

// Paints the page on `printer`, black on white: the title, the figure, then the text, each line
// whole on one page, and every page numbered. False where the printer would not start (a file
// that cannot be written).
bool printSolution(QPrinter& printer, const SolutionPage& page);

// Where the figure goes on the first page, in points from the paper's top left corner.
QRectF figureBox(const QPrinter& printer, const SolutionPage& page);

}  // namespace screens
