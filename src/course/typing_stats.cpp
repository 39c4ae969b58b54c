#include "course/typing_stats.h"

#include "platform/control_codes.h"

#include <algorithm>

Tally& Tally::operator+=(const Tally& other)
{
    keystrokes += other.keystrokes;
    errors += other.errors;
    typingMs += other.typingMs;
    return *this;
}

std::optional<FinishedLine> CountTypedKey(TypingStats& stats, const CourseState& course, const KeyOutcome& outcome,
                                          int64_t atMs)
{
    if (stats.leftHand != course.bLeftHand)
        stats.keyTotals.clear();   // they are the hand's
    if (stats.lesson != course.nLesson || stats.leftHand != course.bLeftHand) {
        stats.lessonSoFar = {};
        stats.lesson = course.nLesson;
        stats.leftHand = course.bLeftHand;
        stats.exLine = -1;
    }
    // A caret moved by anything but the keys (the learner left the page, or chose another
    // lesson or hand) starts the line afresh.
    if (stats.exLine != course.nExLine || stats.caret != course.nCharPos) {
        stats.line = {};
        stats.keys.clear();
        stats.lastKeyMs = -1;
        stats.exLine = course.nExLine;
    }
    const int64_t pause = stats.lastKeyMs < 0 ? -1 : std::clamp<int64_t>(atMs - stats.lastKeyMs, 0, kLongestPauseMs);
    stats.lastKeyMs = atMs;
    stats.caret = course.nCharPos + (outcome.step == KeyOutcome::Step::On) - (outcome.step == KeyOutcome::Step::Back);
    stats.line.typingMs += std::max<int64_t>(pause, 0);
    if (outcome.counted) {
        ++stats.line.keystrokes;
        KeyTally& key = stats.keys[outcome.expected ? outcome.expected : kEnter];
        ++key.strikes;
        if (!outcome.correct) {
            ++stats.line.errors;
            ++key.errors;
            ++key.instead[outcome.typed];
        } else if (pause >= 0) {
            key.correctMs += pause;
            ++key.timedStrikes;
        }
    }
    if (outcome.step != KeyOutcome::Step::NextLine && outcome.step != KeyOutcome::Step::LessonDone)
        return std::nullopt;
    for (const auto& [ch, key] : stats.keys) {
        KeyTally& total = stats.keyTotals[ch];
        total.strikes += key.strikes;
        total.errors += key.errors;
    }
    FinishedLine finished{course.bLeftHand, course.nLesson, course.nExLine, stats.line, std::move(stats.keys)};
    stats.lessonSoFar += stats.line;
    stats.lastLine = stats.line;
    stats.exLine = -1;
    return finished;
}

namespace {

QString Figures(const Tally& tally)
{
    return QStringLiteral("%1 Anschläge/Min., %2 Fehler, %3 %")
        .arg(PerMinute(tally))
        .arg(tally.errors)
        .arg(AccuracyPercent(tally));
}

}  // namespace

QString StatusText(const TypingStats& stats, const CourseState& course, bool exercisePage)
{
    if (!exercisePage)
        return stats.lastLine ? QStringLiteral("Letzte Zeile: ") + Figures(*stats.lastLine) : QString();
    const bool thisLesson = stats.lesson == course.nLesson && stats.leftHand == course.bLeftHand;
    const bool typing = thisLesson && stats.exLine == course.nExLine && stats.caret == course.nCharPos;
    Tally lesson = thisLesson ? stats.lessonSoFar : Tally{};
    if (typing)
        lesson += stats.line;
    const auto figures = [](const Tally& tally) {
        return tally.keystrokes > 0 ? Figures(tally) : QStringLiteral("noch kein Anschlag");
    };
    return QStringLiteral("Zeile: ") + figures(typing ? stats.line : Tally{}) +
           QStringLiteral("   Übung %1: ").arg(course.nLesson) + figures(lesson);
}
