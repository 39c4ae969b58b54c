#include "dialogs/printing.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace {

class PrintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(pdf);
    }
    // What pdftotext reads: a list of pages, each its lines.
    QStringList Pages(const QStringList& options = {}) const
    {
        QProcess reader;
        reader.start("pdftotext", options + QStringList{pdf, "-"});
        if (!reader.waitForFinished(20000))
            return {};
        return QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
    }
    // The top of the first word of each page, in points.
    std::vector<double> FirstWordTops() const
    {
        std::vector<double> tops;
        const QString boxes = Pages({"-bbox"}).join("");
        QRegularExpression page("<page.*?<word[^>]*yMin=\"([0-9.]+)\"", QRegularExpression::DotMatchesEverythingOption);
        for (auto it = page.globalMatch(boxes); it.hasNext();)
            tops.push_back(it.next().captured(1).toDouble());
        return tops;
    }

    QTemporaryDir directory;
    QString pdf = directory.filePath("getippt.pdf");
    QWidget window;
    dialogs::Printing printing{&window};
};

TEST_F(PrintingTest, LinesAreWrappedAtTheLastSpaceThatFitsAndPagesFollow)
{
    QString text = "kurz\njj hh gg\n";
    for (int i = 0; i < 80; ++i)
        text += "Der Xaver den süßen Jodler singt, Holleraderrüh, dö und dä, er hat's geschafft. ";
    text += "\nende";
    ASSERT_TRUE(printing.PrintPages(text, [] { return false; }));
    const QStringList pages = Pages();
    ASSERT_GE(pages.size(), 2);
    const QStringList lines = pages[0].split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), "kurz");
    EXPECT_EQ(lines.value(1), "jj hh gg");
    EXPECT_TRUE(lines.value(2).startsWith("Der Xaver den süßen Jodler singt,"));
    for (const QString& line : lines.mid(2, 5)) {
        EXPECT_FALSE(line.endsWith(' ')) << line.toStdString();
        EXPECT_GT(line.size(), 40) << "a full line";
    }
    EXPECT_TRUE(pages.join("").contains("ende")) << "the whole text, however long";
    EXPECT_EQ(pages.join("").count("Holleraderrüh"), 80) << "no word lost or cut";
    const std::vector<double> tops = FirstWordTops();
    ASSERT_GE(tops.size(), 2u);
    EXPECT_GT(tops[0], tops[1]) << "the first page begins a line lower";
    EXPECT_LT(tops[0] - tops[1], 20);
}

// The document carries the program's name, which the printer's queue shows.
TEST_F(PrintingTest, TheDocumentIsNamedTastora)
{
    ASSERT_TRUE(printing.PrintPages("jj", [] { return false; }));
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    const QString fields = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(fields.contains(QRegularExpression("^Title: *Tastora$", QRegularExpression::MultilineOption)))
        << fields.toStdString();
}

TEST_F(PrintingTest, AnEmptyTextGivesOneEmptyPage)
{
    ASSERT_TRUE(printing.PrintPages("", [] { return false; }));
    const QStringList pages = Pages();
    EXPECT_EQ(pages.size(), 2) << "one page and the end";
    EXPECT_EQ(pages[0].trimmed(), "");
}

// Abbruch stops after the line being printed; the document is closed and the main window is
// enabled again. Cancelling the print dialog prints nothing.
TEST_F(PrintingTest, AbbruchStopsAfterTheCurrentLineAndCancellingPrintsNothing)
{
    int lines = 0;
    ASSERT_FALSE(printing.PrintPages("eins\nzwei\ndrei\nvier", [&] { return ++lines == 2; }));
    EXPECT_EQ(Pages()[0].split('\n', Qt::SkipEmptyParts), (QStringList{"eins", "zwei"}));

    QFile::remove(pdf);
    QTimer reader;
    int ticks = 0;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (++ticks > 500)
            QApplication::exit();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();   // the print dialog: Abbrechen
    });
    reader.start(10);
    printing.PrintTypedText("nichts");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(window.isEnabled());
}

// Qt's dialogs for the printer speak German, as the rest of the program does.
TEST_F(PrintingTest, ThePrinterDialogsSpeakGerman)
{
    QStringList titles;
    QTimer reader;
    int ticks = 0;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (++ticks > 500)
            QApplication::exit();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titles << dialog->windowTitle();
            dialog->reject();
        }
    });
    reader.start(10);
    printing.PrintTypedText("nichts");
    printing.Setup();
    EXPECT_EQ(titles.join(" | ").toStdString(), "Drucken | Seite einrichten");
}

}  // namespace
