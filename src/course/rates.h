#pragma once

#include <cstdint>

// Keystrokes per minute over the typing time, cut to a whole number; 0 without time.
constexpr int KeysPerMinute(int64_t keystrokes, int64_t typingMs)
{
    return typingMs > 0 ? static_cast<int>(keystrokes * 60000 / typingMs) : 0;
}

// The right keystrokes in whole percent, cut; 0 without keystrokes.
constexpr int AccuracyPercent(int64_t keystrokes, int64_t errors)
{
    return keystrokes > 0 ? static_cast<int>((keystrokes - errors) * 100 / keystrokes) : 0;
}
