#pragma once

#include <array>
#include <cstdint>

// The dictation queue: what "Tasten ansagen" speaks next.
struct SoundState {
    std::array<unsigned char, 9> abSayWord{};   // a count, then up to 8 characters
    bool bSayWordPending = false;               // refilled: to be spoken at the next key release
};
