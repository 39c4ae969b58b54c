#pragma once

#include "dialogs/template_dialog.h"
#include "platform/control_codes.h"
#include "platform/cp1252.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

// The typing area. It pastes only text, as plain text: Qt's own paste of an empty
// clipboard crashes. Its context menu is Qt's, in German.
class TypingArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // A character typed by the program itself, at the end of the text (Enter breaks the line), leaving alone what the learner has selected meanwhile.
    void TypeByItself(unsigned char ch)
    {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        if (ownTyping_.isNull()) {
            ownTyping_ = end;
            ownTyping_.setKeepPositionOnInsert(true);   // stays where the program began
        }
        end.insertText(ch == kEnter ? QStringLiteral("\n") : cp1252::ToQString(std::string(1, static_cast<char>(ch))));
        if (!textCursor().hasSelection())
            setTextCursor(end);
    }
    // Takes away what the program typed by itself, with whatever was typed after it.
    void TakeBackOwnTyping()
    {
        if (ownTyping_.isNull())
            return;
        // Its position stays where the program began; its anchor moved on with the text.
        QTextCursor typed(document());
        typed.setPosition(ownTyping_.position());
        typed.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        typed.removeSelectedText();
        ownTyping_ = QTextCursor();
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        dialogs::SpeakGerman();
        QPlainTextEdit::contextMenuEvent(event);
    }
    bool canInsertFromMimeData(const QMimeData* source) const override
    {
        return source && source->hasText() && !source->text().isEmpty();
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        if (canInsertFromMimeData(source))
            insertPlainText(source->text());
    }

private:
    QTextCursor ownTyping_;
};
