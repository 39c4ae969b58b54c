#pragma once

#include "platform/host.h"
#include "platform/resources.h"
#include "platform/sound.h"

#include <QByteArray>

#include <QTimer>

#include <map>
#include <memory>

class MainWindow;

// The window system as the course and the display see it, served by Qt.
class QtHost : public Host {
public:
    explicit QtHost(const Resources& resources) : beep_(resources.Recording("beep")) {}

    // Starts opening the sound device, so that the first sound is not late.
    void PrepareSound() override { sound_.OpenInBackground(); }
    void Attach(MainWindow* window) { window_ = window; }

    void Beep() override;
    bool PlaySound(const QByteArray& wave, bool wait) override;
    void ShowMessage(const std::string& text, const std::string& title, BoxIcon icon, bool owned,
                     const std::string& fileName) override;
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void InvalidateClient() override;
    void MoveTypingArea(const Rect& rect) override;
    void FlushScreen() override;
    void Sleep(int milliseconds) override;
    void ShowNotice(Notice notice) override;
    void TypeIntoTypingArea(unsigned char ch) override;
    void ShowTypingCaret(bool shown) override;
    void TakeBackTyping() override;
    SaveAnswer AskToSave(const std::string& fileName) override;
    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave() override;
    void ShowCaption(const std::string& fileName) override;
    Rect WindowRect() const override;
    void PlaceWindow(const Rect& outer) override;
    void ShowHand(bool left) override;
    void ApplyFontSize() override;

private:
    MainWindow* window_ = nullptr;
    SoundOutput sound_;
    QByteArray beep_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};
