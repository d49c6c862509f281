#include <gtest/gtest.h>

#include <string>

#include "battle/Character.h"
#include "battle/Roster.h"

using namespace morvek;

namespace {

struct Row {
    const char* stem;
    const char* disp;
    int nameWidth, width, height;
    const char* picture;
    int bottom, jumps, stun, defence, ex, number;
};

// The roster as the game's data sheet gives it (BETABOY as player 2).
const Row kRows[] = {
    {"morvekboy", "MORVEKBOY", 9, 199, 199, "grafics\\morvekboy", 0, 2, 90, 3, 60, 0},
    {"ginzamurai", "GINZAMURAI", 10, 300, 300, "grafics\\ginzamurai", 70, 1, 120, 3, 60, 1},
    {"nangief", "NANGIEF", 7, 300, 300, "grafics\\nangief", 70, 1, 150, 4, 100, 2},
    {"honekawa", "HONEKAWA", 9, 199, 199, "grafics\\honekawa", 0, 3, 90, 2, 999, 3},
    {"gouda", "GOUDA", 6, 199, 199, "grafics\\gouda", 0, 2, 90, 0, 120, 4},
    {"interrupter", "INTERRUPTER", 11, 199, 199, "grafics\\interrupter", 0, 2, 72, 2, 999, 5},
    {"buri", "G O D", 5, 49, 49, "grafics\\god", -70, 2, 90, 5, 999, 6},
    {"god", "G O D", 5, 498, 398, "grafics\\god", 185, 2, 150, 20, 999, 7},
    {"betaboy", "B・B", 4, 199, 199, "grafics\\betaboy", 0, 3, 120, 5, 999, 8},
};

/// spacornNumber / spacornGaugeMax / spacornCountMax / spacornNumber2 (-1: not written).
struct Sp {
    int number, gauge, count, number2;
};
struct SpRow {
    const char* stem;
    Sp types[3];
};
const SpRow kSpacorn[] = {
    {"morvekboy", {{630, 270, 1, 660}, {730, 240, 1, 660}, {500, 200, 1, 660}}},
    {"ginzamurai", {{630, 270, 1, 0}, {720, 200, 2, 0}, {750, 120, 3, 500}}},
    {"nangief", {{630, 200, 2, 730}, {500, 200, 2, 0}, {800, 290, 1, 0}}},
    {"honekawa", {{500, 240, 1, 0}, {630, 150, 2, 0}, {700, 120, 3, 0}}},
    {"gouda", {{630, 240, 2, 900}, {500, 240, 2, 900}, {730, 240, 2, 900}}},
    {"interrupter", {{610, 180, 2, 800}, {840, 180, 2, 730}, {740, 180, 2, 800}}},
    {"buri", {{210, 270, 1, -1}, {210, 270, 1, -1}, {210, 270, 1, -1}}},
    {"god", {{210, 270, 1, 530}, {210, 270, 1, 530}, {210, 270, 1, 530}}},
    {"betaboy", {{630, 270, 2, 660}, {730, 200, 2, 660}, {500, 150, 3, 660}}},
};

constexpr int16_t kUntouched = 4321;

Character untouchedFighter() {
    Character c;
    c.spacornNumber2 = kUntouched;
    c.NumOfServant = kUntouched;
    return c;
}

}  // namespace

TEST(BattleRoster, EveryRowWritesItsFixedData) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.stem);
        Character c = untouchedFighter();
        charaBaseSet(c, r.stem);
        EXPECT_EQ(c.charaDispname, r.disp);
        EXPECT_EQ(c.nameWidth, r.nameWidth);
        EXPECT_EQ(c.Width, r.width);
        EXPECT_EQ(c.Height, r.height);
        EXPECT_EQ(c.picTure, r.picture);
        EXPECT_EQ(c.bottom, r.bottom);
        EXPECT_EQ(c.MaxJumpCount, r.jumps);
        EXPECT_EQ(c.stunPointMax, r.stun);
        EXPECT_EQ(c.difensiBle, r.defence);
        EXPECT_EQ(c.ExArtsConsumption, r.ex);
        EXPECT_EQ(c.NUMBER, r.number);
        // Gauges are refilled from the row.
        EXPECT_EQ(c.stunGauge, r.stun);
        EXPECT_EQ(c.airialJumpCount, r.jumps);
    }
}

