#include "shell/startup.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(CommandLine, OptionsWhereverTheyStandAndOneFileAtMost)
{
    struct Case {
        std::vector<const char*> arguments;
        int exitCode;
        const char* answerBegins;
        std::string path;
    };
    for (const Case& c : std::vector<Case>{
             {{}, -1, "", ""},
             {{"Übung \xFF.klv"}, -1, "", "Übung \xFF.klv"},
             {{"--", "--help"}, -1, "", "--help"},
             {{"kurs.klv", "--help", "--version"}, 0, "Aufruf: tastora [DATEI.klv]\n", ""},
             {{"kurs.klv", "--version"}, 0, "Tastora ", ""},
             {{"a.klv", "b.klv"}, 2, "tastora: nur eine Datei, nicht 'a.klv' und 'b.klv'\nAufruf:", ""},
             {{"-platform", "offscreen", "a.klv", "-reverse"}, -1, "", "a.klv"},
             {{"--bunt", "a.klv"}, 2, "tastora: unbekannte Option 'bunt'\n", ""},
         }) {
        std::vector<const char*> argv{"tastora"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine command = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(command.exitCode, c.exitCode) << shown;
        EXPECT_EQ(command.answer.substr(0, std::strlen(c.answerBegins)), c.answerBegins) << shown;
        EXPECT_EQ(command.path, c.path) << shown;
    }
}

}  // namespace
