#pragma once

class QWidget;
struct Tutor;

namespace dialogs {

// The dialogs of the Lehrgang menu.
void ShowGoTo(Tutor& tutor, QWidget* parent);
void ShowStatistics(const Tutor& tutor, QWidget* parent);
// The table of contents of the hand chosen now, page 1 first.
void ShowContents(const Tutor& tutor, QWidget* parent);

}  // namespace dialogs