TEST(BattleRoster, ServantsAreOneForGinzamuraiThreeForHonekawaAndNoneForOthers) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.stem);
        // The object last held a summoner: no count may survive the next fighter.
        Character c = untouchedFighter();
        charaBaseSet(c, "honekawa");
        charaBaseSet(c, r.stem);
        const int expected = r.number == 1 ? 1 : r.number == 3 ? 3 : 0;
        EXPECT_EQ(c.NumOfServant, expected);
        // The fighters the battle runs servants for are those the roster gives some.
        EXPECT_EQ(hasServants(c.NUMBER), expected > 0);
    }
}

TEST(BattleRoster, SpacornDataBySuperArtType) {
    for (const SpRow& r : kSpacorn) {
        for (int type = 0; type < 3; ++type) {
            SCOPED_TRACE(std::string(r.stem) + " type " + std::to_string(type));
            Character c = untouchedFighter();
            c.spacornType = static_cast<int16_t>(type);
            charaBaseSet(c, r.stem);
            const Sp& e = r.types[type];
            EXPECT_EQ(c.spacornNumber, e.number);
            EXPECT_EQ(c.spacornGaugeMax, e.gauge);
            EXPECT_EQ(c.spacornCountMax, e.count);
            EXPECT_EQ(c.spacornNumber2, e.number2 < 0 ? kUntouched : e.number2);
        }
    }
}

TEST(BattleRoster, SuperArtTypeOutsideTheTableKeepsTheSpacornFields) {
    Character c;
    c.spacornType = 3;
    c.spacornNumber = 11;
    c.spacornGaugeMax = 12;
    c.spacornCountMax = 13;
    c.spacornNumber2 = 14;
    charaBaseSet(c, "nangief");  // NANGIEF's second art comes only from the type
    EXPECT_EQ(c.spacornNumber, 11);
    EXPECT_EQ(c.spacornGaugeMax, 12);
    EXPECT_EQ(c.spacornCountMax, 13);
    EXPECT_EQ(c.spacornNumber2, 14);
    charaBaseSet(c, "morvekboy");  // the row's own second art is still written
    EXPECT_EQ(c.spacornNumber2, 660);
    EXPECT_EQ(c.spacornNumber, 11);
}

TEST(BattleRoster, BetaboyIsWeakerAsPlayerOne) {
    Character human;
    human.PrimalPlayer = true;
    charaBaseSet(human, "betaboy");
    EXPECT_EQ(human.difensiBle, 1);
    EXPECT_EQ(human.stunPointMax, 80);
    EXPECT_EQ(human.stunGauge, 80);

    Character cpu;
    charaBaseSet(cpu, "betaboy");
    EXPECT_EQ(cpu.difensiBle, 5);
    EXPECT_EQ(cpu.stunPointMax, 120);
}

TEST(BattleRoster, HonekawaVariantDiffersOnlyInTheThirdSuperArt) {
    for (int type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        Character plain;
        Character variant;
        plain.spacornType = variant.spacornType = static_cast<int16_t>(type);
        variant.ReverseCharaFlag = true;
        charaBaseSet(plain, "honekawa");
        charaBaseSet(variant, "honekawa");
        if (type < 2) {
            EXPECT_EQ(variant.spacornNumber, plain.spacornNumber);
            EXPECT_EQ(variant.spacornNumber2, plain.spacornNumber2);
        } else {
            EXPECT_EQ(plain.spacornNumber, 700);
            EXPECT_EQ(plain.spacornNumber2, 0);
            EXPECT_EQ(variant.spacornNumber, 750);
            EXPECT_EQ(variant.spacornNumber2, 700);
        }
        EXPECT_EQ(variant.spacornGaugeMax, plain.spacornGaugeMax);
        EXPECT_EQ(variant.spacornCountMax, plain.spacornCountMax);
        EXPECT_EQ(variant.NUMBER, 3);
    }
}

TEST(BattleRoster, UnknownStemOnlyRefillsStunAndJumps) {
    Character c;
    charaBaseSet(c, "gouda");
    c.stunGauge = 3.5;
    c.airialJumpCount = 0;
    c.NUMBER = 4;
    charaBaseSet(c, "Gouda");  // stems are compared exactly
    EXPECT_EQ(c.charaDispname, "GOUDA");
    EXPECT_EQ(c.NUMBER, 4);
    EXPECT_EQ(c.stunGauge, 90);
    EXPECT_EQ(c.airialJumpCount, 2);

    Character blank;
    blank.stunGauge = 50;
    blank.airialJumpCount = 7;
    charaBaseSet(blank, "");
    EXPECT_EQ(blank.stunGauge, 0);
    EXPECT_EQ(blank.airialJumpCount, 0);
    EXPECT_EQ(blank.charaDispname, "");
    EXPECT_EQ(blank.Width, 0);
}
