#pragma once
// Whole matches without a person: a headless game, a seed, player 2 the computer at a chosen
// level and player 1 driven by a bot typist (or by a key script). Used by the match_runner
// tool and by the replay test.
//
// The bot reads the typing frame's letters from the game state, as a player reads the
// screen, and types the red or blue letter (or an extra word of an open typing combo) after
// a delay, with a chosen accuracy; a miss types a letter that is not in the frame. It has
// its own random generator, so it never takes a draw from the game's.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/BattleLoop.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/RoundJudge.h"
#include "battle/Targets.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Pictures.h"
#include "movesets/GodPatterns.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Platform.h"

namespace morvek::match {

struct MatchSetup {
    uint32_t seed = 1;
    std::string fighter1 = "morvekboy";  ///< file stems
    std::string fighter2 = "morvekboy";
    int16_t level = 10;          ///< the computer's cpuLevel
    double accuracy = 0.9;       ///< chance that the bot types the letter it means
    int delay = 6;               ///< frames the bot waits before each key
    double guardChance = 0.5;    ///< chance that the bot guards an attack it sees coming
    double redChance = 0.7;      ///< chance that the bot types the red (attack) letter
    int16_t roundTime = 6099;    ///< MaxRoundTime
    int64_t maxFrames = 60000;   ///< a match still running after this many frames fails
    /// Instead of the bot: key codes by frame number (frame, code), in frame order.
    std::vector<std::pair<int64_t, int16_t>> keyScript;
    bool useKeyScript = false;
    std::string dataFolder;      ///< where grafics/ lies, with a trailing '/'
    /// G O D's boss stage when player 2 is G O D: its cut-scene, then its final defeat.
    bool bossStage = false;
};

struct MatchResult {
    uint32_t seed = 0;
    std::string fighter1, fighter2;
    int16_t level = 0;
    int winner = 0;              ///< 1, 2, or 0 when neither won more rounds
    int rounds = 0;
    int64_t frames = 0;
    double vitality1 = 0, vitality2 = 0;  ///< at the end of the last decided round
    uint64_t hash = 0;           ///< of the end state
    bool finished = false;       ///< ended by the judge within maxFrames
    std::string error;           ///< what stopped the match, when it did not finish
    double seconds = 0;          ///< wall time (not part of the result's identity)
};

/// The scan code of a game key code (1-40, Space, Enter...); 0 when it has none.
inline uint8_t scanCodeOf(int16_t code) {
    for (const KeyCodeEntry& e : kKeyCodeTable)
        if (e.code == code) return e.scanCode;
    return 0;
}

/// The grid key (1-40) that types letter number `letter`; 0 when none does.
inline int16_t keyOfLetter(int16_t letter) {
    for (int16_t k = 1; k <= 40; ++k)
        if (keyNumToLetterNum(k) == letter) return k;
    return 0;
}

/// True while the game stands still until Return: G O D's boss-stage cut-scene before the
/// first round, and its final defeat once it has lost the match.
inline bool waitsForEnter(const Game& game) {
    const StateOfStage& s = game.battle.stageState;
    const Character& p2 = game.battle.player2;
    if (p2.NUMBER != fighter::God) return false;
    if (s.checkCounter == ladderstage::God) return !s.VSactionFlag && s.roundCount == 0;
    return s.checkCounter == ladderstage::GodDefeated && p2.animPat == god_patterns::kFinalDefeat;
}

class BotTypist {
public:
    explicit BotTypist(const MatchSetup& setup)
        : setup_(setup), rng_(setup.seed * 2654435761u + 17u) {}

