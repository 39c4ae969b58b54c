#pragma once

#include "platform/host.h"

#include <QTimer>

#include <map>
#include <memory>

class MainWindow;

// The window system as the course and the display see it, served by Qt.
class QtHost : public Host {
public:
    void Attach(MainWindow* window) { window_ = window; }

    void Beep() override;
    void ShowMessage(const std::string& text, const std::string& title, BoxIcon icon, bool owned) override;
    int SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void InvalidateClient() override;
    void MoveTypingArea(const Rect& rect) override;
    void FlushScreen() override;
    void Sleep(int milliseconds) override;

private:
    MainWindow* window_ = nullptr;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};
