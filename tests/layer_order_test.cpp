// The folders' include order, as ./check enforces it with scripts/check_layers.sh.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "temp_folder.h"

namespace morvek::testing {
namespace {

namespace fs = std::filesystem;

struct CheckRun {
    int status = -1;
    std::string output;
};

/// Runs the check on the tree at root, with its messages.
CheckRun checkLayers(const fs::path& root) {
    const std::string command = std::string("bash '") + MORVEK_SOURCE_DIR +
                                "/scripts/check_layers.sh' '" + root.string() + "' 2>&1";
    CheckRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) run.output += buffer.data();
    run.status = pclose(pipe);
    return run;
}

void writeFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

TEST(LayerOrder, TheSourceTreeKeepsTheOrder) {
    const CheckRun run = checkLayers(MORVEK_SOURCE_DIR);
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(LayerOrder, AnIncludeFromAFolderAboveFailsNamingFileLineAndFolder) {
    ScopedTempCurrentFolder tree;
    writeFile("src/engine/Ok.cpp", "#include \"platform/Platform.h\"\n#include \"engine/Ok.h\"\n");
    writeFile("src/battle/Ok.cpp", "#include <vector>\n#include \"engine/Ok.h\"\n");
    writeFile("src/render/Climb.cpp", "#include \"render/Climb.h\"\n  #include \"screens/Title.h\"\n");
    const CheckRun run = checkLayers(tree.path());
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("src/render/Climb.cpp:2: includes screens/"), std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("Ok.cpp"), std::string::npos) << run.output;
}

TEST(LayerOrder, AFolderOutsideTheOrderFails) {
    ScopedTempCurrentFolder tree;
    writeFile("src/engine/Ok.cpp", "#include \"engine/Ok.h\"\n");
    writeFile("src/extras/Thing.cpp", "#include \"engine/Ok.h\"\n");
    const CheckRun run = checkLayers(tree.path());
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("src/extras"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace morvek::testing
