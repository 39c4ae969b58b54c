#pragma once

#include <QSize>
#include <QString>

#include <array>

// The pictures besides the keyboard and the hand pictures, by file name and size.
namespace picgen {

inline constexpr char kKeyboardFile[] = "keyboard.png";
inline constexpr char kBannerFile[] = "banner.png";
inline constexpr char kAppIconFile[] = "klvapp.png";
inline constexpr char kDocIconFile[] = "klvdoc.png";

inline constexpr QSize kBannerSize(515, 115);
inline constexpr QSize kIconSize(64, 64);

// The icons installed for the desktop, in the sizes of its icon theme, in a subfolder
// (which the program itself does not take in): icons/NAME-SIZE.png.
inline constexpr char kIconFolder[] = "icons";
inline constexpr char kAppIconName[] = "tastora";
inline constexpr char kDocIconName[] = "application-x-tastora-session";
inline constexpr std::array kThemeIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

inline QString ThemeIconFile(const char* name, int size)
{
    return QStringLiteral("%1/%2-%3.png").arg(QLatin1String(kIconFolder), QLatin1String(name)).arg(size);
}

}  // namespace picgen
