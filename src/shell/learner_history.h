#pragma once

#include "course/typing_stats.h"

#include <map>
#include <memory>
#include <utility>

class QWidget;
struct Tutor;
namespace history {
class Store;
}

// The learner's history of finished lines and the Fortschritt window, from the history
// module, which is loaded when a line is first finished or the window first opened. When it
// cannot be loaded or its database cannot be used, the learner is told once and the course
// goes on.
class LearnerHistory {
public:
    explicit LearnerHistory(QWidget& window);
    ~LearnerHistory();

    void Keep(const FinishedLine& line);
    // The hand's stored strikes and errors of each character, this run's lines aside.
    std::map<unsigned char, std::pair<int, int>> KeyTotals(const Tutor& tutor);
    void ShowProgress(const Tutor& tutor);

private:
    history::Store* Store();
    void Notice(const QString& text);

    QWidget& window_;
    std::unique_ptr<history::Store> store_;
    bool loaded_ = false;
    bool noticed_ = false;
};
