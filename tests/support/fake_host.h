#pragma once

#include "platform/host.h"

#include <map>
#include <string>
#include <vector>

// Records what the program asked of the window system.
struct FakeHost : Speaker, Clock, Dialogs, MainView, TypingField {
    template <typename T>
    static T Next(std::vector<T>& script, T otherwise)
    {
        if (script.empty())
            return otherwise;
        T next = script.front();
        script.erase(script.begin());
        return next;
    }
    Services AsServices() { return {*this, *this, *this, *this, *this}; }

    void Beep() override { ++beeps; }
    bool PlaySound(const QByteArray& wave, bool wait) override
    {
        played.push_back({wave, wait});
        return true;
    }

    void SetTimer(int id, int milliseconds) override { timers[id] = milliseconds; }
    void KillTimer(int id) override { timers.erase(id); }
    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    int64_t NowMs() const override { return now; }
    // A set timer expires once.
    void Fire(int id)
    {
        if (timers.contains(id))
            TimerExpired(id);
    }

    // Records the text with the file name, byte for byte, in the place of its "%s".
    void ShowMessage(const Message& message) override
    {
        Message shown = message;
        if (const std::size_t at = shown.text.find("%s"); at != std::string::npos)
            shown.text.replace(at, 2, message.fileName);
        messages.push_back(shown);
    }
    void ShowNotice(Notice notice) override { notices.push_back(notice); }
    // The dialogs answer as the test scripted: the next answer or path in line, else Abbruch
    // and no file.
    SaveAnswer AskToSave(const std::string& fileName) override
    {
        asked.push_back(fileName);
        return Next(answers, SaveAnswer::Cancel);
    }
    std::string ChooseFileToOpen() override { return Next(paths, std::string()); }
    std::string ChooseFileToSave() override { return Next(paths, std::string()); }

    void InvalidateClient() override { ++invalidations; }
    void FlushScreen() override { ++flushes; }
    void ShowCaption(const std::string& fileName) override { caption = fileName.empty() ? "Tastora" : "Tastora -- " + fileName; }
    Rect WindowRect() const override { return window; }
    void PlaceWindow(const Rect& outer) override { window = outer; }
    void ShowHand(bool left) override { leftHandChecked = left; }
    void UseTextFont(const QFont&) override { ++fontChanges; }

    void MoveTypingArea(const Rect& rect) override { typingArea = rect; }
    void TypeIntoTypingArea(unsigned char ch) override { typed.push_back(static_cast<char>(ch)); }
    void ShowTypingCaret(bool shown) override { caretShown = shown; }
    void TakeBackTyping() override { typed.clear(); }

    std::vector<SaveAnswer> answers;
    std::vector<std::string> paths;
    std::vector<std::string> asked;
    std::string caption = "Tastora";
    Rect window{5, 5, 705, 505};
    bool leftHandChecked = true;
    int fontChanges = 0;
    std::vector<Notice> notices;
    std::string typed;
    bool caretShown = true;
    int beeps = 0;
    struct Played {
        QByteArray wave;
        bool wait;
        bool operator==(const Played&) const = default;
    };
    std::vector<Played> played;
    std::vector<Message> messages;
    std::map<int, int> timers;
    int invalidations = 0;
    Rect typingArea;
    int flushes = 0;
    std::vector<int> sleeps;
    int64_t now = 0;
};
