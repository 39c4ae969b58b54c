#pragma once

#include <cstdint>

// The pictures as the program carries them: a table of contents sorted by name, then each
// picture's RGB32 rows, every picture starting on a 16-byte boundary. Taking a picture reads
// only the table; its pixels are read when they are drawn. Numbers are in the machine's order.
namespace picture_pack {

inline constexpr std::uint32_t kMagic = 0x4B415054;   // "TPAK"
inline constexpr std::uint32_t kAlignment = 16;

struct Header {
    std::uint32_t magic;
    std::uint32_t count;   // entries that follow
};

struct Entry {
    char name[24];   // the file name in small letters without ".png", ends in at least one 0
    std::uint32_t offset;   // of the first row, from the start of the pack
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t unused;
};

static_assert(sizeof(Header) == 8 && sizeof(Entry) == 40);

}  // namespace picture_pack
