#pragma once

class QWidget;
struct Tutor;

namespace dialogs {

// "Freies Üben": the practice page with words of the keys taught so far, or a message that
// no keys are taught yet.
void PractiseWords(Tutor& tutor, QWidget* parent);
// "Eigener Text...": the learner chooses a file or the clipboard, and the text is practised
// line by line; a message says what was left out, or why nothing can be practised.
void PractiseOwnText(Tutor& tutor, QWidget* parent);

}  // namespace dialogs
