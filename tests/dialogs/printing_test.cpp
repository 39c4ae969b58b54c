#include "dialogs/printing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
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
    // What pdftotext reads.
    QString Text(const QStringList& options = {}) const
    {
        QProcess reader;
        reader.start("pdftotext", options + QStringList{pdf, "-"});
        return reader.waitForFinished(20000) ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
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
    ASSERT_TRUE(printing.PrintPages(text + "\nende", [] { return false; }));
    const QStringList pages = Text().split('\f');
    ASSERT_EQ(pages.size(), 3) << "two pages";
    const QStringList lines = pages[0].split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"kurz", "jj hh gg"}));
    for (const QString& line : lines.mid(2, 5))
        EXPECT_TRUE(line.size() > 40 && !line.endsWith(' ')) << "a full line: " << line.toStdString();
    EXPECT_TRUE(pages.join("").count("Holleraderrüh") == 80 && pages[1].trimmed().endsWith("ende")) << "nothing lost";

    // In points: an inch and a half (108) stays free above and below the lines of a full
    // page, and the first page begins a line lower than the next.
    QList<double> top{1e9, 1e9}, bottom{0, 0};
    const QStringList boxes = Text({"-bbox"}).split("<page").mid(1);
    for (int page = 0; page < 2; ++page) {
        auto word = QRegularExpression(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)")re").globalMatch(boxes[page]);
        for (QRegularExpressionMatch box; word.hasNext() && (box = word.next()).hasMatch();) {
            top[page] = std::min(top[page], box.captured(1).toDouble());
            bottom[page] = std::max(bottom[page], box.captured(2).toDouble());
        }
    }
    const double pageHeight = QRegularExpression(R"re(height="([\d.]+)")re").match(boxes[0]).captured(1).toDouble();
    EXPECT_TRUE(top[0] - top[1] > 10 && top[0] - top[1] < 20) << top[0] << " " << top[1];
    EXPECT_GT(top[1], 108 - 4);
    EXPECT_GT(pageHeight - bottom[0], 108);
    EXPECT_LT(pageHeight - bottom[0], 108 + 2 * 16) << "the page is full";

    ASSERT_TRUE(printing.PrintPages("", [] { return false; }));
    EXPECT_EQ(Text(), "\f") << "an empty text gives one empty page";
}

// Abbruch, Escape or Enter in the box "Drucken" stops printing after the line being printed;
// the box stays open until then, and the main window takes no keys meanwhile.
TEST_F(PrintingTest, TheBoxStopsPrintingAfterTheLineBeingPrinted)
{
    QString text;
    for (int i = 1; i <= 3000; ++i)
        text += QString("Zeile %1\n").arg(i);
    for (const auto& stop : std::vector<std::function<void(QDialog&)>>{
             [](QDialog& box) { QTest::mouseClick(box.findChild<QPushButton*>("2"), Qt::LeftButton); },
             [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); },
             [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); }}) {
        window.show();
        QPointer<QDialog> box;
        bool openAfterStop = false;
        int ticks = 0;
        QTimer timer;   // accepts the print dialog, then stops in the box
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (qobject_cast<QPrintDialog*>(dialog) || (dialog && ++ticks > 500)) {
                dialog->accept();   // also: never waits for ever
            } else if (dialog && !box) {
                box = dialog;
                QTest::keyClick(window.windowHandle(), Qt::Key_X);
                stop(*dialog);
                openAfterStop = dialog->isVisible();
            }
        });
        timer.start(0);
        printing.PrintTypedText(text);
        EXPECT_TRUE(openAfterStop);
        EXPECT_TRUE(box.isNull()) << "closed once the line was printed";
        EXPECT_EQ(window.text(), "") << "the main window takes no keys meanwhile";
        const QString printed = Text();
        EXPECT_TRUE(printed.startsWith("Zeile 1\n") && printed.count("Zeile") < 10) << printed.left(99).toStdString();
    }
}

}  // namespace
