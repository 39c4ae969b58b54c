#pragma once

#include <string_view>

struct Tutor;

// Takes the session file named on the command line (empty: none) and chooses the window
// rectangle: the file's, or the default one, shrunk on a screen narrower than 650 pixels.
void StartUp(Tutor& tutor, std::string_view path, int screenWidth);
