#include "shell/startup.h"

#include "session/session_file.h"
#include "session/title_name.h"
#include "tutor.h"

void StartUp(Tutor& tutor, std::string_view path, int screenWidth)
{
    ShellState& shell = tutor.shell;
    shell.szFileName = std::string(path);
    shell.szTitleName = ExtractTitleName(path);
    shell.rcWindow = {5, 5, 705, 505};
    if (!shell.szFileName.empty() && !ReadSessionFile(tutor, shell.szFileName, shell.rcWindow, false)) {
        shell.szFileName.clear();
        shell.szTitleName.clear();
    }
    if (shell.szFileName.empty() && screenWidth < 650) {
        shell.rcWindow.right = shell.rcWindow.left + 630;
        shell.rcWindow.bottom = shell.rcWindow.top + 460;
    }
}
