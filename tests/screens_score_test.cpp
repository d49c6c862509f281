#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <type_traits>

#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "screens/Ranking.h"
#include "screens/ScoreResult.h"
#include "screens/Title.h"
#include "address_space_cap.h"
#include "screens_fixture.h"

namespace morvek {
namespace {

using testing::AddressSpaceCap;
using testing::recordWithScore;

std::string withChar(std::string record, int position, char c) {
    record[static_cast<size_t>(position - 1)] = c;
    return record;
}

std::string withField(std::string record, int position, const std::string& digits) {
    record.replace(static_cast<size_t>(position - 1), digits.size(), digits);
    return record;
}

std::string imageOf(const std::array<std::string, 5>& records, std::string_view marker = {}) {
    std::string s;
    for (const auto& r : records) s += r;
    return s + std::string(marker);
}

/// Modes do not stop root: while this lives, a test run as root acts as the user nobody,
/// whom a read-only folder or another user's file stops as it stops a player.
struct StoppedByModes {
    const bool root = ::geteuid() == 0;
    StoppedByModes() { EXPECT_TRUE(!root || ::seteuid(65534) == 0) << std::strerror(errno); }
    ~StoppedByModes() { EXPECT_TRUE(!root || ::seteuid(0) == 0) << std::strerror(errno); }
};

// ---- records ------------------------------------------------------------------------

TEST(ScreensScoreRecord, EncodesEveryFieldWithItsOffsetAndDecodesBack) {
    ScoreRecord r;
    r.fighter = 2;
    r.score = 123456;
    r.seconds = 3725;
    r.grade = 17;
    r.baseLevel = 20;
    r.speedMode = 2;
    r.keyCount = kEasyKeyCount;
    r.tpcSlow = true;
    const std::string s = encodeScoreRecord(r, "1234567");
    EXPECT_EQ(s, "0" "0003284403" "8" "10" "086339" "00" "67" "6" "9" "9" "3" "1234567");
    const auto back = decodeScoreRecord(s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fighter, 2);
    EXPECT_EQ(back->score, 123456);
    EXPECT_EQ(back->seconds, 3725);
    EXPECT_EQ(back->grade, 17);
    EXPECT_EQ(back->baseLevel, 20);
    EXPECT_EQ(back->speedMode, 2);
    EXPECT_EQ(back->keyCount, kEasyKeyCount);
    EXPECT_TRUE(back->tpcSlow);

    r = ScoreRecord{};  // fighter 0, EASY, slow, 40 keys, TPC off
    EXPECT_EQ(encodeScoreRecord(r, "9999999"), "0" "0003160947" "8" "00" "082614" "00" "50" "2" "3" "4" "7" "9999999");
    r.fighter = 8;
    EXPECT_EQ(encodeScoreRecord(r, "1111111").substr(12, 2), "40");
}

TEST(ScreensScoreRecord, EncodingClampsScoreTimeAndGradeToTheirFields) {
    ScoreRecord r;
    r.score = -5;
    r.seconds = -1;
    r.grade = -3;
    std::string s = encodeScoreRecord(r, "1111111");
    EXPECT_EQ(s.substr(1, 10), "0003160947");
    EXPECT_EQ(s.substr(14, 6), "082614");
    EXPECT_EQ(s.substr(22, 2), "50");
    r.score = 20000000000;
    r.seconds = 2000000;
    r.grade = 60;
    s = encodeScoreRecord(r, "1111111");
    EXPECT_EQ(s.size(), 35u);
    EXPECT_EQ(s.substr(1, 10), "9999999999");
    EXPECT_EQ(s.substr(14, 6), "999999");
    EXPECT_EQ(s.substr(22, 2), "99");
    const auto back = decodeScoreRecord(s);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->score, 9999999999 - 3160947);  // a 10-digit field reads without overflow
    EXPECT_EQ(back->seconds, 999999 - 82614);
    EXPECT_EQ(back->grade, 49);
}

TEST(ScreensScoreRecord, EachCheckFailsOnItsOwn) {
    const std::string good = recordWithScore(1000);
    ASSERT_TRUE(decodeScoreRecord(good));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 1, '1')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 12, '7')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 21, '1')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 22, '5')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 25, '5')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 26, '4')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 27, '5')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 28, '4')));
    EXPECT_FALSE(decodeScoreRecord(withField(good, 2, "0003160946")));  // score below 0
    EXPECT_FALSE(decodeScoreRecord(withField(good, 15, "082613")));     // time below 0
    EXPECT_FALSE(decodeScoreRecord(withField(good, 23, "49")));         // grade below 0
    // The fighter field /5, halves to even, must be 0-10.
    EXPECT_TRUE(decodeScoreRecord(withField(good, 13, "52")));   // 10.4
    EXPECT_FALSE(decodeScoreRecord(withField(good, 13, "53")));  // 10.6
    EXPECT_FALSE(decodeScoreRecord(withField(good, 13, "55")));
    EXPECT_EQ(decodeScoreRecord(withField(good, 13, "12"))->fighter, 2);  // 2.4
    // Non-digits in the read positions, wrong lengths.
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 5, 'a')));
    EXPECT_FALSE(decodeScoreRecord(withChar(good, 16, ' ')));
    EXPECT_FALSE(decodeScoreRecord(good.substr(0, 34)));
    EXPECT_FALSE(decodeScoreRecord(good + "1"));
    // The trailing seven are never read.
    EXPECT_TRUE(decodeScoreRecord(good.substr(0, 28) + "abc-xyz"));
}

