#include "shell/qt_host.h"

#include "platform/cp1252.h"
#include "shell/main_window.h"

#include <QMessageBox>
#include <QThread>

void QtHost::Beep()
{
    sound_.Play(beep_, false);
}

bool QtHost::PlaySound(const QByteArray& wave, bool wait)
{
    return sound_.Play(wave, wait);
}

void QtHost::ShowMessage(const std::string& text, const std::string& title, BoxIcon icon, bool owned,
                         const std::string& fileName)
{
    QMessageBox box(icon == BoxIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    cp1252::ToQString(title), cp1252::ToQStringWithFileName(text, fileName), QMessageBox::Ok,
                    owned ? window_ : nullptr);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int QtHost::SetTimer(int id, int milliseconds)
{
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { TimerExpired(id); });
    }
    timer->start(milliseconds);
    return id;
}

void QtHost::KillTimer(int id)
{
    if (auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
}

void QtHost::InvalidateClient()
{
    if (window_)
        window_->InvalidateClient();
}

void QtHost::MoveTypingArea(const Rect& rect)
{
    if (window_)
        window_->MoveTypingArea(rect);
}

void QtHost::FlushScreen()
{
    if (window_)
        window_->FlushScreen();
}

void QtHost::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
