#pragma once

class QWidget;

// A screen reader reads the page through the client area's accessible interface: a document
// named "Seite" whose text is the page's lines, one a line, and whose caret is the exercise caret.

// Installs the interface's factory; once is enough, more calls do nothing.
void InstallPageAccessible();
// Tells an active screen reader what changed since the last call: the page's text, or the
// caret. Without one it does nothing, and the page's text is not collected.
void ReportPageChanges(QWidget* client);
