#pragma once

#include <string>

struct Tutor;

// The lines of the practice page: words of the keys the course has taught up to the lesson
// for the hand, drawn anew for each line, or the learner's own text.
std::string PracticePageLine(const Tutor& tutor, int line);
// How many lines there are: the own text's, or as many as the learner likes.
int PracticeLines(const Tutor& tutor);
