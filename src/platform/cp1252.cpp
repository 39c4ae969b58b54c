#include "platform/cp1252.h"

#include <QFile>
#include <QList>

#include <array>

namespace cp1252 {
namespace {

// Bytes 0x80..0x9F; the rest of the page is Latin-1. Zero marks an unused byte.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CharOf(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        char16_t mapped = kHighControls[byte - 0x80];
        return mapped ? mapped : 0xFFFD;
    }
    return byte;
}

}  // namespace

int ByteOf(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch < 0x100))
        return static_cast<int>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string FromQString(const QString& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text.toUcs4()) {
        int byte = ByteOf(ch);
        out.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    return out;
}

std::string FromUtf8(std::string_view utf8)
{
    return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString ToQString(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        char32_t ch = CharOf(static_cast<unsigned char>(byte));
        out.append(QChar(static_cast<char16_t>(ch)));
    }
    return out;
}

QString ToQStringWithFileName(std::string_view text, std::string_view fileName)
{
    return ToQString(text).replace(QStringLiteral("%s"),
                                   QFile::decodeName(QByteArray(fileName.data(), static_cast<qsizetype>(fileName.size()))));
}

}  // namespace cp1252
