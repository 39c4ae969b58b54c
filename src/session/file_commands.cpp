#include "session/file_commands.h"

#include "course/demo.h"
#include "course/layout.h"
#include "display/hand.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "session/session_file.h"
#include "session/title_name.h"
#include "tutor.h"

namespace {

// The file name the question and the messages name: the file's, or none yet.
std::string QuestionName(const Tutor& tutor)
{
    return tutor.shell.szFileName.empty() ? std::string() : tutor.shell.szTitleName;
}

// Offers to save an unsaved session; false when the command is to stop: Abbruch, or a save
// that was cancelled or failed (its error has been shown), so that nothing is lost.
bool MayDropSession(Tutor& tutor)
{
    if (!IsSessionUnsaved(tutor))
        return true;
    switch (tutor.dialogs.AskToSave(QuestionName(tutor))) {
    case SaveAnswer::Yes:
        return FileSave(tutor);
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
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

bool IsSessionUnsaved(const Tutor& tutor)
{
    // Pages looked at and the window's place are no work on the session.
    SessionRecord now = SessionRecordOf(tutor, {}), saved = tutor.session.savedRecord;
    now.lesson = saved.lesson = 0;
    saved.window = {};
    return tutor.course.nWorkedLesson != tutor.session.nSavedLesson || now != saved;
}

void FileNew(Tutor& tutor)
{
    tutor.session.bSaveCancelled = !MayDropSession(tutor);
    if (tutor.session.bSaveCancelled)
        return;
    DrawKeyboard(tutor);
    CourseState& course = tutor.course;
    course.nCharPos = 0;
    course.nExLine = 0;
    course.nLesson = 0;
    course.nPage = 1;
    course.practicing = Practice::None;
    course.nWorkedLesson = 0;
    tutor.session.nSavedLesson = 0;
    course.nCorrect = 0;
    course.nKeystrokes = 0;
    tutor.session.savedRecord = SessionRecordOf(tutor, {});
    // The new session has no file, so that Speichern cannot overwrite the old one with it. A
    // session that came from a file shows no demonstration, nor does its new start.
    if (!tutor.shell.szFileName.empty() && tutor.demo.nDemoTick == -1)
        StopDemo(tutor);
    tutor.shell.szFileName.clear();
    tutor.shell.szTitleName.clear();
    tutor.view.ShowCaption({});
    ChangePage(tutor, 0);
}

void FileOpen(Tutor& tutor)
{
    tutor.session.bSaveCancelled = !MayDropSession(tutor);
    if (tutor.session.bSaveCancelled)
        return;
    const std::string path = tutor.dialogs.ChooseFileToOpen();
    if (path.empty())
        return;
    const bool wasLeft = tutor.course.bLeftHand;
    const int fontSize = tutor.course.nFontSize;
    Rect window;
    if (!NamingFile(tutor, path, [&] { return ReadSessionFile(tutor, path, window); }))
        return;
    tutor.shell.szFileName = path;
    tutor.view.ShowCaption(tutor.shell.szTitleName);
    if (tutor.course.nFontSize != fontSize)
        UseFontSize(tutor);
    tutor.view.PlaceWindow(window);
    tutor.view.InvalidateClient();
    DrawKeyboard(tutor);
    const bool left = tutor.course.bLeftHand;
    if (left != wasLeft) {
        ChangeHand(tutor);
        tutor.view.ShowHand(left);
    } else {
        ChangePage(tutor, 0);
        DrawPageHand(tutor);
    }
}

bool FileSave(Tutor& tutor)
{
    if (tutor.shell.szFileName.empty())
        return FileSaveAs(tutor);
    return WriteSessionFile(tutor, tutor.shell.szFileName, tutor.view.WindowRect());
}

bool FileSaveAs(Tutor& tutor)
{
    const std::string path = tutor.dialogs.ChooseFileToSave();
    if (path.empty())
        return false;
    if (!NamingFile(tutor, path, [&] { return WriteSessionFile(tutor, path, tutor.view.WindowRect()); }))
        return false;
    tutor.shell.szFileName = path;
    tutor.view.ShowCaption(tutor.shell.szTitleName);
    return true;
}

bool MayLeave(Tutor& tutor)
{
    return MayDropSession(tutor);
}