TEST(ScreensScoreRecord, ImageNeedsFiveGoodRecordsAndTheMarkerNeedsAllFiveCharacters) {
    const auto defaults = defaultScoreRecords();
    const std::string image = imageOf(defaults);
    EXPECT_EQ(image.size(), 175u);
    EXPECT_TRUE(scoreImageValid(image));
    EXPECT_FALSE(scoreImageValid(image.substr(0, 174)));
    EXPECT_FALSE(scoreImageValid(""));
    auto broken = defaults;
    broken[4] = withChar(broken[4], 12, '0');
    EXPECT_FALSE(scoreImageValid(imageOf(broken)));
    // Defaults pass every check and stand best first.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(decodeScoreRecord(defaults[i])) << i;
        if (i > 0) {
            EXPECT_GT(scoreRecordKey(defaults[i - 1]), scoreRecordKey(defaults[i]));
        }
    }
}

TEST(ScreensScoreRecord, MarkerTableAndUnlocks) {
    EXPECT_EQ(secretMarkerFor(true, true), "48170");
    EXPECT_EQ(secretMarkerFor(true, false), "36925");
    EXPECT_EQ(secretMarkerFor(false, true), "91406");
    EXPECT_EQ(secretMarkerFor(false, false), "57318");
    EXPECT_TRUE(markerUnlocksBetaBoy("48170"));
    EXPECT_TRUE(markerUnlocksBetaBoy("36925"));
    EXPECT_FALSE(markerUnlocksBetaBoy("91406"));
    EXPECT_FALSE(markerUnlocksBetaBoy("57318"));
    EXPECT_TRUE(markerUnlocksHonekawa("48170"));
    EXPECT_TRUE(markerUnlocksHonekawa("91406"));
    EXPECT_FALSE(markerUnlocksHonekawa("36925"));
    EXPECT_FALSE(markerUnlocksHonekawa(""));
    EXPECT_FALSE(markerUnlocksHonekawa("4817"));
}

TEST(ScreensScoreRecord, InsertionKeepsTheBestFiveAndATieGoesAfter) {
    std::array<std::string, 5> five;
    for (int i = 0; i < 5; ++i) five[i] = recordWithScore(50000 - 10000 * i, static_cast<int16_t>(i));

    const std::string top = recordWithScore(60000, 5);
    auto r = rankingWithRecord(five, top);
    EXPECT_EQ(r[0], top);
    EXPECT_EQ(r[1], five[0]);
    EXPECT_EQ(r[4], five[3]);  // the old fifth is gone

    const std::string tie = recordWithScore(30000, 8);
    r = rankingWithRecord(five, tie);
    EXPECT_EQ(r[2], five[2]);
    EXPECT_EQ(r[3], tie);
    EXPECT_EQ(r[4], five[3]);

    const std::string equalToFifth = recordWithScore(10000, 8);
    EXPECT_EQ(rankingWithRecord(five, equalToFifth), five);

    // Keys beyond 32 bits still order.
    const std::string huge = withField(recordWithScore(0), 2, "9999999999");
    const std::string big = withField(recordWithScore(0), 2, "2147483648");
    r = rankingWithRecord(five, big);
    r = rankingWithRecord(r, huge);
    EXPECT_EQ(r[0], huge);
    EXPECT_EQ(r[1], big);
}

