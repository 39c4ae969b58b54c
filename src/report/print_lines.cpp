#include "report/print_lines.h"

namespace {

constexpr std::size_t kLongest = 256;
constexpr char kReturn = '\r';

}  // namespace

PrintLine NextPrintLine(std::string_view text, std::size_t position, const TextMeasure& width, int printableWidth)
{
    const std::size_t start = position;
    std::string line;
    std::size_t lastSpace = std::string::npos;   // in the line
    while (position < text.size() && line.size() < kLongest) {
        const char c = text[position];
        if (c == kReturn)   // the line ends; the return and the line feed after it are skipped
            return {line, std::min(position + 2, text.size())};
        if (width(line + c) > printableWidth) {
            if (c == ' ')
                return {line, position + 1};
            if (!line.empty() && line.back() == ' ')
                return {line, position};
            if (lastSpace != std::string::npos)
                return {line.substr(0, lastSpace), start + lastSpace + 1};
            if (!line.empty())
                return {line, position};   // no space to cut at: a hard break
        }
        line += c;
        if (c == ' ')
            lastSpace = line.size() - 1;
        ++position;
    }
    return {line, position};
}
