#include "shell/input_filter.h"

#include "flow/page_change.h"
#include "flow/typing.h"
#include "platform/cp1252.h"
#include "tutor.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>

namespace {

// Keys whose release leaves the hand and the latch alone.
constexpr std::array kIgnoredReleases{
    Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
    Qt::Key_Home,   Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Print,  Qt::Key_Insert,   Qt::Key_Delete,
    Qt::Key_NumLock, Qt::Key_F1,     Qt::Key_F2,     Qt::Key_F3,     Qt::Key_F4,       Qt::Key_F5,
    Qt::Key_F6,     Qt::Key_F7,      Qt::Key_F8,     Qt::Key_F9,     Qt::Key_F10,      Qt::Key_F11,
    Qt::Key_F12};
// Keys of the numeric keypad whose release is ignored: "*", "+" and the decimal key.
constexpr std::array kIgnoredKeypadReleases{Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Period, Qt::Key_Comma};

bool IsIgnoredRelease(const QKeyEvent& event)
{
    const auto key = static_cast<Qt::Key>(event.key());
    if (std::find(kIgnoredReleases.begin(), kIgnoredReleases.end(), key) != kIgnoredReleases.end())
        return true;
    return event.modifiers().testFlag(Qt::KeypadModifier) &&
           std::find(kIgnoredKeypadReleases.begin(), kIgnoredKeypadReleases.end(), key) !=
               kIgnoredKeypadReleases.end();
}

// The code page 1252 byte a key types, or -1 when it types none. Delete deletes (X gives
// it the text DEL, as it does Ctrl+Backspace).
int CharacterOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Delete)
        return -1;
    const QList<uint> ucs4 = event.text().toUcs4();
    return ucs4.size() == 1 && ucs4.front() != 0x7F ? cp1252::ByteOf(ucs4.front()) : -1;
}

// Shift+Tab types a Tab and Ctrl+Backspace is a Backspace: the same key without its
// modifier goes to the watched object in its place, so that the course and the typing area
// see the same character. False for every other key.
bool SendAsPlainKey(QObject* watched, const QKeyEvent& event)
{
    const bool backtab = event.key() == Qt::Key_Backtab;
    const bool ctrlBackspace = event.key() == Qt::Key_Backspace && event.modifiers().testFlag(Qt::ControlModifier);
    if (!backtab && !ctrlBackspace)
        return false;
    QKeyEvent plain(event.type(), backtab ? Qt::Key_Tab : Qt::Key_Backspace, Qt::NoModifier, event.nativeScanCode(),
                    event.nativeVirtualKey(), 0, QString(QChar(backtab ? '\t' : '\b')), event.isAutoRepeat());
    plain.setTimestamp(event.timestamp());
    QCoreApplication::sendEvent(watched, &plain);
    return true;
}

}  // namespace

bool InputFilter::ForMainWindow(QObject* watched) const
{
    // While a menu or a dialog is open its keys are its own, even where the window system
    // still sends them to the main window.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget == QApplication::focusWidget() && widget->window() == &mainWindow_;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // The first sounds follow the learner's first keys and clicks; a run that only shows
        // the start screen never loads the sound system.
        tutor_.speaker.Prepare();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!ForMainWindow(watched))
            return false;
        tutor_.speaker.Prepare();
        if (SendAsPlainKey(watched, static_cast<const QKeyEvent&>(*event)))
            return true;
        if (event->type() == QEvent::KeyPress)
            return KeyPress(static_cast<const QKeyEvent&>(*event));
        KeyRelease(static_cast<const QKeyEvent&>(*event));
        return false;
    case QEvent::InputMethod:
        return ForMainWindow(watched) && Commit(static_cast<QInputMethodEvent&>(*event));
    case QEvent::WindowDeactivate:
        // The keys go elsewhere: a release there must not leave the next key here lost.
        if (watched == &mainWindow_)
            ReleaseLatch();
        return false;
    case QEvent::Hide:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget != &mainWindow_ && widget->isWindow() &&
                                                            widget->isModal())
            BoxClosed();
        return false;
    default:
        return false;
    }
}

bool InputFilter::Commit(QInputMethodEvent& event)
{
    const QList<uint> text = event.commitString().toUcs4();
    if (text.isEmpty())
        return false;
    if (latched_)
        return true;
    // One key press gives at most one character, in the course and in the typing area.
    if (text.size() > 1) {
        const auto first = static_cast<char32_t>(text.front());
        event.setCommitString(QString::fromUcs4(&first, 1), event.replacementStart(), event.replacementLength());
    }
    const int byte = cp1252::ByteOf(text.front());
    if (byte <= 0) {
        changed_(nullptr);
        return false;
    }
    latched_ = true;
    const TypedKey typed = OnCharacter(tutor_, static_cast<unsigned char>(byte));
    pressedKey_ = {};   // the key that composed it is not known
    changed_(&typed);
    return false;
}

bool InputFilter::KeyPress(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) {
        ChangePage(tutor_, event.key() == Qt::Key_Up ? -1 : +1);
        changed_(nullptr);
        return true;
    }
    // Alt alone opens the menus; Ctrl alone is the typing area's own (select all, cut, copy,
    // paste), never typing. Both together are AltGr, which types.
    if (event.modifiers().testFlag(Qt::AltModifier) != event.modifiers().testFlag(Qt::ControlModifier))
        return false;
    const int ch = CharacterOf(event);
    if (ch < 0)
        return false;
    if (event.isAutoRepeat() || latched_)
        return true;
    latched_ = true;
    // A held key reported as let go and pressed again only latches.
    if (releasedAt_ != 0 && event.nativeScanCode() == releasedScanCode_ && event.timestamp() == releasedAt_)
        return true;
    const TypedKey typed = OnCharacter(tutor_, static_cast<unsigned char>(ch));
    pressedKey_ = {event.key(), event.nativeScanCode()};
    changed_(&typed);
    return false;
}

void InputFilter::ReleaseLatch()
{
    latched_ = false;
    pressedKey_ = {};
}

void InputFilter::BoxClosed()
{
    // The key that opened the box was let go in it.
    ReleaseLatch();
    // Without a window manager nobody gives the keyboard back: the window under the box
    // takes it, once the box is gone.
    QTimer::singleShot(0, this, [this] {
        QWidget* next = QApplication::activeModalWidget();
        if (!next && mainWindow_.isVisible())
            next = &mainWindow_;
        if (next && !next->isActiveWindow())
            next->activateWindow();
    });
}

bool InputFilter::PressedKey::ReleasedBy(const QKeyEvent& event) const
{
    // A release can name another key than its press (Shift let go first turns "?" into
    // "ß"); the scan code names the key pressed.
    return key != 0 && (scanCode != 0 ? event.nativeScanCode() == scanCode : event.key() == key);
}

void InputFilter::KeyRelease(const QKeyEvent& event)
{
    // The ignore list holds keys that type nothing; the release of a key that typed the
    // character always ends the latch, or the next key would be lost.
    if (event.isAutoRepeat() || (IsIgnoredRelease(event) && !pressedKey_.ReleasedBy(event)))
        return;
    const bool wasLatched = latched_;
    OnKeyRelease(tutor_);
    latched_ = false;
    pressedKey_ = {};
    if (wasLatched && event.nativeScanCode() != 0) {
        releasedScanCode_ = event.nativeScanCode();
        releasedAt_ = event.timestamp();
    }
    changed_(nullptr);
}
