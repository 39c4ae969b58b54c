#pragma once

#include <string>

struct CourseState;

// What "Erfolgskontrolle" shows: the characters typed in exercises, the wrong ones, and the
// accuracy in whole percent (0 before any typing).
struct Statistics {
    int inputs;
    int wrong;
    int accuracy;
};

Statistics StatisticsOf(const CourseState& course);
// The text with a space and the value's decimal digits after it.
std::string AppendNumberToItem(const std::string& text, int value);
