#include "course/own_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A text of the learner's own: decoded, its printed signs made plain, what the keyboard cannot
// type left out and named, broken at the column (here ten characters wide); or refused.
TEST(OwnText, IsReadLeftOutBrokenOrRefused)
{
    struct Case {
        QByteArray bytes;
        std::vector<std::string> lines;
        QString leftOut;
        OwnText::Refusal refusal = OwnText::Refusal::None;
    };
    const auto ten = [](std::string_view line) { return static_cast<int>(line.size()) * 10; };
    for (const Case& c : std::initializer_list<Case>{
             {"Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln", {"Gr\xFC\xDF" "e aus", "K\xF6ln"}, {}},   // UTF-8
             {"Gr\xFC\xDF" "e", {"Gr\xFC\xDF" "e"}, {}},                                       // Latin-1
             {"\xE2\x80\x9EJa\xE2\x80\x9C \xE2\x80\x93 so\xE2\x80\xA6", {"Ja - so..."}, QStringLiteral("„“")},
             {"Ein\tWort\n\nzwei", {"Ein Wort", "zwei"}, {}},
             {"ab \xE6\x97\xA5 \xC2\xBD c\xE6\x97\xA5", {"ab c"}, QStringLiteral("日½")},
             {"abcdefghijklmnopqrstuvwxy", {"abcdefghij", "klmnopqrst", "uvwxy"}, {}},
             {" \n\t\r\n", {}, {}, OwnText::Refusal::Empty},
             {"\xE6\x97\xA5\xE6\x9C\xAC", {}, QStringLiteral("日本"), OwnText::Refusal::Empty},
             {QByteArray("ab\0cd", 5), {}, {}, OwnText::Refusal::Binary},
             {QByteArray(kLargestOwnText + 1, 'a'), {}, {}, OwnText::Refusal::TooLarge}}) {
        const OwnText text = ReadOwnText(c.bytes, ten, 100);
        EXPECT_EQ(std::tuple(text.lines, text.leftOut.toStdString(), text.refusal),
                  std::tuple(c.lines, c.leftOut.toStdString(), c.refusal))
            << c.bytes.left(40).toStdString();
    }
}

}  // namespace
