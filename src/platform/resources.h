#pragma once

#include <QByteArray>
#include <QImage>

#include <string>
#include <string_view>
#include <unordered_map>

// The string table: code page 1252 texts by id. Source files hold `id<TAB>text` lines in
// UTF-8; blank lines and lines starting with '#' are skipped.
class StringTable {
public:
    static constexpr std::size_t kMaxLength = 255;

    void AddSource(std::string_view utf8);
    void Set(int id, std::string_view cp1252Text);
    // The text of id, or an empty string when it has none.
    const std::string& Get(int id) const;

private:
    std::unordered_map<int, std::string> texts_;
};

// Everything compiled into the program: strings, pictures and recordings. Tests derive from it to take
// a picture away or to use a string table of their own.
class Resources {
public:
    virtual ~Resources() = default;

    // The strings of every file in the resource folder :/strings.
    static Resources BuiltIn();

    // A picture by its file name ("keyboard.png"), looked up without regard to case, drawn
    // for `scale`: its device pixel ratio; a null image when there is none.
    virtual QImage Picture(std::string_view file) const;

    // A WAVE recording by its name ("beep", "SA", "S?", "OH-OH"), looked up without regard
    // to case; empty when there is none. Its file is the name in small letters with ","
    // spelt "comma" and "?" spelt "question", and ".wav".
    virtual QByteArray Recording(std::string_view name) const;

    StringTable strings;
    // Device pixels to the pixel of the screen: 1, or 2 for a screen of twice the resolution.
    int scale = 1;
};
