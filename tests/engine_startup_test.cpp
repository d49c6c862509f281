#include <gtest/gtest.h>

#include <filesystem>

#include "engine/DataTables.h"
#include "game/Game.h"
#include "game/Startup.h"
#include "engine_fixture.h"
#include "platform/Keys.h"

namespace morvek {
namespace {

/// Runs the start-up from an empty current folder, so every file must be found beside
/// the program.
struct EngineStartUp : ::testing::Test {
    HeadlessPlatform platform;
    Game game{platform};
    std::string folder;
    std::filesystem::path elsewhere;
    std::filesystem::path previous;

    void SetUp() override {
        folder = testing::makeDataFolder("startup");
        platform.setProgramFolder(folder);
        platform.setPresentLimit(5000);
        elsewhere = std::filesystem::temp_directory_path() /
                    ("morvek_engine_elsewhere_" + std::to_string(::getpid()));
        std::filesystem::create_directories(elsewhere);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(elsewhere);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        std::filesystem::remove_all(elsewhere);
    }
    /// Enter on the title's passes 1, 3 and 5 skips to the menu; Up and Enter choose the
    /// tutorial, which the title loop hands straight back.
    void chooseTutorialFromPresent(uint64_t firstTitlePass) {
        for (uint64_t p : {0, 2, 4, 8})
            platform.holdKeysForPresents({key::Return}, firstTitlePass + p, firstTitlePass + p + 1);
        platform.holdKeysForPresents({key::Up}, firstTitlePass + 6, firstTitlePass + 7);
    }
};

TEST_F(EngineStartUp, DevicesComeUpInOrderAndTheTitleTuneStartsAtFiveHundred) {
    std::vector<bool> paletteAtPresent{false};
    std::vector<uint8_t> shownAtPresent{0};
    platform.onPresent([&](uint64_t) {
        paletteAtPresent.push_back(platform.paletteCreated());
        shownAtPresent.push_back(platform.lastFrame().at(10, 10));
    });
    // Presents: the loading picture, the flip before the text, the text, the cleared
    // screen; the title's set-up is the fifth.
    chooseTutorialFromPresent(5);
    startUp(game);

    const auto& log = platform.audioLog();
    std::vector<int> loaded;
    size_t i = 0;
    for (; i < log.size() && log[i].kind == AudioEvent::LoadSound; ++i) loaded.push_back(log[i].index);
    ASSERT_EQ(loaded.size(), 117u);
    EXPECT_EQ(loaded.front(), 0);
    EXPECT_EQ(loaded[59], 59);
    EXPECT_EQ(loaded[60], 100);
    EXPECT_EQ(loaded.back(), 156);
    EXPECT_TRUE(std::is_sorted(loaded.begin(), loaded.end()));
    ASSERT_LT(i, log.size());
    EXPECT_EQ(log[i].kind, AudioEvent::PlaySound);  // once every sound is loaded
    EXPECT_EQ(log[i].index, kFirstEffect);
    for (int tune = 0; tune < 18; ++tune) {
        ASSERT_LT(i + 1 + tune, log.size());
        EXPECT_EQ(log[i + 1 + tune].kind, AudioEvent::LoadMusic);
        EXPECT_EQ(log[i + 1 + tune].index, tune);
    }
    bool tune = false;
    for (size_t k = 1; k < log.size(); ++k)
        if (log[k].kind == AudioEvent::PlayMusic && log[k].index == kTitleTune) {
            EXPECT_EQ(log[k - 1].kind, AudioEvent::MusicVolume);
            EXPECT_EQ(log[k - 1].value, 500);
            tune = true;
        }
    EXPECT_TRUE(tune);

    ASSERT_GE(shownAtPresent.size(), 5u);
    EXPECT_EQ(shownAtPresent[1], 3);  // the loading picture first
    const TextEvent& loading = platform.textLog().front();
    EXPECT_EQ(loading.text, "NOW LOADING・・・");
    EXPECT_EQ(loading.x, 400);
    EXPECT_EQ(loading.y, 400);
    EXPECT_EQ(loading.pointSize, 11);
    EXPECT_EQ(loading.colour, (Rgb{255, 0, 255}));
    EXPECT_EQ(loading.atPresent, 2u);
    EXPECT_FALSE(paletteAtPresent[3]);  // shown before the game's palette exists
    EXPECT_TRUE(paletteAtPresent[5]);

    const EngineState& e = game.engine;
    EXPECT_EQ(e.appPath, folder);
    EXPECT_EQ(e.isNT5, 1);
    EXPECT_EQ(e.playMode, PlayMode::Tutorial);
    EXPECT_EQ(e.titleChoice, -1);
    EXPECT_EQ(e.keyCount, kNormalKeyCount);
    EXPECT_EQ(game.battle.stageState.gameSpeed, 26);
    EXPECT_EQ(game.battle.stageState.MaxRoundTime, 9999);
    EXPECT_EQ(e.backBuffer.width(), 1640);
    EXPECT_EQ(e.backBuffer.height(), 1480);
    EXPECT_EQ(e.basePalette[84], (Rgb{255, 128, 30}));
    EXPECT_EQ(e.targetPalette[254], (Rgb{110, 110, 110}));
    EXPECT_EQ(e.targetPalette[84], (Rgb{72, 0, 78}));
    EXPECT_EQ(e.blackPalette[254], (Rgb{1, 1, 1}));
    EXPECT_EQ(platform.displayPalette()[255], (Rgb{0, 0, 0}));
}

TEST_F(EngineStartUp, FighterSheetsLoadAfterTheLoadingText) {
    std::filesystem::remove(folder + "grafics/gouda.cha");
    try {
        startUp(game);
        FAIL() << "a missing sheet must stop the start-up";
    } catch (const PlatformError& err) {
        EXPECT_NE(std::string(err.what()).find("gouda.cha"), std::string::npos);
    }
    ASSERT_EQ(platform.textLog().size(), 1u);
    EXPECT_EQ(platform.textLog()[0].text, "NOW LOADING・・・");
    EXPECT_EQ(platform.presentCount(), 3u);
}

TEST_F(EngineStartUp, MissingFilesAreFatalWithTheirNames) {
    std::filesystem::remove(folder + "wavbox/D_PUNCH.wav");
    try {
        startUp(game);
        FAIL();
    } catch (const PlatformError& err) {
        EXPECT_NE(std::string(err.what()).find("D_PUNCH.wav"), std::string::npos);
    }
}

TEST_F(EngineStartUp, LoadingPictureComesFromTheCurrentFolderFirst) {
    EXPECT_EQ(loadingPicturePath(game), folder + "grafics/loading.cha");
    std::filesystem::current_path(folder);
    EXPECT_EQ(loadingPicturePath(game), "grafics/loading.cha");
}

TEST_F(EngineStartUp, EscapeOnTheTitleEndsTheGameCleanly) {
    platform.holdKeysForPresents({key::Escape}, 7, 100);
    EXPECT_THROW(Form_Load(game), GameExitRequest);
}

}  // namespace
}  // namespace morvek
