#include "report/print_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every character 10 pixels wide; five fit the width of 50.
const TextMeasure kTenEach = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };

TEST(PrintLines, TheLineRule)
{
    struct Case {
        const char* what;
        std::string text;
        std::size_t from;
        std::string line;
        std::size_t next;
    };
    const std::string long256(300, 'x');
    for (const Case& c : std::vector<Case>{
             {"a line break ends the line and is skipped", "ab\r\ncd", 0, "ab", 4},
             {"the line after it", "ab\r\ncd", 4, "cd", 6},
             {"a space at the edge is skipped", "abcde fgh", 0, "abcde", 6},
             {"a character after a space at the edge begins the next line", "abcd efgh", 0, "abcd ", 5},
             {"a word reaching past the edge goes on the next line", "ab cdefg", 0, "ab", 3},
             {"a run without a space is broken at the width", "abcdefgh", 0, "abcde", 5},
             {"the end of the text", "abc", 0, "abc", 3},
             {"nothing", "", 0, "", 0},
         }) {
        const PrintLine line = NextPrintLine(c.text, c.from, kTenEach, 50);
        EXPECT_EQ(line.text, c.line) << c.what;
        EXPECT_EQ(line.next, c.next) << c.what;
    }
    const PrintLine endless = NextPrintLine(long256, 0, kTenEach, 100000);
    EXPECT_EQ(endless.text, std::string(256, 'x')) << "256 characters without an end";
    EXPECT_EQ(endless.next, 256u);
    const PrintLine wide = NextPrintLine("Wxyz", 0, kTenEach, 5);
    EXPECT_EQ(wide.text, "W") << "a character wider than the page still moves on";
}

}  // namespace
