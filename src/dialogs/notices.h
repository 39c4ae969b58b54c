#pragma once

#include "platform/host.h"

class QWidget;

namespace dialogs {

// The dialogs only OK closes: a notice, and "Info über Tastora".
void ShowNotice(Notice notice, QWidget* parent);
void ShowAbout(QWidget* parent);

}  // namespace dialogs
