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

std::string PracticePageLine(Tutor& tutor, int line)
{
    const CourseState& course = tutor.course;
    PracticeState& practice = tutor.practice;
    if (course.practicing == Practice::Text)
        return line >= 0 && line < static_cast<int>(practice.text.size()) ? practice.text[line] : std::string();
    const std::string taught = TaughtCharacters(tutor.resources.strings, course.nLesson, course.bLeftHand);
    if (!practice.words || practice.words->first != taught)
        practice.words.emplace(taught, TypeableWords(PracticeWords(), taught));
    return PracticeLine(practice.words->second, taught, ErrorRates(practice, tutor.stats),
                        practice.seed + static_cast<uint32_t>(line));
}

int PracticeLines(const Tutor& tutor)
{
    return tutor.course.practicing == Practice::Text ? static_cast<int>(tutor.practice.text.size()) : SHRT_MAX;
}
