#include "report/line_report.h"

#include "course/layout.h"
#include "course/lessons.h"
#include "course/page_table.h"
#include "tutor.h"

#include <cstdio>

namespace {

constexpr int kFirstLesson = 4;
constexpr const char* kReportFile = "exreport";

std::string Format(const char* format, int a, int b)
{
    char text[120];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// Measures one set of lines against the column; appends an entry for each that does not fit.
int CountLongLines(Tutor& tutor, int first, int lines, int columnWidth, std::string& report)
{
    int lengthy = 0;
    for (int id = first; id < first + lines; ++id) {
        const std::string& line = tutor.resources.strings.Get(id);
        const int width = tutor.screen.TextWidth(line);
        if (width >= columnWidth) {
            report += Format("%d, overflow amount = %d\n", id, width - columnWidth) + line + "\n";
            ++lengthy;
        }
    }
    return lengthy;
}

}  // namespace

std::string LineReportText(Tutor& tutor)
{
    std::string report = tutor.course.bLeftHand ? "Hand = LEFTHAND.\n\n" : "Hand = RIGHTHAND.\n\n";
    int total = 0;
    for (int lesson = kFirstLesson; lesson <= kLastLesson; ++lesson) {
        const LessonLines& row = kLessonLines[static_cast<std::size_t>(lesson)];
        PlaceColumn(tutor, lesson, pages::ExercisePage(lesson));
        const int width = tutor.layout.rcPageArea.right - tutor.layout.rcPageArea.left;
        const auto measure = [&](int first, const char* summary) {
            const int lengthy = CountLongLines(tutor, first, row.lines, width, report);
            if (lengthy > 0) {
                report += Format(summary, lesson, lengthy);
                total += lengthy;
            }
        };
        if (row.leftBase == row.rightBase) {
            measure(row.leftBase, "Lesson %d processed. Lengthy lines = %d\n\n");
        } else {
            measure(row.leftBase, "Lesson %d processed. LEFT HAND. Lengthy lines = %d\n\n");
            measure(row.rightBase, "Lesson %d processed. RIGHT HAND. Lengthy lines = %d\n\n");
        }
    }
    // The column of the page on screen again, so that typing goes on where it was.
    PlaceColumn(tutor, tutor.course.nLesson, tutor.course.nPage);
    char last[60];
    std::snprintf(last, sizeof last, "Total number of lengthy lines = %d\n", total);
    return report + last;
}

bool WriteLineReport(Tutor& tutor)
{
    const std::string report = LineReportText(tutor);
    FILE* file = std::fopen(kReportFile, "w");
    bool written = file && std::fwrite(report.data(), 1, report.size(), file) == report.size();
    if (file)
        written = std::fclose(file) == 0 && written;
    if (!written) {
        tutor.speaker.Beep();
        tutor.dialogs.ShowMessage({std::string("Unable to open, or write to, the file '") + kReportFile + "'.",
                                   "WRITE FILE ERROR", BoxIcon::Exclamation});
    }
    return written;
}
