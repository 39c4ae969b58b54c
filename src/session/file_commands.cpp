#include "session/file_commands.h"

#include "display/hand.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "session/session_file.h"
#include "session/title_name.h"
#include "tutor.h"

namespace {

bool Unsaved(const Tutor& tutor)
{
    return tutor.course.nWorkedLesson != tutor.session.nSavedLesson;
}

// The file name the question and the messages name: the file's, or none yet.
std::string QuestionName(const Tutor& tutor)
{
    return tutor.shell.szFileName.empty() ? std::string() : tutor.shell.szTitleName;
}

// The save prompt of Neu and Öffnen; sets bSaveCancelled when the command is to stop.
void PromptToSave(Tutor& tutor)
{
    SessionState& session = tutor.session;
    session.bSaveCancelled = 0;
    switch (tutor.host.AskToSave(QuestionName(tutor))) {
    case SaveAnswer::Yes:
        // A failed write has said so; the command goes on all the same.
        if (!tutor.shell.szFileName.empty())
            FileSave(tutor);
        else if (!FileSaveAs(tutor))
            session.bSaveCancelled = 1;
        break;
    case SaveAnswer::No:
        break;
    case SaveAnswer::Cancel:
        session.bSaveCancelled = 1;
        break;
    }
}

// False when the learner chose to stop the command.
bool MayDropSession(Tutor& tutor)
{
    if (!Unsaved(tutor))
        return true;
    PromptToSave(tutor);
    return !tutor.session.bSaveCancelled;
}

// Runs a read or write of `path` with the messages naming that file; the name stays only
// when it succeeded, so a failure changes nothing.
template <typename Action>
bool NamingFile(Tutor& tutor, const std::string& path, Action action)
{
    const std::string previous = tutor.shell.szTitleName;
    tutor.shell.szTitleName = ExtractTitleName(path);
    if (action())
        return true;
    tutor.shell.szTitleName = previous;
    return false;
}

}  // namespace

void FileNew(Tutor& tutor)
{
    if (!MayDropSession(tutor))
        return;
    DrawKeyboard(tutor);
    CourseState& course = tutor.course;
    course.nCharPos = 0;
    course.nExLine = 0;
    course.nLesson = 0;
    course.nPage = 1;
    course.nWorkedLesson = 0;
    tutor.session.nSavedLesson = 0;
    course.nCorrect = 0;
    course.nKeystrokes = 0;
    // The file stays: a later Speichern writes to the file last opened or saved.
    tutor.host.ShowCaption({});
    ChangePage(tutor, 0);
}

void FileOpen(Tutor& tutor)
{
    if (!MayDropSession(tutor))
        return;
    const std::string path = tutor.host.ChooseFileToOpen();
    if (path.empty())
        return;
    const bool wasLeft = tutor.course.bLeftHand != 0;
    const int fontSize = tutor.course.nFontSize;
    Rect window;
    if (!NamingFile(tutor, path, [&] { return ReadSessionFile(tutor, path, window); }))
        return;
    tutor.shell.szFileName = path;
    tutor.host.ShowCaption(tutor.shell.szTitleName);
    if (tutor.course.nFontSize != fontSize)
        tutor.host.ApplyFontSize();
    tutor.host.PlaceWindow(window);
    tutor.host.InvalidateClient();
    DrawKeyboard(tutor);
    const bool left = tutor.course.bLeftHand != 0;
    if (left != wasLeft) {
        ChangeHand(tutor);
        tutor.host.ShowHand(left);
    } else {
        ChangePage(tutor, 0);
        DrawPageHand(tutor);
    }
}

bool FileSave(Tutor& tutor)
{
    if (tutor.shell.szFileName.empty())
        return FileSaveAs(tutor);
    return WriteSessionFile(tutor, tutor.shell.szFileName, tutor.host.WindowRect());
}

bool FileSaveAs(Tutor& tutor)
{
    const std::string path = tutor.host.ChooseFileToSave();
    if (path.empty())
        return false;
    if (!NamingFile(tutor, path, [&] { return WriteSessionFile(tutor, path, tutor.host.WindowRect()); }))
        return false;
    tutor.shell.szFileName = path;
    tutor.host.ShowCaption(tutor.shell.szTitleName);
    return true;
}

bool MayLeave(Tutor& tutor)
{
    if (!Unsaved(tutor))
        return true;
    switch (tutor.host.AskToSave(QuestionName(tutor))) {
    case SaveAnswer::Yes:
        // A failed write keeps the program open, so the session can be saved elsewhere.
        return FileSave(tutor);
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}