TEST(ScreensScoreRecord, PlayTimeComesFromOneWholeCountOfSeconds) {
    EXPECT_EQ(playTimeOf(59.6).minutes, 0);
    EXPECT_EQ(playTimeOf(59.6).seconds, 59);
    EXPECT_EQ(playTimeOf(125.0).minutes, 2);
    EXPECT_EQ(playTimeOf(125.0).seconds, 5);
    EXPECT_EQ(playTimeOf(119.99).seconds, 59);
    EXPECT_EQ(playTimeOf(-3).seconds, 0);
}

TEST(ScreensScoreRecord, GradeBonusesStartAboveFourteenAndBuildOnEachOther) {
    EXPECT_EQ(gradeBonusScore(100000, 14), 100000);
    EXPECT_EQ(gradeBonusScore(100000, 15), 250000);
    // 20: +200000 = 300000, then +200000 + 300 x 100
    EXPECT_EQ(gradeBonusScore(100000, 20), 530000);
    // 23: 330000 -> 563000 -> + 1126 x 100 + 1000000
    EXPECT_EQ(gradeBonusScore(100000, 23), 1675600);
    // R() sends a half to the even neighbour: 202500 / 1000 = 202.5 -> 202
    EXPECT_EQ(gradeBonusScore(2500, 20), 202500 + 200000 + 20200);
}

// ---- the file ---------------------------------------------------------------------

struct ScreensScoreFile : testing::ScreensFixture {
    StateOfStage stage;

    std::string fileAt(const std::string& name) const {
        std::ifstream in(folder + name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    /// The data folder's modes: 0555 makes it read-only, 0777 lets anyone write there.
    void folderModes(std::filesystem::perms modes) const {
        std::filesystem::permissions(folder, modes);
    }
    /// The line a visit of the ranking ends the game with; "" (and a failure) if it does not.
    std::string rankingEndsTheGame() {
        try {
            scoreRankingDisp(*game);
        } catch (const ScoreFileDamaged& e) {
            return e.what();
        }
        ADD_FAILURE() << "expected ScoreFileDamaged";
        return {};
    }
};

TEST_F(ScreensScoreFile, AMissingFileIsCreatedWithTheDefaultsAndNoMarker) {
    EXPECT_FALSE(secretBetaBoyCheck(*game));
    EXPECT_FALSE(secretHonekawaCheck(*game));
    EXPECT_FALSE(scoreExists());  // reading the marker creates nothing
    scoreFileCheck(*game);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords()));
    EXPECT_EQ(scoreRecordRead(*game, 3), defaultScoreRecords()[3]);
    EXPECT_FALSE(secretBetaBoyCheck(*game));
    // An existing file is left alone.
    writeScore(imageOf(defaultScoreRecords(), "91406"));
    scoreFileCheck(*game);
    EXPECT_EQ(scoreContents().size(), 180u);
    EXPECT_FALSE(secretBetaBoyCheck(*game));
    EXPECT_TRUE(secretHonekawaCheck(*game));
}

TEST_F(ScreensScoreFile, TheMarkerIsReadOnlyFromAWholeGoodFile) {
    writeScore(imageOf(defaultScoreRecords(), "4817"));
    EXPECT_FALSE(secretBetaBoyCheck(*game));
    writeScore(imageOf(defaultScoreRecords(), "48170"));
    EXPECT_TRUE(secretBetaBoyCheck(*game));
    EXPECT_TRUE(secretHonekawaCheck(*game));
    auto broken = defaultScoreRecords();
    broken[2] = withChar(broken[2], 1, '9');
    writeScore(imageOf(broken, "48170"));
    EXPECT_FALSE(secretBetaBoyCheck(*game));
    EXPECT_TRUE(scoreExists());  // a reader ignores errors and deletes nothing
}

