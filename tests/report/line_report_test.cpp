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
        UseFontSize(tutor);
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
    // A lengthy line's entry in the report, measured against a column of 470 pixels.
    std::string Entry(int id, const std::string& line) const
    {
        const int overflow = tutor.screen.TextWidth(line) - 470;
        return std::to_string(id) + ", overflow amount = " + std::to_string(overflow) + "\n" + line + "\n";
    }

    QTemporaryDir directory;
    QString previous;
};

// Lessons 4 to 23 are measured against the narrow column (470 pixels at this size), each
// hand's block for itself, and the column of the page on screen is kept.
TEST_F(LineReportTest, LengthyLinesWithIdsOverflowsAndLessonSummariesInOrder)
{
    const std::string wide(70, 'W');
    for (int id : {16, 33, 433, 81, 531})   // 16: lesson 3 is not measured; 81: lesson 7, shared
        resources.strings.Set(id, wide);
    resources.strings.Set(434, wide + "W");
    tutor.course.bLeftHand = 0;
    tutor.course.nLesson = 9;
    tutor.course.nPage = 2;
    PlaceColumn(tutor, 9, 2);
    const Rect column = tutor.layout.rcPageArea;
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = RIGHTHAND.\n\n" + Entry(33, wide) + "Lesson 4 processed. LEFT HAND. Lengthy lines = 1\n\n" +
                            Entry(433, wide) + Entry(434, wide + "W") +
                            "Lesson 4 processed. RIGHT HAND. Lengthy lines = 2\n\n" + Entry(81, wide) +
                            "Lesson 7 processed. Lengthy lines = 1\n\n" + Entry(531, wide) +
                            "Lesson 23 processed. RIGHT HAND. Lengthy lines = 1\n\nTotal number of lengthy lines = 5\n");
    EXPECT_EQ(tutor.layout.rcPageArea, column);
}

// A line exactly as wide as its column is lengthy by zero; a run that finds none leaves none
// of the last run's entries in the file; a report that cannot be written says so.
TEST_F(LineReportTest, ALineAsWideAsItsColumnIsLengthyAndEachRunWritesTheFileAfresh)
{
    std::string line;
    for (const char* pad : {"x", "i", "l", "."})
        while (tutor.screen.TextWidth(line + pad) <= 470)
            line += pad;
    ASSERT_EQ(tutor.screen.TextWidth(line), 470) << "no exact line could be built";
    resources.strings.Set(48, line);
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = LEFTHAND.\n\n" + Entry(48, line) +
                            "Lesson 5 processed. LEFT HAND. Lengthy lines = 1\n\nTotal number of lengthy lines = 1\n");
    resources.strings.Set(48, "");
    ASSERT_TRUE(WriteLineReport(tutor));
    EXPECT_EQ(Report(), "Hand = LEFTHAND.\n\nTotal number of lengthy lines = 0\n");
    ASSERT_TRUE(QFile::remove(directory.filePath("exreport")) && QDir(directory.path()).mkdir("exreport"));
    EXPECT_FALSE(WriteLineReport(tutor));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text + " / " + host.messages[0].title,
              "Unable to open, or write to, the file 'exreport'. / WRITE FILE ERROR");
}

}  // namespace
