#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>

#include "screens/solution_window/solution_page.h"

class QAction;
class QBoxLayout;
class QPrinter;
class QWidget;

namespace screens {

// «Печать…» (Ctrl+P) and «Сохранить в PDF…» of a solution window: one page, printed through the
// system's print dialog or written to the PDF file the user names.
class SolutionPaper : public QObject {
  public:
    // For `window`, which makes its page when asked, of the solution of `subject` ("конус").
    SolutionPaper(QWidget& window, std::string_view subject, std::function<SolutionPage()> page);

    // For the window's menu.
    const QList<QAction*>& actions() const { return actions_; }
    // Their buttons, appended to `row`.
    void addButtons(QBoxLayout& row);

    void print();
    void savePdf();

  private:
    void tell(const std::string& message);

    QWidget& window_;
    QString documentName_;  // the file and the print job
    std::function<SolutionPage()> page_;
    QList<QAction*> actions_;
};

// The dialogs that ask the user. A test answers them through here: a modal dialog waits for a
// person, and the Windows file dialog is Windows's own, out of Qt's reach.
struct PaperDialogs {
    // Lets the user choose the printer and its settings; false: cancelled.
    std::function<bool(QPrinter&, QWidget& parent)> choosePrinter;
    // The file to write, starting from `proposed`; empty: cancelled.
    std::function<QString(QWidget& parent, const QString& proposed)> choosePdfFile;
};
PaperDialogs& paperDialogs();

}  // namespace screens
