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

// Random keys over the whole course, in every sound mode, hand and font size (SOAK_EVENTS,
// 20000 unless set): the course stays on a page that exists, the caret in its line, the
// counters only grow; after a release the composite is the bare keyboard (the key trial
// keeps its hand on the key it asks for).
class SoakTest : public TutorTest {};

TEST_F(SoakTest, RandomKeysKeepTheCourseWhole)
{
    resources.strings = Resources::BuiltIn().strings;
    host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
    Start(800, 560);
    const long events = std::getenv("SOAK_EVENTS") ? std::atol(std::getenv("SOAK_EVENTS")) : 20000;
    std::mt19937 random(20261206);
    const std::string keys = "jfhgkdurimecloöüsa,.-?ßTZBNPÄVWQXY0123456789 \b\r\t";
    const CourseState& course = tutor.course;
    int keystrokes = 0, correct = 0;
    for (long event = 0; event < events; ++event) {
        const unsigned roll = random() % 100;
        const std::string what = "event " + std::to_string(event) + " roll " + std::to_string(roll);
        if (roll < 88) {
            if (roll < 70) {   // a key, on an exercise line most often the right one
                const auto p = static_cast<std::size_t>(course.nCharPos);
                OnCharacter(tutor, static_cast<unsigned char>(roll < 40 && p < course.szLine.size()
                                                                  ? course.szLine[p]
                                                                  : keys[random() % keys.size()]));
            } else {
                ChangePage(tutor, roll % 2 ? +1 : -1);
            }
            OnKeyRelease(tutor);
            if (pages::CurrentPage(course) && pages::CurrentPage(course)->hand != pages::HandShown::OnKey) {
                ASSERT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard) << what;
            }
        } else if (roll < 91) {
            tutor.course.bLeftHand = !course.bLeftHand;
            ASSERT_TRUE(ChangeHand(tutor));
        } else if (roll < 93) {
            ApplyFontSizeChoice(tutor, 1000 + static_cast<int>(random() % 3));
            Paint();
        } else if (roll < 96) {
            const int studio[] = {kSoundOff, kSoundSpeakKeys, kSoundTypewriter, kSoundDictation};
            ApplyErrorToneChoice(tutor, 0);
            ApplySoundStudioChoice(tutor, studio[random() % 4]);
            if (!Dictating(course))
                ApplyErrorToneChoice(tutor, static_cast<int>(1000 + random() % 7));
        } else if (roll < 98) {
            GoToLesson(tutor, static_cast<int>(random() % 26) - 1);
        } else {
            host.Fire(kDictationTimer);
            host.Fire(kDemoTimer);
        }
        const pages::PageRecord* page = pages::CurrentPage(course);
        ASSERT_NE(page, nullptr) << what;
        ASSERT_TRUE(course.nCharPos >= 0 && (page->kind != pages::Kind::Exercise || course.nCharPos <= course.nLineLen))
            << what;   // elsewhere the line holds the page's text
        ASSERT_TRUE(course.nKeystrokes >= keystrokes && course.nCorrect >= correct &&
                    course.nCorrect <= course.nKeystrokes) << what;
        keystrokes = course.nKeystrokes;
        correct = course.nCorrect;
        host.played.clear();
    }
}

}  // namespace
