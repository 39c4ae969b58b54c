#include "session/session_read_check.h"

#include "course/page_table.h"
#include "session/file_commands.h"
#include "session/session_file.h"
#include "tutor.h"

#include <tuple>

std::string ReadSessionAndCheck(Tutor& tutor, FakeHost& host, const std::string& path)
{
    CourseState& course = tutor.course;
    course = CourseState{};
    course.bLeftHand = 0;
    course.nLesson = course.nWorkedLesson = 7;
    course.nPage = 3;
    course.nCharPos = course.nKeystrokes = course.nCorrect = 2;
    course.nFontSize = kFontMedium;
    course.nSoundStudio = kSoundTypewriter;
    course.nErrorTone = 1002;
    tutor.session.nSavedLesson = 6;
    host = FakeHost();
    const auto state = [&] {
        return std::tuple(SessionRecordOf(tutor, {}), course.nPage, course.nCharPos, course.nKeystrokes,
                          course.nCorrect, course.nWorkedLesson, tutor.session.nSavedLesson, tutor.session.savedRecord);
    };
    const auto before = state();
    Rect window{1, 2, 3, 4};

    if (!ReadSessionFile(tutor, path, window, false)) {
        if (host.messages.size() != 1 || host.messages[0].title != "READ FILE ERROR" || host.beeps != 1)
            return "refused without one READ FILE ERROR and one beep";
        return state() == before && window == Rect{1, 2, 3, 4} ? "" : "refused, but the session changed";
    }
    const auto in = [](int value, int low, int high) { return value >= low && value <= high; };
    return !host.messages.empty() || host.beeps ? "taken, but a message or a beep"
           : !in(course.nLesson, 0, kLastLesson) || !pages::CurrentPage(course) ? "a page that is none"
           : !IsFontSize(course.nFontSize) ? "a font size that is none"
           : course.nSoundStudio != kSoundOff && !in(course.nSoundStudio, kSoundSpeakKeys, kSoundDictation)
               ? "a sound mode that is none"
           : course.nErrorTone != 0 && !in(course.nErrorTone, 1000, 1006) ? "an error tone that is none"
           : course.nCharPos || course.nKeystrokes || course.nCorrect ? "the old work still counted"
           : course.nWorkedLesson != course.nLesson || IsSessionUnsaved(tutor) ? "taken, but the session is unsaved"
                                                                               : "";
}
