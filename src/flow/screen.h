#pragma once

struct Tutor;

// Draws the whole client area: the layout for its size, the keyboard, the page.
void UpdateMainWindow(Tutor& tutor);
// Reloads the pictures after bLeftHand changed and redraws; false when a picture is missing.
bool ChangeHand(Tutor& tutor);
