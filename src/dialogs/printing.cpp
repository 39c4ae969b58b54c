#include "dialogs/printing.h"

#include "dialogs/template_dialog.h"
#include "platform/cp1252.h"
#include "report/print_lines.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>

namespace dialogs {
namespace {

// clang-format off
constexpr Control kPrinting[] = {
    {Kind::Text, 0, "Ich drucke.", 16, 7, 64, 9},
    {Kind::Text, 0, "Um zu unterbrechen, klicken Sie Abbruch.", 16, 17, 114, 15},
    {Kind::DefaultButton, kCancel, "Abbruch", 86, 39, 38, 12},
};
// clang-format on

// "Drucken", open while the pages are printed. Abbruch, Enter and Escape ask to stop, and the
// box stays until the line being printed is done. It keeps the main window closed to input
// while it stays usable itself: a disabled main window would disable the box it owns.
class AbortBox : public TemplateDialog {
public:
    explicit AbortBox(QWidget* owner) : TemplateDialog({"Drucken", 144, 61, kPrinting}, false, owner)
    {
        setWindowModality(Qt::ApplicationModal);
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
    bool Aborted() const { return aborted_; }
    void done(int) override { aborted_ = true; }
    void reject() override { aborted_ = true; }

private:
    bool aborted_ = false;
};

}  // namespace

void Printing::Setup()
{
    SpeakGerman();
    QPageSetupDialog dialog(&Printer(), mainWindow_);
    dialog.exec();
}

void Printing::PrintTypedText(const QString& text)
{
    SpeakGerman();
    QPrintDialog choose(&Printer(), mainWindow_);
    choose.setOption(QAbstractPrintDialog::PrintPageRange, false);
    choose.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (choose.exec() != QDialog::Accepted)
        return;
    AbortBox box(mainWindow_);
    CenterDialog(box);
    box.show();
    PrintPages(text, [&box] { return box.Aborted(); });
}

bool Printing::PrintPages(const QString& text, const std::function<bool()>& aborted)
{
    QPainter painter;
    QPrinter& printer = Printer();
    if (!painter.begin(&printer))
        return false;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(12);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.height() + metrics.leading();
    const int left = printer.resolution();
    const int top = printer.resolution() * 3 / 2;
    const int printable = painter.device()->width() - 2 * left;
    const int pageHeight = painter.device()->height();
    // The typing area's line breaks as the line rule knows them.
    const std::string bytes = cp1252::FromQString(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    const TextMeasure width = [&](std::string_view line) { return metrics.horizontalAdvance(cp1252::ToQString(line)); };

    int y = top;
    std::size_t position = 0;
    do {
        y += lineHeight;
        if (y > pageHeight - top - lineHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            y = top;
        }
        const PrintLine line = NextPrintLine(bytes, position, width, printable);
        painter.drawText(left, y + metrics.ascent(), cp1252::ToQString(line.text));
        position = line.next;
        QCoreApplication::processEvents();   // the learner may press Abbruch
    } while (position < bytes.size() && !aborted());
    const bool whole = position >= bytes.size();
    painter.end();
    return whole;
}

}  // namespace dialogs
