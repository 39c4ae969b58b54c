#include "course/layout.h"
#include "report/line_report.h"
#include "support/tutor_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LineReportTest : public TutorTest {
protected:
    void SetUp() override
    {
        ApplyFont();
        tutor.ResizeClient(692, 454);
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(directory.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    std::string Report() const
    {
        QFile file(directory.filePath("exreport"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(none)");
    }
    // A line of x's exactly `width` pixels wide, or as near below it as x's allow.
    std::string LineOfWidth(int width) const
    {
        std::string line;
        while (tutor.screen.TextWidth(line + "x") <= width)
            line += "x";
        return line;
    }

    QTemporaryDir directory;
    QString previous;
};

TEST_F(LineReportTest, WithoutLengthyLinesOnlyTheHandAndTheTotal)
{
    resources.strings.Set(32, "ruf du");
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = LEFTHAND.\n\nTotal number of lengthy lines = 0\n");
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = RIGHTHAND.\n\nTotal number of lengthy lines = 0\n") << "the second run empties the file";
}

TEST_F(LineReportTest, LengthyLinesWithIdsOverflowsAndLessonSummariesInOrder)
{
    const std::string wide(70, 'W');
    resources.strings.Set(16, wide);        // lesson 3 is not measured
    resources.strings.Set(33, wide);        // lesson 4, left hand, narrow column 470
    resources.strings.Set(433, wide);       // lesson 4, right hand
    resources.strings.Set(434, wide + "W");
    resources.strings.Set(81, wide);        // lesson 7, shared
    resources.strings.Set(531, wide);       // lesson 23, right hand, the last line
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(WriteLineReport(tutor));
    const auto overflow = [&](const std::string& line, int column) {
        return std::to_string(tutor.screen.TextWidth(line) - column);
    };
    EXPECT_EQ(Report(), "Hand = RIGHTHAND.\n\n"
                        "33, overflow amount = " + overflow(wide, 470) + "\n" + wide + "\n"
                        "Lesson 4 processed. LEFT HAND. Lengthy lines = 1\n\n"
                        "433, overflow amount = " + overflow(wide, 470) + "\n" + wide + "\n"
                        "434, overflow amount = " + overflow(wide + "W", 470) + "\n" + wide + "W\n"
                        "Lesson 4 processed. RIGHT HAND. Lengthy lines = 2\n\n"
                        "81, overflow amount = " + overflow(wide, 470) + "\n" + wide + "\n"
                        "Lesson 7 processed. Lengthy lines = 1\n\n"
                        "531, overflow amount = " + overflow(wide, 470) + "\n" + wide + "\n"
                        "Lesson 23 processed. RIGHT HAND. Lengthy lines = 1\n\n"
                        "Total number of lengthy lines = 5\n");
}

TEST_F(LineReportTest, ALineExactlyAsWideAsItsColumnIsLengthyByZero)
{
    std::string line = LineOfWidth(470);
    if (tutor.screen.TextWidth(line) != 470) {
        // Pad with narrower letters until the width is exact.
        for (const char* pad : {"i", "l", "."}) {
            while (tutor.screen.TextWidth(line + pad) <= 470)
                line += pad;
        }
    }
    ASSERT_EQ(tutor.screen.TextWidth(line), 470) << "no exact line could be built";
    resources.strings.Set(48, line);
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = LEFTHAND.\n\n48, overflow amount = 0\n" + line +
                            "\nLesson 5 processed. LEFT HAND. Lengthy lines = 1\n\nTotal number of lengthy lines = 1\n");
}

TEST_F(LineReportTest, TheColumnOfThePageOnScreenIsKept)
{
    tutor.course.nLesson = 9;
    tutor.course.nPage = 2;
    PlaceColumn(tutor, 9, 2);
    const Rect column = tutor.layout.rcPageArea;
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(tutor.layout.rcPageArea, column);
}

TEST_F(LineReportTest, AReportThatCannotBeWrittenSaysSo)
{
    ASSERT_TRUE(QDir(directory.path()).mkdir("exreport"));
    EXPECT_FALSE(WriteLineReport(tutor));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "WRITE FILE ERROR");
    EXPECT_EQ(host.messages[0].text, "Unable to open, or write to, the file 'exreport'.");
}

}  // namespace
