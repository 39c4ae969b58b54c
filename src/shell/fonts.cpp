#include "shell/fonts.h"

#include "course/font_sizes.h"
#include "tutor.h"

#include <algorithm>
#include <cstdint>

Rect FitWindowRect(const Rect& window, const Rect& screen, bool onSomeScreen, Size minimum)
{
    // In 64 bits: a session file may hold any corners.
    const int64_t wantedWidth = int64_t{window.right} - window.left;
    const int64_t wantedHeight = int64_t{window.bottom} - window.top;
    const auto extent = [](int64_t wanted, int screenExtent, int smallest) {
        return std::max<int64_t>(std::min<int64_t>(wanted, screenExtent), smallest);
    };
    const int64_t width = extent(wantedWidth, screen.width(), minimum.width);
    const int64_t height = extent(wantedHeight, screen.height(), minimum.height);
    if (onSomeScreen && width == wantedWidth && height == wantedHeight)
        return window;
    const auto fit = [](int64_t start, int64_t size, int low, int high) {
        return static_cast<int>(std::max<int64_t>(low, std::min(start, high - size)));
    };
    const int left = fit(window.left, width, screen.left, screen.right);
    const int top = fit(window.top, height, screen.top, screen.bottom);
    return {left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

Rect KeptWindowRect(const Rect& window, const Rect& placed, bool placesWindows)
{
    if (placesWindows)
        return window;
    return {placed.left, placed.top, placed.left + window.width(), placed.top + window.height()};
}
