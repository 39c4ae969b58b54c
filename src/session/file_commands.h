#pragma once

struct Tutor;

// The commands of the Datei menu on session files. Neu and Öffnen first offer to save an
// unsaved session; a save that fails or is cancelled stops them.
void FileNew(Tutor& tutor);
void FileOpen(Tutor& tutor);
// True when the session was written.
bool FileSave(Tutor& tutor);
bool FileSaveAs(Tutor& tutor);
// Unsaved: an exercise of another lesson than the one last read or saved was typed, or a
// setting the file holds (hand, font size, sounds) differs from the file's.
bool IsSessionUnsaved(const Tutor& tutor);
// Leaving the program (Beenden, the close box): offers to save an unsaved session; true
// when the program may end.
bool MayLeave(Tutor& tutor);
