#pragma once

#include "platform/geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct Tutor;

// The 28-byte little-endian record of a session file.
struct SessionRecord {
    int16_t hand = 0;          // 0 left, anything else right
    int16_t lesson = 0;
    int16_t fontSize = 1000;
    int16_t rowHeight = 20;
    int16_t soundStudio = 0;
    int16_t errorTone = 0;
    Rect window;               // screen coordinates
    bool operator==(const SessionRecord&) const = default;
};

constexpr std::size_t kSessionRecordSize = 28;

std::array<unsigned char, kSessionRecordSize> EncodeSession(const SessionRecord& record);
SessionRecord DecodeSession(const std::array<unsigned char, kSessionRecordSize>& bytes);
// The record of the session as it stands, with the given window rectangle.
SessionRecord SessionRecordOf(const Tutor& tutor, const Rect& window);
// True when every setting of the record is one the program knows.
bool IsUsableSession(const SessionRecord& record);

// Reads a session file into the course state; fills `window` with its window rectangle.
// On failure beeps, shows "READ FILE ERROR" and changes nothing.
bool ReadSessionFile(Tutor& tutor, const std::string& path, Rect& window, bool owned = true);
// Writes the session with the given window rectangle. The old file is replaced only by a
// complete new one, keeping its mode and any link to it; a file the user may not write is
// refused. On failure beeps, shows "WRITE FILE ERROR", keeps the old file and the session
// stays unsaved.
bool WriteSessionFile(Tutor& tutor, const std::string& path, const Rect& window);
