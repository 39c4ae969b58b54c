#include "course/navigation.h"
#include "course/trial.h"
#include "display/keymap.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <vector>

namespace {

struct Place {
    int lesson;
    int page;
    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& place)
{
    return out << "lesson " << place.lesson << " page " << place.page;
}

class NavigationTest : public TutorTest {
protected:
    void SetUp() override { Start(); }

    void GoTo(int lesson, int page, bool shaded = false)
    {
        tutor.course.nLesson = static_cast<int16_t>(lesson);
        tutor.course.nPage = static_cast<int16_t>(page);
        tutor.course.bHomeShaded = shaded;
        Paint();
    }
    Place Here() const { return {tutor.course.nLesson, tutor.course.nPage}; }
};

// Every page of the course, in the order Down walks through them.
const std::vector<Place> kAllPages{
    {0, 1},  {0, 2},  {1, 1},  {1, 2},  {1, 3},  {1, 4},  {2, 2},  {2, 3},  {3, 1},  {3, 2},  {3, 3},
    {3, 4},  {4, 1},  {4, 2},  {5, 1},  {5, 2},  {6, 1},  {6, 2},  {7, 2},  {8, 1},  {8, 2},  {9, 1},
    {9, 2},  {10, 1}, {10, 2}, {11, 2}, {12, 1}, {12, 2}, {12, 3}, {12, 4}, {13, 1}, {13, 2}, {14, 1},
    {14, 2}, {15, 1}, {15, 2}, {16, 1}, {16, 2}, {17, 1}, {17, 2}, {18, 1}, {18, 2}, {19, 1}, {19, 2},
    {20, 1}, {20, 2}, {21, 1}, {21, 2}, {22, 2}, {23, 1}, {23, 2}, {23, 3}};

TEST_F(NavigationTest, DownWalksEveryPageOfTheCourseForBothHands)
{
    for (int left : {1, 0}) {
        tutor.course.bLeftHand = left;
        GoTo(0, 1);
        std::vector<Place> visited{Here()};
        for (std::size_t i = 1; i < kAllPages.size(); ++i) {
            ChangePage(tutor, +1);
            visited.push_back(Here());
        }
        EXPECT_EQ(visited, kAllPages) << "hand " << left;
        const int beeps = host.beeps;
        ChangePage(tutor, +1);
        EXPECT_EQ(Here(), (Place{23, 3}));
        EXPECT_EQ(host.beeps, beeps + 1) << "Down on the last page beeps";
    }
}

struct Rule {
    Place from;
    int dir;
    bool shadedBefore;
    Place to;
    bool reset;        // exercise line and caret back to 0
    int shadedAfter;
    bool beep;
};

// One row per rule of the page walk; the exercise position starts at line 3, character 2.
const std::vector<Rule> kRules{
    {{0, 1}, -1, true, {0, 1}, false, 1, true},
    {{0, 2}, -1, true, {0, 1}, false, 1, false},
    {{0, 1}, +1, true, {0, 2}, false, 1, false},
    {{0, 2}, +1, true, {1, 1}, false, 1, false},
    {{1, 1}, -1, false, {0, 1}, false, 0, false},
    {{1, 4}, -1, false, {1, 3}, false, 0, false},
    {{1, 2}, +1, false, {1, 3}, false, 0, false},
    {{1, 4}, +1, false, {2, 2}, true, 0, false},
    {{2, 3}, -1, false, {2, 2}, true, 0, false},
    {{2, 2}, -1, false, {1, 1}, true, 0, false},
    {{2, 2}, +1, false, {2, 3}, false, 0, false},
    {{2, 3}, +1, false, {3, 1}, true, 1, false},
    {{3, 1}, -1, true, {2, 2}, true, 1, false},
    {{3, 3}, -1, true, {3, 2}, false, 1, false},
    {{3, 4}, -1, false, {3, 3}, false, 0, false},
    {{3, 2}, +1, true, {3, 3}, false, 1, false},
    {{3, 3}, +1, true, {3, 4}, false, 1, false},
    {{3, 4}, +1, false, {4, 1}, true, 1, false},
    {{4, 2}, -1, false, {4, 1}, false, 0, false},
    {{4, 1}, -1, false, {3, 1}, true, 1, false},
    {{4, 1}, +1, true, {4, 2}, false, 1, false},
    {{4, 2}, +1, false, {5, 1}, true, 1, false},
    {{5, 1}, -1, false, {4, 1}, true, 1, false},
    {{5, 2}, +1, false, {6, 1}, true, 1, false},
    {{6, 2}, +1, false, {7, 2}, true, 0, false},
    {{7, 2}, -1, false, {6, 1}, true, 1, false},
    {{7, 2}, +1, false, {8, 1}, true, 1, false},
    {{8, 1}, -1, true, {7, 2}, true, 0, false},
    {{8, 2}, -1, false, {8, 1}, false, 0, false},
    {{9, 1}, -1, true, {8, 1}, true, 1, false},
    {{10, 2}, +1, false, {11, 2}, true, 0, false},
    {{11, 2}, -1, false, {10, 1}, true, 1, false},
    {{11, 2}, +1, false, {12, 1}, true, 1, false},
    {{12, 1}, -1, true, {11, 2}, true, 1, false},
    {{12, 2}, -1, true, {12, 1}, false, 1, false},
    {{12, 3}, +1, true, {12, 4}, false, 1, false},
    {{12, 4}, +1, false, {13, 1}, true, 1, false},
    {{13, 1}, -1, false, {12, 1}, true, 1, false},
    {{14, 2}, +1, false, {15, 1}, true, 1, false},
    {{17, 2}, +1, false, {18, 1}, true, 0, false},
    {{18, 1}, -1, false, {17, 1}, true, 1, false},
    {{18, 2}, -1, false, {18, 1}, false, 0, false},
    {{18, 1}, +1, false, {18, 2}, false, 0, false},
    {{18, 2}, +1, false, {19, 1}, true, 1, false},
    {{19, 1}, -1, true, {18, 1}, true, 0, false},
    {{20, 1}, -1, false, {19, 1}, true, 1, false},
    {{21, 2}, +1, false, {22, 2}, true, 0, false},
    {{22, 2}, -1, false, {21, 1}, true, 1, false},
    {{22, 2}, +1, false, {23, 1}, true, 1, false},
    {{23, 1}, -1, true, {22, 2}, true, 0, false},
    {{23, 2}, -1, true, {23, 1}, false, 1, false},
    {{23, 3}, -1, false, {23, 2}, false, 0, false},
    {{23, 1}, +1, false, {23, 2}, false, 1, false},
    {{23, 1}, +1, true, {23, 2}, false, 1, false},
    {{23, 2}, +1, true, {23, 3}, false, 1, false},
    {{23, 3}, +1, false, {23, 3}, false, 0, true},
};

TEST_F(NavigationTest, EachRuleMovesResetsAndShadesAsItSays)
{
    for (int left : {1, 0}) {
        tutor.course.bLeftHand = left;
        for (const Rule& rule : kRules) {
            GoTo(rule.from.lesson, rule.from.page, rule.shadedBefore);
            tutor.course.nExLine = 3;
            tutor.course.nCharPos = 2;
            const int beeps = host.beeps;
            ChangePage(tutor, rule.dir);
            const std::string what = testing::PrintToString(rule.from) + (rule.dir < 0 ? " Up" : " Down");
            EXPECT_EQ(Here(), rule.to) << what;
            EXPECT_EQ(tutor.course.bHomeShaded, rule.shadedAfter) << what;
            EXPECT_EQ(host.beeps - beeps, rule.beep ? 1 : 0) << what;
            if (rule.to.lesson == 1 && rule.to.page == 4)
                continue;   // the trial page's own draw restarts nothing, but the exercise line is reused
            if (rule.reset) {
                EXPECT_EQ(tutor.course.nCharPos, 0) << what;
            } else {
                EXPECT_EQ(tutor.course.nCharPos, 2) << what;
            }
        }
    }
}

// A redraw, and paging back and on inside a lesson, keep the place and the exercise position.
TEST_F(NavigationTest, RedrawAndPagingInsideALessonKeepTheExercisePosition)
{
    GoTo(5, 2);
    tutor.course.nExLine = 4;
    tutor.course.nCharPos = 3;
    for (int dir : {0, -1, +1}) {
        ChangePage(tutor, dir);
        EXPECT_EQ(tutor.course.nExLine, 4) << dir;
        EXPECT_EQ(tutor.course.nCharPos, 3) << dir;
    }
    EXPECT_EQ(Here(), (Place{5, 2}));
}

TEST_F(NavigationTest, LessonStartPages)
{
    struct Case {
        int lesson;
        int page;
        int shaded;
    };
    for (const Case& c : std::vector<Case>{{0, 1, 1}, {1, 1, 1}, {2, 2, 0}, {5, 1, 1}, {7, 2, 0}, {11, 2, 0},
                                           {12, 1, 1}, {18, 1, 0}, {22, 2, 0}, {23, 1, 1}}) {
        tutor.course.nLesson = static_cast<int16_t>(c.lesson);
        tutor.course.bHomeShaded = !c.shaded;
        SetLessonStartPage(tutor);
        EXPECT_EQ(tutor.course.nPage, c.page) << "lesson " << c.lesson;
        EXPECT_EQ(tutor.course.bHomeShaded, c.shaded) << "lesson " << c.lesson;
    }
}

TEST_F(NavigationTest, NewKeysAreMarkedOnTheirPageAndRestoredWhenLeavingIt)
{
    GoTo(4, 1, true);
    const Rect u = tutor.display.rcKey[KeyIndexOf('u')];
    const Rect r = tutor.display.rcKey[KeyIndexOf('r')];
    const Rect home = UnionRect(tutor.display.rcKey[KeyIndexOf('f')], tutor.display.rcKey[KeyIndexOf('j')]);
    QImage inverted = KeyboardArea(u);
    inverted.invertPixels();
    EXPECT_EQ(Area(u), inverted) << "the new key u is shown inverted";
    EXPECT_NE(Area(home), KeyboardArea(home)) << "the home keys carry spots";
    ChangePage(tutor, +1);
    EXPECT_EQ(tutor.course.bHomeShaded, 1);
    EXPECT_EQ(Area(u), KeyboardArea(u));
    EXPECT_EQ(Area(r), KeyboardArea(r));
}

TEST_F(NavigationTest, UpAndDownStopTheDictationTimer)
{
    tutor.course.nSoundStudio = kSoundDictation;
    GoTo(5, 2);
    host.timers[2] = 7000;
    ChangePage(tutor, 0);
    EXPECT_TRUE(host.timers.contains(2)) << "a redraw leaves the timer";
    ChangePage(tutor, -1);
    EXPECT_FALSE(host.timers.contains(2));
}

}  // namespace

namespace {

// The key trial keeps its hand struck; jumping away from it, or changing hands on it, takes
// that hand out of the keyboard picture, so it does not come back on a page without a hand.
TEST_F(NavigationTest, AHandStruckOnTheKeyTrialDoesNotFollowToOtherPages)
{
    const auto onTheTrial = [this] {
        GoTo(1, 3);
        ChangePage(tutor, +1);
        OnCharacter(tutor, TrialKey(tutor, 0));   // the hand goes on to the next key
        OnKeyRelease(tutor);
        ASSERT_NE(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
    };
    onTheTrial();
    tutor.course.nLesson = 5;
    SetLessonStartPage(tutor);   // as Geh Zu Übung does
    ChangePage(tutor, 0);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);

    onTheTrial();
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(ChangeHand(tutor));
    tutor.course.nLesson = 3;
    tutor.course.nPage = 1;
    ChangePage(tutor, 0);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard);
}

}  // namespace
