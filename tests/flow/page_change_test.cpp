#include "course/page_table.h"
#include "display/keymap.h"
#include "flow/choices.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "flow/timers.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

namespace {

class PageChangeTest : public TutorTest {
protected:
    void SetUp() override
    {
        host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
        Start();
    }
    void GoTo(int lesson, int page, bool shaded = false)
    {
        course.nLesson = static_cast<int16_t>(lesson);
        course.nPage = static_cast<int16_t>(page);
        course.bHomeShaded = shaded;
        Paint();
    }
    std::string Here() const { return std::to_string(course.nLesson) + "/" + std::to_string(course.nPage); }
    bool Bare(char ch) const
    {
        const Rect& key = tutor.display.rcKey[KeyIndexOf(static_cast<unsigned char>(ch))];
        return Area(key) == KeyboardArea(key);
    }
    // Lets the start screen's demonstration timer expire n times.
    void Tick(int n)
    {
        for (int i = 0; i < n; ++i)
            host.Fire(kDemoTimer);
    }
    bool AsRepainted()
    {
        const QImage shown = tutor.screenImage.copy();
        Paint();
        return tutor.screenImage == shown;
    }
    CourseState& course = tutor.course;
};

// After every step down the course the screen is as a repaint draws it: no marks, guides or
// hands of the page left stay behind.
TEST_F(PageChangeTest, EveryStepDownTheCourseShowsThePageAsARepaintDoes)
{
    for (int left : {1, 0}) {
        course.bLeftHand = left;
        ASSERT_TRUE(ChangeHand(tutor));
        GoTo(0, 1, true);
        ChangePage(tutor, -1);
        EXPECT_EQ(host.beeps, left ? 1 : 3) << "Up on the first page";
        for (int step = 0; step < 60 && Here() != "23/3"; ++step) {
            ChangePage(tutor, +1);
            OnKeyRelease(tutor);   // the arrow's release brings the hand to what the page shows
            EXPECT_TRUE(AsRepainted()) << Here() << (left ? " left" : " right");
            if (Here() == "3/3" || Here() == "3/4") {   // walked in from lesson 2: k and d marked, then not
                EXPECT_EQ(Bare('k') + Bare('d'), Here() == "3/4" ? 2 : 0) << Here();
            }
        }
        ChangePage(tutor, +1);
        EXPECT_EQ(Here(), "23/3");
        EXPECT_EQ(host.notices, std::vector<Notice>(left ? 1 : 2, Notice::EndOfCourse));
    }
}

// Geh Zu Übung: a lesson's first page, without the marks of the page left (from every page
// that marks keys); a number that is no lesson is refused and changes nothing.
TEST_F(PageChangeTest, GoToShowsTheFirstPageOfALessonAndRefusesOthers)
{
    for (const pages::PageRecord& page : pages::PageTable()) {
        if (page.demo != pages::Demo::ShadeTwo && page.demo != pages::Demo::ShadeGroup)
            continue;
        course.bLeftHand = page.side != pages::Side::Right;
        GoTo(page.lesson, page.page, true);
        ASSERT_TRUE(GoToLesson(tutor, page.lesson < 23 ? 7 : 0));
        EXPECT_TRUE(AsRepainted()) << int(page.lesson) << "/" << int(page.page) << " to " << Here();
    }
    const int cases[][3] = {{23, 23, 1}, {18, 18, 1}, {24, 18, 1}, {-1, 18, 1}};   // to, lesson and page shown
    for (const auto& [to, lesson, page] : cases) {
        EXPECT_EQ(GoToLesson(tutor, to), lesson == to) << to;
        EXPECT_EQ(Here(), std::to_string(lesson) + "/" + std::to_string(page)) << to;
    }
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages.back().text, "Nr 23 ist die letzte \xDC" "bung Sie k\xF6nnen nicht weiter als die "
                                         "letzten \xDC" "bung w\xE4hlen, Nr. 23");
}

// Typing counts only on the exercise page, and only exercise parts mark the session
// worked; it takes the marks of a page away, but on the guide pages shows no hand.
TEST_F(PageChangeTest, OnlyTheExercisePageCounts)
{
    const int cases[][4] = {{0, 2, 0, 0}, {1, 2, 0, 0}, {2, 3, 0, 2},   {2, 2, 1, 2},   {3, 1, 0, 0},
                            {4, 1, 0, 0}, {12, 3, 0, 0}, {12, 4, 1, 12}, {23, 3, 1, 23}, {23, 1, 0, 0}};
    for (const auto& [lesson, page, keystrokes, worked] : cases) {
        course.nKeystrokes = course.nWorkedLesson = course.bExercisePage = 0;
        GoTo(lesson, page, true);
        const QImage keyboard = Area(tutor.display.rcKeyboard);
        OnCharacter(tutor, 'f');
        EXPECT_EQ(course.nKeystrokes * 100 + course.nWorkedLesson, keystrokes * 100 + worked) << Here();
        EXPECT_EQ(Area(tutor.display.rcKeyboard) == keyboard, lesson == 3) << Here();
        EXPECT_TRUE(Bare('u') && !course.bHomeShaded) << Here();
    }
}

