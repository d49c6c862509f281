// The generated data set: what the game relies on in every picture, sound and tune.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "data/dataset.h"
#include "movesets/BetaboyPatterns.h"
#include "movesets/BuriPatterns.h"
#include "movesets/GinzamuraiPatterns.h"
#include "movesets/GodPatterns.h"
#include "movesets/GoudaPatterns.h"
#include "movesets/HonekawaPatterns.h"
#include "movesets/InterrupterPatterns.h"
#include "movesets/MorvekboyPatterns.h"
#include "movesets/NangiefPatterns.h"

using namespace morvek;
using namespace morvek::data;

namespace {

// Entries whose colour is the same in every palette, and those that dim while targeting.
const std::set<uint8_t> kFixed{255, 67, 188, 246, 2, 13, 66, 71, 4, 176, 14, 90, 178, 51, 33, 82, 46,
                               49, 88, 123, 118, 44, 86, 53, 250, 141, 7, 164, 157, 12, 177, 228, 236, 207};
const std::set<uint8_t> kDimming{254, 224, 145, 253, 251, 249, 222, 221, 69, 29, 11, 10, 15, 9, 67};

int inkIn(const Surface8& s, const Rect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += s.at(x, y) != 0;
    return n;
}
bool allInk(const Surface8& s, const Rect& r) { return inkIn(s, r) == r.width() * r.height(); }
bool onlyFrom(const Surface8& s, const Rect& r, const std::set<uint8_t>& allowed, bool allowClear) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const uint8_t v = s.at(x, y);
            if (v == 0 ? !allowClear : !allowed.count(v)) return false;
        }
    return true;
}

