#include "history/figures.h"

#include "course/rates.h"
#include "platform/cp1252.h"

#include <QDateTime>

#include <algorithm>
#include <set>
#include <string_view>

namespace history {

std::map<unsigned char, KeyFigures> KeyTotals(const std::vector<LineRecord>& lines)
{
    std::map<unsigned char, KeyFigures> totals;
    for (const LineRecord& line : lines)
        for (const KeyCount& key : line.keys) {
            KeyFigures& figures = totals[key.expected];
            figures.strikes += key.strikes;
            figures.errors += key.errors;
            for (const auto& [typed, times] : key.instead)
                figures.instead[typed] += times;
        }
    return totals;
}

QString KeyName(unsigned char key)
{
    if (key == ' ')
        return QStringLiteral("Leertaste");
    const char byte = char(key);
    return cp1252::ToQString(std::string_view(&byte, 1));
}

QString KeyTip(unsigned char key, const KeyFigures& figures)
{
    QString tip = QStringLiteral("%1: %2 Anschläge").arg(KeyName(key)).arg(figures.strikes);
    if (figures.strikes == 0)
        return tip;
    tip += QStringLiteral(", %1 % Fehler").arg(figures.errors * 100 / figures.strikes);
    // The character typed most often instead; of equals, the first in the code page.
    const auto often = std::max_element(figures.instead.begin(), figures.instead.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
    if (figures.errors > 0 && often != figures.instead.end())
        tip += QStringLiteral(", oft stattdessen: ") + KeyName(often->first);
    return tip;
}

LessonFigures Lesson(const std::vector<LineRecord>& lines, int lesson, int exerciseLines)
{
    LessonFigures figures;
    int64_t keystrokes = 0, errors = 0;
    std::set<int> passed;
    for (const LineRecord& line : lines) {
        if (line.lesson != lesson)
            continue;
        ++figures.lines;
        keystrokes += line.keystrokes;
        errors += line.errors;
        figures.bestSpeed = std::max(figures.bestSpeed, KeysPerMinute(line.keystrokes, line.typingMs));
        if (line.keystrokes > 0 && AccuracyPercent(line.keystrokes, line.errors) >= 95)
            passed.insert(line.line);
    }
    figures.accuracy = AccuracyPercent(keystrokes, errors);
    figures.passed = exerciseLines > 0;
    for (int line = 0; line < exerciseLines; ++line)
        figures.passed = figures.passed && passed.contains(line);
    return figures;
}

std::vector<DayFigures> Days(const std::vector<LineRecord>& lines)
{
    struct Sums {
        int64_t keystrokes = 0, errors = 0, typingMs = 0;
    };
    std::map<QDate, Sums> days;
    for (const LineRecord& line : lines) {
        Sums& sums = days[QDateTime::fromMSecsSinceEpoch(line.finishedAt).date()];
        sums.keystrokes += line.keystrokes;
        sums.errors += line.errors;
        sums.typingMs += line.typingMs;
    }
    std::vector<DayFigures> figures;
    for (const auto& [day, sums] : days)
        figures.push_back({day, KeysPerMinute(sums.keystrokes, sums.typingMs), AccuracyPercent(sums.keystrokes, sums.errors)});
    return figures;
}

namespace {

QString Field(const QString& text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

QByteArray Csv(const std::vector<LineRecord>& lines)
{
    QString csv = QStringLiteral("\uFEFFZeitpunkt;Hand;Lektion;Zeile;Anschläge;Fehler;Tippzeit (ms);"
                                 "Anschläge/Min.;Genauigkeit (%);Fehler je Taste\r\n");
    for (const LineRecord& line : lines) {
        QStringList keyErrors;
        for (const KeyCount& key : line.keys)
            if (key.errors > 0)
                keyErrors << QStringLiteral("%1:%2").arg(KeyName(key.expected)).arg(key.errors);
        const QStringList fields{
            QDateTime::fromMSecsSinceEpoch(line.finishedAt).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            line.leftHand ? QStringLiteral("links") : QStringLiteral("rechts"),
            QString::number(line.lesson),
            QString::number(line.line + 1),
            QString::number(line.keystrokes),
            QString::number(line.errors),
            QString::number(line.typingMs),
            QString::number(KeysPerMinute(line.keystrokes, line.typingMs)),
            QString::number(AccuracyPercent(line.keystrokes, line.errors)),
            Field(keyErrors.join(QLatin1Char(' ')))};
        csv += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

}  // namespace history