// Timer 2 announces the keys to type while dictation is chosen: a second after a line is
// shown, then every 7 s; a page step stops it, and so does choosing another sound. Paging
// inside a lesson keeps the caret; leaving the lesson starts its exercise afresh.
TEST_F(PageChangeTest, TheDictationTimerRunsOnlyWhileDictating)
{
    resources.strings = Resources::BuiltIn().strings;
    resources.strings.Set(0, "jj hh");
    GoTo(2, 2);
    ASSERT_TRUE(ApplySoundStudioChoice(tutor, kSoundDictation));
    EXPECT_EQ(host.timers.at(kDictationTimer), 1000);
    host.Fire(kDictationTimer);
    EXPECT_EQ(host.played.size(), 3u) << "j, j, space";
    EXPECT_EQ(host.timers.at(kDictationTimer), 7000);
    GoTo(5, 2);
    OnCharacter(tutor, static_cast<unsigned char>(course.szLine[0]));
    ChangePage(tutor, -1);
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    ChangePage(tutor, +1);
    EXPECT_EQ(host.timers.at(kDictationTimer), 7000) << "a reminder inside the line";
    EXPECT_EQ(course.nCharPos, 1);
    ASSERT_TRUE(ApplySoundStudioChoice(tutor, kSoundTypewriter));
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    host.played.clear();
    host.timers[kDictationTimer] = 7000;   // one already due
    host.Fire(kDictationTimer);
    EXPECT_TRUE(host.played.empty());
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    for (int dir : {+1, -1, +1})
        ChangePage(tutor, dir);
    EXPECT_EQ(Here() + " " + std::to_string(course.nCharPos), "5/2 0");
}

// A fresh start: 800 ms after the paint the hand types the sentence, three 60 ms ticks a
// character, then Enter; it runs once, and what it typed stays.
TEST_F(PageChangeTest, DemoAFreshStartTypesTheSentenceOnce)
{
    GoTo(0, 1);
    EXPECT_EQ(host.timers.at(kDemoTimer), 800);
    const QImage home = Area(tutor.display.rcKeyboard);
    Tick(1);
    EXPECT_EQ(host.timers.at(kDemoTimer) * 10 + host.caretShown, 600) << "60 ms a tick, the caret hidden";
    EXPECT_NE(Area(tutor.display.rcKeyboard), home) << "the hand strikes D";
    Tick(2);
    EXPECT_EQ(host.typed, "D");
    EXPECT_EQ(Area(tutor.display.rcKeyboard), home) << "and comes home";
    Tick(320);
    EXPECT_EQ(host.typed, "Der Xaver den s\xFC\xDF" "en Jodler singt, Holleraderr\xFC" "h, d\xF6 und d\xE4, er hat's "
                          "geschafft und alle \xDC" "bungen vollbracht.\r");
    EXPECT_EQ(host.sleeps, std::vector<int>{517});
    EXPECT_TRUE(host.caretShown);
    EXPECT_EQ(tutor.course.nKeystrokes, 0) << "not counted";
    ChangePage(tutor, +1);
    GoTo(0, 1);
    EXPECT_FALSE(host.timers.contains(kDemoTimer)) << "never again";
    EXPECT_EQ(host.typed.size(), 108u);
}

// Leaving the start page ends it at once: the hand at home, the caret shown, what it typed
// taken away, and it does not come back. A session file starts without it.
TEST_F(PageChangeTest, DemoLeavingTheStartPageEndsIt)
{
    Tick(4);
    ASSERT_EQ(host.typed, "D");
    ChangePage(tutor, +1);
    EXPECT_TRUE(host.caretShown);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard) << "the hand is home";
    EXPECT_EQ(host.typed, "");
    GoTo(0, 1);
    EXPECT_FALSE(host.timers.contains(kDemoTimer));
    tutor.demo = DemoState{};
    tutor.shell.szFileName = "kurs.klv";
    Paint();
    EXPECT_FALSE(host.timers.contains(kDemoTimer)) << "with a session file";
}

}  // namespace
