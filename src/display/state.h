#pragma once

#include "display/key_table.h"
#include "platform/geometry.h"

#include <QImage>

#include <array>

// The pictures of the keyboard display and the rectangles of the client area.
struct DisplayState {
    QImage hbmKeyboard;                         // the bare keyboard picture
    std::array<QImage, keys::kCount> hbmHand;   // of the chosen hand; entry 45 stays null
    QImage hbmComposite;                        // the keyboard with at most one hand in it
    std::array<Point, keys::kCount> ptHandOffset{};   // where each hand picture sits on the keyboard
    std::array<Rect, keys::kWithRect> rcKey{};  // each key, client coordinates
    Rect rcHome;                                // the hand at home, keyboard coordinates
    Rect rcHand;                                // the hand last drawn, keyboard coordinates
    Rect rcHandUnion;                           // it and the home hand: what the next stroke restores
    Rect rcKeyboard;                            // client coordinates
    Rect rcTypingArea;                          // client coordinates
    std::array<Rect, 6> rcShaded{};             // the keys shown marked, client coordinates
};
