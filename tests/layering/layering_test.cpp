#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

// Each folder of src/ and its layer: a file may include its own layer's headers and those
// below, and from any layer the state structs (`*/state.h`) and `tutor.h`, which hold the
// program's state but no calls.
TEST(Layering, NoFolderIncludesALayerAboveIt)
{
    const std::map<std::string, int> layers{{"platform", 0}, {"display", 1}, {"sound", 2}, {"course", 3},
                                            {"pages", 4},    {"flow", 5},    {"session", 6}, {"report", 6},
                                            {"dialogs", 7},  {"history", 7}, {"shell", 8}};
    const std::filesystem::path src = std::filesystem::path(TASTORA_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#\s*include\s+"([a-z_]+)/([a-z_]+\.h)\")");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string folder = entry.path().parent_path().filename().string();
        if (!entry.is_regular_file() || entry.path().parent_path() == src)
            continue;
        ASSERT_TRUE(layers.contains(folder)) << folder << ": a folder without a layer";
        ++files;
        std::ifstream in(entry.path());
        std::smatch match;
        for (std::string line; std::getline(in, line);) {
            if (!std::regex_search(line, match, include) || match[2] == "state.h")
                continue;
            ASSERT_TRUE(layers.contains(match[1])) << entry.path() << " includes " << match[0];
            EXPECT_TRUE(layers.at(match[1]) < layers.at(folder) || match[1] == folder)
                << entry.path().lexically_relative(src) << " includes " << match[1] << "/" << match[2];
        }
    }
    EXPECT_GT(files, 50);
}

}  // namespace