TEST_F(ScreensScoreFile, RecordingWritesTheNewRankingAndTheMarkerInOneWholeFile) {
    stage.secretHonekawa = true;
    const std::string mine = recordWithScore(450000, 3);
    scoreRecordInsert(*game, stage, mine);
    const std::string s = scoreContents();
    ASSERT_EQ(s.size(), 180u);
    const auto d = defaultScoreRecords();
    EXPECT_EQ(s, d[0] + mine + d[1] + d[2] + d[3] + "91406");
    EXPECT_EQ(looseFiles(), std::vector<std::string>{"SCORE"});  // no temporary left behind
}

TEST_F(ScreensScoreFile, TheMarkerWriteKeepsEveryUnlockAlreadyInTheFile) {
    writeScore(imageOf(defaultScoreRecords(), "36925"));
    stage.secretBetaBoy = false;
    stage.secretHonekawa = true;
    secretMarkerWrite(*game, stage);
    EXPECT_EQ(scoreContents().substr(175), "48170");
    stage.secretHonekawa = false;
    scoreRecordInsert(*game, stage, recordWithScore(1));
    EXPECT_EQ(scoreContents().substr(175), "48170");
}

TEST_F(ScreensScoreFile, ABadRecordIsNotEntered) {
    const std::string bad = withChar(recordWithScore(900000), 26, '5');
    scoreRecordInsert(*game, stage, bad);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords(), "57318"));
}

TEST_F(ScreensScoreFile, AWriterFindingADamagedFileStartsAgainFromTheDefaults) {
    const auto d = defaultScoreRecords();
    const std::string mine = recordWithScore(450000, 3);
    stage.secretHonekawa = true;
    for (const std::string& image :
         {imageOf(d).substr(0, 120), std::string("garbage"),
          withChar(imageOf(d, "36925"), 35 + 12, '3')}) {
        // The result being recorded is kept, the damaged file's unlocks are not, and one
        // line tells the player why the ranking is back to its defaults.
        writeScore(image);
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(scoreRecordInsert(*game, stage, mine));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(scoreContents(), d[0] + mine + d[1] + d[2] + d[3] + "91406");
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("SCORE"), std::string::npos) << said;

        writeScore(image);
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(secretMarkerWrite(*game, stage));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), said);
        EXPECT_EQ(scoreContents(), imageOf(d, "91406"));
    }
    // The ranking screen still ends the game on damage: main reports it with status 1.
    static_assert(std::is_base_of_v<PlatformError, ScoreFileDamaged>);
}

TEST_F(ScreensScoreFile, AGoodFileWithAHugeTailIsReadOnlyAsFarAsItsMarker) {
    writeScore(imageOf(defaultScoreRecords(), "48170"));
    // 8 GiB of sparse tail: it takes no disk.
    ASSERT_EQ(::truncate((folder + "SCORE").c_str(), off_t{8} << 30), 0);
    {
        const AddressSpaceCap cap;
        EXPECT_TRUE(secretBetaBoyCheck(*game));
        EXPECT_EQ(scoreRecordRead(*game, 4), defaultScoreRecords()[4]);
        tapEnterEveryOtherPass();
        EXPECT_NO_THROW(scoreRankingDisp(*game));
        EXPECT_NO_THROW(secretMarkerWrite(*game, stage));
    }
    // The rewrite keeps the unlocks and drops the tail.
    ASSERT_EQ(std::filesystem::file_size(folder + "SCORE"), 180u);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords(), "48170"));
}

TEST_F(ScreensScoreFile, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
    const std::string old = imageOf(defaultScoreRecords(), "57318");
    writeScore(old);
    stage.secretBetaBoy = true;
    // Let files grow to 100 bytes only: the new image's write stops part way.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(scoreRecordInsert(*game, stage, recordWithScore(999999)));
    const std::string said = ::testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    // One line says the ranking was not saved, and play goes on.
    EXPECT_EQ(said, "morvek: cannot write file SCORE: File too large; the ranking is not saved\n");
    EXPECT_EQ(scoreContents(), old);
    EXPECT_EQ(looseFiles(), std::vector<std::string>{"SCORE"});
}

