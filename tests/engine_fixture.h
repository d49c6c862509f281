#pragma once
// A small data folder for the engine's tests: every picture, sound and tune the start-up
// reads, as tiny valid pictures and empty placeholder files, in a fresh temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "engine/DataTables.h"
#include "game/Game.h"
#include "engine/Palettes.h"
#include "platform/Bitmap.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::testing {

/// Cell values painted into the test common sheet so a test can tell cells apart.
constexpr uint8_t kUpMarkerValue = 201;
constexpr uint8_t kDownMarkerValue = 202;
constexpr uint8_t kTitlePictureValue = 7;

inline std::string makeDataFolder(const std::string& tag) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() /
                          ("morvek_engine_" + tag + "_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "grafics");
    fs::create_directories(root / "wavbox");
    fs::create_directories(root / "voicedata");
    fs::create_directories(root / "musicbox");
    const Palette colours{};
    auto picture = [&](std::string_view name, int w, int h, uint8_t value) {
        Surface8 s(w, h);
        s.fill(value);
        writeBitmap((root / std::string(name)).string(), s, colours);
    };
    picture(kLoadingPicture, 640, 480, 3);
    for (auto name : kBackgroundFiles) picture(name, 64, 64, 5);
    picture(kTitlePicture, 640, 480, kTitlePictureValue);
    picture("grafics/gouda.cha", 32, 32, 9);
    picture("grafics/morvekboy.cha", 32, 32, 9);
    // The common sheet: the prompt icon's four frames carry 1 + frame, the menu markers
    // their own values.
    Surface8 sheet(1024, 2048);
    for (int frame = 0; frame < 4; ++frame)
        sheet.fillRect(rectXYWH(351 + 50 * frame, 51, 47, 47), uint32_t(1 + frame));
    sheet.fillRect(rectXYWH(261, 31, 88, 28), kUpMarkerValue);
    sheet.fillRect(rectXYWH(261, 1, 88, 28), kDownMarkerValue);
    writeBitmap((root / std::string(kCommonSheet)).string(), sheet, colours);
    for (int i = 0; i < 157; ++i)
        if (soundIndexInUse(i))
            std::ofstream(root / std::string(soundFolder(i)) / std::string(soundFileName(i)));
    for (auto name : kTuneFiles) std::ofstream(root / std::string(kMusicFolder) / std::string(name));
    return root.string() + "/";
}

/// A game on a headless platform with its palettes built and the display palette created,
/// its program folder a fresh data folder.
struct EngineFixture : ::testing::Test {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
    std::string folder;

    void SetUp() override {
        folder = makeDataFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        platform.setProgramFolder(folder);
        platform.setPresentLimit(5000);
        game = std::make_unique<Game>(platform);
        EngineState& e = game->engine;
        e.appPath = folder;
        fixedColorSet(e.basePalette, 1);
        fixedColorSet(e.workPalette, 1);
        fixedColorSet2nd(e.workPalette);
        platform.createPalette(e.workPalette);
        for (int i = 0; i < 157; ++i)
            if (soundIndexInUse(i)) platform.loadSound(i, folder + std::string(soundFolder(i)) +
                                                               std::string(soundFileName(i)));
        for (int i = 0; i < kTuneCount; ++i)
            platform.loadMusic(i, folder + std::string(kMusicFolder) + std::string(kTuneFiles[i]));
        platform.clearLogs();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    /// Audio events of one kind, in order.
    std::vector<AudioEvent> events(AudioEvent::Kind kind) const {
        std::vector<AudioEvent> out;
        for (const AudioEvent& ev : platform.audioLog())
            if (ev.kind == kind) out.push_back(ev);
        return out;
    }
};

}  // namespace morvek::testing
