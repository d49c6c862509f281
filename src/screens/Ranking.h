#pragma once
// The SCORE file and the SCORE RANKING screen.
//
// "SCORE" in the current folder holds five 35-digit records, best first, and a 5-digit
// marker of the unlocked hidden fighters: 180 characters in all (175 before the first
// marker was ever written). It is the one file the game writes, so every rewrite composes
// the whole image in memory and replaces the file atomically: a crash, kill or full disk
// leaves the old file or the new one, never a short one.
//
// One validator serves every reader, and only the 180 bytes of the format are ever read.
// A file that fails it is first kept aside as SCORE.damaged (replacing an older copy, or as
// SCORE.damaged.1, .2, ... when that name is taken by a folder or a link); then the ranking
// screen ends the game (ScoreFileDamaged), while a writer starts again from the default
// records plus what it writes, says so in one line on stderr, and play goes on. Nothing
// removes or replaces a damaged file before its bytes are kept: when they cannot be (a
// read-only folder) the file is left as it is, the ranking ends the game saying so, and a
// writer records nothing and says so in one line. A file that cannot be read (another
// user's, a folder) is never replaced either: a writer records nothing, the ranking shows
// the default records, one line each, and play goes on. A file that cannot be written
// costs only the update: one line on stderr, and play goes on. SCORE may be a symbolic
// link: it is written through, and kept aside beside the file it resolves to.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/EngineState.h"
#include "engine/GenericObject.h"
#include "platform/Files.h"
#include "platform/Platform.h"

