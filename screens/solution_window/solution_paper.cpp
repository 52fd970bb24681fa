#include "screens/solution_window/solution_paper.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <array>
#include <utility>

#include "calc/messages.h"
#include "product.h"
#include "screens/widgets/utf8.h"

namespace screens {

namespace {

QString documentName(std::string_view subject) {
    if (subject.empty()) return QStringLiteral("Решение");
    return QStringLiteral("Решение — ") + fromUtf8(subject);
}

struct Entry {
    const char* name;  // also the button's object name
    const char* text;
    QKeySequence keys;
    void (SolutionPaper::*act)();
};
const std::array kEntries{
    Entry{"print", "Печать…", QKeySequence(Qt::CTRL | Qt::Key_P), &SolutionPaper::print},
    Entry{"pdf", "Сохранить в PDF…", {}, &SolutionPaper::savePdf},
};

bool systemPrintDialog(QPrinter& printer, QWidget& parent) {
    QPrintDialog dialog(&printer, &parent);
    return dialog.exec() == QDialog::Accepted;
}

QString systemSaveDialog(QWidget& parent, const QString& proposed) {
    return QFileDialog::getSaveFileName(&parent, QStringLiteral("Сохранить в PDF"), proposed,
                                        QStringLiteral("PDF (*.pdf)"));
}

// «Решение — конус.pdf» in the user's documents folder.
QString proposedPdfFile(const QString& documentName) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.filePath(documentName + QStringLiteral(".pdf"));
}

}  // namespace

PaperDialogs& paperDialogs() {
    static PaperDialogs dialogs{systemPrintDialog, systemSaveDialog};
    return dialogs;
}

SolutionPaper::SolutionPaper(QWidget& window, std::string_view subject,
                             std::function<SolutionPage()> page)
    : QObject(&window),
      window_(window),
      documentName_(documentName(subject)),
      page_(std::move(page)) {
    for (const Entry& entry : kEntries) {
        auto* action = new QAction(QString::fromUtf8(entry.text), &window);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, entry.act);
        window.addAction(action);
        actions_.append(action);
    }
}

void SolutionPaper::addButtons(QBoxLayout& row) {
    for (QAction* action : actions_) {
        auto* button = new QPushButton(action->text(), &window_);
        button->setObjectName(action->objectName());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        row.addWidget(button);
    }
}

void SolutionPaper::print() {
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer);
    printer.setDocName(documentName_);
    if (!paperDialogs().choosePrinter(printer, window_)) return;
    if (!printSolution(printer, page_())) tell(calc::paperMessage(calc::PaperProblem::NotPrinted));
}

// Qt's PDF engine writes the chosen file itself, and only it: no temporary file beside it.
void SolutionPaper::savePdf() {
    QString file = paperDialogs().choosePdfFile(window_, proposedPdfFile(documentName_));
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer);
    printer.setDocName(documentName_);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (printSolution(printer, page_()) && QFileInfo(file).size() > 0) return;
    tell(calc::paperMessage(calc::PaperProblem::FileNotWritten,
                            QDir::toNativeSeparators(file).toStdString()));
}

void SolutionPaper::tell(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, fromUtf8(product::kName), QString::fromStdString(message),
                    QMessageBox::Ok, &window_);
    box.exec();
}

}  // namespace screens
