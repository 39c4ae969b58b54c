#pragma once

#include "platform/host.h"
#include "platform/resources.h"
#include "platform/sound.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

#include <map>
#include <memory>

class QWidget;

// The window system's services, served by Qt. The main window serves the view and the
// typing area itself.

class QtSpeaker : public Speaker {
public:
    explicit QtSpeaker(const Resources& resources) : beep_(resources.Recording("beep")) {}
    void Prepare() override { sound_.OpenInBackground(); }
    void Beep() override { sound_.Play(beep_, false); }
    bool PlaySound(const QByteArray& wave, bool wait) override { return sound_.Play(wave, wait); }

private:
    SoundOutput sound_;
    QByteArray beep_;
};

class QtClock : public Clock {
public:
    QtClock() { steady_.start(); }
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void Sleep(int milliseconds) override;
    int64_t NowMs() const override { return steady_.elapsed(); }

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QElapsedTimer steady_;
};

// The boxes and dialogs in German, over the main window once it is set.
class QtDialogs : public Dialogs {
public:
    void SetMainWindow(QWidget* window) { window_ = window; }
    void ShowMessage(const Message& message) override;
    void ShowNotice(Notice notice) override;
    SaveAnswer AskToSave(const std::string& fileName) override;
    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave() override;

private:
    QWidget* window_ = nullptr;
};
