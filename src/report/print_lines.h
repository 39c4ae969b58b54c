#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The width of a text in the printer's pixels.
using TextMeasure = std::function<int(std::string_view)>;

struct PrintLine {
    std::string text;
    std::size_t next;   // where the line after it begins in the text
};

// The printed line that begins at `position` of the text (line breaks as CR LF): it ends at a
// line break (which is skipped), before a space or a word that would reach past the width
// (the line is cut at its last space and the word goes on the next line), after 256
// characters, or at the end of the text. A run without a space wider than the width is
// broken where it reaches the width.
PrintLine NextPrintLine(std::string_view text, std::size_t position, const TextMeasure& width, int printableWidth);
