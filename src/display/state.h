#pragma once

#include "display/key_table.h"
#include "platform/geometry.h"

#include <QImage>

#include <array>

// The pictures of the keyboard display and the rectangles of the client area.
struct DisplayState {
    QImage hbmKeyboard;
    std::array<QImage, keys::kCount> hbmHand;   // of the chosen hand; entry 45 stays null
    QImage hbmComposite;                        // the keyboard with at most one hand in it
    std::array<Point, keys::kCount> ptHandOffset{};
    std::array<Rect, keys::kWithRect> rcKey{};  // client coordinates
    Rect rcHome;                                // keyboard coordinates
    Rect rcHand;
    Rect rcHandUnion;
    Rect rcKeyboard;                            // client coordinates
    Rect rcTypingArea;
    std::array<Rect, 6> rcShaded{};
};
