#include "course/layout.h"
#include "course/navigation.h"
#include "course/trial.h"
#include "display/key_table.h"
#include "display/keymap.h"
#include "flow/page_change.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <string>

namespace {

constexpr unsigned char kEnter = 13;

class TrialTest : public TutorTest {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 16; ++i)
            resources.strings.Set(1064 + i, "line " + std::to_string(i));
        resources.strings.Set(1048, "page three");
        resources.strings.Set(0, "jj hh gg ff");
    }
    void EnterTrial(bool left)
    {
        tutor.course.bLeftHand = left;
        tutor.course.nLesson = 1;
        tutor.course.nPage = 3;
        Start();
        ChangePage(tutor, +1);
    }
    // Types a character as the input filter does: the hand strikes, then the trial handles it.
    void Type(unsigned char c)
    {
        OnCharacter(tutor, c);
        OnKeyRelease(tutor);
    }
    QImage ScreenKeyboard() const { return Area(tutor.display.rcKeyboard); }
    QImage KeyboardWithHandAt(unsigned char ch) const
    {
        const int index = KeyIndexOf(ch);
        QImage expected = tutor.display.hbmKeyboard.copy();
        const QImage& hand = tutor.display.hbmHand[index];
        const Point at = tutor.display.ptHandOffset[index];
        for (int y = 0; y < hand.height() && at.y + y < 128; ++y)
            for (int x = 0; x < hand.width(); ++x)
                expected.setPixel(at.x + x, at.y + y, hand.pixel(x, y));
        return expected;
    }
    int RowInk(int row) const
    {
        const int y = RowTop(tutor, row);
        return DarkPixels({tutor.layout.rcPageArea.left, y, tutor.layout.rcPageArea.right, y + tutor.screen.TextHeight()});
    }
};

struct HandCase {
    bool left;
    const char* keys;
};

TEST_F(TrialTest, TheFourHomeKeysAndEnterCompleteTheTrial)
{
    for (const HandCase& c : {HandCase{true, "jhgf"}, HandCase{false, "fghj"}}) {
        EnterTrial(c.left);
        EXPECT_EQ(tutor.course.nExLine, 0);
        EXPECT_EQ(ScreenKeyboard(), KeyboardWithHandAt(c.keys[0])) << "the hand shows the first key";
        for (int step = 0; step < 4; ++step) {
            Type(static_cast<unsigned char>(c.keys[step]));
            EXPECT_EQ(tutor.course.nExLine, step + 1);
            if (step < 3) {
                EXPECT_EQ(ScreenKeyboard(), KeyboardWithHandAt(c.keys[step + 1])) << "hand on the next key";
            }
        }
        Type(kEnter);
        EXPECT_EQ(tutor.course.nLesson, 2);
        EXPECT_EQ(tutor.course.nPage, 2);
        EXPECT_EQ(tutor.course.nKeystrokes, 0) << "the trial is not counted";
        EXPECT_EQ(tutor.course.nCorrect, 0);
        EXPECT_EQ(host.sleeps, std::vector<int>{150});
        EXPECT_GE(host.flushes, 1) << "the hand on Enter is shown before the wait";
        EXPECT_EQ(host.beeps, 0);
        host.sleeps.clear();
    }
}

TEST_F(TrialTest, AWrongKeyBeepsAndShowsTheHandOnTheRightKey)
{
    for (const HandCase& c : {HandCase{true, "jhg"}, HandCase{false, "fgh"}}) {
        EnterTrial(c.left);
        host.beeps = 0;
        Type(static_cast<unsigned char>(c.keys[0]));
        Type(static_cast<unsigned char>(c.keys[1]));
        Type(kEnter);   // too early: step 2 expects the third key
        EXPECT_EQ(host.beeps, 1);
        EXPECT_EQ(tutor.course.nExLine, 2);
        EXPECT_EQ(ScreenKeyboard(), KeyboardWithHandAt(c.keys[2]));
    }
}

TEST_F(TrialTest, TheCapitalOfTheExpectedLetterWarnsOfCapsLockOncePerRun)
{
    EnterTrial(true);
    Type('J');
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Caps Lock Warning");
    EXPECT_EQ(host.messages[0].text,
              "The 'CAPS LOCK' key may be down. 'CAPS LOCK' should be up in the early Lessons.");
    EXPECT_EQ(host.messages[0].icon, BoxIcon::Information);
    EXPECT_EQ(host.beeps, 0);
    Type('J');
    Type('j');
    Type('H');
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(tutor.course.nExLine, 1);
}

// After each key the page shows the next prompt (the Enter prompt last, with the line on
// Enter in place of rows 3 and 4), exactly as a repaint at that step shows it.
TEST_F(TrialTest, EachStepShowsItsPromptAsARepaintDoes)
{
    for (bool left : {true, false}) {
        EnterTrial(left);
        for (int step = 0; step < 4; ++step) {
            Type(TrialKey(tutor, step));
            const std::string what = "step " + std::to_string(step + 1) + (left ? " left" : " right");
            const int prompt = step < 3 ? 7 + 2 * step : 14;
            EXPECT_EQ(tutor.course.szLine, "line " + std::to_string(prompt + (left ? 0 : 1))) << what;
            EXPECT_EQ(RowInk(4) > 0, step < 3) << what;
            const QImage typed = Area(tutor.layout.rcPageArea);
            Paint();
            EXPECT_EQ(Area(tutor.layout.rcPageArea), typed) << what;
            EXPECT_EQ(tutor.course.nLine, 5) << what;
        }
    }
}

TEST_F(TrialTest, ThePageBeforeTheTrialStartsItAfresh)
{
    EnterTrial(true);
    Type('j');
    Type('h');
    ChangePage(tutor, -1);
    EXPECT_EQ(tutor.course.nExLine, 0);
}

}  // namespace
