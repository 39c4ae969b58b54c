#pragma once

#include "flow/typing.h"

#include <QObject>

#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QWidget;
struct Tutor;

// Sees every key event bound for the main window before it is delivered: the arrow keys
// turn pages, typed characters go to the course, releases bring the hand home. Characters
// pass on to the typing area unless the latch against auto-repeat holds. When a modal box
// closes, the window under it gets the keyboard back.
class InputFilter : public QObject {
public:
    // `changed` is called after each key the course handled, with the character's outcome
    // when one was typed (before the typing area takes it), else null.
    InputFilter(Tutor& tutor, QWidget& mainWindow, std::function<void(const TypedKey*)> changed)
        : tutor_(tutor), mainWindow_(mainWindow), changed_(std::move(changed))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override;
    // A typed character was handled and its key not yet let go: keys are not taken.
    bool Latched() const { return latched_; }

private:
    bool KeyPress(const QKeyEvent& event);
    // A character committed by an input method (dead keys, compose).
    bool Commit(QInputMethodEvent& event);
    void KeyRelease(const QKeyEvent& event);
    void ReleaseLatch();
    // A modal box or dialog has closed.
    void BoxClosed();
    bool ForMainWindow(QObject* watched) const;

    Tutor& tutor_;
    QWidget& mainWindow_;
    std::function<void(const TypedKey*)> changed_;   // what was drawn is to be shown
    // Against auto-repeat: a typed character was handled; the next release ends it.
    bool latched_ = false;
    // The key whose press typed the character that set the latch.
    struct PressedKey {
        int key = 0;
        quint32 scanCode = 0;
        bool ReleasedBy(const QKeyEvent& event) const;
    } pressedKey_;
    // The last release that cleared the latch: X reports a held key now and then as a
    // release and a press with the same time stamp.
    quint32 releasedScanCode_ = 0;
    quint64 releasedAt_ = 0;
};
