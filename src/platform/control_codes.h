#pragma once

// The control characters of the program's text (code page 1252), as the keys deliver them.
inline constexpr unsigned char kBackspace = 8;
inline constexpr unsigned char kEnter = 13;
