#pragma once

#include "platform/geometry.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

enum class BoxIcon { Exclamation, Information, Stop };
// The notices that only OK closes.
enum class Notice {
    EndOfCourse,                  // "Das Ende"
    WindowTooSmall,               // a font size too large for the window
    DictationWhileErrorTones,     // "Tasten ansagen" chosen while error tones are on
    ErrorTonesWhileDictation,     // error tones chosen while "Tasten ansagen" is on
};
// The answers to the question whether to save the session.
enum class SaveAnswer { Yes, No, Cancel };

// What the course and the display need of the window system. The shell implements it
// with Qt; tests replace it with a fake that records what happened.
class Host {
public:
    virtual ~Host() = default;

    // Starts readying the sound device, so that the first sound comes without delay; a sound
    // played before it is ready waits for it.
    virtual void PrepareSound() {}
    // The short default beep.
    virtual void Beep() = 0;
    // Plays a WAVE recording, replacing the sound playing; with `wait`, returns when it has
    // been heard. False when it cannot be played.
    virtual bool PlaySound(const QByteArray& wave, bool wait) = 0;
    // A message box with an OK button; text and title are code page 1252. `owned` is false
    // where no main window exists yet. `fileName`, as the file system holds it, takes the
    // place of "%s" in the text: it may hold characters that code page 1252 has not.
    virtual void ShowMessage(const std::string& text, const std::string& title, BoxIcon icon,
                             bool owned = true, const std::string& fileName = {}) = 0;
    // Timers of the main window. A timer expires every `milliseconds` until it is killed,
    // each time calling the timer handler with its id.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
    void SetTimerHandler(std::function<void(int id)> handler) { timerHandler_ = std::move(handler); }
    // The whole client area is to be drawn anew before the next paint.
    virtual void InvalidateClient() = 0;
    // Puts the typing area at this rectangle of the client area.
    virtual void MoveTypingArea(const Rect& rect) = 0;
    // Shows what was drawn so far at once, before the thread blocks.
    virtual void FlushScreen() = 0;
    // Blocks the user-interface thread.
    virtual void Sleep(int milliseconds) = 0;

    virtual void ShowNotice(Notice notice) = 0;
    // The typing area: a character typed into it without passing the course (Enter, 13,
    // breaks the line), and its text cursor shown or hidden.
    virtual void TypeIntoTypingArea(unsigned char ch) = 0;
    virtual void ShowTypingCaret(bool shown) = 0;
    // Takes away what TypeIntoTypingArea typed, and what was typed after it.
    virtual void TakeBackTyping() = 0;
    // Asks whether to save the session into the file named (as the file system spells it;
    // empty: the session has no file yet).
    virtual SaveAnswer AskToSave(const std::string& fileName) = 0;
    // The file dialogs for session files; the path chosen, or empty when the learner cancels.
    virtual std::string ChooseFileToOpen() = 0;
    virtual std::string ChooseFileToSave() = 0;

    // The main window: its caption names the session file (empty: none), its outer
    // rectangle (frame included) is saved and restored, its menu shows the hand, and its
    // text font and smallest size follow nFontSize.
    virtual void ShowCaption(const std::string& fileName) = 0;
    virtual Rect WindowRect() const = 0;
    virtual void PlaceWindow(const Rect& outer) = 0;
    virtual void ShowHand(bool left) = 0;
    virtual void ApplyFontSize() = 0;

protected:
    void TimerExpired(int id)
    {
        if (timerHandler_)
            timerHandler_(id);
    }

private:
    std::function<void(int id)> timerHandler_;
};
