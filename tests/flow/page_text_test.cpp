#include "course/page_table.h"
#include "flow/page_change.h"
#include "flow/typing.h"
#include "platform/control_codes.h"
#include "support/tutor_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The page's text as a screen reader is given it, collected while the page is drawn.
class PageTextTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings = Resources::BuiltIn().strings;
        tutor.layout.text.collecting = true;
        Start();
    }
    // The lines, the exercise line marked with '>'.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (const PageLine& line : tutor.layout.text.lines)
            lines.push_back((line.exercise ? ">" : "") + line.text);
        return lines;
    }
    std::vector<std::string> AsRepainted()
    {
        Paint();
        return Lines();
    }
    CourseState& course = tutor.course;
};

// Keys change the page a row at a time (the key trial's prompts, the next exercise line): the
// text is then what drawing the whole page anew collects, with no row left over or missing.
TEST_F(PageTextTest, KeysLeaveTheTextOfThePageDrawnAnew)
{
    course.nLesson = 1;
    course.nPage = 1;
    Paint();
    for (int step = 0; step < 10 && pages::CurrentPage(course)->kind != pages::Kind::KeyTrial; ++step)
        ChangePage(tutor, +1);
    ASSERT_EQ(pages::CurrentPage(course)->kind, pages::Kind::KeyTrial);
    for (const unsigned char key : std::vector<unsigned char>{'j', 'h', 'g', 'f', kEnter}) {
        const std::vector<std::string> before = Lines();
        OnCharacter(tutor, key);
        const std::vector<std::string> after = Lines();
        if (course.nLesson == 1) {
            EXPECT_NE(after, before) << "after " << key;
            EXPECT_EQ(after, AsRepainted()) << "after " << key;
        }
    }
    // The trial leads on to lesson 2's exercise: its line is read with the instructions.
    ASSERT_EQ(course.nLesson, 2);
    const std::vector<std::string> first = Lines();
    EXPECT_GE(first.size(), 2u);
    EXPECT_EQ(std::count(first.begin(), first.end(), ">" + course.szLine), 1);
    for (const char ch : std::string(course.szLine))
        OnCharacter(tutor, static_cast<unsigned char>(ch));
    EXPECT_EQ(Lines(), first) << "keys within the line change no text";
    const int revision = tutor.layout.text.revision;
    OnCharacter(tutor, kEnter);
    EXPECT_NE(tutor.layout.text.revision, revision);
    const std::vector<std::string> second = Lines();
    EXPECT_EQ(std::count(second.begin(), second.end(), ">" + course.szLine), 1);
    EXPECT_EQ(second, AsRepainted());

    // Without a screen reader nothing is collected.
    tutor.layout.text.collecting = false;
    EXPECT_TRUE(AsRepainted().empty());
}

}  // namespace
