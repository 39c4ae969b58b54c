#pragma once

#include "course/font_sizes.h"
#include "platform/geometry.h"

#include <cstdint>
#include <string>

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

// The main window's timers.
enum TimerId : int { kDemoTimer = 1, kDictationTimer = 2 };

// Where the learner is, what is being typed and how it is counted.
struct CourseState {
    int16_t nLesson = 0;
    int16_t nPage = 1;
    int32_t bLeftHand = 1;
    int16_t nExBase = 0;
    int16_t nExLines = 0;
    int16_t nExLine = 0;
    int16_t nCharPos = 0;
    int32_t nLineLen = 0;
    std::string szLine;
    int16_t nLine = 2;
    int32_t nKeystrokes = 0;
    int32_t nCorrect = 0;
    int32_t bExercisePage = 0;
    int16_t nWorkedLesson = 0;
    int32_t bHomeShaded = 0;
    int32_t bCapsWarned = 0;
    int16_t dxTrialText = 0;
    int32_t nFontSize = kFontStandard;
    int32_t nSoundStudio = kSoundOff;
    int32_t nErrorTone = 0;
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
    int32_t bDemoDone = 0;    // it has run (or was left) and never runs again
};

// The text column and rows of the page area.
struct TextLayout {
    Rect rcPageArea;
    int32_t xText = 0;
    int32_t yText = 0;
    int16_t cyLine = 20;
};
