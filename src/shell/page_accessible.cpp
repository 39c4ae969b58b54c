#include "shell/page_accessible.h"

#include "platform/cp1252.h"
#include "shell/main_window.h"
#include "tutor.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

// The text is built anew only when the page's lines have changed.
class PageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    PageAccessible(ClientArea* client, Tutor& tutor) : QAccessibleWidget(client, QAccessible::Document), tutor_(tutor)
    {
        // From now on the page's text is wanted: the page is drawn anew to collect it, once
        // the caller, which may be the window still being made, has returned.
        if (!tutor_.layout.text.collecting) {
            tutor_.layout.text.collecting = true;
            QMetaObject::invokeMethod(client, [client] { client->Invalidate(); }, Qt::QueuedConnection);
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QStringLiteral("Seite") : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // Sends what changed since the last report: the new text with its caret, or the caret alone.
    void Report()
    {
        const int caret = cursorPosition();
        if (tutor_.layout.text.revision != reportedRevision_ && text_ != reported_) {
            QAccessibleTextUpdateEvent event(object(), 0, reported_, text_);
            event.setCursorPosition(caret);
            QAccessible::updateAccessibility(&event);
            reported_ = text_;
        } else if (caret != reportedCaret_) {
            QAccessibleTextCursorEvent event(object(), caret);
            QAccessible::updateAccessibility(&event);
        }
        reportedRevision_ = tutor_.layout.text.revision;
        reportedCaret_ = caret;
    }

    // The caret: in the exercise line at the character to type next, else at the start.
    int cursorPosition() const override
    {
        Refresh();
        if (exerciseStart_ < 0)
            return 0;
        return exerciseStart_ + std::clamp<int>(tutor_.course.nCharPos, 0, exerciseLength_);
    }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        Refresh();
        if (endOffset < 0 || endOffset > text_.size())
            endOffset = static_cast<int>(text_.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return text_.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override
    {
        Refresh();
        return static_cast<int>(text_.size());
    }
    // Nothing can be selected; the text has no attributes, and no place on the screen of its own.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    void Refresh() const
    {
        const PageText& page = tutor_.layout.text;
        if (page.revision == builtRevision_)
            return;
        builtRevision_ = page.revision;
        text_.clear();
        exerciseStart_ = -1;
        for (const PageLine& line : page.lines) {
            if (!text_.isEmpty())
                text_ += QLatin1Char('\n');
            if (line.exercise) {
                exerciseStart_ = static_cast<int>(text_.size());
                exerciseLength_ = static_cast<int>(line.text.size());   // one character a byte
            }
            text_ += cp1252::ToQString(line.text);
        }
    }

    Tutor& tutor_;
    mutable int builtRevision_ = -1;
    mutable QString text_;
    mutable int exerciseStart_ = -1;
    mutable int exerciseLength_ = 0;
    int reportedRevision_ = -1;
    QString reported_;
    int reportedCaret_ = -1;
};

QAccessibleInterface* PageFactory(const QString&, QObject* object)
{
    auto* client = dynamic_cast<ClientArea*>(object);
    auto* window = client ? dynamic_cast<MainWindow*>(client->parent()) : nullptr;
    return window ? new PageAccessible(client, window->Tutor()) : nullptr;
}

}  // namespace

void InstallPageAccessible()
{
    static const bool installed = (QAccessible::installFactory(PageFactory), true);
    (void)installed;
}

void ReportPageChanges(QWidget* client)
{
    if (!QAccessible::isActive())
        return;
    // Asking for the interface makes it, which starts collecting the page's text.
    if (auto* page = dynamic_cast<PageAccessible*>(QAccessible::queryAccessibleInterface(client)))
        page->Report();
}
