#include "screens/Ranking.h"

#include <cmath>
#include <cstdio>
#include <exception>

#include "render/Finish.h"
#include "battle/ExArts.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "screens/CharaSelect.h"

namespace morvek {

namespace {

const std::string kFileName(kScoreFileName);

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Digits [first, first + count) of a record, 1-based as the record's layout counts them.
int64_t field(std::string_view record, int first, int count) {
    int64_t v = 0;
    for (int i = 0; i < count; ++i) v = v * 10 + (record[static_cast<size_t>(first - 1 + i)] - '0');
    return v;
}

char at(std::string_view record, int position) { return record[static_cast<size_t>(position - 1)]; }

std::string padded(int64_t value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<size_t>(width - static_cast<int>(digits.size())), '0');
    return digits;
}

int64_t clampTo(int64_t v, int64_t lo, int64_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

/// The fighter field /5, taken to the nearest integer with halves to even.
int64_t fighterOf(std::string_view record) {
    return static_cast<int64_t>(std::nearbyint(static_cast<double>(field(record, 13, 2)) / 5.0));
}

bool difficultyDigitOk(char c) { return c == '2' || c == '4' || c == '6'; }
bool speedDigitOk(char c) { return c == '3' || c == '6' || c == '9'; }
bool keyDigitOk(char c) { return c == '4' || c == '9'; }
bool tpcDigitOk(char c) { return c == '3' || c == '7'; }

/// Length and digits: the checks that make every field readable.
bool recordShapeOk(std::string_view record) {
    if (static_cast<int>(record.size()) != kRecordLength) return false;
    for (int i = 1; i <= 28; ++i)
        if (!isDigit(at(record, i))) return false;
    return true;
}

std::string imageOf(const std::array<std::string, kRecordCount>& records) {
    std::string image;
    for (const std::string& r : records) image += r;
    return image;
}

/// The bytes the format has (records and marker); whatever follows them is never read,
/// so a file with a huge tail costs no more than a good one.
std::string readImage(EngineContext& game) {
    const FileStore store = scoreStore();
    if (!store.exists(kFileName)) return {};
    return store.readFrom(kFileName, 0, kScoreFileLength);
}

/// The default records, for a file that is not there or not worth trusting.
std::string defaultImage() { return imageOf(defaultScoreRecords()); }

/// The file's contents when they pass the validator, the defaults when there is no file
/// (it could not be created) or it cannot be read (one line says so, and the file is left
/// for its owner); a damaged file ends the game.
std::string checkedImage(EngineContext& game) {
    std::string image;
    try {
        if (!scoreStore().exists(kFileName)) return defaultImage();
        image = readImage(game);
    } catch (const PlatformError& e) {
        std::fprintf(stderr, "morvek: %s; the ranking shows the default records\n", e.what());
        return defaultImage();
    }
    if (!scoreImageValid(image)) scoreFileBroken(game);
    return image;
}

/// Moves a damaged file aside as SCORE.damaged, replacing an older copy there (or as the
/// first free SCORE.damaged.1, .2, ... when that name is someone else's): one bad byte
/// should not cost the five records for good, and the bytes may still be mended by hand.
/// When that cannot be done (a read-only folder) the file is left as it is, since nothing
/// may remove or replace it before its bytes are kept. `line` tells the damage and what
/// became of the file.
struct KeptCopy {
    bool kept = false;
    std::string line;
};
KeptCopy keepDamaged() {
    try {
        const std::string aside = scoreStore().moveAside(kFileName, "damaged");
        return {true, "the score file SCORE was damaged; kept as " + aside};
    } catch (const PlatformError& e) {
        return {false, std::string("the score file SCORE is damaged; it could not be kept: ") +
                           e.what() + "; it is left as it is"};
    }
}

/// Every rewrite of SCORE goes through here. A file that cannot be written (a read-only
/// folder, a full disk) costs the ranking its update, never the game: one line on stderr
/// says so and play goes on. `damage` is what the writer found wrong with the old file,
/// told in the same line.
void saveImage(const std::string& image, const std::string& damage) {
    std::string line;
    try {
        scoreStore().write(kFileName, image);
        if (!damage.empty()) line = damage + "; it is replaced by the default ranking";
    } catch (const PlatformError& e) {
        line = (damage.empty() ? std::string() : damage + "; ") + e.what() +
               "; the ranking is not saved";
    }
    if (!line.empty()) std::fprintf(stderr, "morvek: %s\n", line.c_str());
}

/// What a writer builds on, and the damage it found: the file when it is good, the
/// default records when there is none. A damaged one is not worth ending a run over while
/// a result or an unlock is being recorded: it is kept aside and the writer starts again
/// from the default records; its marker is not trusted, so only what is being written
/// now is unlocked. A file that cannot be read, or a damaged one that cannot be kept,
/// must not be replaced: the writer records nothing, one line says so, and play goes on.
struct WriterStart {
    std::string image;
    std::string damage;
};
std::optional<WriterStart> writerStart(EngineContext& game) {
    std::string image;
    try {
        if (!scoreStore().exists(kFileName)) return WriterStart{defaultImage(), {}};
        image = readImage(game);
    } catch (const PlatformError& e) {
        std::fprintf(stderr, "morvek: %s; the ranking is not saved\n", e.what());
        return std::nullopt;
    }
    if (scoreImageValid(image)) return WriterStart{std::move(image), {}};
    KeptCopy copy = keepDamaged();
    if (!copy.kept) {
        std::fprintf(stderr, "morvek: %s and the ranking is not saved\n", copy.line.c_str());
        return std::nullopt;
    }
    return WriterStart{defaultImage(), std::move(copy.line)};
}

/// The marker of a file image: its five characters from 175 on, only when all are there.
std::string_view markerOfImage(std::string_view image) {
    if (static_cast<int>(image.size()) < kScoreFileLength) return {};
    return image.substr(kMarkerOffset, kMarkerLength);
}

/// The marker holding the unlocks of `stage` and those already in the file: a fighter
/// once unlocked stays unlocked.
std::string_view unionMarker(const StateOfStage& stage, std::string_view image) {
    const std::string_view old = markerOfImage(image);
    return secretMarkerFor(stage.secretBetaBoy || markerUnlocksBetaBoy(old),
                           stage.secretHonekawa || markerUnlocksHonekawa(old));
}

std::array<std::string, kRecordCount> recordsOf(std::string_view image) {
    std::array<std::string, kRecordCount> r;
    for (int i = 0; i < kRecordCount; ++i)
        r[static_cast<size_t>(i)] = std::string(image.substr(static_cast<size_t>(i * kRecordLength),
                                                             kRecordLength));
    return r;
}

}  // namespace

// ---- records -----------------------------------------------------------------------

std::string encodeScoreRecord(const ScoreRecord& r, std::string_view trailing) {
    std::string s = "0";
    s += padded(clampTo(r.score, 0, kMaxScoreField - kScoreOffset) + kScoreOffset, 10);
    s += "8";
    s += padded(int64_t{r.fighter} * 5, 2);
    s += padded(clampTo(r.seconds, 0, kMaxTimeField - kTimeOffset) + kTimeOffset, 6);
    s += "00";
    s += padded(clampTo(r.grade, 0, kMaxGrade) + 50, 2);
    s += std::to_string((r.baseLevel / 10 + 1) * 2);
    s += std::to_string((r.speedMode + 1) * 3);
    s += r.keyCount == kNormalKeyCount ? "4" : "9";
    s += r.tpcSlow ? "3" : "7";
    s += trailing;
    return s;
}

std::optional<ScoreRecord> decodeScoreRecord(std::string_view record) {
    if (!recordShapeOk(record)) return std::nullopt;
    const int64_t fighter = fighterOf(record);
    if (fighter < 0 || fighter > 10) return std::nullopt;
    if (at(record, 1) != '0') return std::nullopt;
    const int64_t score = field(record, 2, 10) - kScoreOffset;
    if (score < 0) return std::nullopt;
    if (at(record, 12) != '8') return std::nullopt;
    const int64_t seconds = field(record, 15, 6) - kTimeOffset;
    if (seconds < 0) return std::nullopt;
    if (at(record, 21) != '0' || at(record, 22) != '0') return std::nullopt;
    const int64_t grade = field(record, 23, 2) - 50;
    if (grade < 0) return std::nullopt;
    if (!difficultyDigitOk(at(record, 25)) || !speedDigitOk(at(record, 26)) ||
        !keyDigitOk(at(record, 27)) || !tpcDigitOk(at(record, 28)))
        return std::nullopt;

    ScoreRecord r;
    r.fighter = static_cast<int16_t>(fighter);
    r.score = score;
    r.seconds = seconds;
    r.grade = grade;
    r.baseLevel = static_cast<int16_t>(((at(record, 25) - '0') / 2 - 1) * 10);
    r.speedMode = static_cast<int16_t>((at(record, 26) - '0') / 3 - 1);
    r.keyCount = at(record, 27) == '4' ? kNormalKeyCount : kEasyKeyCount;
    r.tpcSlow = at(record, 28) == '3';
    return r;
}

int64_t scoreRecordKey(std::string_view record) { return field(record, 2, 10); }

bool scoreImageValid(std::string_view image) {
    if (static_cast<int>(image.size()) < kMarkerOffset) return false;
    for (int i = 0; i < kRecordCount; ++i)
        if (!decodeScoreRecord(image.substr(static_cast<size_t>(i * kRecordLength), kRecordLength)))
            return false;
    return true;
}

std::string_view secretMarkerFor(bool betaBoy, bool honekawa) {
    if (betaBoy) return honekawa ? kMarkerBoth : kMarkerBetaBoy;
    return honekawa ? kMarkerHonekawa : kMarkerNone;
}

bool markerUnlocksBetaBoy(std::string_view marker) {
    return marker == kMarkerBoth || marker == kMarkerBetaBoy;
}

bool markerUnlocksHonekawa(std::string_view marker) {
    return marker == kMarkerBoth || marker == kMarkerHonekawa;
}

std::array<std::string, kRecordCount> defaultScoreRecords() {
    // Modest marks a first game can beat, one fighter each.
    static constexpr struct {
        int16_t fighter;
        int32_t score, seconds, grade;
        int16_t baseLevel, speedMode, keyCount;
        bool tpcSlow;
        const char* trailing;
    } kDefaults[kRecordCount] = {
        {0, 500000, 900, 12, 10, 1, kNormalKeyCount, false, "5147382"},
        {1, 400000, 960, 10, 10, 1, kNormalKeyCount, false, "2961845"},
        {2, 300000, 1020, 8, 10, 1, kNormalKeyCount, false, "7318264"},
        {3, 200000, 1080, 6, 0, 1, kNormalKeyCount, false, "4682917"},
        {4, 100000, 1200, 4, 0, 0, kEasyKeyCount, true, "1829536"},
    };
    std::array<std::string, kRecordCount> out;
    for (int i = 0; i < kRecordCount; ++i) {
        const auto& d = kDefaults[i];
        ScoreRecord r{d.fighter, d.score, d.seconds, d.grade, d.baseLevel,
                      d.speedMode, d.keyCount, d.tpcSlow};
        out[static_cast<size_t>(i)] = encodeScoreRecord(r, d.trailing);
    }
    return out;
}

std::array<std::string, kRecordCount> rankingWithRecord(
    const std::array<std::string, kRecordCount>& records, const std::string& record) {
    std::array<std::string, kRecordCount> out = records;
    std::string carried = record;
    for (std::string& r : out) {
        if (scoreRecordKey(carried) > scoreRecordKey(r)) std::swap(carried, r);
    }
    return out;  // the record left in `carried` drops out of the five
}

// ---- the file ----------------------------------------------------------------------

FileStore scoreStore() { return FileStore(""); }

void scoreFileCheck(EngineContext& game) {
    if (scoreStore().exists(kFileName)) return;
    saveImage(defaultImage(), {});
}

std::string scoreRecordRead(EngineContext& game, uint8_t index) {
    const FileStore store = scoreStore();
    if (!store.exists(kFileName)) return {};
    std::string record = store.readFrom(kFileName, size_t{index} * kRecordLength, kRecordLength);
    if (record.size() < static_cast<size_t>(kRecordLength)) return {};
    return record;
}

void scoreFileBroken(EngineContext& game) { throw ScoreFileDamaged(keepDamaged().line); }

std::array<std::string, kRecordCount> scoreRecordsChecked(EngineContext& game) {
    return recordsOf(checkedImage(game));
}

void scoreRecordInsert(EngineContext& game, const StateOfStage& stage, const std::string& record) {
    const std::optional<WriterStart> start = writerStart(game);
    if (!start) return;
    std::array<std::string, kRecordCount> records = recordsOf(start->image);
    if (decodeScoreRecord(record)) records = rankingWithRecord(records, record);
    saveImage(imageOf(records) + std::string(unionMarker(stage, start->image)), start->damage);
}

void secretMarkerWrite(EngineContext& game, const StateOfStage& stage) {
    const std::optional<WriterStart> start = writerStart(game);
    if (!start) return;
    saveImage(start->image.substr(0, kMarkerOffset) + std::string(unionMarker(stage, start->image)),
              start->damage);
}

std::string secretMarkerRead(EngineContext& game) {
    try {
        const std::string image = readImage(game);
        if (!scoreImageValid(image)) return {};
        return std::string(markerOfImage(image));
    } catch (const std::exception&) {
        return {};
    }
}

bool secretBetaBoyCheck(EngineContext& game) { return markerUnlocksBetaBoy(secretMarkerRead(game)); }

bool secretHonekawaCheck(EngineContext& game) { return markerUnlocksHonekawa(secretMarkerRead(game)); }

// ---- the ranking screen ------------------------------------------------------------

void drawRankingRecord(EngineContext& game, int16_t y, std::string_view label, std::string_view record) {
    if (!recordShapeOk(record)) scoreFileBroken(game);

    // 1-2: fighter and lead digit
    const int64_t fighter = fighterOf(record);
    if (fighter < 0 || fighter > 10) scoreFileBroken(game);
    if (at(record, 1) != '0') scoreFileBroken(game);
    // 3: the band, face, name and label
    fillRect(game, 0, y, 640, cint16(y + 80), 0);
    drawCharaFaceIcon(game, static_cast<int16_t>(fighter), 120, cint16(y + 10), 60, 60);
    textFontSet(game, 10, Rgb{0, 255, 255});
    drawText(game, 20, y + 50, charaDispNameFromNumber(static_cast<int16_t>(fighter)));
    textFontSet(game, 16, Rgb{0, 255, 0});
    drawText(game, 20, y + 10, label);
    // 4: score
    const int64_t score = field(record, 2, 10) - kScoreOffset;
    if (score < 0) scoreFileBroken(game);
    const std::string scoreText = std::to_string(score);
    textFontSet(game, 14, Rgb{255, 255, 0});
    drawText(game, 320 - 12 * (static_cast<int32_t>(scoreText.size()) + 1), y + 10, scoreText);
    // 5-6: the fixed digit and the time
    if (at(record, 12) != '8') scoreFileBroken(game);
    const int64_t seconds = field(record, 15, 6) - kTimeOffset;
    if (seconds < 0) scoreFileBroken(game);
    textFontSet(game, 14, kValueRed);
    const PlayTime played = playTimeOf(static_cast<double>(seconds));
    drawText(game, 200, y + 50, std::to_string(played.minutes));
    drawText(game, 230, y + 50, " m  ");
    drawText(game, 270, y + 50, std::to_string(played.seconds));
    drawText(game, 290, y + 50, " s  ");
    // 7-8: the fixed digits and the grade
    if (at(record, 21) != '0' || at(record, 22) != '0') scoreFileBroken(game);
    const int64_t grade = field(record, 23, 2) - 50;
    if (grade < 0) scoreFileBroken(game);
    drawGradeEmblem(game, static_cast<uint8_t>(grade), 40, 30, 580, cint16(y + 30), 2);
    // 9-12: the settings
    auto setting = [&](int16_t dy, std::string_view name, const std::string& value) {
        textFontSet(game, 10, kLabelBlue);
        drawText(game, 320, y + dy, name);
        textFontSet(game, 10, kValueRed);
        drawText(game, 440, y + dy, value);
    };
    const char difficulty = at(record, 25);
    if (!difficultyDigitOk(difficulty)) scoreFileBroken(game);
    setting(0, "DIFFICULTY", difficultyText(static_cast<int16_t>(((difficulty - '0') / 2 - 1) * 10)));
    const char speed = at(record, 26);
    if (!speedDigitOk(speed)) scoreFileBroken(game);
    setting(20, "SPEED MODE", speedModeText(static_cast<int16_t>((speed - '0') / 3 - 1)));
    const char keys = at(record, 27);
    if (!keyDigitOk(keys)) scoreFileBroken(game);
    setting(40, "KEY MODE", keyModeText(keys == '4' ? kNormalKeyCount : kEasyKeyCount));
    const char tpc = at(record, 28);
    if (!tpcDigitOk(tpc)) scoreFileBroken(game);
    setting(60, "TPCSLOW", onOffText(tpc == '3' ? kTrue : kFalse));
}

void scoreRankingBegin(EngineContext& game, RankingScreen& s, bool createMissing) {
    s = RankingScreen{};
    musicStopAll(game);
    soundPlayLoop(game, kScoreJingle);
    paletteToLevel(game, game.engine.workPalette, 0, true, 0);
    if (createMissing) scoreFileCheck(game);
    s.records = scoreRecordsChecked(game);
}

void scoreRankingPass(EngineContext& game, RankingScreen& s) {
    static constexpr std::string_view kLabels[kRecordCount] = {"1st", "2nd", "3rd", "4th", "5th"};
    static constexpr int16_t kBandY[kRecordCount] = {40, 128, 216, 304, 392};
    screenClear(game, 84);
    textFontSet(game, 16, Rgb{255, 255, 0});
    drawText(game, 20, 10, "SCORE RANKING");
    for (int i = 0; i < kRecordCount; ++i)
        drawRankingRecord(game, kBandY[i], kLabels[i], s.records[static_cast<size_t>(i)]);
    if (s.obj.GUIcount == 0) {
        if (!paletteApproach(game, game.engine.workPalette, 5)) s.obj.GUIcount = 1;
    } else if (inkeyEdge(game) == keycode::Enter) {
        soundPlay(game, kConfirmSound);
        s.leave = true;
    }
    s.obj.timerCounting(100);
    screenFlip(game);
    inkeyRead(game);
}

void scoreRankingEnd(EngineContext& game, RankingScreen& s) {
    soundStop(game, kScoreJingle);
    screenClear(game, 0);
    screenFlip(game);
}

void scoreRankingDisp(EngineContext& game, bool createMissing) {
    RankingScreen s;
    scoreRankingBegin(game, s, createMissing);
    while (!s.leave) scoreRankingPass(game, s);
    scoreRankingEnd(game, s);
}

}  // namespace morvek
