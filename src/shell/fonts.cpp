#include "shell/fonts.h"

#include "course/font_sizes.h"
#include "tutor.h"

#include <algorithm>

bool IsWindowTooNarrow(const Tutor& tutor, int fontSize)
{
    return tutor.ClientWidth() <= PanelThreshold(fontSize);
}

Rect FitWindowRect(Rect window, const Rect& screen, bool onSomeScreen, Size minimum)
{
    const int width = std::max(window.width(), minimum.width);
    const int height = std::max(window.height(), minimum.height);
    if (onSomeScreen && width == window.width() && height == window.height())
        return window;
    const auto fit = [](int start, int extent, int low, int high) { return std::max(low, std::min(start, high - extent)); };
    const int left = fit(window.left, width, screen.left, screen.right);
    const int top = fit(window.top, height, screen.top, screen.bottom);
    return {left, top, left + width, top + height};
}
