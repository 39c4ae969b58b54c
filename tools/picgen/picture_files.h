#pragma once

#include <QSize>

// The pictures besides the keyboard and the hand pictures, by file name and size.
namespace picgen {

inline constexpr char kKeyboardFile[] = "keyboard.png";
inline constexpr char kBannerFile[] = "banner.png";
inline constexpr char kAppIconFile[] = "klvapp.png";
inline constexpr char kDocIconFile[] = "klvdoc.png";

inline constexpr QSize kBannerSize(515, 115);
inline constexpr QSize kIconSize(64, 64);

}  // namespace picgen
