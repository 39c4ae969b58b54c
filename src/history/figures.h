#pragma once

#include "history/history.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <map>
#include <vector>

// The figures the Fortschritt window shows, from a hand's lines.
namespace history {

struct KeyFigures {
    int strikes = 0;
    int errors = 0;
    std::map<unsigned char, int> instead;
};
std::map<unsigned char, KeyFigures> KeyTotals(const std::vector<LineRecord>& lines);
// "j: 312 Anschläge, 4 % Fehler, oft stattdessen: h"
QString KeyTip(unsigned char key, const KeyFigures& figures);
// A character of code page 1252 as the learner reads it ("Leertaste" for the space).
QString KeyName(unsigned char key);

struct LessonFigures {
    int lines = 0;
    int bestSpeed = 0;
    int accuracy = 0;
    bool passed = false;   // every exercise line typed at 95 % or better
};
LessonFigures Lesson(const std::vector<LineRecord>& lines, int lesson, int exerciseLines);

struct DayFigures {
    QDate day;   // local
    int speed = 0;
    int accuracy = 0;
};
std::vector<DayFigures> Days(const std::vector<LineRecord>& lines);

// The lines as CSV for a spreadsheet: UTF-8 with a byte order mark, ';' between fields, a
// header row and one row per line.
QByteArray Csv(const std::vector<LineRecord>& lines);

}  // namespace history
