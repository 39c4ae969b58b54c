#pragma once

#include "platform/resources.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Free practice: endless lines of real German words made only of the keys the course has
// taught so far, more often those with the learner's weakest keys.

// About as wide as the course's exercise lines.
constexpr int kPracticeLineChars = 45;

// The words free practice picks from: short and common German words of the characters the
// course teaches, code page 1252, sorted by their bytes (picked from a dictionary at build time).
const std::vector<std::string>& PracticeWords();

// The characters of the exercise lines of `lesson` and of every lesson before it for the
// hand, the space aside, each once and sorted by its byte. Empty before the first exercise.
std::string TaughtCharacters(const StringTable& strings, int lesson, bool leftHand);

// The words of `words` that consist of `taught` characters, sorted and each once. Before Shift
// is taught (no capital among `taught`) nouns are written small, as the course's early lines do.
std::vector<std::string> TypeableWords(const std::vector<std::string>& words, const std::string& taught);

// One line of at most `maxChars` characters: words of `typeable` (those of TypeableWords), each
// once, separated by single spaces. A word is picked with the weight 1 + 8 * the sum of its
// characters' error rates (errors to strokes; a capital counts as its key), so weak keys come
// more often. Where the words run out before the line is full, drills of `taught` characters
// fill it ("fgf jjj"). The same arguments give the same line; it is empty only when nothing is
// taught.
std::string PracticeLine(const std::vector<std::string>& typeable, const std::string& taught,
                         const std::map<unsigned char, double>& errorRate, uint32_t seed,
                         int maxChars = kPracticeLineChars);
