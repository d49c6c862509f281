#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/Files.h"
#include "platform/Platform.h"

using namespace morvek;
namespace fs = std::filesystem;

namespace {

class FileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("morvek_files_" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void put(const fs::path& rel, const std::string& contents) {
        fs::create_directories((dir_ / rel).parent_path());
        std::ofstream(dir_ / rel, std::ios::binary) << contents;
    }
    std::vector<std::string> entries(const fs::path& sub = {}) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_ / sub)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

}  // namespace

TEST_F(FileStoreTest, WriteReplacesTheFileWholeAndLeavesNoTemporary) {
    FileStore store(dir_.string());
    EXPECT_FALSE(store.exists("SCORE"));
    store.write("SCORE", "first contents, rather long\n");
    store.write("SCORE", "second");
    EXPECT_TRUE(store.exists("SCORE"));
    EXPECT_EQ(store.read("SCORE"), "second");
    EXPECT_EQ(entries(), std::vector<std::string>{"SCORE"});
    // Binary-safe.
    const std::string bytes("a\0b\r\n\xff", 6);
    store.write("SCORE", bytes);
    EXPECT_EQ(store.read("SCORE"), bytes);
}

TEST_F(FileStoreTest, ReadWithSkipAndAnEmptyWrite) {
    FileStore store(dir_.string() + "/");  // a trailing '/' on the root is fine
    store.write("SCORE", "abcdef");
    EXPECT_EQ(store.read("SCORE"), "abcdef");
    EXPECT_EQ(store.readFrom("SCORE", 0), "abcdef");
    EXPECT_EQ(store.readFrom("SCORE", 4), "ef");
    EXPECT_EQ(store.readFrom("SCORE", 6), "");
    EXPECT_EQ(store.readFrom("SCORE", 100), "");
    EXPECT_EQ(store.readFrom("SCORE", 1, 3), "bcd");
    EXPECT_EQ(store.readFrom("SCORE", 4, 5), "ef");
    EXPECT_EQ(store.readFrom("SCORE", 2, 0), "");
    store.write("SCORE", "");
    EXPECT_TRUE(store.exists("SCORE"));
    EXPECT_EQ(store.read("SCORE"), "");
}

TEST_F(FileStoreTest, ReadingAMissingFileNamesIt) {
    FileStore store(dir_.string());
    try {
        store.read("NOPE.txt");
        FAIL() << "expected PlatformError";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("NOPE.txt"), std::string::npos) << e.what();
    }
    EXPECT_THROW(store.readFrom("NOPE.txt", 3), PlatformError);
}

TEST_F(FileStoreTest, RemoveDeletesAndToleratesAMissingFile) {
    FileStore store(dir_.string());
    store.write("SCORE", "x");
    store.remove("score");  // found ignoring case
    EXPECT_FALSE(store.exists("SCORE"));
    EXPECT_NO_THROW(store.remove("SCORE"));
    EXPECT_TRUE(entries().empty());
}

TEST_F(FileStoreTest, NamesResolveIgnoringCaseInFoldersToo) {
    put("Music/BURI.mid", "MThd");
    FileStore store(dir_.string());
    EXPECT_TRUE(store.exists("music/buri.MID"));
    EXPECT_EQ(store.read("MUSIC/Buri.Mid"), "MThd");
    EXPECT_EQ(store.pathOf("music/buri.MID"), (dir_ / "Music/BURI.mid").string());

    auto resolved = resolvePathCaseInsensitive((dir_ / "music/buri.MID").string());
    ASSERT_TRUE(resolved.has_value());
    EXPECT_EQ(*resolved, (dir_ / "Music/BURI.mid").string());
    EXPECT_FALSE(resolvePathCaseInsensitive((dir_ / "music/bur.mid").string()).has_value());
    EXPECT_FALSE(resolvePathCaseInsensitive((dir_ / "musik/buri.mid").string()).has_value());

    // Writing under another case replaces the existing file instead of adding a second.
    store.write("music/buri.mid", "new");
    EXPECT_EQ(store.read("Music/BURI.mid"), "new");
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_ / "Music")) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
    // A new file in a folder named in another case goes into that folder.
    store.write("MUSIC/new.mid", "n");
    EXPECT_TRUE(fs::exists(dir_ / "Music/new.mid"));
}

