#include "course/statistics.h"
#include "flow/choices.h"
#include "flow/page_change.h"
#include "support/tutor_fixture.h"

namespace {

class ChoicesTest : public TutorTest {
protected:
    void SetUp() override { Start(669, 500); }
    CourseState& course = tutor.course;
};

// Geh Zu Übung: a lesson's first page; a number that is no lesson is refused and changes
// nothing; neither the statistics nor the work done change.
TEST_F(ChoicesTest, GoToShowsTheFirstPageOfALessonAndRefusesOthers)
{
    struct Case {
        int lesson;
        bool goes;
        int page;
    };
    course.nLesson = 5;
    course.nPage = 2;
    course.nKeystrokes = 7;
    course.nWorkedLesson = 5;
    for (const Case& c : {Case{24, false, 0}, Case{-1, false, 0}, Case{0, true, 1}, Case{2, true, 2},
                          Case{18, true, 1}}) {
        const int lesson = course.nLesson, page = course.nPage;
        host.messages.clear();
        EXPECT_EQ(GoToLesson(tutor, c.lesson), c.goes) << c.lesson;
        EXPECT_EQ(course.nLesson, c.goes ? c.lesson : lesson) << c.lesson;
        EXPECT_EQ(course.nPage, c.goes ? c.page : page) << c.lesson;
        ASSERT_EQ(host.messages.size(), c.goes ? 0u : 1u) << c.lesson;
        if (!c.goes) {
            EXPECT_EQ(host.messages[0].text, "Nr 23 ist die letzte \xDC" "bung Sie k\xF6nnen nicht weiter als die "
                                             "letzten \xDC" "bung w\xE4hlen, Nr. 23");
            EXPECT_EQ(host.messages[0].title, "Tastora");
        }
    }
    EXPECT_EQ(course.nKeystrokes, 7);
    EXPECT_EQ(course.nWorkedLesson, 5);
}

// The settings as the sheet applies them: a font too large for the window is refused, the
// size in force applies nothing, dictation and error tones exclude each other, and what is
// applied marks the session as worked on.
TEST_F(ChoicesTest, SettingsApplyOrAreRefusedWithTheirNotice)
{
    course.nLesson = 4;
    EXPECT_EQ(ApplyFontSizeChoice(tutor, 1001), FontChoice::TooBig) << "client 669, needs more than 670";
    EXPECT_EQ(host.notices, std::vector<Notice>{Notice::WindowTooSmall});
    EXPECT_EQ(ApplyFontSizeChoice(tutor, 1000), FontChoice::Unchanged);
    EXPECT_EQ(host.fontChanges, 0);
    EXPECT_EQ(course.nWorkedLesson, 0);
    tutor.ResizeClient(800, 560);
    EXPECT_EQ(ApplyFontSizeChoice(tutor, 1002), FontChoice::Applied);
    EXPECT_EQ(course.nFontSize, 1002);
    EXPECT_EQ(host.fontChanges, 1);
    EXPECT_EQ(course.nWorkedLesson, 4);

    host.notices.clear();
    course.nErrorTone = 1003;
    EXPECT_FALSE(ApplySoundStudioChoice(tutor, kSoundDictation));
    EXPECT_EQ(course.nSoundStudio, kSoundOff);
    EXPECT_TRUE(ApplyErrorToneChoice(tutor, 0));
    EXPECT_TRUE(ApplySoundStudioChoice(tutor, kSoundDictation));
    EXPECT_FALSE(ApplyErrorToneChoice(tutor, 1000));
    EXPECT_EQ(course.nErrorTone, 0);
    EXPECT_EQ(host.notices, (std::vector<Notice>{Notice::DictationWhileErrorTones, Notice::ErrorTonesWhileDictation}));
    EXPECT_EQ(host.beeps, 3);
}

TEST_F(ChoicesTest, StatisticsCountInputsWrongOnesAndTruncatedAccuracy)
{
    const Statistics none = StatisticsOf(course);
    EXPECT_EQ((std::array{none.inputs, none.wrong, none.accuracy}), (std::array{0, 0, 0}));
    course.nKeystrokes = 7;
    course.nCorrect = 5;
    const Statistics some = StatisticsOf(course);
    EXPECT_EQ((std::array{some.inputs, some.wrong, some.accuracy}), (std::array{7, 2, 71}));
    EXPECT_EQ(AppendNumberToItem("Eingaben:", 0), "Eingaben: 0");
}

TEST_F(ChoicesTest, DownOnTheLastPageBeepsAndShowsTheEnd)
{
    course.nLesson = 23;
    course.nPage = 3;
    Paint();
    ChangePage(tutor, +1);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.notices, std::vector<Notice>{Notice::EndOfCourse});
    EXPECT_EQ(course.nPage, 3);
}

}  // namespace
