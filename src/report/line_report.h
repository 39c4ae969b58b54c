#pragma once

#include <string>

struct Tutor;

// The report of exercise lines as wide as their text column or wider, for lessons 4 to 23
// at the current font size.
std::string LineReportText(Tutor& tutor);
// Writes the report to the file "exreport" in the working folder; says so when it cannot.
bool WriteLineReport(Tutor& tutor);
