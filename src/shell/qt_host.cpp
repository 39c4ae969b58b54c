#include "shell/qt_host.h"

#include "dialogs/notices.h"
#include "dialogs/save_session_dialog.h"
#include "dialogs/template_dialog.h"
#include "platform/cp1252.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
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

void QtClock::SetTimer(int id, int milliseconds)
{
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { TimerExpired(id); });
    }
    timer->start(milliseconds);
}

void QtClock::KillTimer(int id)
{
    if (auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
}

void QtClock::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtDialogs::ShowMessage(const Message& message)
{
    QMessageBox box(message.icon == BoxIcon::Information ? QMessageBox::Information
                    : message.icon == BoxIcon::Stop      ? QMessageBox::Critical
                                                         : QMessageBox::Warning,
                    cp1252::ToQString(message.title), cp1252::ToQStringWithFileName(message.text, message.fileName),
                    QMessageBox::Ok, message.owned ? window_ : nullptr);
    box.setTextFormat(Qt::PlainText);
    dialogs::SpeakGerman();
    box.exec();
}

void QtDialogs::ShowNotice(Notice notice)
{
    dialogs::SpeakGerman();
    dialogs::ShowNotice(notice, window_);
}

SaveAnswer QtDialogs::AskToSave(const std::string& fileName)
{
    dialogs::SpeakGerman();
    SaveSessionDialog dialog(fileName, window_);
    dialog.exec();
    return dialog.Answer();
}

std::string QtDialogs::ChooseFileToOpen()
{
    return ChooseSessionFile(window_, QFileDialog::AcceptOpen);
}

std::string QtDialogs::ChooseFileToSave()
{
    return ChooseSessionFile(window_, QFileDialog::AcceptSave);
}
