#include "dialogs/printing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class PrintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(pdf);
        printing.Printer().setFullPage(true);   // the margins measured from the paper's edges
    }
    // What a poppler tool says of the document.
    QString Read(const QString& tool, const QStringList& options = {}) const
    {
        QProcess reader;
        reader.start(tool, options + (tool == "pdftotext" ? QStringList{pdf, "-"} : QStringList{pdf}));
        return reader.waitForFinished(20000) ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
    }
    // Runs `run`, answering the printer's dialogs with OK (`print`) or Abbrechen and handing
    // any other dialog, the printing box, to `onBox` once; the titles of the dialogs shown.
    QStringList WithDialogs(const std::function<void()>& run, bool print, std::function<void(QDialog&)> onBox = {})
    {
        QStringList titles;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (!dialog->property("seen").toBool()) {
                dialog->setProperty("seen", true);
                titles << dialog->windowTitle();
            }
            if (qobject_cast<QPrintDialog*>(dialog) || qobject_cast<QPageSetupDialog*>(dialog) || ++ticks > 500)
                print ? dialog->accept() : dialog->reject();   // also: never waits for ever
            else if (onBox)
                std::exchange(onBox, {})(*dialog);
        });
        timer.start(0);
        run();
        return titles;
    }

    QTemporaryDir directory;
    QString pdf = directory.filePath("getippt.pdf");
    QLineEdit window;   // the main window, which takes what is typed
    dialogs::Printing printing{&window};
};

TEST_F(PrintingTest, LinesAreWrappedAtTheLastSpaceThatFitsAndPagesFollow)
{
    QString text = "kurz\njj hh gg\n";
    for (int i = 0; i < 80; ++i)
        text += "Der Xaver den süßen Jodler singt, Holleraderrüh, dö und dä, er hat's geschafft. ";
    text += "\nende";
    ASSERT_TRUE(printing.PrintPages(text, [] { return false; }));
    const QStringList pages = Read("pdftotext").split('\f');
    ASSERT_GE(pages.size(), 3);
    const QStringList lines = pages[0].split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"kurz", "jj hh gg"}));
    for (const QString& line : lines.mid(2, 5))
        EXPECT_TRUE(line.size() > 40 && !line.endsWith(' ')) << "a full line: " << line.toStdString();
    EXPECT_EQ(pages.join("").count("Holleraderrüh"), 80) << "no word lost or cut";
    EXPECT_TRUE(pages.join("").trimmed().endsWith("ende"));

    // In points from the top of each page: its height, its first line's top and its last
    // line's bottom. An inch and a half (108 points) stays free above and below the lines,
    // and the first page begins a line lower.
    std::vector<double> height, top, bottom;
    for (const QString& page : Read("pdftotext", {"-bbox"}).split("<page").mid(1)) {
        height.push_back(QRegularExpression(R"re(height="([\d.]+)")re").match(page).captured(1).toDouble());
        top.push_back(1e9);
        bottom.push_back(0);
        for (auto it = QRegularExpression(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)")re").globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch word = it.next();
            top.back() = std::min(top.back(), word.captured(1).toDouble());
            bottom.back() = std::max(bottom.back(), word.captured(2).toDouble());
        }
    }
    ASSERT_GE(top.size(), 2u);
    EXPECT_GT(top[0] - top[1], 10);
    EXPECT_LT(top[0] - top[1], 20);
    EXPECT_GT(top[1], 108 - 4);
    EXPECT_GT(height[0] - bottom[0], 108);
    EXPECT_LT(height[0] - bottom[0], 108 + 2 * 16) << "the page is full";
}

TEST_F(PrintingTest, AnEmptyTextGivesOneEmptyPage)
{
    ASSERT_TRUE(printing.PrintPages("", [] { return false; }));
    EXPECT_EQ(Read("pdftotext").trimmed(), "");
    EXPECT_TRUE(Read("pdfinfo").contains(QRegularExpression("^Pages: *1$", QRegularExpression::MultilineOption)));
}

// Abbruch, Enter or Escape in the box "Drucken" stops printing after the line being printed;
// the box stays open until then, and blocks the main window meanwhile.
TEST_F(PrintingTest, TheBoxStopsPrintingAfterTheLineBeingPrinted)
{
    QString text;
    for (int i = 1; i <= 3000; ++i)
        text += QString("Zeile %1\n").arg(i);
    for (const auto& stop : std::vector<std::function<void(QDialog&)>>{
             [](QDialog& box) { QTest::mouseClick(box.findChild<QPushButton*>("2"), Qt::LeftButton); },
             [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); },
             [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); }}) {
        QFile::remove(pdf);
        window.show();
        QPointer<QDialog> box;
        bool openAfterStop = false;
        WithDialogs([&] { printing.PrintTypedText(text); }, true, [&](QDialog& shown) {
            box = &shown;
            QTest::keyClick(window.windowHandle(), Qt::Key_X);
            stop(shown);
            openAfterStop = shown.isVisible();
        });
        EXPECT_TRUE(openAfterStop);
        EXPECT_EQ(window.text(), "") << "the main window takes no keys meanwhile";
        EXPECT_TRUE(box.isNull()) << "closed once the line was printed";
        const QString printed = Read("pdftotext");
        EXPECT_TRUE(printed.startsWith("Zeile 1\n")) << printed.left(100).toStdString();
        EXPECT_LT(printed.count("Zeile"), 10) << "stopped";
    }
}

// Cancelling the print dialog prints nothing; Qt's dialogs for the printer speak German.
TEST_F(PrintingTest, ThePrinterDialogsSpeakGermanAndCancellingPrintsNothing)
{
    const QStringList titles = WithDialogs([&] {
        printing.PrintTypedText("nichts");
        printing.Setup();
    }, false);
    EXPECT_EQ(titles, (QStringList{"Drucken", "Seite einrichten"}));
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
