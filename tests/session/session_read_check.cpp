#include "session/session_read_check.h"

#include "course/page_table.h"
#include "session/session_file.h"
#include "tutor.h"

#include <tuple>

std::string ReadSessionAndCheck(Tutor& tutor, FakeHost& host, const std::string& path)
{
    CourseState& course = tutor.course;
    course = CourseState{};
    course.bLeftHand = 0;
    course.nLesson = 7;
    course.nPage = 3;
    course.nCharPos = 2;
    course.nKeystrokes = 5;
    course.nCorrect = 4;
    course.nWorkedLesson = 7;
    course.nFontSize = kFontMedium;
    course.nSoundStudio = kSoundTypewriter;
    course.nErrorTone = 1002;
    tutor.layout.cyLine = FontSizeRowOf(kFontMedium).height;
    tutor.session.nSavedLesson = 6;
    host.messages.clear();
    host.beeps = 0;
    const auto state = [&] {
        return std::tuple(course.bLeftHand, course.nLesson, course.nPage, course.nCharPos, course.nKeystrokes,
                          course.nCorrect, course.nWorkedLesson, course.nFontSize, tutor.layout.cyLine,
                          course.nSoundStudio, course.nErrorTone, tutor.session.nSavedLesson);
    };
    const auto before = state();
    const Rect unset{1, 2, 3, 4};
    Rect window = unset;

    std::string faults;
    const auto expect = [&](bool holds, const char* fault) {
        if (!holds)
            faults += std::string(faults.empty() ? "" : "; ") + fault;
    };
    if (!ReadSessionFile(tutor, path, window, false)) {
        expect(host.messages.size() == 1 && host.messages[0].title == "READ FILE ERROR",
               "refused without READ FILE ERROR");
        expect(host.beeps == 1, "refused without one beep");
        expect(state() == before && window == unset, "refused, but the session changed");
        return faults;
    }
    const auto in = [](int value, int low, int high) { return value >= low && value <= high; };
    expect(host.messages.empty() && host.beeps == 0, "taken, but a message or a beep");
    expect(course.bLeftHand == 0 || course.bLeftHand == 1, "a hand that is none");
    expect(in(course.nLesson, 0, kLastLesson), "a lesson that is none");
    expect(pages::CurrentPage(course) != nullptr, "a page that is none");
    expect(IsFontSize(course.nFontSize) && tutor.layout.cyLine == FontSizeRowOf(course.nFontSize).height,
           "a font size that is none, or a row height not its own");
    expect(course.nSoundStudio == kSoundOff || in(course.nSoundStudio, kSoundSpeakKeys, kSoundDictation),
           "a sound mode that is none");
    expect(course.nErrorTone == 0 || in(course.nErrorTone, 1000, 1006), "an error tone that is none");
    expect(course.nCharPos == 0 && course.nKeystrokes == 0 && course.nCorrect == 0, "the old work still counted");
    expect(course.nWorkedLesson == course.nLesson && tutor.session.nSavedLesson == course.nLesson,
           "taken, but the session counts as unsaved");
    return faults;
}
