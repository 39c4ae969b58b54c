#include "course/practice.h"

#include "course/free_practice.h"
#include "tutor.h"

#include <climits>

std::map<unsigned char, double> ErrorRates(const PracticeState& practice, const TypingStats& stats)
{
    std::map<unsigned char, std::pair<int, int>> counts = practice.history;
    for (const auto& [ch, key] : stats.keyTotals) {
        counts[ch].first += key.strikes;
        counts[ch].second += key.errors;
    }
    std::map<unsigned char, double> rates;
    for (const auto& [ch, count] : counts)
        if (count.first > 0)
            rates[ch] = static_cast<double>(count.second) / count.first;
    return rates;
}

std::string PracticePageLine(const Tutor& tutor, int line)
{
    const CourseState& course = tutor.course;
    if (course.practicing == Practice::Text)
        return line >= 0 && line < static_cast<int>(tutor.practice.text.size()) ? tutor.practice.text[line] : std::string();
    return PracticeLine(PracticeWords(), TaughtCharacters(tutor.resources.strings, course.nLesson, course.bLeftHand),
                        ErrorRates(tutor.practice, tutor.stats), tutor.practice.seed + static_cast<uint32_t>(line));
}

int PracticeLines(const Tutor& tutor)
{
    return tutor.course.practicing == Practice::Text ? static_cast<int>(tutor.practice.text.size()) : SHRT_MAX;
}