    /// The key code player 1 holds during the coming frame (0: none).
    int16_t decide(const Game& game) {
        const BattleState& b = game.battle;
        const Character& p1 = b.player1;
        const Character& p2 = b.player2;

        // Return whenever the game stands still for it: first the delay (the player reads
        // the screen), then a press, and the key goes up in between, so every press is a
        // new one.
        if (waitsForEnter(game)) {
            if (!sawWait_) wait_ = std::max(1, setup_.delay);
            sawWait_ = true;
            if (wait_ > 0) {
                --wait_;
                return 0;
            }
            wait_ = std::max(1, setup_.delay);
            return keycode::Enter;
        }
        sawWait_ = false;

        // Guarding: hold the guard key while the computer's attack is open.
        if (!p1.tarGeting && p2.ATFflag == 1 && p1.viTality > 0) {
            if (!sawAttack_) guarding_ = chance(setup_.guardChance);
            sawAttack_ = true;
            if (guarding_) return p1.LeftOrRight == 1 ? 23 : 28;
        } else {
            sawAttack_ = false;
            guarding_ = false;
        }

        if (wait_ > 0) {
            --wait_;
            return 0;
        }
        int16_t key = 0;
        if (p1.tarGeting && p1.enableAction) {
            key = typeLetter(b);
        } else if (p1.enableAction) {
            if (p1.spacornCount > 0 && chance(0.05)) key = keycode::Enter;
            else key = static_cast<int16_t>(1 + below(40));
        }
        if (key != 0) wait_ = setup_.delay + static_cast<int>(below(4));  // then let go
        return key;
    }

private:
    int16_t typeLetter(const BattleState& b) {
        const Character& p1 = b.player1;
        int16_t letter = 0;
        if (!chance(setup_.accuracy)) {
            // A letter that is none of the eight.
            for (int tries = 0; tries < 100 && letter == 0; ++tries) {
                const auto l = static_cast<int16_t>(1 + below(40));
                bool shown = false;
                for (int16_t t : b.targetLetters) shown = shown || t == l;
                if (!shown) letter = l;
            }
        } else {
            std::vector<int16_t> words{b.targetLetters[0]};
            if (p1.TPC) {
                const bool extra[6] = {p1.word3rdDisp, p1.word4thDisp, p1.word5thDisp,
                                       p1.word6thDisp, p1.word7thDisp, p1.word8thDisp};
                for (int n = 0; n < 6; ++n)
                    if (extra[n]) words.push_back(b.targetLetters[static_cast<size_t>(n + 2)]);
                letter = words[below(static_cast<uint32_t>(words.size()))];
                if (chance(0.2)) letter = b.targetLetters[1];
            } else {
                letter = chance(setup_.redChance) ? b.targetLetters[0] : b.targetLetters[1];
            }
        }
        return keyOfLetter(letter);
    }

    bool chance(double p) { return static_cast<double>(rng_()) / 4294967296.0 < p; }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(rng_() % n); }

    const MatchSetup& setup_;
    std::mt19937 rng_;
    int wait_ = 0;
    bool sawAttack_ = false;
    bool guarding_ = false;
    bool sawWait_ = false;  ///< the game stood still for Return in the frame before
};

/// FNV-1a over the bytes of values.
class StateHash {
public:
    template <typename T>
    void add(const T& v) {
        const auto* p = reinterpret_cast<const unsigned char*>(&v);
        for (size_t i = 0; i < sizeof(T); ++i) h_ = (h_ ^ p[i]) * 1099511628211ull;
    }
    void addFighter(const Character& c) {
        add(c.posX);
        add(c.posY);
        add(c.viTality);
        add(c.stunGauge);
        add(c.spacornGauge);
        add(c.spacornCount);
        add(c.animPat);
        add(c.sTate);
        add(c.dirStand);
        add(c.winCount);
        add(c.comboCount);
        add(c.MaxComboCount);
        add(c.TotalDamage);
        add(c.SJSpoint);
        for (uint8_t i = 0; i < 4; ++i) add(c.returningHowtoWin(i));
    }
    uint64_t value() const { return h_; }

private:
    uint64_t h_ = 1469598103934665603ull;
};

/// The folder this program lies in, with a trailing '/'.
inline std::string programFolderOf(const char* argv0) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec) p = std::filesystem::absolute(argv0);
    return p.parent_path().string() + "/";
}

/// Pictures read once and handed to every match: loading them dominates a short match.
class PictureCache {
public:
    const Surface8& get(Game& game, const std::string& name) {
        for (auto& [n, s] : pictures_)
            if (n == name) return s;
        pictures_.emplace_back(name, loadPicture(game, name));
        return pictures_.back().second;
    }

private:
    std::vector<std::pair<std::string, Surface8>> pictures_;
};