// ---- a damaged file is never removed or replaced before its bytes are kept -------------

TEST_F(ScreensScoreFile, ADamagedFileIsKeptAsideBeforeItIsRemovedOrReplaced) {
    std::ofstream(folder + "SCORE.damaged") << "an older copy";
    auto records = defaultScoreRecords();
    records[3] = withChar(records[3], 12, '5');
    const std::string badRecord = imageOf(records, "48170");
    const std::string garbage("\0garbage\xff", 9);

    // The ranking screen moves the bytes aside, replacing the older copy, then ends the game.
    writeScore(badRecord);
    EXPECT_EQ(rankingEndsTheGame(), "the score file SCORE was damaged; kept as SCORE.damaged");
    EXPECT_FALSE(scoreExists());
    EXPECT_EQ(fileAt("SCORE.damaged"), badRecord);

    // A writer does the same, then starts again from the defaults.
    writeScore(garbage);
    ::testing::internal::CaptureStderr();
    secretMarkerWrite(*game, stage);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "morvek: the score file SCORE was damaged; kept as SCORE.damaged; it is replaced "
              "by the default ranking\n");
    EXPECT_EQ(fileAt("SCORE.damaged"), garbage);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords(), "57318"));

    // When a folder holds that name, the bytes go to the first free SCORE.damaged.1, .2, ...
    // and a numbered copy is never replaced.
    std::filesystem::remove(folder + "SCORE.damaged");
    std::filesystem::create_directories(folder + "SCORE.damaged/inside");
    writeScore(garbage);
    ::testing::internal::CaptureStderr();
    scoreRecordInsert(*game, stage, recordWithScore(1));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "morvek: the score file SCORE was damaged; kept as SCORE.damaged.1; it is replaced "
              "by the default ranking\n");
    EXPECT_EQ(fileAt("SCORE.damaged.1"), garbage);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords(), "57318"));
    writeScore(badRecord);
    EXPECT_EQ(rankingEndsTheGame(), "the score file SCORE was damaged; kept as SCORE.damaged.2");
    EXPECT_FALSE(scoreExists());
    EXPECT_EQ(fileAt("SCORE.damaged.1"), garbage);
    EXPECT_EQ(fileAt("SCORE.damaged.2"), badRecord);

    // When nothing can be kept (a read-only folder), SCORE stays as it is and a writer
    // records nothing.
    writeScore(garbage);
    folderModes(std::filesystem::perms(0555));
    {
        const StoppedByModes player;
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(scoreRecordInsert(*game, stage, recordWithScore(1)));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "morvek: the score file SCORE is damaged; it could not be kept: cannot rename "
                  "file SCORE to SCORE.damaged.3: Permission denied; it is left as it is and the "
                  "ranking is not saved\n");
    }
    folderModes(std::filesystem::perms(0755));
    EXPECT_EQ(scoreContents(), garbage);
}

// ---- the ranking's words for a damaged file it cannot keep ----------------------------

TEST_F(ScreensScoreFile, TheRankingSaysADamagedFileItCannotKeepIsLeftAsItIsOnEveryVisit) {
    writeScore("garbage");
    folderModes(std::filesystem::perms(0555));
    for (int visit = 1; visit <= 2; ++visit) {
        const StoppedByModes player;
        EXPECT_EQ(rankingEndsTheGame(), "the score file SCORE is damaged; it could not be kept: "
                                        "cannot rename file SCORE to SCORE.damaged: Permission "
                                        "denied; it is left as it is")
            << "visit " << visit;
    }
    folderModes(std::filesystem::perms(0755));
    EXPECT_EQ(scoreContents(), "garbage");
}

// ---- a file that cannot be read is never replaced and ends nothing ---------------------

