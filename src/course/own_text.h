#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A text of the learner's own, made ready to practise: read as UTF-8 (or Latin-1 where it is
// not UTF-8), its dashes and ellipses taken as the keyboard's, the characters the course cannot
// teach on a German keyboard left out, and the rest broken into lines that fit the column.
struct OwnText {
    enum class Refusal { None, Empty, Binary, TooLarge };
    Refusal refusal = Refusal::None;
    std::vector<std::string> lines;   // code page 1252
    QString leftOut;                  // each character left out, once, in the order met
};

constexpr qsizetype kLargestOwnText = 1 << 20;

// `width` measures a line (code page 1252) in pixels; no line is wider than `columnWidth`.
OwnText ReadOwnText(const QByteArray& bytes, const std::function<int(std::string_view)>& width, int columnWidth);
