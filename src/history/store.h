#pragma once

#include "history/history.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace history {

class ProgressWindow;

// The store over the database in a folder. Lines are written by a thread of their own with
// its own connection, which opens the database at the first line; lines that could not be
// written (another program's lock outlasted the wait) are tried again with the next one.
class SqlStore final : public Store {
public:
    // `busyMs`: how long a write waits for another program's lock.
    SqlStore(QString folder, Notice notice, int busyMs = 5000);
    ~SqlStore() override;   // writes what is waiting

    void Add(const LineRecord& line) override;
    void ShowProgress(QWidget* parent, bool leftHand, const CourseShape& course) override;
    std::vector<KeyCount> KeyTotals(bool leftHand) override;

    // Waits until every line added so far has been written or has failed to be.
    void Flush();

private:
    // What the writing thread and the window share with the thread that made the store:
    // the notice, told once, and the window, refreshed after each write.
    struct Link {
        QObject context;   // lives on the thread that made the store
        Notice notice;
        std::atomic<bool> told{false};
        QPointer<ProgressWindow> window;
        void Tell(const QString& text);
        void Written();
    };

    void Write();

    const QString folder_;
    const int busyMs_;
    const std::shared_ptr<Link> link_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::vector<LineRecord> queue_;
    bool writing_ = false;
    bool stop_ = false;
    std::thread writer_;   // started by the first line
};

}  // namespace history
