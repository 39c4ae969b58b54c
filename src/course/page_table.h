#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

struct CourseState;

namespace pages {

// Which hand a record is for.
enum class Side : uint8_t { Both, Left, Right };

// What the page shows on the keyboard before its text.
enum class Demo : uint8_t {
    None,
    HomeAndBanner,   // the hand at home and the title picture
    Guides,          // the three guide lines
    ShadeTwo,        // two new keys and the home keys marked, while bHomeShaded
    ShadeGroup,      // four or six digit keys and the home keys marked, while bHomeShaded
};

enum class Kind : uint8_t {
    Text,        // instruction text only
    Exercise,    // the exercise line follows the text on `exerciseRow`
    TrialStart,  // the page before the key trial: the trial starts afresh
    KeyTrial,    // the key trial draws its own lines
};

// Where the hand is while no key is pressed.
enum class HandShown : uint8_t {
    Home,       // at home
    Unmarked,   // at home, but not while the page's marks are shown (bHomeShaded)
    Off,        // nowhere: the keys are left free for the guide lines
    OnKey,      // on the key the key trial asks for
};

// The page a lesson is entered at directly (from a session file or a jump), and whether
// its marks are shown then.
enum class Entry : uint8_t { No, Marked, Plain };

constexpr int8_t kKeepFlag = -1;   // the page leaves bExercisePage as it finds it

// One line of text: line `index` of the page block on `row`, moved down by `dy` pixels
// (up when negative) and right by `dx`.
struct Line {
    int8_t index = 0;
    int8_t row = 0;
    int8_t dy = 0;
    int16_t dx = 0;
};

struct Lines {
    std::array<Line, 8> items{};
    int count = 0;
    constexpr std::span<const Line> view() const { return {items.data(), static_cast<std::size_t>(count)}; }
};

// Reads "index:row" items separated by blanks, each optionally followed by a pixel shift
// ("-18" up, "+4" down) and an indent (">175"), e.g. "0:1>175 1:2 3:4-18".
consteval Lines ParseLines(std::string_view text)
{
    Lines lines;
    std::size_t i = 0;
    auto number = [&]() {
        int value = 0;
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            throw "digit expected";
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            value = value * 10 + (text[i++] - '0');
        return value;
    };
    while (i < text.size()) {
        if (text[i] == ' ') { ++i; continue; }
        Line line;
        line.index = static_cast<int8_t>(number());
        if (text[i++] != ':')
            throw "':' expected";
        line.row = static_cast<int8_t>(number());
        while (i < text.size() && text[i] != ' ') {
            const char mark = text[i++];
            const int value = number();
            if (mark == '-') line.dy = static_cast<int8_t>(-value);
            else if (mark == '+') line.dy = static_cast<int8_t>(value);
            else if (mark == '>') line.dx = static_cast<int16_t>(value);
            else throw "unknown mark";
        }
        lines.items[static_cast<std::size_t>(lines.count++)] = line;
    }
    return lines;
}

struct PageRecord {
    int8_t lesson;
    int8_t page;
    Side side;
    int16_t block;           // string id of line 0 of the page
    Lines lines;
    Demo demo;
    std::string_view keys;   // the marked keys, code page 1252
    int8_t exerciseFlag;     // value left in bExercisePage, or kKeepFlag
    Kind kind;
    int8_t exerciseRow;      // the exercise row on exercise pages
    HandShown hand;
    Entry entry;
};

// Every page of the course for each hand.
std::span<const PageRecord> PageTable();
// The record for a lesson, page and hand; nullptr when the page has no script.
const PageRecord* FindPage(int lesson, int page, bool leftHand);

// The practice pages stand beside the course as lesson 24; their text is block 3000.
constexpr int8_t kPracticeLesson = 24;
constexpr int16_t kPracticeBlock = 3000;
// The record of the page the learner is on: the practice page while practising.
const PageRecord* CurrentPage(const CourseState& course);

// What follows from the table, in one place.

// Typing on the page is checked: an exercise or the key trial.
constexpr bool IsTypedPage(const PageRecord& page)
{
    return page.kind == Kind::Exercise || page.kind == Kind::KeyTrial;
}
// Dictation announces the keys to type: on the exercise pages, not the key trial.
constexpr bool IsAnnouncePage(const PageRecord& page)
{
    return page.kind == Kind::Exercise;
}
// The start screen shows its banner on the bare background, without the page panel.
constexpr bool HasPanel(const PageRecord& page)
{
    return page.demo != Demo::HomeAndBanner;
}
// A page change puts the keyboard back as the page shows it; the first lessons leave the
// keyboard as the previous page left it, the guide pages draw over it.
constexpr bool RestoresKeyboard(const PageRecord& page)
{
    return page.lesson >= 3 && page.hand != HandShown::Off;
}
// The page where typing is checked in a lesson; 0 when there is none.
int ExercisePage(int lesson);
// The page a lesson is entered at directly; nullptr for a lesson that is none.
const PageRecord* StartPage(int lesson);
// The string block of the key trial page.
int TrialBlock();

}  // namespace pages
