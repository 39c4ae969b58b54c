#include "course/practice.h"

#include "course/free_practice.h"
#include "tutor.h"

#include <climits>

namespace {

// The learner's error rate of each character asked for in this run.
std::map<unsigned char, double> ErrorRates(const TypingStats& stats)
{
    std::map<unsigned char, double> rates;
    for (const auto& [ch, key] : stats.keyTotals)
        rates[ch] = static_cast<double>(key.errors) / key.strikes;
    return rates;
}

}  // namespace

std::string PracticePageLine(const Tutor& tutor, int line)
{
    const CourseState& course = tutor.course;
    if (course.practicing == Practice::Text)
        return line >= 0 && line < static_cast<int>(tutor.practice.text.size()) ? tutor.practice.text[line] : std::string();
    return PracticeLine(PracticeWords(), TaughtCharacters(tutor.resources.strings, course.nLesson, course.bLeftHand),
                        ErrorRates(tutor.stats), tutor.practice.seed + static_cast<uint32_t>(line));
}

int PracticeLines(const Tutor& tutor)
{
    return tutor.course.practicing == Practice::Text ? static_cast<int>(tutor.practice.text.size()) : SHRT_MAX;
}
