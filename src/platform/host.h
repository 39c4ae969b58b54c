#pragma once

#include "platform/geometry.h"

#include <QByteArray>

class QFont;

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

// What the course and the display need of the window system, as a few small services. The
// shell serves them with Qt; tests replace them with a fake that records what happened.

// The loudspeaker.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts readying the sound device, so that the first sound comes without delay; a sound
    // played before it is ready waits for it.
    virtual void Prepare() {}
    // The short default beep.
    virtual void Beep() = 0;
    // Plays a WAVE recording, replacing the sound playing; with `wait`, returns when it has
    // been heard. False when it cannot be played.
    virtual bool PlaySound(const QByteArray& wave, bool wait) = 0;
};

// Timers of the main window, and waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // A timer expires every `milliseconds` until it is killed, each time calling the timer
    // handler with its id.
    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
    // Blocks the user-interface thread.
    virtual void Sleep(int milliseconds) = 0;
    // Milliseconds of a steady clock, for measuring how long something took.
    virtual int64_t NowMs() const = 0;
    void SetTimerHandler(std::function<void(int id)> handler) { timerHandler_ = std::move(handler); }

protected:
    void TimerExpired(int id)
    {
        if (timerHandler_)
            timerHandler_(id);
    }

private:
    std::function<void(int id)> timerHandler_;
};

enum class BoxIcon { Exclamation, Information, Stop };
// A message box with an OK button.
struct Message {
    Message(std::string textIn, std::string titleIn, BoxIcon iconIn, bool ownedIn = true, std::string fileNameIn = {})
        : text(std::move(textIn)), title(std::move(titleIn)), icon(iconIn), owned(ownedIn), fileName(std::move(fileNameIn))
    {
    }
    std::string text;    // code page 1252; "%s" stands for fileName
    std::string title;   // code page 1252
    BoxIcon icon;
    bool owned;          // false where no main window exists yet
    // As the file system holds it: it may hold characters that code page 1252 has not.
    std::string fileName;
};
// The notices that only OK closes.
enum class Notice {
    EndOfCourse,                  // "Das Ende"
    WindowTooSmall,               // a font size too large for the window
    DictationWhileErrorTones,     // "Tasten ansagen" chosen while error tones are on
    ErrorTonesWhileDictation,     // error tones chosen while "Tasten ansagen" is on
};
// The answers to the question whether to save the session.
enum class SaveAnswer { Yes, No, Cancel };

// The boxes and dialogs the course opens; each returns when it is closed.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowMessage(const Message& message) = 0;
    virtual void ShowNotice(Notice notice) = 0;
    // Asks whether to save the session into the file named (as the file system spells it;
    // empty: the session has no file yet).
    virtual SaveAnswer AskToSave(const std::string& fileName) = 0;
    // The file dialogs for session files; the path chosen, or empty when the learner cancels.
    virtual std::string ChooseFileToOpen() = 0;
    virtual std::string ChooseFileToSave() = 0;
};

// The main window: its client area shows the screen image, its caption names the session
// file, its outer rectangle (frame included) is saved and restored, its menu shows the hand.
class MainView {
public:
    virtual ~MainView() = default;
    // The whole client area is to be drawn anew before the next paint.
    virtual void InvalidateClient() = 0;
    // Shows what was drawn so far at once, before the thread blocks.
    virtual void FlushScreen() = 0;
    virtual void ShowCaption(const std::string& fileName) = 0;
    virtual Rect WindowRect() const = 0;
    virtual void PlaceWindow(const Rect& outer) = 0;
    virtual void ShowHand(bool left) = 0;
    // The page's text font changed with the font size: the typing area takes it, and the
    // window keeps at least the smallest size for the font size.
    virtual void UseTextFont(const QFont& font) = 0;
};

// The typing area, where what the learner types is written as in an editor.
class TypingField {
public:
    virtual ~TypingField() = default;
    // Puts it at this rectangle of the client area.
    virtual void MoveTypingArea(const Rect& rect) = 0;
    // A character typed into it without passing the course (Enter, 13, breaks the line).
    virtual void TypeIntoTypingArea(unsigned char ch) = 0;
    virtual void ShowTypingCaret(bool shown) = 0;
    // Takes away what TypeIntoTypingArea typed, and what was typed after it.
    virtual void TakeBackTyping() = 0;
};

// The services one tutor uses.
struct Services {
    Speaker& speaker;
    Clock& clock;
    Dialogs& dialogs;
    MainView& view;
    TypingField& typingArea;
};
