#pragma once

#include <QColor>
#include <QImage>
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

// The icons installed for the desktop, in the sizes of its icon theme (TASTORA_ICON_SIZES,
// given by the build), in a subfolder (which the program itself does not take in):
// icons/NAME-SIZE.png.
inline constexpr char kIconFolder[] = "icons";
inline constexpr char kAppIconName[] = "tastora";
inline constexpr char kDocIconName[] = "application-x-tastora-session";
inline constexpr std::array kThemeIconSizes{TASTORA_ICON_SIZES};

// Every picture the program shows is drawn at these scales, for screens of that many device
// pixels to the pixel; the file of scale 2 is NAME@2x.png.
inline constexpr std::array kScales{1, 2};

inline QString ScaledFile(const QString& file, int scale)
{
    return scale == 1 ? file : file.chopped(4) + QStringLiteral("@%1x.png").arg(scale);
}

// A picture of `size` pixels in one colour, to be drawn on at `scale` device pixels to the pixel.
inline QImage BlankImage(QSize size, const QColor& colour, int scale = 1)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

inline QString ThemeIconFile(const char* name, int size)
{
    return QStringLiteral("%1/%2-%3.png").arg(QLatin1String(kIconFolder), QLatin1String(name)).arg(size);
}

}  // namespace picgen
