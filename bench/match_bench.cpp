// Whole-match speed: frames of a headless match stepped one battleFrame at a time, with all
// of a frame's drawing, the computer's thinking and the bot typist for player 1, set up as
// the match runner sets a match up; and the SDL present path (palette conversion, texture
// upload, render) of one 640x480 frame on the dummy video driver.
//
// The frame counters: fps is frames per second of wall time, s_per_frame its inverse.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include <unistd.h>

#include "game/BattleLoop.h"
#include "battle/Character.h"
#include "data/dataset.h"
#include "match_runner.h"
#include "platform/SdlPlatform.h"

namespace morvek::match {
namespace {

/// The generated data set in a temporary folder, written once for the whole run and
/// removed at exit.
class BenchData {
public:
    BenchData()
        : root_(std::filesystem::temp_directory_path() /
                ("morvek_bench_" + std::to_string(::getpid()))) {
        data::writeDataSet(root_);
        folder_ = root_.string() + "/";
    }
    ~BenchData() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    const std::string& folder() const { return folder_; }

private:
    std::filesystem::path root_;
    std::string folder_;
};

const std::string& dataFolder() {
    static const BenchData data;
    return data.folder();
}

/// One match at a time, stepped frame by frame; a finished match is followed by the next
/// seed's.
class SteppedMatch {
public:
    SteppedMatch(std::string fighter1, std::string fighter2, int16_t level) {
        setup_.dataFolder = dataFolder();
        setup_.fighter1 = std::move(fighter1);
        setup_.fighter2 = std::move(fighter2);
        setup_.level = level;
        setup_.accuracy = 0.9;
        setup_.delay = 4;
        start();
    }

    /// One frame: the bot's key, then battleFrame. True when the match ended.
    bool step() {
        HeadlessPlatform& platform = match_->platform;
        const int16_t code = bot_->decide(match_->game);
        platform.clearKeyScript();
        if (const uint8_t scan = scanCodeOf(code)) {
            const uint64_t n = platform.presentCount();
            platform.holdKeysForPresents({scan}, n, n + 1);
        }
        const bool over = battleFrame(match_->game);
        platform.clearLogs();
        return over || ++frames_ >= setup_.maxFrames;
    }

    /// Throws the finished match away and sets up the next seed's.
    void next() {
        ++setup_.seed;
        start();
    }

private:
    void start() {
        bot_.reset();
        match_.reset();
        match_ = std::make_unique<Match>(setup_);
        setUpMatch(*match_, setup_, &pictures_);
        bot_ = std::make_unique<BotTypist>(setup_);
        frames_ = 0;
    }

    MatchSetup setup_;
    PictureCache pictures_;
    std::unique_ptr<Match> match_;
    std::unique_ptr<BotTypist> bot_;
    int64_t frames_ = 0;
};

void frameCounters(benchmark::State& state, int64_t frames) {
    state.counters["fps"] = benchmark::Counter(static_cast<double>(frames),
                                               benchmark::Counter::kIsRate);
    state.counters["s_per_frame"] = benchmark::Counter(
        static_cast<double>(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// One iteration is one frame; the set-up of the next match is not timed.
void matchFrames(benchmark::State& state, const char* fighter1, const char* fighter2) {
    SteppedMatch match(fighter1, fighter2, static_cast<int16_t>(state.range(0)));
    int64_t matches = 0;
    for (auto _ : state) {
        if (match.step()) {
            state.PauseTiming();
            match.next();
            ++matches;
            state.ResumeTiming();
        }
    }
    frameCounters(state, static_cast<int64_t>(state.iterations()));
    state.counters["matches_ended"] = static_cast<double>(matches);
}

void BM_MatchFrame_MorvekboyVsMorvekboy(benchmark::State& state) {
    matchFrames(state, "morvekboy", "morvekboy");
}
BENCHMARK(BM_MatchFrame_MorvekboyVsMorvekboy)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_MatchFrame_MorvekboyVsBetaboy(benchmark::State& state) {
    matchFrames(state, "morvekboy", "betaboy");
}
BENCHMARK(BM_MatchFrame_MorvekboyVsBetaboy)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_MatchFrame_GinzamuraiVsGod(benchmark::State& state) {
    matchFrames(state, "ginzamurai", "god");
}
BENCHMARK(BM_MatchFrame_GinzamuraiVsGod)->Arg(10)->Unit(benchmark::kMicrosecond);

/// Whole matches through the runner itself, set-up included (pictures cached, as the
/// runner caches them): the figure a run of the match runner sees.
void BM_WholeMatch(benchmark::State& state) {
    MatchSetup setup;
    setup.dataFolder = dataFolder();
    setup.level = static_cast<int16_t>(state.range(0));
    setup.fighter2 = "betaboy";
    setup.roundTime = 1500;
    PictureCache pictures;
    int64_t frames = 0;
    for (auto _ : state) {
        const MatchResult r = playMatch(setup, &pictures);
        if (!r.finished) state.SkipWithError(formatResult(r).c_str());
        frames += r.frames;
        ++setup.seed;
    }
    frameCounters(state, frames);
    state.counters["frames_per_match"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeMatch)->Arg(10)->Unit(benchmark::kMillisecond);

/// SdlPlatform::present of a back buffer the game's size: copy of the visible 640x480,
/// palette conversion into the streaming texture, clear, copy and present, event pump.
/// The display's pace (one picture per kMinPresentIntervalMs) is switched off, so the
/// figure is the path's own cost.
void BM_SdlPresent640x480(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::unique_ptr<SdlPlatform> sdl;
    try {
        sdl = std::make_unique<SdlPlatform>(/*windowed=*/true);
    } catch (const std::exception& ex) {
        state.SkipWithError(ex.what());
        return;
    }
    Palette pal{};
    for (int i = 0; i < 256; ++i) pal[i] = Rgb{uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)};
    sdl->createPalette(pal);
    sdl->setMinPresentInterval(0);  // the present's own cost, not the display's pace
    Surface8 back(1640, 1480);
    std::mt19937 rng(11);
    for (int32_t y = 0; y < back.height(); ++y)
        for (int32_t x = 0; x < back.width(); ++x) back.set(x, y, uint8_t(rng()));
    for (auto _ : state) {
        sdl->present(back);
        benchmark::ClobberMemory();
    }
    frameCounters(state, static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_SdlPresent640x480)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvek::match
