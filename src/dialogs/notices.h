#pragma once

#include "platform/host.h"

class QString;
class QWidget;

namespace dialogs {

// The dialogs only OK closes: a notice, and "Info über Tastora".
void ShowNotice(Notice notice, QWidget* parent);
void ShowAbout(QWidget* parent);
// A warning that does not stop the learner: it stays open beside the window until OK.
void OpenWarning(QWidget* parent, const QString& title, const QString& text);
// That warning when the keys typed show a keyboard set to another layout than the German.
void WarnOfOtherLayout(QWidget* parent);

}  // namespace dialogs
