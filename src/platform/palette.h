#pragma once

#include <QRgb>

#include <array>

// The program's colours: the eleven palette entries, and the greys and black and white of
// the frames and marks.
namespace palette {

inline constexpr std::array<QRgb, 11> kEntries{
    qRgb(204, 255, 255), qRgb(170, 233, 170), qRgb(255, 255, 170), qRgb(204, 204, 255),
    qRgb(166, 202, 240), qRgb(255, 255, 128), qRgb(203, 178, 155), qRgb(170, 0, 0),
    qRgb(255, 223, 170), qRgb(127, 227, 127), qRgb(191, 191, 191)};

inline constexpr QRgb kText = kEntries[5];        // pale yellow of the page panel
inline constexpr QRgb kBackground = kEntries[6];  // beige of the window
inline constexpr QRgb kLightGrey = kEntries[10];
inline constexpr QRgb kMidGrey = qRgb(127, 127, 127);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);

}  // namespace palette
