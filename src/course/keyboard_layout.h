#pragma once

// The course needs the German keyboard layout. A learner whose desktop is set to another one
// (most often the American) types other characters on some keys: y for z, ; for ö, and so on.

// True when `typed` is what the key of `expected` on a German keyboard gives under the
// American layout, where the two layouts differ.
bool TypedOnOtherLayout(unsigned char expected, unsigned char typed);

// The wrong keys of that kind after which the learner is told about the layout.
constexpr int kOtherLayoutKeys = 2;
