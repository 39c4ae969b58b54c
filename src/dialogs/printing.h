#pragma once

#include <QPrinter>

#include <functional>
#include <optional>

class QWidget;

namespace dialogs {

// Printing the typing area's text. One printer for the whole run, so the printer chosen once
// stays chosen; Qt's print dialog also offers printing into a PDF file. The printer is made
// when it is first needed: that loads the printing system, which a run without printing
// does without.
class Printing {
public:
    explicit Printing(QWidget* mainWindow) : mainWindow_(mainWindow) {}

    // Seite Einrichten...
    void Setup();
    // Drucken...: the print dialog, then the pages, with the box "Drucken" open to stop them;
    // the main window takes no input meanwhile.
    void PrintTypedText(const QString& text);
    // Lays the text out on pages (Liberation Sans 12 points, an inch left and right, an inch
    // and a half top and bottom) and prints it; `aborted` is asked after every line. False
    // when the learner or the printer stopped it.
    bool PrintPages(const QString& text, const std::function<bool()>& aborted);

    // The printer; its document is named "Tastora", as the printer's queue shows it.
    QPrinter& Printer()
    {
        if (!printer_) {
            printer_.emplace();
            printer_->setDocName(QStringLiteral("Tastora"));
        }
        return *printer_;
    }

private:
    QWidget* mainWindow_;
    std::optional<QPrinter> printer_;
};

}  // namespace dialogs