TEST_F(ScreensScoreFile, AFileThatCannotBeReadIsNeverReplacedAndPlayGoesOn) {
    stage.secretBetaBoy = true;
    tapEnterEveryOtherPass();
    const auto playGoesOn = [&](const std::string& why) {
        platform.clearLogs();
        const std::string cannot = "morvek: cannot read file SCORE: " + why;
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(scoreRecordInsert(*game, stage, recordWithScore(900000)));
        EXPECT_NO_THROW(secretMarkerWrite(*game, stage));
        EXPECT_NO_THROW(scoreRankingDisp(*game));
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  cannot + "; the ranking is not saved\n" + cannot +
                      "; the ranking is not saved\n" + cannot +
                      "; the ranking shows the default records\n");
        EXPECT_TRUE(textShown("500000"));  // the default first place
    };
    // Another user's file, unreadable to the player, in a folder anyone may write in.
    writeScore("theirs");
    std::filesystem::permissions(folder + "SCORE", std::filesystem::perms::none);
    folderModes(std::filesystem::perms(0777));
    {
        const StoppedByModes player;
        playGoesOn("Permission denied");
    }
    std::filesystem::permissions(folder + "SCORE", std::filesystem::perms(0644));
    EXPECT_EQ(scoreContents(), "theirs");
    EXPECT_EQ(looseFiles(), std::vector<std::string>{"SCORE"});
    // A folder named SCORE.
    std::filesystem::remove(folder + "SCORE");
    std::filesystem::create_directory(folder + "SCORE");
    playGoesOn("Is a directory");
    EXPECT_TRUE(looseFiles().empty());
}

// ---- a symbolic link stays a link -------------------------------------------------------

TEST_F(ScreensScoreFile, ADamagedLinkedFileIsKeptBesideTheFileItNamesAndTheLinkStays) {
    std::filesystem::create_directory(folder + "saves");
    std::filesystem::create_symlink("saves/ranking", folder + "SCORE");
    std::ofstream(folder + "saves/ranking") << "garbage";
    ::testing::internal::CaptureStderr();
    secretMarkerWrite(*game, stage);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "morvek: the score file SCORE was damaged; kept as saves/ranking.damaged; it is "
              "replaced by the default ranking\n");
    EXPECT_EQ(std::filesystem::read_symlink(folder + "SCORE"), "saves/ranking");
    EXPECT_EQ(fileAt("saves/ranking"), imageOf(defaultScoreRecords(), "57318"));
    EXPECT_EQ(fileAt("saves/ranking.damaged"), "garbage");
}

// ---- the ranking screen -------------------------------------------------------------

TEST_F(ScreensScoreFile, TheRankingShowsTheFiveRecordsUntilEnter) {
    tapEnterEveryOtherPass();
    scoreRankingDisp(*game);
    EXPECT_EQ(scoreContents(), imageOf(defaultScoreRecords()));  // created, no marker
    for (const char* label : {"SCORE RANKING", "1st", "2nd", "3rd", "4th", "5th", "MORVEKBOY",
                              "GOUDA", "NORMAL KEY", "EASY KEY", "ON", "OFF"})
        EXPECT_TRUE(textShown(label)) << label;
    const TextEvent* score = findText("500000");
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->x, 320 - 12 * 7);
    EXPECT_EQ(score->y, 50);
    EXPECT_EQ(countAudio(AudioEvent::LoopSound, kScoreJingle), 1u);
    EXPECT_EQ(countAudio(AudioEvent::StopSound, kScoreJingle), 1u);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, kConfirmSound), 1u);
}

TEST_F(ScreensScoreFile, AFighterNumberWithoutANameDrawsNoNameAndNoIcon) {
    auto records = defaultScoreRecords();
    records[1] = withField(records[1], 13, "50");  // fighter 10: accepted, but nobody
    writeScore(imageOf(records, "57318"));
    tapEnterEveryOtherPass();
    EXPECT_NO_THROW(scoreRankingDisp(*game));
    EXPECT_TRUE(scoreExists());
    EXPECT_TRUE(textShown("2nd"));
}

TEST_F(ScreensScoreFile, TheRankingEndsTheGameOnABadRecordAndMovesTheFileAside) {
    for (int position : {12, 21, 25}) {
        auto records = defaultScoreRecords();
        records[3] = withChar(records[3], position, '5');
        writeScore(imageOf(records, "48170"));
        EXPECT_THROW(scoreRankingDisp(*game), ScoreFileDamaged) << position;
        EXPECT_FALSE(scoreExists());
    }
    // The next use starts again from the defaults with both fighters locked.
    EXPECT_FALSE(secretBetaBoyCheck(*game));
}

