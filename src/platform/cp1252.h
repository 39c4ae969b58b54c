#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's text is 8-bit code page 1252; these are the only conversions to and from Qt.
namespace cp1252 {

// A character that code page 1252 cannot hold becomes '?'.
std::string FromQString(const QString& text);
std::string FromUtf8(std::string_view utf8);
QString ToQString(std::string_view bytes);
// The text with its "%s" replaced by a file name as the system spells it: the name is the
// file system's bytes, not code page 1252.
QString ToQStringWithFileName(std::string_view text, std::string_view fileName);

// The code page 1252 byte of one Unicode character, or -1 when it has none.
int ByteOf(char32_t ch);

}  // namespace cp1252