/// The pictures of a match as the outer loop loads them: a background drawn at random, both
/// fighters' sheets and the common sheet.
inline void loadMatchPictures(Game& game, PictureCache* cache) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;
    PictureCache local;  // without a shared cache, every picture is read for this match
    if (!cache) cache = &local;
    // The same random draw as backGroundLoad, so a cached run plays the same match.
    const int r = static_cast<int>(Int(game.random.next() * 10 + 1));
    e.backGroundSurface = cache->get(
        game, std::string(kBackgroundFiles[static_cast<size_t>(backgroundFileIndex(r))]));
    e.charaSurface1 = cache->get(game, b.player1.picTure + std::string(kSheetExtension));
    e.charaSurface2 = cache->get(game, b.player2.picTure + std::string(kSheetExtension));
    e.attackEffectSurface = cache->get(game, std::string(kCommonSheet));
}

/// A headless platform and a fresh game on it. Set it up with setUpMatch.
struct Match {
    explicit Match(const MatchSetup& setup) : game(platform) {
        platform.setRequireFiles(false);
        platform.setProgramFolder(setup.dataFolder);
        // An inner loop of presents that never ends (the finish display) fails the match.
        platform.setPresentLimit(static_cast<uint64_t>(setup.maxFrames) * 4 + 10000);
        if (setup.bossStage) {
            // The final defeat waits for Return inside one frame: press it at every other
            // present of that wait, so the key goes up and down again.
            platform.onPresent([this](uint64_t present) {
                if (present % 2 == 1 && waitsForEnter(game))
                    platform.holdKeysForPresents({scanCodeOf(keycode::Enter)}, present,
                                                 present + 1);
            });
        }
    }
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    HeadlessPlatform platform;
    Game game;
};

/// Sets a match up as the outer loop does before its first round: the seed, the palettes,
/// the stage and both fighters by stem (player 2 the computer at the setup's level), the
/// round, and the pictures. With bossStage and G O D as player 2 the stage is its boss stage.
inline void setUpMatch(Match& match, const MatchSetup& setup, PictureCache* cache) {
    Game& game = match.game;
    EngineState& e = game.engine;
    BattleState& b = game.battle;
    game.random.reseed(setup.seed);
    e.appPath = setup.dataFolder;
    e.keyCount = kNormalKeyCount;
    e.playMode = PlayMode::Arcade;
    paletteBuildAll(game);

    b.stageState.MaxRoundTime = setup.roundTime;
    b.stageState.gameSpeed = 26;
    b.stageState.compLevel = setup.level;
    b.player1.charaname = setup.fighter1;
    b.player2.charaname = setup.fighter2;
    b.player1.cpuLevel = setup.level;
    b.player2.cpuLevel = setup.level;
    battleRoundInit(game);
    stageInitAll(game);
    if (setup.bossStage && b.player2.NUMBER == fighter::God) {
        // As the ladder reaches it: the intro runs before the first round.
        b.stageState.checkCounter = ladderstage::God;
        b.stageState.VSactionFlag = false;
        b.stageState.roundCount = 0;
    }
    loadMatchPictures(game, cache);
}

