#include "columns.h"

#include "display/key_table.h"

#include <array>
#include <string_view>

namespace picgen {

namespace {

// Keys of the columns F, G and H; every other key belongs to column J.
constexpr std::array<std::string_view, 3> kColumnKeys{"1qay2wsx3edc4rfv", "5tgb", "6zhn"};

}  // namespace

Column ColumnOf(int keyIndex)
{
    const std::string_view suffix = keys::kTable[keyIndex].suffix;
    if (suffix.size() == 1) {
        for (int column = kColumnF; column < kColumnJ; ++column)
            if (kColumnKeys[column].find(suffix) != std::string_view::npos)
                return static_cast<Column>(column);
    }
    return kColumnJ;
}

}  // namespace picgen