TEST_F(FileStoreTest, AnExactNameWinsOverACaseInsensitiveOne) {
    put("d_punch.wav", "lower");
    put("D_PUNCH.wav", "upper");
    FileStore store(dir_.string());
    EXPECT_EQ(store.read("D_PUNCH.wav"), "upper");
    EXPECT_EQ(store.read("d_punch.wav"), "lower");
}

// ---- a write's temporaries carry a mark, and only marked ones are ever cleared ----------

TEST_F(FileStoreTest, AWriteClearsItsOwnTemporariesAMinuteOldAndNothingElse) {
    const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    // Left by writes cut short: cleared.
    const std::vector<std::string> stale = {"SCORE.morvek-unfinished-write.a1B2c3",
                                            "SCORE.morvek-unfinished-write.XyZ987"};
    // As old, but not this file's temporaries: a player's own names, whatever their shape.
    const std::vector<std::string> others = {
        "SCORE.backup", "SCORE.old123", "SCORE.2026ab", "SCORE.BACKUP", "SCORE.damage",
        "SCORE.damaged", "SCORE.a1B2c3", "SCORE.morvek-unfinished-write.a1B2c",
        "SCORE.morvek-unfinished-write.a1-2c3", "SCORE.morvek-unfinished-write.a1B2c3d",
        "OTHER.morvek-unfinished-write.a1B2c3", "xSCORE.morvek-unfinished-write.a1B2c3"};
    for (const auto& names : {stale, others})
        for (const std::string& name : names) {
            put(name, "x");
            fs::last_write_time(dir_ / name, twoMinutesAgo);
        }
    fs::create_directory(dir_ / "SCORE.morvek-unfinished-write.d1r2c3");
    fs::last_write_time(dir_ / "SCORE.morvek-unfinished-write.d1r2c3", twoMinutesAgo);
    put("SCORE.morvek-unfinished-write.Zz9Yy8", "another writer's, at work now");

    FileStore store(dir_.string());
    for (const char* contents : {"new", "newer", "newest"}) store.write("SCORE", contents);
    std::vector<std::string> left = others;
    for (const char* name : {"SCORE", "SCORE.morvek-unfinished-write.d1r2c3",
                             "SCORE.morvek-unfinished-write.Zz9Yy8"})
        left.push_back(name);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(entries(), left);
    EXPECT_EQ(store.read("SCORE"), "newest");
}

// ---- a symbolic link is written through -----------------------------------------------

TEST_F(FileStoreTest, AWriteGoesThroughLinksToTheFileTheyResolveToAndTheLinksStay) {
    // SCORE -> saves/current -> ranking: each link relative to its own folder.
    put("saves/ranking", "old");
    const std::string stale = "ranking.morvek-unfinished-write.a1B2c3";
    put("saves/" + stale, "left by a write cut short");
    fs::last_write_time(dir_ / "saves" / stale,
                        fs::file_time_type::clock::now() - std::chrono::minutes(2));
    fs::create_symlink("ranking", dir_ / "saves/current");
    fs::create_symlink("saves/current", dir_ / "SCORE");

    FileStore store(dir_.string());
    store.write("SCORE", "new");
    EXPECT_EQ(fs::read_symlink(dir_ / "SCORE"), "saves/current");
    EXPECT_EQ(fs::read_symlink(dir_ / "saves/current"), "ranking");
    EXPECT_EQ(store.read("saves/ranking"), "new");
    // The replace, and the clearing of its temporaries, happen beside that file.
    EXPECT_EQ(entries(), (std::vector<std::string>{"SCORE", "saves"}));
    EXPECT_EQ(entries("saves"), (std::vector<std::string>{"current", "ranking"}));

    // A link to a file not there yet: the write makes the file.
    fs::remove(dir_ / "saves/ranking");
    store.write("SCORE", "again");
    EXPECT_TRUE(fs::is_symlink(dir_ / "SCORE"));
    EXPECT_EQ(store.read("saves/ranking"), "again");
}
