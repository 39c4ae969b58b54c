#pragma once

#include "course/font_sizes.h"
#include "platform/geometry.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Sound-studio choices.
enum SoundStudio : int32_t {
    kSoundOff = 0,
    kSoundSpeakKeys = 1000,
    kSoundTypewriter = 1001,
    kSoundDictation = 1002
};

// Error-tone choices: off, or one of seven recordings.
enum ErrorTone : int32_t { kErrorToneOff = 0, kFirstErrorTone = 1000, kLastErrorTone = 1006 };

constexpr bool IsErrorTone(int tone)
{
    return tone == kErrorToneOff || (tone >= kFirstErrorTone && tone <= kLastErrorTone);
}

constexpr int kLastLesson = 23;

// Practice beside the course, on a page of its own: words of the keys taught so far, or
// the learner's own text.
enum class Practice : uint8_t { None, Words, Text };

// The main window's timers.
enum TimerId : int { kDemoTimer = 1, kDictationTimer = 2 };

// Where the learner is, what is being typed and how it is counted.
struct CourseState {
    int16_t nLesson = 0;         // 0 the start screen, 1 to 23 the lessons
    int16_t nPage = 1;           // page of the lesson, from 1
    bool bLeftHand = true;       // the left hand is trained, else the right
    int16_t nExBase = 0;         // string id of line 0 of the lesson's exercise, for the hand
    int16_t nExLines = 0;        // lines of that exercise
    int16_t nExLine = 0;         // the exercise line typed; in the key trial, its step
    int16_t nCharPos = 0;        // the character to type next; nLineLen when the line is done
    int32_t nLineLen = 0;        // length of szLine
    std::string szLine;          // the exercise line, code page 1252
    int16_t nLine = 2;           // the page's text row being written; the exercise line's row
    int32_t nKeystrokes = 0;     // characters typed on exercise pages, Backspace and Enter aside
    int32_t nCorrect = 0;        // of these, the right ones
    bool bExercisePage = false;  // the page is the exercise part of a lesson (its keys count)
    int16_t nWorkedLesson = 0;   // the lesson whose exercise was typed last
    bool bHomeShaded = false;    // keys are shown marked; the next key or page takes them away
    bool bCapsWarned = false;    // the key trial's Caps Lock notice has been shown
    int16_t dxTrialText = 0;     // indent of the key trial's prompts
    int32_t nFontSize = kFontStandard;
    int32_t nSoundStudio = kSoundOff;
    int32_t nErrorTone = kErrorToneOff;
    Practice practicing = Practice::None;   // the practice page is shown instead of nLesson/nPage
};

// The lines of the practice page.
struct PracticeState {
    std::vector<std::string> text;   // the learner's own text, broken into lines (code page 1252)
    uint32_t seed = 1;               // the words of line n are drawn with seed + n
    // Each character's strikes and errors in the learner's history when practice began,
    // those of this run's lines so far aside (they come from the run's own totals).
    std::map<unsigned char, std::pair<int, int>> history;
    // The words typeable with the taught characters (first), kept while those stay the same.
    std::optional<std::pair<std::string, std::vector<std::string>>> words;
};

// The start-screen demonstration.
// "Tasten ansagen": the program speaks what to type and refuses wrong keys.
constexpr bool Dictating(const CourseState& course)
{
    return course.nSoundStudio == kSoundDictation;
}

struct DemoState {
    int32_t nDemoTick = -1;   // ticks so far; -1: not started
    int32_t nDemoChar = 0;    // the character of the sentence being typed
    bool bDemoDone = false;   // it has run (or was left) and never runs again
};

// A line of text drawn on the page, and where.
struct PageLine {
    int y = 0;
    int x = 0;
    std::string text;       // code page 1252
    bool exercise = false;  // the exercise line, whose caret is nCharPos
};

// The page's text as it is drawn, for a screen reader: kept only while `collecting`.
struct PageText {
    bool collecting = false;
    std::vector<PageLine> lines;   // top to bottom, left to right
    int revision = 0;              // counts the changes of `lines`
};

// The text column and rows of the page area.
struct TextLayout {
    Rect rcPageArea;
    int32_t xText = 0;
    int32_t yText = 0;
    int16_t cyLine = 20;
    PageText text;
};

// Speed, errors and errors per key of the learner's typing, beside the course's own count.

// Keystrokes, errors and typing time of a stretch of typing.
struct Tally {
    int keystrokes = 0;    // counted keys (Backspace and Enter aside)
    int errors = 0;
    int64_t typingMs = 0;  // from the first key to the last, each pause cut to kLongestPauseMs
    Tally& operator+=(const Tally& other);
};

// One character the course asked for.
struct KeyTally {
    int strikes = 0;                        // keys typed where it was asked for
    int errors = 0;                         // of these, wrong ones
    std::map<unsigned char, int> instead;   // the wrong characters typed, with how often
    int64_t correctMs = 0;                  // time from the previous key, summed over right strikes
    int timedStrikes = 0;                   // right strikes that had a previous key in the line
};

// The typing statistics of a run of the program.
struct TypingStats {
    // The line being typed, and where it is.
    Tally line;
    std::map<unsigned char, KeyTally> keys;
    int64_t lastKeyMs = -1;   // -1: no key of the line yet
    bool leftHand = true;
    int lesson = -1;          // -1: none yet
    int exLine = -1;
    int caret = -1;           // where the keys counted left the caret
    // The finished lines of that lesson and hand, and the last finished line.
    Tally lessonSoFar;
    std::optional<Tally> lastLine;
    std::map<unsigned char, KeyTally> keyTotals;   // each character's strikes over the hand's finished lines
    int otherLayoutKeys = 0;   // wrong keys that another keyboard layout than the German explains
};
