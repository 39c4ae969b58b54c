#include "course/navigation.h"
#include "course/page_table.h"
#include "display/keymap.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <vector>

namespace {

class CharacterStepsTest : public TutorTest {
protected:
    void GoTo(int lesson, int page, bool shaded)
    {
        tutor.course.nLesson = static_cast<int16_t>(lesson);
        tutor.course.nPage = static_cast<int16_t>(page);
        tutor.course.bHomeShaded = shaded;
        Start();
    }
    QImage ScreenKeyboard() const { return Area(tutor.display.rcKeyboard); }
};

TEST_F(CharacterStepsTest, OnTheGuidePagesTheHandStaysOffButTheShadingFlagIsCleared)
{
    GoTo(3, 1, true);
    const QImage guides = ScreenKeyboard();
    OnCharacter(tutor, 'k');
    EXPECT_EQ(ScreenKeyboard(), guides);
    EXPECT_EQ(tutor.course.bHomeShaded, 0);
    EXPECT_EQ(tutor.shell.bKeyLatch, 1);
}

TEST_F(CharacterStepsTest, TypingOnANewKeyPageTakesTheMarksAwayAndShowsTheHand)
{
    GoTo(4, 1, true);
    const Rect u = tutor.display.rcKey[KeyIndexOf('u')];
    EXPECT_NE(Area(u), KeyboardArea(u));
    OnCharacter(tutor, 'r');
    EXPECT_EQ(tutor.course.bHomeShaded, 0);
    EXPECT_EQ(Area(u), KeyboardArea(u)) << "the other marked key is restored";
    OnKeyRelease(tutor);
    EXPECT_EQ(tutor.shell.bKeyLatch, 0);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
}

// On every page that marks keys, taking the marks away (as the first typed key does) leaves
// the marked keys and the home row as the bare keyboard.
TEST_F(CharacterStepsTest, TypingTakesAwayTheMarksOfEveryMarkingPage)
{
    int marking = 0;
    for (const pages::PageRecord& page : pages::PageTable()) {
        if (page.demo != pages::Demo::ShadeTwo && page.demo != pages::Demo::ShadeGroup)
            continue;
        ++marking;
        tutor.course.bLeftHand = page.side != pages::Side::Right;
        GoTo(page.lesson, page.page, true);
        const std::string what = std::to_string(page.lesson) + "/" + std::to_string(page.page);
        const Rect& j = tutor.display.rcKey[KeyIndexOf('j')];
        const Rect homeRow = UnionRect(tutor.display.rcKey[KeyIndexOf('f')], j);
        std::vector<Rect> marked{homeRow};
        for (char key : page.keys)
            marked.push_back(tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(key))]);
        for (const Rect& rect : marked)
            EXPECT_NE(Area(rect), KeyboardArea(rect)) << what << ": marked";
        RemoveShading(tutor);
        for (const Rect& rect : marked)
            EXPECT_EQ(Area(rect), KeyboardArea(rect)) << what << ": unmarked";
    }
    EXPECT_EQ(marking, 34);
}

TEST_F(CharacterStepsTest, OnlyTheExercisePageCountsAndOnlyExercisePartsMarkTheSessionWorked)
{
    struct Case {
        int lesson;
        int page;
        int keystrokes;
        int worked;
    };
    for (const Case& c : {Case{0, 2, 0, 0}, Case{1, 2, 0, 0}, Case{2, 3, 0, 2}, Case{2, 2, 1, 2}, Case{12, 4, 1, 12},
                          Case{12, 3, 0, 0}, Case{23, 3, 1, 23}, Case{23, 1, 0, 0}}) {
        tutor.course.nKeystrokes = 0;
        tutor.course.nWorkedLesson = 0;
        tutor.course.bExercisePage = 0;
        GoTo(c.lesson, c.page, false);
        OnCharacter(tutor, 'f');
        OnKeyRelease(tutor);
        EXPECT_EQ(tutor.course.nKeystrokes, c.keystrokes) << c.lesson << "/" << c.page;
        EXPECT_EQ(tutor.course.nWorkedLesson, c.worked) << c.lesson << "/" << c.page;
    }
}

}  // namespace
