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

}  // namespace dialogs
