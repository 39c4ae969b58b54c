#include "report/print_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintLines, TheLineRule)
{
    // Every character 10 pixels wide: five fit the width of 50.
    const TextMeasure tenEach = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    struct Case {
        const char* what;
        std::string text;
        std::size_t from;
        int width;
        std::string line;
        std::size_t next;
    };
    for (const Case& c : std::vector<Case>{
             {"a line break ends the line and is skipped", "ab\r\ncd", 0, 50, "ab", 4},
             {"the line after it, the last", "ab\r\ncd", 4, 50, "cd", 6},
             {"a space at the edge is skipped", "abcde fgh", 0, 50, "abcde", 6},
             {"a character after a space at the edge begins the next line", "abcd efgh", 0, 50, "abcd ", 5},
             {"a word reaching past the edge goes on the next line", "ab cdefg", 0, 50, "ab", 3},
             {"a run without a space is broken at the width", "abcdefgh", 0, 50, "abcde", 5},
             {"a character wider than the page still moves on", "Wxyz", 0, 5, "W", 1},
             {"256 characters without an end", std::string(300, 'x'), 0, 100000, std::string(256, 'x'), 256},
         }) {
        const PrintLine line = NextPrintLine(c.text, c.from, tenEach, c.width);
        EXPECT_EQ(line.text, c.line) << c.what;
        EXPECT_EQ(line.next, c.next) << c.what;
    }
}

}  // namespace
