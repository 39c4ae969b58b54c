#include "history/store.h"

#include "history/database.h"
#include "history/figures.h"
#include "history/progress_window.h"

#include <utility>

namespace history {
namespace {

// How many unwritten lines are kept for the next try.
constexpr size_t kMaxWaiting = 10000;

QString NotRead(const QString& error)
{
    return QStringLiteral("Der Verlauf kann nicht gelesen werden (%1).").arg(error);
}

}  // namespace

void SqlStore::Link::Tell(const QString& text)
{
    if (told.exchange(true) || !notice)
        return;
    QMetaObject::invokeMethod(&context, [this, text] { notice(text); }, Qt::QueuedConnection);
}

void SqlStore::Link::Written()
{
    QMetaObject::invokeMethod(&context, [this] {
        if (window && window->isVisible())
            window->Reload();
    }, Qt::QueuedConnection);
}

SqlStore::SqlStore(QString folder, Notice notice, int busyMs)
    : folder_(std::move(folder)), busyMs_(busyMs), link_(std::make_shared<Link>())
{
    link_->notice = std::move(notice);
}

SqlStore::~SqlStore()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (writer_.joinable())
        writer_.join();
}

void SqlStore::Add(const LineRecord& line)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(line);
        if (!writer_.joinable())
            writer_ = std::thread([this] { Write(); });
    }
    wake_.notify_one();
}

void SqlStore::Flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

void SqlStore::Write()
{
    Database database(folder_, busyMs_);
    std::vector<LineRecord> waiting;
    std::unique_lock lock(mutex_);
    for (bool last = false; !last;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        last = stop_;   // stopping: one more try for every line not yet written
        if (queue_.empty() && waiting.empty())
            return;
        std::move(queue_.begin(), queue_.end(), std::back_inserter(waiting));
        queue_.clear();
        writing_ = true;
        lock.unlock();
        if (const QString error = database.Write(waiting); error.isEmpty()) {
            waiting.clear();
            link_->Written();
        } else {
            link_->Tell(QStringLiteral("Der Verlauf kann nicht gespeichert werden (%1). Der Kurs geht ohne ihn "
                                       "weiter.").arg(error));
            if (waiting.size() > kMaxWaiting)
                waiting.erase(waiting.begin(), waiting.end() - kMaxWaiting);
        }
        lock.lock();
        writing_ = false;
        idle_.notify_all();
    }
}

void SqlStore::ShowProgress(QWidget* parent, bool leftHand, const CourseShape& course)
{
    if (!link_->window || link_->window->parentWidget() != parent) {
        delete link_->window;
        // The window keeps the link, so that it still tells after the store is gone.
        std::shared_ptr<Link> link = link_;
        link_->window = new ProgressWindow(folder_, [link](const QString& error) {
            link->Tell(NotRead(error));
        }, parent);
        link_->window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    link_->window->Show(leftHand, course);
}

std::vector<KeyCount> SqlStore::KeyTotals(bool leftHand)
{
    Flush();   // the lines of this run too
    std::vector<LineRecord> lines;
    if (const QString error = Database(folder_, busyMs_).Read(leftHand, lines); !error.isEmpty()) {
        link_->Tell(NotRead(error));
        return {};
    }
    std::vector<KeyCount> keys;
    for (const auto& [expected, total] : history::KeyTotals(lines))
        keys.push_back({expected, total.strikes, total.errors, {}, 0, 0});
    return keys;
}

}  // namespace history

// The module's entry.
extern "C" Q_DECL_EXPORT history::Store* tastora_history_create(const QString& folder, const history::Notice& notice)
{
    return new history::SqlStore(folder, notice);
}
