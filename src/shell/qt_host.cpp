#include "shell/qt_host.h"

#include "dialogs/notices.h"
#include "dialogs/save_session_dialog.h"
#include "dialogs/template_dialog.h"
#include "platform/cp1252.h"
#include "shell/main_window.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QThread>

namespace {

std::string LocalPath(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The session file dialog: "KLVType files (*.klv)", matching .klv in any letter case.
std::string ChooseSessionFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    dialogs::SpeakGerman();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("KLVType files (*.klv)"));
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(QStringLiteral("klv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return LocalPath(dialog.selectedFiles().front());
}

}  // namespace

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
    QMessageBox box(icon == BoxIcon::Information ? QMessageBox::Information
                    : icon == BoxIcon::Stop      ? QMessageBox::Critical
                                                 : QMessageBox::Warning,
                    cp1252::ToQString(title), cp1252::ToQStringWithFileName(text, fileName), QMessageBox::Ok,
                    owned ? window_ : nullptr);
    box.setTextFormat(Qt::PlainText);
    dialogs::SpeakGerman();
    box.exec();
}

void QtHost::SetTimer(int id, int milliseconds)
{
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { TimerExpired(id); });
    }
    timer->start(milliseconds);
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

void QtHost::TypeIntoTypingArea(unsigned char ch)
{
    if (window_)
        window_->TypingArea().TypeByItself(ch);
}

void QtHost::TakeBackTyping()
{
    if (window_)
        window_->TypingArea().TakeBackOwnTyping();
}

void QtHost::ShowTypingCaret(bool shown)
{
    if (window_)
        window_->TypingArea().setCursorWidth(shown ? 1 : 0);
}

void QtHost::ShowNotice(Notice notice)
{
    dialogs::SpeakGerman();
    dialogs::ShowNotice(notice, window_);
}

SaveAnswer QtHost::AskToSave(const std::string& fileName)
{
    dialogs::SpeakGerman();
    SaveSessionDialog dialog(fileName, window_);
    dialog.exec();
    return dialog.Answer();
}

std::string QtHost::ChooseFileToOpen()
{
    return ChooseSessionFile(window_, QFileDialog::AcceptOpen);
}

std::string QtHost::ChooseFileToSave()
{
    return ChooseSessionFile(window_, QFileDialog::AcceptSave);
}

void QtHost::ShowCaption(const std::string& fileName)
{
    if (window_)
        window_->ShowCaption(fileName);
}

Rect QtHost::WindowRect() const
{
    return window_ ? window_->WindowRect() : Rect{};
}

void QtHost::PlaceWindow(const Rect& outer)
{
    if (window_)
        window_->PlaceAt(outer);
}

void QtHost::ShowHand(bool left)
{
    if (window_)
        window_->ShowHand(left);
}

void QtHost::ApplyFontSize()
{
    if (window_)
        window_->SetFontForSize();
}
