#include "course/layout.h"

#include "course/page_table.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "tutor.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// One string per page, one letter per lesson 0..23: Narrow, Medium, Wide.
//                                                         lesson 0         1         2
//                                                                012345678901234567890123
constexpr std::array<std::string_view, 4> kStandardColumns{"MNWNNMMNMMNWMMMMMNMWMMWM",
                                                           "MNNMNNNNNMNMMNMMMWMMWWWM",
                                                           "MNMNMMMMMMMMMMMMMMMMMNMN",
                                                           "MMMNMMMMMMMNMMMMMMMMMMMM"};
constexpr std::array<std::string_view, 4> kLargeColumns{"WMWMMWWNWWWMWWWWWNWWMWWW",
                                                        "WMNWMMWMMWMWWMMWMWWWWWWW",
                                                        "WMWNWWWWWWWNMWWWWWWWWWWW",
                                                        "MWMMMMMMMMMMWMMMMMMMMMMM"};

}  // namespace

ColumnClass PageColumn(int fontSize, int lesson, int page)
{
    if (lesson == pages::kPracticeLesson)
        return kWide;
    if (lesson < 0 || lesson > kLastLesson || page < 1 || page > 4)
        return kNarrow;
    const auto& table = fontSize == kFontStandard ? kStandardColumns : kLargeColumns;
    switch (table[static_cast<std::size_t>(page - 1)][static_cast<std::size_t>(lesson)]) {
    case 'W': return kWide;
    case 'M': return kMedium;
    default: return kNarrow;
    }
}

int ColumnWidth(int fontSize, ColumnClass columnClass)
{
    return FontSizeRowOf(fontSize).columnWidth[columnClass];
}

bool IsWindowTooNarrow(const Tutor& tutor, int fontSize)
{
    return tutor.ClientWidth() <= PanelThreshold(fontSize);
}

void UseFontSize(Tutor& tutor)
{
    const FontSizeRow& row = FontSizeRowOf(tutor.course.nFontSize);
    const QFont font = TextFontForHeight(row.height);
    tutor.screen.SetFont(font);
    tutor.layout.cyLine = row.height;
    tutor.view.UseTextFont(font);
}

void PlaceColumn(Tutor& tutor, int lesson, int page)
{
    const int width = ColumnWidth(tutor.course.nFontSize, PageColumn(tutor.course.nFontSize, lesson, page));
    tutor.layout.xText = (tutor.ClientWidth() - width) / 2;
    tutor.layout.rcPageArea.left = tutor.layout.xText;
    tutor.layout.rcPageArea.right = tutor.layout.xText + width;
}

Rect FrameRect(const Tutor& tutor)
{
    return {20, tutor.layout.rcPageArea.top - 4, tutor.ClientWidth() - 20, tutor.layout.rcPageArea.bottom + 4};
}

Rect RowRect(const Canvas& canvas, Rect rect, int y)
{
    rect.top = y;
    rect.bottom = y + canvas.TextHeight();
    return rect;
}

void ClearRect(Canvas& canvas, const Rect& rect)
{
    canvas.Fill(rect, palette::kText);
}

void TextOutLine(Canvas& canvas, std::string_view text, int x, int y)
{
    canvas.Text(x, y, text);
}

void DrawStringLine(Tutor& tutor, int base, int offset, int x, int y)
{
    const std::string& text = tutor.resources.strings.Get(base + offset);
    TextOutLine(tutor.screen, text, x, y);
    NotePageLine(tutor, x, y, text);
}

void NotePageLine(Tutor& tutor, int x, int y, std::string_view text, bool exercise)
{
    PageText& page = tutor.layout.text;
    if (!page.collecting)
        return;
    const auto after = std::find_if(page.lines.begin(), page.lines.end(), [&](const PageLine& line) {
        return line.y > y || (line.y == y && line.x > x);
    });
    page.lines.insert(after, PageLine{y, x, std::string(text), exercise});
    ++page.revision;
}

void ForgetPageRows(Tutor& tutor, int top, int bottom)
{
    PageText& page = tutor.layout.text;
    if (std::erase_if(page.lines, [&](const PageLine& line) { return line.y >= top && line.y < bottom; }) > 0)
        ++page.revision;
}

void ForgetPageText(Tutor& tutor)
{
    PageText& page = tutor.layout.text;
    if (!page.lines.empty()) {
        page.lines.clear();
        ++page.revision;
    }
}

int RowTop(const Tutor& tutor, int row)
{
    return tutor.layout.yText + row * tutor.layout.cyLine;
}
