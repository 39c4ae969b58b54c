#include "course/page_table.h"
#include "flow/page_change.h"
#include "flow/typing.h"
#include "platform/control_codes.h"
#include "support/tutor_fixture.h"

namespace {

class PageTextTest : public TutorTest {};

// The page's text (the exercise line marked '>') as collected while the page is drawn.
std::string Text(const Tutor& tutor)
{
    std::string text;
    for (const PageLine& line : tutor.layout.text.lines)
        text += (line.exercise ? ">" : "") + line.text + "\n";
    return text;
}

// Keys change the page a row at a time (the key trial's prompts, the next exercise line): the
// text is then what drawing the whole page anew collects, no row left over or missing.
TEST_F(PageTextTest, KeysLeaveTheTextOfThePageDrawnAnew)
{
    resources.strings = Resources::BuiltIn().strings;
    tutor.layout.text.collecting = true;
    tutor.course.nLesson = 1;
    Start();
    while (pages::CurrentPage(tutor.course)->kind != pages::Kind::KeyTrial && tutor.course.nLesson == 1)
        ChangePage(tutor, +1);
    std::string text = Text(tutor);
    for (const std::string_view keys : {"j", "h", "g", "f", "\r", "jj hh gg ff ff gg hh jj", "\r"}) {
        for (const char key : keys)
            OnCharacter(tutor, static_cast<unsigned char>(key));
        const std::string typed = Text(tutor);
        EXPECT_EQ(typed != text, keys.size() == 1) << keys << " changes the text, or within a line does not";
        Paint();
        EXPECT_EQ(typed, Text(tutor)) << "after " << keys;
        text = typed;
    }
    EXPECT_EQ(tutor.course.nLesson, 2);
    EXPECT_NE(text.find(">" + tutor.course.szLine + "\n"), std::string::npos) << text;

    tutor.layout.text.collecting = false;   // without a screen reader nothing is kept
    Paint();
    EXPECT_EQ(Text(tutor), "");
}

}  // namespace
