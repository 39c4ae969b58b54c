#include "course/statistics.h"

#include "course/state.h"

Statistics StatisticsOf(const CourseState& course)
{
    const int inputs = course.nKeystrokes;
    return {inputs, inputs - course.nCorrect, inputs == 0 ? 0 : course.nCorrect * 100 / inputs};
}

std::string AppendNumberToItem(const std::string& text, int value)
{
    return text + " " + std::to_string(value);
}
