#include "shell/learner_history.h"

#include "dialogs/notices.h"
#include "course/lessons.h"
#include "display/key_table.h"
#include "history/history.h"
#include "shell/history_module.h"
#include "tutor.h"

#include <QDateTime>
#include <QStandardPaths>

namespace {

history::LineRecord RecordOf(const FinishedLine& line)
{
    history::LineRecord record{QDateTime::currentMSecsSinceEpoch(), line.leftHand, line.lesson, line.line,
                               line.tally.keystrokes, line.tally.errors, line.tally.typingMs, {}};
    for (const auto& [expected, key] : line.keys) {
        history::KeyCount& count = record.keys.emplace_back();
        count = {expected, key.strikes, key.errors, {key.instead.begin(), key.instead.end()}, key.correctMs,
                 key.timedStrikes};
    }
    return record;
}

}  // namespace

LearnerHistory::LearnerHistory(QWidget& window) : window_(window) {}

LearnerHistory::~LearnerHistory() = default;

history::Store* LearnerHistory::Store()
{
    if (!loaded_) {
        loaded_ = true;
        store_ = LoadHistory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                             [this](const QString& text) { Notice(text); });
    }
    return store_.get();
}

void LearnerHistory::Notice(const QString& text)
{
    if (noticed_)
        return;
    noticed_ = true;
    dialogs::OpenWarning(&window_, QStringLiteral("Tastora"), text);   // the learner may be typing
}

void LearnerHistory::Keep(const FinishedLine& line)
{
    if (history::Store* store = Store())
        store->Add(RecordOf(line));
}

std::map<unsigned char, std::pair<int, int>> LearnerHistory::KeyTotals(const Tutor& tutor)
{
    std::map<unsigned char, std::pair<int, int>> totals;
    if (history::Store* store = Store())
        for (const history::KeyCount& key : store->KeyTotals(tutor.course.bLeftHand))
            totals[key.expected] = {key.strikes, key.errors};
    if (tutor.stats.leftHand == tutor.course.bLeftHand)
        for (const auto& [ch, key] : tutor.stats.keyTotals) {
            totals[ch].first -= key.strikes;
            totals[ch].second -= key.errors;
        }
    return totals;
}

void LearnerHistory::ShowProgress(const Tutor& tutor)
{
    history::Store* store = Store();
    if (!store)
        return;
    history::CourseShape course;
    course.keyboard = tutor.display.hbmKeyboard;
    for (int key = 0; key < keys::kWithRect; ++key) {
        const Rect& face = keys::kTable[static_cast<std::size_t>(key)].face;
        for (char ch : keys::kTable[static_cast<std::size_t>(key)].chars)
            course.keys.emplace_back(static_cast<unsigned char>(ch), QRect(face.left, face.top, face.width(), face.height()));
    }
    for (std::size_t lesson = 0; lesson < course.exerciseLines.size(); ++lesson)
        course.exerciseLines[lesson] = kLessonLines[lesson].lines;
    store->ShowProgress(&window_, tutor.course.bLeftHand, course);
}
