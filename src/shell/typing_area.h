#pragma once

#include "dialogs/template_dialog.h"

#include <QMimeData>
#include <QPlainTextEdit>

// The typing area. It pastes only text, as plain text: Qt's own paste of an empty
// clipboard crashes. Its context menu is Qt's, in German.
class TypingArea : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

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
};
