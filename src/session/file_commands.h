#pragma once

struct Tutor;

// The commands of the Datei menu on session files. Neu and Öffnen first offer to save an
// unsaved session (the lesson worked on differs from the lesson last read or saved).
void FileNew(Tutor& tutor);
void FileOpen(Tutor& tutor);
// True when the session was written.
bool FileSave(Tutor& tutor);
bool FileSaveAs(Tutor& tutor);
// Leaving the program (Beenden, the close box): offers to save an unsaved session; true
// when the program may end.
bool MayLeave(Tutor& tutor);
