#pragma once

#include <array>
#include <cstdint>

// Where each lesson's exercise lines lie in the string table.
struct LessonLines {
    int16_t lines;         // number of exercise lines (0: the lesson has none)
    int16_t leftBase;      // id of line 0 for the left hand
    int16_t rightBase;     // id of line 0 for the right hand (the same block when shared)
};

// clang-format off
inline constexpr std::array<LessonLines, 24> kLessonLines{{
    /*  0 */ { 0,   0,   0},
    /*  1 */ { 0,   0,   0},
    /*  2 */ {10,   0, 400},
    /*  3 */ {12,  16, 416},
    /*  4 */ {14,  32, 432},
    /*  5 */ {13,  48, 448},
    /*  6 */ {16,  64, 464},
    /*  7 */ {14,  80,  80},
    /*  8 */ {14,  96,  96},
    /*  9 */ {13, 112, 112},
    /* 10 */ {13, 128, 128},
    /* 11 */ {14, 144, 144},
    /* 12 */ {14, 160, 160},
    /* 13 */ {14, 176, 480},
    /* 14 */ {14, 192, 496},
    /* 15 */ {14, 208, 208},
    /* 16 */ {14, 224, 224},
    /* 17 */ {14, 240, 240},
    /* 18 */ {15, 256, 256},
    /* 19 */ {14, 272, 272},
    /* 20 */ {14, 288, 288},
    /* 21 */ {14, 304, 304},
    /* 22 */ {13, 320, 320},
    /* 23 */ {20, 336, 512},
}};
// clang-format on

struct ExerciseSet {
    int16_t base;
    int16_t lines;
};

constexpr ExerciseSet ExerciseSetFor(int lesson, bool leftHand)
{
    const LessonLines& row = kLessonLines[static_cast<std::size_t>(lesson)];
    return {leftHand ? row.leftBase : row.rightBase, row.lines};
}