/// Plays one match from a fresh game and reports it.
inline MatchResult playMatch(const MatchSetup& setup, PictureCache* cache = nullptr) {
    MatchResult r;
    r.seed = setup.seed;
    r.fighter1 = setup.fighter1;
    r.fighter2 = setup.fighter2;
    r.level = setup.level;

    Match match(setup);
    HeadlessPlatform& platform = match.platform;
    Game& game = match.game;
    BattleState& b = game.battle;
    BotTypist bot(setup);
    const auto start = std::chrono::steady_clock::now();
    try {
        setUpMatch(match, setup, cache);

        size_t scriptPos = 0;
        bool over = false;
        while (!over && r.frames < setup.maxFrames) {
            int16_t code = 0;
            if (setup.useKeyScript) {
                while (scriptPos < setup.keyScript.size() &&
                       setup.keyScript[scriptPos].first < r.frames)
                    ++scriptPos;
                if (scriptPos < setup.keyScript.size() &&
                    setup.keyScript[scriptPos].first == r.frames)
                    code = setup.keyScript[scriptPos].second;
            } else {
                code = bot.decide(game);
            }
            platform.clearKeyScript();
            if (const uint8_t scan = scanCodeOf(code)) {
                const uint64_t n = platform.presentCount();
                platform.holdKeysForPresents({scan}, n, n + 1);
            }
            over = battleFrame(game);
            ++r.frames;
            // The vitality each fighter ended the decided round with (the next round's
            // set-up refills it).
            if (b.stageState.roundFinish && b.stageState.changeTimer < kRoundChangeTime) {
                r.vitality1 = b.player1.viTality;
                r.vitality2 = b.player2.viTality;
            }
            platform.clearLogs();
        }
        r.finished = over;
        if (!over) r.error = "frame limit";
    } catch (const std::exception& ex) {
        r.error = ex.what();
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const Character& p1 = b.player1;
    const Character& p2 = b.player2;
    r.winner = p1.winCount > p2.winCount ? 1 : p2.winCount > p1.winCount ? 2 : 0;
    r.rounds = b.stageState.roundCount;
    StateHash h;
    h.addFighter(p1);
    h.addFighter(p2);
    h.add(b.stageState.roundCount);
    h.add(b.stageState.roundTimer);
    h.add(b.stageState.winPlayer);
    h.add(b.cpuTick10);
    h.add(b.cpuTick30);
    h.add(r.frames);
    h.add(game.random.next());  // where the game's random sequence stands
    r.hash = h.value();
    return r;
}

/// One line: seed, fighters, level, winner, rounds, frames, final vitality, end-state hash.
inline std::string formatResult(const MatchResult& r) {
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "seed=%u p1=%s p2=%s level=%d winner=%d rounds=%d frames=%lld vit1=%g "
                  "vit2=%g hash=%016llx",
                  r.seed, r.fighter1.c_str(), r.fighter2.c_str(), r.level, r.winner, r.rounds,
                  static_cast<long long>(r.frames), r.vitality1, r.vitality2,
                  static_cast<unsigned long long>(r.hash));
    std::string line = buf;
    if (!r.finished) line += " FAILED=" + (r.error.empty() ? std::string("?") : r.error);
    return line;
}

/// The number that all of `text` spells, when it lies in [lo, hi] (never NaN).
template <typename T>
std::optional<T> numberIn(std::string_view text, T lo, T hi) {
    T v{};
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || stop != end || !(v >= lo && v <= hi)) return std::nullopt;
    return v;
}

/// A key script line that is not a key to play: the file, the line number and the line.
struct KeyScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// Reads a key script: one "frame code" pair a line, whole numbers both, the frame from 0 and
/// the code one that a key gives (kKeyCodeTable); '#' starts a comment, blank lines are
/// skipped. A file that cannot be read throws std::runtime_error, a line that is anything
/// else KeyScriptError: a typing slip must not play as some other key.
inline std::vector<std::pair<int64_t, int16_t>> readKeyScript(const std::string& path) {
    std::vector<std::pair<int64_t, int16_t>> out;
    std::ifstream in(path);
    // A folder opens as a file that reads as empty: it would pass for a script without keys.
    if (!in || std::filesystem::is_directory(path))
        throw std::runtime_error("cannot read key script " + path);
    constexpr std::string_view kBlank = " \t\r";
    std::string line;
    for (int64_t number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        std::vector<std::string_view> words;
        for (std::string_view rest = line;;) {
            const size_t at = rest.find_first_not_of(kBlank);
            if (at == std::string_view::npos) break;
            rest.remove_prefix(at);
            const size_t end = std::min(rest.find_first_of(kBlank), rest.size());
            words.push_back(rest.substr(0, end));
            rest.remove_prefix(end);
        }
        if (words.empty()) continue;
        std::optional<int64_t> frame;
        std::optional<int16_t> code;
        if (words.size() == 2) {
            frame = numberIn<int64_t>(words[0], 0, std::numeric_limits<int64_t>::max());
            code = numberIn<int16_t>(words[1], std::numeric_limits<int16_t>::min(),
                                     std::numeric_limits<int16_t>::max());
        }
        if (!frame || !code || scanCodeOf(*code) == 0) {
            const size_t first = line.find_first_not_of(kBlank);
            const size_t last = line.find_last_not_of(kBlank);
            throw KeyScriptError(path + " line " + std::to_string(number) + ": \"" +
                                 line.substr(first, last + 1 - first) +
                                 "\" is not a frame from 0 and a key code the game knows");
        }
        out.emplace_back(*frame, *code);
    }
    if (in.bad()) throw std::runtime_error("cannot read key script " + path);
    std::stable_sort(out.begin(), out.end(),
                     [](const auto& a, const auto& b2) { return a.first < b2.first; });
    return out;
}

}  // namespace morvek::match
