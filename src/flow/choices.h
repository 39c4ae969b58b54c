#pragma once

struct Tutor;

// Geh Zu Übung: goes to the first page of a lesson. A number that is no lesson (above 23 or
// below 0) is refused with a beep and a message; false then, and nothing changes.
bool GoToLesson(Tutor& tutor, int lesson);

// The settings sheet's pages, applied. Each refusal beeps and shows its notice; an applied
// setting marks the session as worked on.
enum class FontChoice { Applied, Unchanged, TooBig };
FontChoice ApplyFontSizeChoice(Tutor& tutor, int fontSize);
// False when dictation (1002) was chosen while error tones are on.
bool ApplySoundStudioChoice(Tutor& tutor, int soundStudio);
// False when an error tone was chosen while dictation is on.
bool ApplyErrorToneChoice(Tutor& tutor, int errorTone);
