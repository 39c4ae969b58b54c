#include "course/keyboard_layout.h"

#include <array>
#include <utility>

namespace {

// A German character (code page 1252) and what its key types under the American layout.
constexpr std::array<std::pair<unsigned char, unsigned char>, 26> kAmerican{{
    {'z', 'y'}, {'y', 'z'}, {'Z', 'Y'}, {'Y', 'Z'},
    {0xF6, ';'}, {0xD6, ':'}, {0xE4, '\''}, {0xC4, '"'}, {0xFC, '['}, {0xDC, '{'},   // ö Ö ä Ä ü Ü
    {0xDF, '-'}, {'?', '_'}, {'-', '/'}, {'_', '?'}, {'+', ']'}, {'*', '}'}, {'#', '\\'}, {'\'', '|'},
    {'"', '@'}, {0xA7, '#'}, {'&', '^'}, {'/', '&'}, {'(', '*'}, {')', '('}, {'=', ')'}, {':', '>'},   // § at 0xA7
}};

}  // namespace

bool TypedOnOtherLayout(unsigned char expected, unsigned char typed)
{
    for (const auto& [german, american] : kAmerican)
        if (german == expected)
            return american == typed;
    return false;
}
