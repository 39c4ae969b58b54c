#pragma once

#include "course/state.h"

#include <map>
#include <string>

struct Tutor;

// The learner's error rate of each character asked for: the history's when practice began,
// with this run's finished lines.
std::map<unsigned char, double> ErrorRates(const PracticeState& practice, const TypingStats& stats);

// The lines of the practice page: words of the keys the course has taught up to the lesson
// for the hand, drawn anew for each line, or the learner's own text.
std::string PracticePageLine(Tutor& tutor, int line);
// How many lines there are: the own text's, or as many as the learner likes.
int PracticeLines(const Tutor& tutor);
