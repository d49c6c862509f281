#pragma once
// A game on the headless platform for the screens' tests: the engine's data folder plus
// the select picture, the common sheet loaded, and the current folder moved into the data
// folder so the SCORE file lands there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/DataTables.h"
#include "engine/Pictures.h"
#include "engine_fixture.h"
#include "platform/Keys.h"
#include "screens/Ranking.h"

namespace morvek::testing {

struct ScreensFixture : EngineFixture {
    std::filesystem::path previousFolder;

    void SetUp() override {
        EngineFixture::SetUp();
        Surface8 select(640, 480);
        select.fill(12);
        writeBitmap(folder + std::string(kSelectPicture), select, Palette{});
        game->engine.attackEffectSurface = loadPicture(*game, kCommonSheet);
        game->engine.playMode = PlayMode::Arcade;
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder);
        EngineFixture::TearDown();
    }

    /// Keys held during the next pass only.
    void holdNext(std::vector<uint8_t> keys) {
        const uint64_t n = platform.presentCount();
        platform.holdKeysForPresents(std::move(keys), n, n + 1);
    }
    /// From now on Enter is down on every other pass, so each press is a fresh one.
    void tapEnterEveryOtherPass() {
        platform.onPresent([this](uint64_t n) {
            if (n % 2 == 0) platform.holdKeysForPresents({key::Return}, n, n + 1);
        });
    }

    bool scoreExists() const { return std::filesystem::exists(folder + "SCORE"); }
    std::string scoreContents() const {
        std::ifstream in(folder + "SCORE", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    void writeScore(const std::string& contents) const {
        std::ofstream(folder + "SCORE", std::ios::binary) << contents;
    }
    /// Files of the data folder's top level other than the picture and sound folders.
    std::vector<std::string> looseFiles() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            if (e.is_regular_file()) out.push_back(e.path().filename().string());
        return out;
    }
    size_t countAudio(AudioEvent::Kind kind, int index) const {
        size_t n = 0;
        for (const AudioEvent& ev : platform.audioLog()) n += ev.kind == kind && ev.index == index;
        return n;
    }
    bool textShown(const std::string& text) const {
        for (const TextEvent& t : platform.textLog())
            if (t.text == text) return true;
        return false;
    }
    const TextEvent* findText(const std::string& text) const {
        const TextEvent* found = nullptr;
        for (const TextEvent& t : platform.textLog())
            if (t.text == text) found = &t;
        return found;
    }
};

/// A good record with the given score (fighter 0, other fields ordinary).
inline std::string recordWithScore(int64_t score, int16_t fighter = 0) {
    ScoreRecord r;
    r.fighter = fighter;
    r.score = score;
    r.seconds = 600;
    r.grade = 10;
    r.baseLevel = 10;
    r.speedMode = 1;
    r.keyCount = kNormalKeyCount;
    return encodeScoreRecord(r, "1111111");
}

}  // namespace morvek::testing