const Surface8& commonSheet() {
    static const Surface8 s = buildCommonSheet();
    return s;
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }
uint32_t be32(const std::vector<uint8_t>& b, size_t at) {
    return (uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

}  // namespace

TEST(DataCommonSheet, LetterCellsHoldTheirCharacterInsideAClearBorder) {
    const Surface8& s = commonSheet();
    ASSERT_EQ(s.width(), 2450);
    ASSERT_EQ(s.height(), 2700);
    for (int L = 1; L <= 40; ++L)
        for (bool blue : {false, true}) {
            const Rect c = glyphCell(L, blue);
            const int ink = inkIn(s, c);
            EXPECT_GT(ink, 25) << "letter " << L << (blue ? " blue" : " red");
            // the outermost ring stays transparent, so stretched letters never touch
            const Rect inner{c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
            EXPECT_EQ(ink, inkIn(s, inner)) << "letter " << L << " touches its cell edge";
            EXPECT_EQ(s.at(c.left, c.top), 0);
            EXPECT_EQ(s.at(c.right - 1, c.bottom - 1), 0);
        }
    // the two rows carry their colours: red fill in the red row, blue in the blue row
    EXPECT_GT(std::count(s.row(315) + 0, s.row(315) + 400, kRed), 20);
    EXPECT_GT(std::count(s.row(515) + 0, s.row(515) + 400, kSky), 20);
    EXPECT_EQ(std::count(s.row(515) + 0, s.row(515) + 400, kRed), 0);
}

TEST(DataCommonSheet, LetterShapesDifferSoEveryKeyIsReadable) {
    // each of the 40 red glyphs is a different picture (no two letters drawn alike)
    const Surface8& s = commonSheet();
    std::set<std::string> seen;
    for (int L = 1; L <= 40; ++L) {
        const Rect c = glyphCell(L, false);
        std::string px;
        for (int y = c.top; y < c.bottom; ++y) px.append(reinterpret_cast<const char*>(s.row(y) + c.left), 40);
        EXPECT_TRUE(seen.insert(px).second) << "letter " << L;
    }
    EXPECT_EQ(letterChar(1), 'A');
    EXPECT_EQ(letterChar(26), 'Z');
    EXPECT_EQ(letterChar(27), '0');
    EXPECT_EQ(letterChar(36), '9');
    EXPECT_EQ(letterChar(40), '/');
}

TEST(DataCommonSheet, DigitsMarksAndGradeCellsAreDrawn) {
    const Surface8& s = commonSheet();
    for (int d = 0; d <= 9; ++d) {
        EXPECT_GT(inkIn(s, rectXYWH(40 * d, 420, 40, 30)), 25) << "small digit " << d;
        EXPECT_GT(inkIn(s, rectXYWH(40 * d, 450, 40, 30)), 25) << "big digit " << d;
    }
    for (int y : {300, 330, 360, 390, 420, 450, 500}) EXPECT_GT(inkIn(s, rectXYWH(400, y, 40, 30)), 40) << "mark at y " << y;
    for (int x : {160, 200, 240}) EXPECT_GT(inkIn(s, rectXYWH(x, 700, 40, 30)), 25) << "grade cell " << x;
}

TEST(DataCommonSheet, HudPanelTroughsAndTimerBoxAreOpaque) {
    const Surface8& s = commonSheet();
    const int X = 690, Y = 60;
    // vitality troughs, stun troughs and the timer box must never show the stage through
    EXPECT_TRUE(allInk(s, rectXYWH(X + 30, Y + 26, 258, 35)));
    EXPECT_TRUE(allInk(s, rectXYWH(X + 350, Y + 26, 258, 35)));
    EXPECT_TRUE(allInk(s, rectXYWH(X + 131, Y + 62, 157, 6)));
    EXPECT_TRUE(allInk(s, rectXYWH(X + 350, Y + 62, 157, 6)));
    EXPECT_TRUE(allInk(s, rectXYWH(X + 290, Y + 8, 60, 54)));
    // ...while the stage shows between them
    EXPECT_EQ(s.at(X + 320, Y + 75), 0);
    EXPECT_EQ(s.at(X + 2, Y + 2), 0);
}

TEST(DataCommonSheet, HudPanelTextStandsOnBlack) {
    const Surface8& s = commonSheet();
    const int X = 690, Y = 60;
    auto allBlack = [&](const Rect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (s.at(x, y) != kBlack) return false;
        return true;
    };
    // the names are written at y 60 in a 12-point font: player 1's from x 35, player 2's
    // from 620 - 12 x its length (our letters are narrower, so it ends before x 608); no
    // border or stage may show behind their letters
    EXPECT_TRUE(allBlack(rectXYWH(X + 34, Y + 60, 96, 16)));  // up to the stun trough
    EXPECT_TRUE(allBlack(rectXYWH(X + 508, Y + 60, 100, 16)));
    // the score is written at y 5 in a 15-point font and ends at x 240 (up to 7 digits)
    EXPECT_TRUE(allBlack(rectXYWH(X + 140, Y + 4, 100, 20)));
    // training's "PRESS F1 CALL MENU" at (400, 10), 18 letters of a 12-point font
    EXPECT_TRUE(allBlack(rectXYWH(X + 398, Y + 8, 176, 18)));
}

TEST(DataCommonSheet, QuoteBalloonShowsOnTheWhiteResultScreen) {
    const Surface8& s = commonSheet();
    const Rect b = rectXYWH(464, 1083, 368, 82);  // drawn 400 x 120 on palette index 188
    const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    for (int x : {b.left, b.left + 1, b.right - 2, b.right - 1}) EXPECT_NE(s.at(x, cy), kWhite) << x;
    for (int y : {b.top, b.top + 1, b.bottom - 2, b.bottom - 1}) EXPECT_NE(s.at(cx, y), kWhite) << y;
    // ...while the quote itself stands on white
    EXPECT_TRUE(allInk(s, b));
    EXPECT_EQ(s.at(cx, cy), kWhite);
    EXPECT_EQ(s.at(b.left + 10, b.top + 20), kWhite);
}

TEST(DataCommonSheet, EveryRegionTheGameReadsHasAPicture) {
    const Surface8& s = commonSheet();
    const Rect regions[] = {
        rectXYWH(0, 0, 140, 20),      rectXYWH(261, 1, 28, 28),     rectXYWH(291, 31, 28, 28),
        rectXYWH(351, 1, 48, 47),     rectXYWH(501, 1, 48, 47),     rectXYWH(351, 51, 47, 47),
        rectXYWH(551, 1, 68, 45),     rectXYWH(0, 61, 150, 36),     rectXYWH(0, 101, 150, 36),
        rectXYWH(0, 192, 64, 64),     rectXYWH(192, 192, 64, 64),   rectXYWH(750, 180, 480, 110),
        rectXYWH(1428, 40, 80, 40),   rectXYWH(0, 920, 170, 50),    rectXYWH(0, 1000, 100, 100),
        rectXYWH(460, 1070, 420, 120), rectXYWH(461, 1206, 120, 140), rectXYWH(730, 450, 252, 88),
        rectXYWH(730, 740, 420, 180), rectXYWH(1, 1401, 298, 198),  rectXYWH(301, 1401, 298, 198),
        rectXYWH(1, 1601, 298, 198),  rectXYWH(601, 1601, 410, 190), rectXYWH(601, 1801, 200, 199),
        rectXYWH(1561, 831, 37, 27),  rectXYWH(1637, 831, 37, 27),  rectXYWH(1683, 837, 68, 60),
        rectXYWH(1560, 444, 200, 120), rectXYWH(1560, 572, 200, 120), rectXYWH(1560, 700, 200, 120),
    };
    for (const Rect& r : regions) {
        EXPECT_TRUE(r.right <= s.width() && r.bottom <= s.height());
        EXPECT_GT(inkIn(s, r), r.width() * r.height() / 50) << r.left << "," << r.top;
    }
    // effect cells of every pattern in use, and the 22 K.O. pictures
    for (int x : {1251, 1401, 1551, 1701, 1851, 2001, 2151, 2301})
        for (int y : {1201, 1351}) EXPECT_GT(inkIn(s, rectXYWH(x, y, 148, 148)), 300) << x << "," << y;
    for (int n = 0; n < 22; ++n)
        EXPECT_GT(inkIn(s, rectXYWH(1701 + 126 * (n % 5), 1951 + 126 * (n / 5), 124, 124)), 1000) << "K.O. " << n;
    // the shutter, the panel interior (also the result balloon) and the face icons are solid
    EXPECT_TRUE(allInk(s, rectXYWH(601, 1801, 200, 199)));
    EXPECT_TRUE(allInk(s, rectXYWH(464, 1083, 368, 82)));
    EXPECT_TRUE(allInk(s, rectXYWH(900, 2100, 355, 355)));
}

TEST(DataCommonSheet, PortraitsHoldTheFigureAloneAndKeepTheirTopAndBottomRowsClear) {
    // Portraits are keyed on index 0 over the screens' texts: the training set-up puts its
    // title 14 rows above a portrait's figure and its fighter lists in the cell's last 32 rows.
    const Surface8& s = commonSheet();
    const std::pair<int, int> corners[] = {{1, 2101}, {301, 2401}, {301, 2101}, {1, 1801}, {301, 1801},
                                           {1, 2401}, {601, 2401}, {601, 2101}, {901, 1801}};
    for (const auto& [x, y] : corners) {
        EXPECT_EQ(inkIn(s, rectXYWH(x, y, 298, 14)), 0) << x << "," << y;
        EXPECT_EQ(inkIn(s, rectXYWH(x, y + 266, 298, 32)), 0) << x << "," << y;
        const Rect middle = rectXYWH(x, y + 14, 298, 252);
        const int area = middle.width() * middle.height();
        EXPECT_GT(inkIn(s, middle), area / 5) << x << "," << y;      // a figure stands there
        EXPECT_LT(inkIn(s, middle), area * 3 / 5) << x << "," << y;  // and the screen shows around it
    }
}

TEST(DataCommonSheet, UsesOnlyColoursThatKeepTheirBrightness) {
    const Surface8& s = commonSheet();
    EXPECT_TRUE(onlyFrom(s, s.bounds(), kFixed, true));
}

TEST(DataFighterSheets, EveryUsedCellHoldsAFigureInsideTheReadArea) {
    for (const FighterArt& f : fighterArts()) {
        if (f.stem != "morvekboy" && f.stem != "ginzamurai") continue;  // one of each pitch
        const Surface8 sheet = buildFighterSheet(f);
        EXPECT_EQ(sheet.width(), f.sheetW);
        EXPECT_EQ(sheet.height(), f.sheetH);
        const int N = f.pitch;
        for (const UsedCell& c : usedCells(f)) {
            const Rect read = rectXYWH(N * c.col + 1, N * c.row + 1, N - 1, N - 1);
            ASSERT_LE(read.right, sheet.width());
            ASSERT_LE(read.bottom, sheet.height());
            EXPECT_GT(inkIn(sheet, read), 1500) << f.stem << " cell " << c.col << "," << c.row;
            // the tile's unread first row and column stay clear, so no figure is cut off
            EXPECT_EQ(inkIn(sheet, rectXYWH(N * c.col, N * c.row, N, 1)), 0);
            EXPECT_EQ(inkIn(sheet, rectXYWH(N * c.col, N * c.row, 1, N)), 0);
            // transparent around the figure
            EXPECT_EQ(sheet.at(read.left, read.top), 0);
            EXPECT_EQ(sheet.at(read.right - 1, read.top), 0);
        }
        EXPECT_TRUE(onlyFrom(sheet, sheet.bounds(), kFixed, true)) << f.stem;
        // projectile frames at the places the move sets read them
        const std::vector<Rect> frames =
            f.stem == "morvekboy"
                ? std::vector<Rect>{rectXYWH(1201, 1, 48, 48), rectXYWH(1351, 51, 48, 48), rectXYWH(1351, 101, 48, 48),
                                    rectXYWH(201, 2401, 198, 198), rectXYWH(1801, 1, 598, 198), rectXYWH(1601, 2401, 98, 98)}
                : std::vector<Rect>{rectXYWH(1, 2701, 38, 18), rectXYWH(1, 2101, 298, 98), rectXYWH(201, 2401, 98, 298),
                                    rectXYWH(701, 2101, 89, 298), rectXYWH(901, 2401, 148, 148)};
        for (const Rect& r : frames) EXPECT_GT(inkIn(sheet, r), r.width() * r.height() / 20) << f.stem << " " << r.left << "," << r.top;
    }
}

TEST(DataFighterSheets, CellsShowThePoseTheirPatternsUse) {
    const auto arts = fighterArts();
    const FighterArt& mb = arts[0];
    ASSERT_EQ(mb.stem, "morvekboy");
    const MoveTable table = readMoveTable(mb.number);
    auto kindAt = [&](int c, int r) {
        for (const UsedCell& u : usedCellsOf(table, mb.pitch))
            if (u.col == c && u.row == r) return cellPose(mb, table, u).kind;
        return PoseKind::Stand;
    };
    EXPECT_EQ(kindAt(0, 0), PoseKind::Stand);
    EXPECT_EQ(kindAt(0, 1), PoseKind::Guard);
    EXPECT_EQ(kindAt(3, 1), PoseKind::CrouchGuard);
    EXPECT_EQ(kindAt(2, 2), PoseKind::Target);
    EXPECT_EQ(kindAt(0, 4), PoseKind::Miss);
    EXPECT_EQ(kindAt(5, 5), PoseKind::Floor);
    EXPECT_EQ(kindAt(4, 0), PoseKind::KO);
    EXPECT_EQ(kindAt(2, 5), PoseKind::Crouch);      // landing recovery comes first
    EXPECT_EQ(kindAt(7, 10), PoseKind::Punch);      // 男パンチ, the strike
    EXPECT_EQ(kindAt(4, 11), PoseKind::PunchWind);  // 男パンチ, its wind-up
    EXPECT_EQ(kindAt(8, 11), PoseKind::Beam);
    EXPECT_EQ(kindAt(6, 5), PoseKind::WinA);
    EXPECT_EQ(kindAt(1, 9), PoseKind::Backstep);   // 70 opens in the back-step state
    EXPECT_EQ(kindAt(2, 10), PoseKind::Jump);       // 75 opens in the hop state
    EXPECT_EQ(kindAt(0, 10), PoseKind::Dash);       // 90 opens in the dash state
    EXPECT_EQ(kindAt(8, 5), PoseKind::Jump);        // 男クラッシャー, airborne by its hint
    EXPECT_EQ(kindAt(4, 1), PoseKind::Bounce);
    // the pose reaches toward the front: a strike's fist lies right of the hips
    const Joints j = solvePose(mb.build, makePose(PoseKind::Punch));
    EXPECT_GT(j.handF.x, j.pelvis.x + 30);
}

TEST(DataMoveTables, EveryPatternOfEveryTableIsReadWithItsBlock) {
    const size_t sizes[kFighterCount] = {
        morvekboy_patterns::kTable.size(), ginzamurai_patterns::kTable.size(), nangief_patterns::kTable.size(),
        honekawa_patterns::kTable.size(), gouda_patterns::kTable.size(), interrupter_patterns::kTable.size(),
        buri_patterns::kTable.size(), god_patterns::kTable.size(), betaboy_patterns::kTable.size()};
    for (int16_t n = 0; n < kFighterCount; ++n) EXPECT_EQ(readMoveTable(n).patterns.size(), sizes[n]) << "fighter " << n;
    EXPECT_TRUE(readMoveTable(9).patterns.empty());

    const MoveTable mb = readMoveTable(0);
    const PatternUse* punch = mb.find(21);
    ASSERT_NE(punch, nullptr);
    EXPECT_EQ(punch->cell, anim::cellRect(7, 10, 200));
    EXPECT_EQ(punch->state, stAttack);
    EXPECT_EQ(punch->name, "男パンチ");  // written by 20, shown for the whole block
    EXPECT_EQ(punch->first, 20);
    EXPECT_EQ(punch->position, 1);
    EXPECT_EQ(punch->length, 4);
    // the back step changes its state inside the block; the body class stays
    const PatternUse* back = mb.find(72);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->state, stRecover);
    EXPECT_EQ(back->body, 5);
    EXPECT_EQ(back->first, 70);
    // 60 ends where it started, so 61 opens a block of its own; missing numbers are absent
    EXPECT_EQ(mb.find(60)->length, 1);
    EXPECT_EQ(mb.find(62)->first, 61);
    EXPECT_EQ(mb.find(24), nullptr);
    EXPECT_TRUE(mb.find(0)->name.empty());
    // a loop step back to the block's start still continues the block
    EXPECT_EQ(mb.find(94)->first, 90);
    EXPECT_EQ(mb.find(94)->length, 5);
    // a block whose loop is decided by counTer (G O D's first judgement) stays whole
    const MoveTable god = readMoveTable(7);
    EXPECT_EQ(god.find(215)->first, 210);
    EXPECT_EQ(god.find(215)->name, god_patterns::kJudgement);
    EXPECT_EQ(god.find(11)->cell.left, 51);  // the dash row's small cells
    EXPECT_EQ(god.find(11)->cell.top, 2401);
    // BETABOY: its own rows and the ones it takes from MORVEKBOY
    const MoveTable bb = readMoveTable(8);
    EXPECT_EQ(bb.find(20)->name, "羅漢拳");
    EXPECT_EQ(bb.find(27)->name, "男クラッシャー");
}

TEST(DataFighterSheets, EveryCellAFighterTableShowsIsDrawn) {
    const auto arts = fighterArts();
    const Surface8 godSheet = buildGodSheet();
    for (int16_t n = 0; n < kFighterCount; ++n) {
        Surface8 own;
        const Surface8* sheet = &godSheet;  // BURI and G O D
        for (const FighterArt& f : arts)
            if (f.number == n) {
                own = buildFighterSheet(f);
                sheet = &own;
            }
        std::set<std::pair<int, int>> seen;
        for (const PatternUse& p : readMoveTable(n).patterns) {
            if (!seen.insert({p.cell.left, p.cell.top}).second) continue;
            const Rect r{p.cell.left, p.cell.top, std::min(p.cell.right, sheet->width()),
                         std::min(p.cell.bottom, sheet->height())};
            ASSERT_LT(r.left, r.right);
            ASSERT_LT(r.top, r.bottom);
            EXPECT_GT(inkIn(*sheet, r), r.width() * r.height() / 50)
                << "fighter " << n << " pattern " << p.number << " at " << r.left << "," << r.top;
        }
        EXPECT_GT(seen.size(), 1u) << "fighter " << n;
    }
}

TEST(DataFighterSheets, GodSheetHoldsBuriCellsAndFrames) {
    const Surface8 s = buildGodSheet();
    EXPECT_EQ(s.width(), 1600);
    EXPECT_EQ(s.height(), 2800);
    for (int k = 0; k < 6; ++k) EXPECT_GT(inkIn(s, rectXYWH(1, 1 + 400 * k, 498, 398)), 10000) << "row " << k;
    for (Rect r : {rectXYWH(1, 2401, 47, 47), rectXYWH(151, 2401, 47, 47), rectXYWH(1, 2451, 47, 47),
                   rectXYWH(101, 2451, 47, 47), rectXYWH(1, 2501, 47, 47), rectXYWH(7, 8, 48, 47)})
        EXPECT_GT(inkIn(s, r), 300) << r.left << "," << r.top;
    EXPECT_GT(inkIn(s, rectXYWH(1405, 2179, 124, 124)), 1000);  // last bomb frame
    EXPECT_TRUE(onlyFrom(s, s.bounds(), kFixed, true));
}

TEST(DataPictures, StagesUseDimmingColoursAndFullPicturesAreOpaque) {
    for (int i = 0; i < 4; ++i) {
        const Surface8 st = buildStage(i);
        EXPECT_EQ(st.width(), 1400);
        EXPECT_EQ(st.height(), 2000);
        EXPECT_TRUE(onlyFrom(st, st.bounds(), kDimming, false)) << "stage " << i;
    }
    for (const Surface8& p : {buildTitlePicture(), buildSelectPicture(), buildLoadingPicture()}) {
        EXPECT_EQ(p.width(), 640);
        EXPECT_EQ(p.height(), 480);
    }
    // the title keeps a plain dark band for the white menu label
    const Surface8 t = buildTitlePicture();
    for (int y = 370; y < 448; y += 7)
        for (int x = 235; x < 405; x += 9) EXPECT_EQ(t.at(x, y), kBlack) << x << "," << y;
}

TEST(DataSounds, WavFilesArePcmMono16Bit) {
    const auto bytes = wavBytes(synthEffect(1));
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(le32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(le16(bytes, 20), 1);      // PCM
    EXPECT_EQ(le16(bytes, 22), 1);      // mono
    EXPECT_EQ(le32(bytes, 24), 22050u);
    EXPECT_EQ(le16(bytes, 34), 16);
    EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
    EXPECT_EQ(le32(bytes, 40), bytes.size() - 44);
}

TEST(DataSounds, ScoreSoundLoopsWithoutAClickAndSoundsDiffer) {
    const auto loop = synthEffect(55);
    ASSERT_GT(loop.size(), 1000u);
    EXPECT_LT(std::abs(loop.front()), 300);
    EXPECT_LT(std::abs(loop.back()), 300);
    EXPECT_LT(std::abs(loop.back() - loop.front()), 300);
    // effects are distinct by index except the pairs that share a file
    std::set<std::vector<int16_t>> seen;
    for (int i = 0; i <= 59; ++i) {
        if (i == 4 || i == 26 || i == 31) continue;
        const auto w = synthEffect(i);
        EXPECT_GT(*std::max_element(w.begin(), w.end()), 10000) << "effect " << i;
        EXPECT_TRUE(seen.insert(w).second) << "effect " << i;
    }
    EXPECT_EQ(synthEffect(2), synthEffect(4));
    // voices: syllables from the name, distinct per file
    const auto ha = synthVoice("ha", 100), long1 = synthVoice("hisasiburida", 140);
    EXPECT_GT(long1.size(), ha.size() * 2);
    EXPECT_NE(synthVoice("sei", 101), synthVoice("tou", 102));
}

TEST(DataTunes, MidiFilesAreWellFormedAndLoopOnABar) {
    std::set<int> tempos;
    for (int t = 0; t < kTuneCount; ++t) {
        const auto b = midiBytes(t);
        ASSERT_GE(b.size(), 22u);
        EXPECT_EQ(std::memcmp(b.data(), "MThd", 4), 0);
        EXPECT_EQ(be32(b, 4), 6u);
        const int format = (b[8] << 8) | b[9];
        EXPECT_TRUE(format == 0 || format == 1);
        EXPECT_EQ((b[10] << 8) | b[11], 1);
        EXPECT_EQ(std::memcmp(b.data() + 14, "MTrk", 4), 0);
        EXPECT_EQ(be32(b, 18), b.size() - 22);
        EXPECT_EQ(b[b.size() - 3], 0xFF);
        EXPECT_EQ(b[b.size() - 2], 0x2F);
        // every note ends by the last tick, which closes a whole bar
        const TuneStyle st = tuneStyle(t);
        for (const MidiNote& n : composeTune(t)) EXPECT_LE(n.tick, uint32_t(st.bars) * 4 * kPpq);
        tempos.insert(st.bpm * 1000 + st.root);
    }
    EXPECT_EQ(tempos.size(), size_t(kTuneCount));  // each tune its own tempo and key
}

TEST(DataSet, WritesEveryFileTheGameNames) {
    const auto dir = std::filesystem::temp_directory_path() / "morvek_data_test";
    std::filesystem::remove_all(dir);
    writeDataSet(dir);
    auto exists = [&](std::string_view rel) { return std::filesystem::exists(dir / std::string(rel)); };
    for (int i = 0; i <= kLastVoice; ++i)
        if (soundIndexInUse(i)) {
            EXPECT_TRUE(exists(std::string(soundFolder(i)) + std::string(soundFileName(i)))) << i;
        }
    for (auto t : kTuneFiles) EXPECT_TRUE(exists(std::string(kMusicFolder) + std::string(t))) << t;
    const Bitmap common = loadBitmap((dir / std::string(kCommonSheet)).string());
    EXPECT_EQ(common.pixels.width(), 2450);
    EXPECT_EQ(common.colours[kRed].r, 255);
    for (auto bg : kBackgroundFiles) EXPECT_EQ(loadBitmap((dir / std::string(bg)).string()).pixels.width(), 1400);
    for (const std::string& f : fighterSheetFiles()) EXPECT_TRUE(exists(f)) << f;
    EXPECT_TRUE(exists(kTitlePicture));
    EXPECT_TRUE(exists(kSelectPicture));
    EXPECT_TRUE(exists(kLoadingPicture));
    std::filesystem::remove_all(dir);
}
