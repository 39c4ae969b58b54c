#include "shell/input_filter.h"

#include "flow/page_change.h"
#include "flow/typing.h"
#include "platform/cp1252.h"
#include "tutor.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
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

// The code page 1252 byte of a key's text, or -1 when it is not one such character.
int CharacterOf(const QString& text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return ucs4.size() == 1 ? cp1252::ByteOf(ucs4.front()) : -1;
}

}  // namespace

bool InputFilter::ForMainWindow(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget == QApplication::focusWidget() && widget->window() == &mainWindow_;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return ForMainWindow(watched) && KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        if (ForMainWindow(watched))
            KeyRelease(static_cast<const QKeyEvent&>(*event));
        return false;
    case QEvent::InputMethod:
        return ForMainWindow(watched) && Commit(static_cast<const QInputMethodEvent&>(*event).commitString());
    default:
        return false;
    }
}

bool InputFilter::Commit(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (tutor_.shell.bKeyLatch)
        return true;
    for (uint ch : text.toUcs4()) {
        const int byte = cp1252::ByteOf(ch);
        if (byte > 0)
            OnCharacter(tutor_, static_cast<unsigned char>(byte));
    }
    changed_();
    return false;
}

bool InputFilter::KeyPress(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) {
        ChangePage(tutor_, event.key() == Qt::Key_Up ? -1 : +1);
        changed_();
        return true;
    }
    if (event.modifiers().testFlag(Qt::AltModifier) && !event.modifiers().testFlag(Qt::ControlModifier))
        return false;   // menu mnemonics
    const int ch = CharacterOf(event.text());
    if (ch < 0)
        return false;
    if (event.isAutoRepeat() || tutor_.shell.bKeyLatch)
        return true;
    if (releasedAt_ != 0 && event.nativeScanCode() == releasedScanCode_ && event.timestamp() == releasedAt_) {
        tutor_.shell.bKeyLatch = 1;   // a held key reported as let go and pressed again
        return true;
    }
    OnCharacter(tutor_, static_cast<unsigned char>(ch));
    changed_();
    return false;
}

void InputFilter::KeyRelease(const QKeyEvent& event)
{
    if (event.isAutoRepeat() || IsIgnoredRelease(event))
        return;
    const bool wasLatched = tutor_.shell.bKeyLatch != 0;
    OnKeyRelease(tutor_);
    if (wasLatched && event.nativeScanCode() != 0) {
        releasedScanCode_ = event.nativeScanCode();
        releasedAt_ = event.timestamp();
    }
    changed_();
}