// ---- the score screen -------------------------------------------------------------

struct ScreensScoreScreen : ScreensScoreFile {
    Character player, opponent;
    void SetUp() override {
        ScreensScoreFile::SetUp();
        game->engine.titleChoice = titlemenu::GameStart;
        game->engine.keyCount = kNormalKeyCount;
        stage.stageNumber = 1;
        stage.baseLevel = 10;
        stage.speedSelect(1);
        stage.totalGameTime = 754.8f;
        player.NUMBER = 2;
        opponent.NUMBER = 4;
    }
};

TEST_F(ScreensScoreScreen, OnlyAGameStartedWithGameStartIsScored) {
    for (int16_t choice : {titlemenu::Training, titlemenu::Tutorial}) {
        game->engine.titleChoice = choice;
        game->engine.returnToTitle = kTrue;
        game->engine.gameScore = 1234;
        scoreResult(*game, player, opponent, stage);
        EXPECT_EQ(game->engine.gameScore, 1234);
        EXPECT_FALSE(scoreExists());
        EXPECT_EQ(platform.presentCount(), 0u);
        EXPECT_EQ(game->engine.returnToTitle, kFalse);
    }
}

TEST_F(ScreensScoreScreen, EnterRecordsTheResultThenShowsTheRanking) {
    game->engine.gameScore = 700000;
    game->engine.returnToTitle = kTrue;
    stage.secretBetaBoy = true;
    tapEnterEveryOtherPass();
    scoreResult(*game, player, opponent, stage);
    const std::string s = scoreContents();
    ASSERT_EQ(s.size(), 180u);
    const auto top = decodeScoreRecord(s.substr(0, 35));
    ASSERT_TRUE(top);
    EXPECT_EQ(top->score, game->engine.gameScore);
    EXPECT_EQ(top->fighter, 2);
    EXPECT_EQ(top->seconds, 754);
    EXPECT_EQ(s.substr(175), "36925");
    EXPECT_TRUE(textShown("12  m  34  s  "));
    EXPECT_TRUE(textShown("SCORE RANKING"));
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
}

TEST_F(ScreensScoreScreen, EscapeBeforeEnterRecordsNothing) {
    platform.holdKeysForPresents({key::Escape}, 5, 6);
    EXPECT_THROW(scoreResult(*game, player, opponent, stage), GameExitRequest);
    EXPECT_FALSE(scoreExists());
}

TEST_F(ScreensScoreScreen, AFolderThatTakesNoWritesCostsOneLineAndPlayGoesOn) {
    // Move into a folder and delete it: nothing can be created there, not even by root,
    // whom a read-only folder would not stop.
    const std::filesystem::path gone = std::filesystem::path(folder) / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    const std::string line =
        "morvek: cannot write file SCORE: No such file or directory; the ranking is not saved\n";

    // A run's result: told once, then the ranking shows the defaults and the run goes on.
    game->engine.gameScore = 700000;
    game->engine.returnToTitle = kTrue;
    tapEnterEveryOtherPass();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(scoreResult(*game, player, opponent, stage));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line);
    EXPECT_TRUE(textShown("SCORE RANKING"));
    EXPECT_TRUE(textShown("500000"));  // the default first place
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
    // SCORE RANKING from the title, and an unlock: the same one line each.
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(scoreRankingDisp(*game));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line);
    stage.secretBetaBoy = true;
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(secretMarkerWrite(*game, stage));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line);
}

TEST_F(ScreensScoreScreen, ABrokenFileIsReplacedAndTheResultStillRecorded) {
    writeScore("0123");
    game->engine.gameScore = 700000;
    tapEnterEveryOtherPass();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(scoreResult(*game, player, opponent, stage));
    ::testing::internal::GetCapturedStderr();
    const std::string s = scoreContents();
    ASSERT_EQ(s.size(), 180u);
    const auto top = decodeScoreRecord(s.substr(0, 35));
    ASSERT_TRUE(top);
    EXPECT_EQ(top->score, game->engine.gameScore);
    EXPECT_EQ(s.substr(35, 35), defaultScoreRecords()[0]);
    EXPECT_TRUE(textShown("SCORE RANKING"));
}

}  // namespace
}  // namespace morvek
