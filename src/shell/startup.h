#pragma once

#include <string>
#include <string_view>

struct Tutor;

// What the command line asks for: a session file to start with, or an answer on the terminal
// (--help, --version, or what was wrong) before any window opens.
struct CommandLine {
    std::string path;     // as the file system spells it; empty: none
    int exitCode = -1;    // 0 or more: answer and end with this code (0: on stdout, else on stderr)
    std::string answer;
};

// Options are options wherever they stand ("--" ends them); more than one file name, or an
// option the program does not know, is a usage error with exit code 2.
CommandLine ReadCommandLine(int argc, const char* const argv[]);

// Takes the session file named on the command line (empty: none) and chooses the window
// rectangle: the file's, or the default one, shrunk on a screen narrower than 650 pixels.
void StartUp(Tutor& tutor, std::string_view path, int screenWidth);
