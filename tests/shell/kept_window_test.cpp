#include "shell/fonts.h"

#include <gtest/gtest.h>

namespace {

// Where windows cannot be placed their place reads 0, 0: a saved session keeps the corner the
// window was placed at, with the size the window has.
TEST(KeptWindowRect, TheCornerComesFromThePlacementWhereWindowsCannotBePlaced)
{
    const Rect window{0, 0, 800, 620}, placed{120, 80, 820, 580};
    EXPECT_EQ(KeptWindowRect(window, placed, true), window);
    EXPECT_EQ(KeptWindowRect(window, placed, false), (Rect{120, 80, 920, 700}));
}

}  // namespace
