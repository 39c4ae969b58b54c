// The course text against the rules it must keep: ids, characters, keys taught, variety and
// widths. Every failure names the id and the rule.
#include "course/layout.h"
#include "course/lessons.h"
#include "course/page_table.h"
#include "platform/canvas.h"
#include "platform/fonts.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

const std::string& Text(int id)
{
    static const Resources resources = Resources::BuiltIn();
    return resources.strings.Get(id);
}

int Width(const std::string& text, int fontSize)
{
    static std::map<int, Canvas> canvases;
    Canvas& canvas = canvases[fontSize];
    if (canvas.TextHeight() == 0)
        canvas.SetFont(TextFontForHeight(fontSize == kFontStandard ? 20 : fontSize == kFontMedium ? 25 : 30));
    return canvas.TextWidth(text);
}

// Keys each lesson teaches to the left and to the right hand, with letters that may come
// early (code page 1252). From lesson 12 on the capitals of the letters taught are allowed.
const std::map<int, std::pair<std::string, std::string>> kNewKeys{
    {2, {"fghj ", "fghj "}}, {3, {"dk", "dk"}},   {4, {"ur", "ur"}},     {5, {"im", "ec"}},
    {6, {"ec", "im"}},       {8, {"loa", "loa"}}, {9, {"sa", "sa"}},     {10, {"\xF6\xFC", "\xF6\xFC"}},
    {11, {"t", "t"}},        {12, {"bnW", "bnW"}}, {13, {"tz", "tb"}},   {14, {"bn", "zn"}},
    {15, {"p\xE4", "p\xE4"}}, {16, {"\xDF.", "\xDF."}}, {17, {"v,", "v,"}}, {19, {"w?", "w?"}},
    {20, {"qx", "qx"}},      {21, {"y-", "y-"}},  {23, {"0123456789", "0123456789"}},
};
const std::set<int> kRevisionLessons{7, 11, 18, 22};
const std::set<int> kMayOverflow{0, 17, 160, 320, 352, 400, 417};

char Lower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || byte == 0xC4 || byte == 0xD6 || byte == 0xDC ? static_cast<char>(c + 32) : c;
}

// Every exercise line: at its lesson's ids and nowhere else below 1000; at most 68
// characters, no space at either end or twice; only keys taught by its lesson for its hand
// (a shared block for each hand); no line twice in a block
// and most practising the new keys (in lesson 12 capitals); narrower than its column at the
// standard size unless it is a fixed line.
TEST(CourseText, ExerciseLinesKeepTheCourseRules)
{
    std::set<int> ids;   // exercise lines, both hands
    for (int lesson = 2; lesson <= 23; ++lesson) {
        const LessonLines& row = kLessonLines[static_cast<std::size_t>(lesson)];
        const int column = ColumnWidth(kFontStandard, PageColumn(kFontStandard, lesson, pages::ExercisePage(lesson)));
        for (bool left : {true, false}) {
            std::string keys;
            for (const auto& [taught, newKeys] : kNewKeys)
                keys += taught <= lesson ? (left ? newKeys.first : newKeys.second) : "";
            const auto it = kNewKeys.find(lesson);
            const std::string listed = it == kNewKeys.end() ? "" : left ? it->second.first : it->second.second;
            std::set<std::string> seen;
            int practising = 0;
            for (int id = left ? row.leftBase : row.rightBase, end = id + row.lines; id < end; ++id) {
                ids.insert(id);
                const std::string& line = Text(id);
                EXPECT_TRUE(!line.empty() && line.size() <= 68 && line.front() != ' ' && line.back() != ' ' &&
                            line.find("  ") == std::string::npos)
                    << "id " << id << ": at most 68 characters, no space at either end or twice";
                for (char c : line)
                    EXPECT_TRUE(keys.find(c) != keys.npos || (lesson >= 12 && keys.find(Lower(c)) != keys.npos))
                        << "id " << id << ": '" << c << "' not taught by lesson " << lesson;
                EXPECT_TRUE(seen.insert(line).second) << "id " << id << ": the same line twice in lesson " << lesson;
                practising += std::any_of(line.begin(), line.end(), [&](char c) {
                    return lesson == 12 ? Lower(c) != c : listed.find(Lower(c)) != std::string::npos;
                });
                EXPECT_TRUE(kMayOverflow.contains(id) || Width(line, kFontStandard) < column) << "id " << id << ": too wide";
            }
            EXPECT_TRUE(kRevisionLessons.contains(lesson) || practising * 2 > row.lines) << "lesson " << lesson;
        }
    }
    for (int id = 0; id < 1000; ++id)
        EXPECT_EQ(!Text(id).empty(), ids.contains(id)) << "id " << id << ": text exactly at the ids of the lesson blocks";
}

// Instruction lines have text exactly at the ids the pages draw (1406, 1422 and 1620 stay
// empty), and each fits its page's column, with its indent, at every font size.
TEST(CourseText, InstructionLinesAreWhereThePagesDrawThemAndFit)
{
    struct Drawn {
        int lesson, page, indent;
    };
    std::map<int, Drawn> drawn;
    for (const pages::PageRecord& record : pages::PageTable()) {
        for (const pages::Line& line : record.lines.view())
            drawn[record.block + line.index] = {record.lesson, record.page, line.dx};
        if (record.kind == pages::Kind::KeyTrial)   // the trial's own lines, prompts and Enter prompts
            for (int index = 3; index <= 15; ++index)   // indents 0, then 35 for the prompts, 15 for the Enter prompts
                drawn[record.block + index] = {record.lesson, record.page, index < 5 || index == 13 ? 0 : index < 13 ? 35 : 15};
    }
    for (int id : {1406, 1422, 1620})
        drawn.erase(id);
    for (int id = 1000; id <= 1791; ++id)
        EXPECT_EQ(!Text(id).empty(), drawn.contains(id)) << "id " << id << ": text exactly at the ids a page draws";
    for (const auto& [id, where] : drawn) {
        EXPECT_EQ(Text(id).find("  "), std::string::npos) << "id " << id << ": double space";
        for (int size : {int{kFontStandard}, int{kFontMedium}, int{kFontLargest}})
            EXPECT_LT(where.indent + Width(Text(id), size), ColumnWidth(size, PageColumn(size, where.lesson, where.page)))
                << "id " << id << ": wider than the column of lesson " << where.lesson << " page " << where.page
                << " at font size " << size;
    }
}

}  // namespace
