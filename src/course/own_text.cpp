#include "course/own_text.h"

#include "display/key_table.h"
#include "display/keymap.h"
#include "platform/cp1252.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace {

// Signs of printed text that the keyboard has in a plain form the course teaches.
QString Plain(QString text)
{
    static const std::pair<QString, QString> kPlain[] = {
        {QStringLiteral("\u2013"), QStringLiteral("-")}, {QStringLiteral("\u2014"), QStringLiteral("-")},
        {QStringLiteral("\u2026"), QStringLiteral("...")}, {QStringLiteral("\u00A0"), QStringLiteral(" ")},
    };
    for (const auto& [printed, plain] : kPlain)
        text.replace(printed, plain);
    return text;
}

QString Decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// More than one control character in a hundred, or any NUL: not a text.
bool IsBinary(const QByteArray& bytes)
{
    const auto control = std::count_if(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 32 && byte != '\n' && byte != '\r' && byte != '\t' && byte != '\f';
    });
    return bytes.contains('\0') || control * 100 > bytes.size();
}

}  // namespace

OwnText ReadOwnText(const QByteArray& bytes, const std::function<int(std::string_view)>& width, int columnWidth)
{
    OwnText text;
    if (bytes.size() > kLargestOwnText) {
        text.refusal = OwnText::Refusal::TooLarge;
        return text;
    }
    if (IsBinary(bytes)) {
        text.refusal = OwnText::Refusal::Binary;
        return text;
    }
    // The words, of characters a German keyboard types, in code page 1252.
    std::vector<std::string> words(1);
    for (const char32_t ch : Plain(Decode(bytes)).toUcs4()) {
        const int byte = cp1252::ByteOf(ch);
        if (QChar::isSpace(ch)) {
            if (!words.back().empty())
                words.emplace_back();
        } else if (byte > 0 && KeyIndexOf(static_cast<unsigned char>(byte)) != keys::kNoKey) {
            words.back() += static_cast<char>(byte);
        } else if (const QString sign = QString::fromUcs4(&ch, 1); !text.leftOut.contains(sign)) {
            text.leftOut += sign;
        }
    }
    for (const std::string& word : words) {
        if (word.empty())
            continue;
        if (!text.lines.empty() && width(text.lines.back() + ' ' + word) <= columnWidth)
            text.lines.back() += ' ' + word;
        else
            text.lines.push_back(word);
        // A word wider than the column is broken where it must.
        while (width(text.lines.back()) > columnWidth && text.lines.back().size() > 1) {
            std::string& line = text.lines.back();
            std::size_t fits = line.size() - 1;
            while (fits > 1 && width(std::string_view(line).substr(0, fits)) > columnWidth)
                --fits;
            std::string rest = line.substr(fits);
            line.resize(fits);
            text.lines.push_back(std::move(rest));
        }
    }
    if (text.lines.empty())
        text.refusal = OwnText::Refusal::Empty;
    return text;
}
