// The course text against the rules it must keep: ids, fixed lines, characters, keys taught,
// variety and widths. Every failure names the id and the rule.
#include "course/layout.h"
#include "course/state.h"
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

const Resources& Course()
{
    static const Resources resources = Resources::BuiltIn();
    return resources;
}
const std::string& Text(int id) { return Course().strings.Get(id); }

std::string Lower(std::string text)
{
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || byte == 0xC4 || byte == 0xD6 || byte == 0xDC)
            c = static_cast<char>(byte + 32);
    }
    return text;
}

// Keys taught in each lesson: for the left hand, for the right hand, and letters that may
// come early (code page 1252).
struct LessonKeys {
    const char* left;
    const char* right;
    const char* early;
};
const std::map<int, LessonKeys> kNewKeys{
    {2, {"fghj ", "fghj ", ""}}, {3, {"dk", "dk", ""}},     {4, {"ur", "ur", ""}},
    {5, {"im", "ec", ""}},       {6, {"ec", "im", ""}},     {8, {"lo", "lo", "a"}},
    {9, {"sa", "sa", ""}},       {10, {"\xF6\xFC", "\xF6\xFC", ""}}, {11, {"", "", "t"}},
    {12, {"", "", "bnW"}},       {13, {"tz", "tb", ""}},    {14, {"bn", "zn", ""}},
    {15, {"p\xE4", "p\xE4", ""}}, {16, {"\xDF.", "\xDF.", ""}}, {17, {"v,", "v,", ""}},
    {19, {"w?", "w?", ""}},      {20, {"qx", "qx", ""}},    {21, {"y-", "y-", ""}},
    {23, {"0123456789", "0123456789", ""}},
};
constexpr int kCapitalsFrom = 12;
const std::set<int> kRevisionLessons{7, 11, 18, 22};
const std::map<int, std::string> kFixedLines{
    {0, "jj hh gg ff ff gg hh jj"},
    {400, "ff gg hh jj jj hh gg ff"},
    {17, "jj kk jkj jkj hh kk hkh hkh"},
    {417, "ff dd fdf fdf gg dd gdg gdg"},
    {160, "fFf jJj kKk dDd kKk eEe iIi \xF6\xD6\xF6 \xFC\xDC\xFC"},
    {320, "Was, wo? Schwere Lawine? Was wollt ihr? War ein Witz?"},
    {352, "12.00 ist Mittag, 24 Uhr ist Mitternacht. 5-Uhr-Zug um 17.00Uhr."},
    {1071, "die 'h'-Taste mit dem Mittelfinger,"},
    {1072, "die 'g'-Taste mit dem Mittelfinger,"},
    {1077, "Die 'Enter'-Taste bringt den Cursor in die n\xE4" "chste Zeile."},
    {1078, "'Enter' bet\xE4tigen Sie mit Ihrem Zeigefinger."},
    {1079, "'Enter' bet\xE4tigen Sie mit Ihrem kleinen Finger."},
};

std::set<unsigned char> AllowedKeys(int lesson, bool left)
{
    std::set<unsigned char> keys;
    for (const auto& [taught, row] : kNewKeys) {
        if (taught > lesson)
            break;
        for (const char* c = left ? row.left : row.right; *c; ++c)
            keys.insert(static_cast<unsigned char>(*c));
        for (const char* c = row.early; *c; ++c)
            keys.insert(static_cast<unsigned char>(*c));
    }
    if (lesson >= kCapitalsFrom) {
        for (unsigned char c : std::set<unsigned char>(keys)) {
            if (c >= 'a' && c <= 'z')
                keys.insert(static_cast<unsigned char>(c - 32));
            else if (c == 0xE4 || c == 0xF6 || c == 0xFC)
                keys.insert(static_cast<unsigned char>(c - 32));
        }
    }
    return keys;
}

struct Block {
    int lesson;
    int first;
    int lines;
    bool left;    // the hand the block is typed with
    bool shared;  // typed by both hands
};

std::vector<Block> ExerciseBlocks()
{
    std::vector<Block> blocks;
    for (int lesson = 2; lesson <= 23; ++lesson) {
        const LessonLines& row = kLessonLines[static_cast<std::size_t>(lesson)];
        const bool shared = row.leftBase == row.rightBase;
        blocks.push_back({lesson, row.leftBase, row.lines, true, shared});
        if (!shared)
            blocks.push_back({lesson, row.rightBase, row.lines, false, false});
    }
    return blocks;
}

int Width(const std::string& text, int fontSize)
{
    static std::map<int, Canvas> canvases;
    Canvas& canvas = canvases[fontSize];
    if (canvas.TextHeight() == 0)
        canvas.SetFont(TextFontForHeight(fontSize == kFontStandard ? 20 : fontSize == kFontMedium ? 25 : 30));
    return canvas.TextWidth(text);
}

TEST(CourseText, ExerciseLinesAreExactlyAtTheirIds)
{
    std::set<int> expected;
    for (const Block& block : ExerciseBlocks())
        for (int i = 0; i < block.lines; ++i)
            expected.insert(block.first + i);
    for (int id = 0; id < 1000; ++id) {
        EXPECT_EQ(Course().strings.Has(id) && !Text(id).empty(), expected.contains(id))
            << "id " << id << ": an exercise line belongs exactly at the ids of the lesson blocks";
    }
}

TEST(CourseText, FixedLinesWordForWord)
{
    for (const auto& [id, text] : kFixedLines)
        EXPECT_EQ(Text(id), text) << "id " << id << ": fixed line";
}

