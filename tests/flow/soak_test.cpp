#include "course/page_table.h"
#include "flow/choices.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "flow/timers.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

#include <cstdlib>
#include <random>

namespace {

// Random keys over the whole course, in every sound mode, hand and font size: after each
// event the course state keeps its invariants, and after every release the composite is
// the bare keyboard again (but on the key trial, whose hand stays on the key it asks for). SOAK_EVENTS sets the number of events (default 20000).
class SoakTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings = Resources::BuiltIn().strings;
        host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
        Start(800, 560);
    }
    void CheckInvariants(const std::string& after)
    {
        const CourseState& course = tutor.course;
        ASSERT_GE(course.nLesson, 0) << after;
        ASSERT_LE(course.nLesson, kLastLesson) << after;
        const pages::PageRecord* page = pages::CurrentPage(course);
        ASSERT_NE(page, nullptr) << after << ": a page that exists";
        ASSERT_GE(course.nCharPos, 0) << after;
        if (page->kind == pages::Kind::Exercise) {   // elsewhere the line holds the page's text
            ASSERT_LE(course.nCharPos, course.nLineLen) << after;
        }
        ASSERT_GE(course.nKeystrokes, keystrokes_) << after;
        ASSERT_GE(course.nCorrect, correct_) << after;
        ASSERT_LE(course.nCorrect, course.nKeystrokes) << after;
        keystrokes_ = course.nKeystrokes;
        correct_ = course.nCorrect;
    }

    // After a release the composite is the bare keyboard again, but on the key trial, which
    // keeps its hand on the key it asks for.
    void CheckComposite(const std::string& after)
    {
        if (pages::CurrentPage(tutor.course)->hand != pages::HandShown::OnKey) {
            ASSERT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard)
                << "after " << after << " on " << tutor.course.nLesson << "/" << tutor.course.nPage;
        }
    }

    int keystrokes_ = 0;
    int correct_ = 0;
};

TEST_F(SoakTest, RandomKeysKeepTheCourseWhole)
{
    const char* given = std::getenv("SOAK_EVENTS");
    const long events = given ? std::atol(given) : 20000;
    std::mt19937 random(20261206);
    const std::string keys = "jfhgkdurimecloöüsa,.-?ßTZBNPÄVWQXY0123456789 \b\r\t";
    for (long event = 0; event < events; ++event) {
        const unsigned roll = random() % 100;
        std::string what;
        if (roll < 70) {
            // A key, or on an exercise line most often the right one.
            const std::string& line = tutor.course.szLine;
            const auto p = static_cast<std::size_t>(tutor.course.nCharPos);
            const unsigned char ch = roll < 40 && p < line.size() ? static_cast<unsigned char>(line[p])
                                                                    : static_cast<unsigned char>(keys[random() % keys.size()]);
            OnCharacter(tutor, ch);
            OnKeyRelease(tutor);
            what = "key " + std::to_string(ch);
            CheckComposite(what);
        } else if (roll < 88) {
            const int dir = roll % 2 ? +1 : -1;
            ChangePage(tutor, dir);
            OnKeyRelease(tutor);   // the arrow's release brings the hand to what the page shows
            what = dir > 0 ? "Down" : "Up";
            CheckComposite(what);
        } else if (roll < 91) {
            tutor.course.bLeftHand = !tutor.course.bLeftHand;
            ASSERT_TRUE(ChangeHand(tutor));
            what = "hand";
        } else if (roll < 93) {
            ApplyFontSizeChoice(tutor, 1000 + static_cast<int>(random() % 3));
            ApplyFont();
            Paint();
            what = "font size";
        } else if (roll < 96) {
            const int studio[] = {kSoundOff, kSoundSpeakKeys, kSoundTypewriter, kSoundDictation};
            ApplyErrorToneChoice(tutor, 0);
            ApplySoundStudioChoice(tutor, studio[random() % 4]);
            if (tutor.course.nSoundStudio != kSoundDictation)
                ApplyErrorToneChoice(tutor, static_cast<int>(1000 + random() % 7));
            what = "sound";
        } else if (roll < 98) {
            GoToLesson(tutor, static_cast<int>(random() % 26) - 1);
            what = "go to";
        } else {
            host.Fire(kDictationTimer);
            host.Fire(kDemoTimer);
            what = "timers";
        }
        CheckInvariants("event " + std::to_string(event) + " (" + what + ")");
        if (HasFatalFailure())
            return;
        host.played.clear();
        host.messages.clear();
    }
}

}  // namespace