namespace morvek {

struct EngineContext;
class StateOfStage;

inline constexpr std::string_view kScoreFileName = "SCORE";
inline constexpr int kRecordLength = 35;
inline constexpr int kRecordCount = 5;
inline constexpr int kMarkerOffset = kRecordLength * kRecordCount;  // 175
inline constexpr int kMarkerLength = 5;
inline constexpr int kScoreFileLength = kMarkerOffset + kMarkerLength;  // 180

/// Offsets hiding the plain values in the file: added to the score and to the seconds.
inline constexpr int64_t kScoreOffset = 3160947;
inline constexpr int64_t kTimeOffset = 82614;
inline constexpr int64_t kMaxScoreField = 9999999999;
inline constexpr int64_t kMaxTimeField = 999999;
inline constexpr int kMaxGrade = 49;

/// The colours of the labels and values on the ranking and the score screen.
inline constexpr Rgb kLabelBlue{0, 125, 255};
inline constexpr Rgb kValueRed{255, 0, 0};

/// The four markers by (BETABOY unlocked, hidden HONEKAWA unlocked).
inline constexpr std::string_view kMarkerBoth = "48170";
inline constexpr std::string_view kMarkerBetaBoy = "36925";
inline constexpr std::string_view kMarkerHonekawa = "91406";
inline constexpr std::string_view kMarkerNone = "57318";

/// The ranking found the SCORE file damaged: the game ends with an error status and this
/// one line, which tells the damage and where the bytes are (kept aside, or left in place
/// when they could not be).
class ScoreFileDamaged : public PlatformError {
public:
    explicit ScoreFileDamaged(const std::string& line) : PlatformError(line) {}
};

/// One ranking entry as the game knows it.
struct ScoreRecord {
    int16_t fighter = 0;     ///< fighter number (selection value)
    int64_t score = 0;
    int64_t seconds = 0;     ///< whole seconds of play
    int64_t grade = 0;
    int16_t baseLevel = 0;   ///< 0, 10, 20
    int16_t speedMode = 0;   ///< 0-2
    int16_t keyCount = kNormalKeyCount;  ///< kNormalKeyCount or kEasyKeyCount
    bool tpcSlow = false;
};

/// The 35 characters of a record; `trailing` holds the seven ignored digits. The score,
/// time and grade are clamped to what their fields can hold.
std::string encodeScoreRecord(const ScoreRecord& r, std::string_view trailing);
/// The record's values when it passes every check, else nothing.
std::optional<ScoreRecord> decodeScoreRecord(std::string_view record);
/// The sort key: the score field (digits 2-11) as a 64-bit number.
int64_t scoreRecordKey(std::string_view record);
/// True when the whole image holds five good records (a marker is not required).
bool scoreImageValid(std::string_view image);

/// The marker of an unlock pair, and the unlocks a marker gives.
std::string_view secretMarkerFor(bool betaBoy, bool honekawa);
bool markerUnlocksBetaBoy(std::string_view marker);
bool markerUnlocksHonekawa(std::string_view marker);

/// The five records a new file starts with, best first.
std::array<std::string, kRecordCount> defaultScoreRecords();

/// Inserts `record` into the five (strictly greater keys go first; a tie goes after) and
/// returns the five that remain.
std::array<std::string, kRecordCount> rankingWithRecord(
    const std::array<std::string, kRecordCount>& records, const std::string& record);

// ---- the file ------------------------------------------------------------------------
/// The SCORE file's store: the current folder.
FileStore scoreStore();
/// Creates SCORE with the five default records when it does not exist; when it cannot,
/// says so in one line on stderr.
void scoreFileCheck(EngineContext& game);
/// Record `index` (0-4) of the file as it is; empty when the file is shorter.
std::string scoreRecordRead(EngineContext& game, uint8_t index);
/// Moves SCORE aside as SCORE.damaged (leaves it as it is when that fails) and ends the
/// game with ScoreFileDamaged.
[[noreturn]] void scoreFileBroken(EngineContext& game);
/// The five records of a good file, the defaults when there is none or it cannot be read
/// (said in one line on stderr); a damaged one is moved aside and ends the game.
std::array<std::string, kRecordCount> scoreRecordsChecked(EngineContext& game);
/// Puts `record` into the ranking and writes the marker of the unlocks in one rewrite.
/// A record that is not a good 35-digit record is not entered (the marker still is).
/// A damaged file is kept aside and replaced: the default records with `record` entered.
/// A file that cannot be read, or a damaged one that cannot be kept, is left as it is and
/// nothing is recorded. Each of these, and a rewrite that fails, is told in one line on
/// stderr, never thrown.
void scoreRecordInsert(EngineContext& game, const StateOfStage& stage, const std::string& record);
/// Rewrites the file with the marker: the unlocks of `stage` and those already marked.
/// A damaged file is kept aside and replaced: the default records and the unlocks of
/// `stage`. Otherwise as scoreRecordInsert: a file that cannot be read, or a damaged one
/// that cannot be kept, is left as it is, and each failure is one line on stderr.
void secretMarkerWrite(EngineContext& game, const StateOfStage& stage);
/// The marker of a good file, or "" (every error ignored).
std::string secretMarkerRead(EngineContext& game);
bool secretBetaBoyCheck(EngineContext& game);
bool secretHonekawaCheck(EngineContext& game);

// ---- the ranking screen --------------------------------------------------------------
/// Checks one record and draws it in the band y..y+80; a failed check ends the game.
void drawRankingRecord(EngineContext& game, int16_t y, std::string_view label, std::string_view record);

/// One visit of the ranking screen, steppable pass by pass.
struct RankingScreen {
    genericObject obj;  ///< GUIcount: 0 fading in, 1 waiting for Enter
    std::array<std::string, kRecordCount> records;
    bool leave = false;
};
/// `createMissing`: create a missing file with the defaults first. The score screen, which
/// has just written the file or failed to, passes false so a failure is told once.
void scoreRankingBegin(EngineContext& game, RankingScreen& s, bool createMissing = true);
void scoreRankingPass(EngineContext& game, RankingScreen& s);
void scoreRankingEnd(EngineContext& game, RankingScreen& s);
/// The SCORE RANKING screen until Enter.
void scoreRankingDisp(EngineContext& game, bool createMissing = true);

}  // namespace morvek