TEST(CourseText, ExerciseLinesKeepTheCharacterAndKeyRules)
{
    const std::string allowed = std::string(" ,-.?0123456789") + "ABCDEFGHIJKLMNOPQRSTUVWXYZ" +
                                "abcdefghijklmnopqrstuvwxyz" + "\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    for (const Block& block : ExerciseBlocks()) {
        const std::set<unsigned char> keys =
            block.shared ? [&] {
                std::set<unsigned char> both;
                const auto left = AllowedKeys(block.lesson, true), right = AllowedKeys(block.lesson, false);
                std::set_intersection(left.begin(), left.end(), right.begin(), right.end(),
                                      std::inserter(both, both.begin()));
                return both;
            }()
                         : AllowedKeys(block.lesson, block.left);
        for (int id = block.first; id < block.first + block.lines; ++id) {
            const std::string& line = Text(id);
            EXPECT_LE(line.size(), 68u) << "id " << id << ": at most 68 characters";
            EXPECT_TRUE(!line.empty() && line.front() != ' ' && line.back() != ' ')
                << "id " << id << ": no leading or trailing space";
            EXPECT_EQ(line.find("  "), std::string::npos) << "id " << id << ": no double space";
            for (char c : line) {
                EXPECT_NE(allowed.find(c), std::string::npos) << "id " << id << ": character '" << c << "' not allowed";
                EXPECT_TRUE(keys.contains(static_cast<unsigned char>(c)))
                    << "id " << id << ": key '" << c << "' not taught by lesson " << block.lesson;
            }
        }
    }
}

TEST(CourseText, EachLessonVariesItsLinesAndPractisesItsNewKeys)
{
    for (const Block& block : ExerciseBlocks()) {
        std::set<std::string> seen;
        int practising = 0;
        const auto& row = kNewKeys.contains(block.lesson) ? kNewKeys.at(block.lesson) : LessonKeys{"", "", ""};
        const std::string newKeys = block.left ? row.left : row.right;
        for (int id = block.first; id < block.first + block.lines; ++id) {
            const std::string& line = Text(id);
            EXPECT_TRUE(seen.insert(line).second) << "id " << id << ": the same line twice in lesson " << block.lesson;
            const bool capitals = std::any_of(line.begin(), line.end(), [](char c) { return Lower(std::string(1, c))[0] != c; });
            const bool hasNewKey = Lower(line).find_first_of(newKeys) != std::string::npos;
            practising += block.lesson == kCapitalsFrom ? capitals : hasNewKey;
        }
        if (!kRevisionLessons.contains(block.lesson)) {
            EXPECT_GT(practising * 2, block.lines) << "lesson " << block.lesson << " block " << block.first
                                                   << ": most lines practise the lesson's new keys";
        }
    }
}

TEST(CourseText, ExerciseLinesFitTheirColumnAtTheStandardSize)
{
    for (const Block& block : ExerciseBlocks()) {
        const int page = pages::ExercisePage(block.lesson);
        const int column = ColumnWidth(kFontStandard, PageColumn(kFontStandard, block.lesson, page));
        for (int id = block.first; id < block.first + block.lines; ++id) {
            if (!kFixedLines.contains(id)) {
                EXPECT_LT(Width(Text(id), kFontStandard), column) << "id " << id << ": wider than its column";
            }
        }
    }
}

// Each instruction line drawn by the course, with its page and indent.
struct Drawn {
    int lesson;
    int page;
    int indent;
};

std::map<int, Drawn> DrawnInstructionLines()
{
    std::map<int, Drawn> drawn;
    for (const pages::PageRecord& record : pages::PageTable()) {
        for (const pages::Line& line : record.lines.view())
            drawn[record.block + line.index] = {record.lesson, record.page, line.dx};
        if (record.kind == pages::Kind::KeyTrial)   // the trial's own lines, prompts and Enter prompts
            for (int index = 3; index <= 15; ++index)
                drawn[record.block + index] = {record.lesson, record.page, index < 5 || index == 13 ? 0 : index < 13 ? 35 : 15};
    }
    return drawn;
}

TEST(CourseText, InstructionLinesAreExactlyWhereThePagesDrawThem)
{
    const std::map<int, Drawn> drawn = DrawnInstructionLines();
    const std::set<int> empty{1406, 1422, 1620};
    for (int id = 1000; id <= 1791; ++id) {
        const bool hasText = !Text(id).empty();
        if (empty.contains(id)) {
            EXPECT_FALSE(hasText) << "id " << id << ": stays empty";
        } else {
            EXPECT_EQ(hasText, drawn.contains(id)) << "id " << id << ": text exactly at the ids a page draws";
        }
    }
}

TEST(CourseText, InstructionLinesFitTheirColumnAtEveryFontSize)
{
    for (const auto& [id, where] : DrawnInstructionLines()) {
        const std::string& line = Text(id);
        EXPECT_EQ(line.find("  "), std::string::npos) << "id " << id << ": no double space";
        for (int size : {int{kFontStandard}, int{kFontMedium}, int{kFontLargest}}) {
            const int column = ColumnWidth(size, PageColumn(size, where.lesson, where.page));
            EXPECT_LT(where.indent + Width(line, size), column)
                << "id " << id << ": wider than the column of lesson " << where.lesson << " page " << where.page
                << " at font size " << size;
        }
    }
}

}  // namespace
