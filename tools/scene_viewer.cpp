// Draws scripted match states into PNG files so a person can look at each piece of the
// match drawing: fighters and stage, HUD, typing frame and combo words, effects and
// projectiles, banners, dizziness, zoom, shutter and the finish display.
//
//   scene_viewer [output folder] [data folder]
//
// The data folder (default: the folder of this program) is where grafics/ is looked for.
// Every picture that is missing there is replaced by a plain stand-in with the same cells,
// so the geometry can be checked before the real pictures exist.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "engine/Palettes.h"
#include "engine/Shutter.h"
#include "engine/System.h"
#include "battle/MoveSet.h"
#include "platform/Bitmap.h"
#include "platform/HeadlessPlatform.h"
#include "render/Camera.h"
#include "render/Finish.h"
#include "render/Hud.h"
#include "render/Overlay.h"
#include "render/SlowMotion.h"
#include "render/TypingFrame.h"

namespace fs = std::filesystem;
using namespace morvek;

namespace {

// Palette entries that the game's fixed colour tables give a colour.
constexpr uint8_t kWhite = 13, kRed = 14, kCyan = 12, kYellow = 46, kGreen = 44, kOrange = 33,
                  kBlue = 177, kPurple = 207, kGrey = 238, kMagenta = 253, kLightGrey = 254,
                  kSky = 236, kEarth = 7, kDark = 67, kMoss = 69;

void box(Surface8& s, Rect r, uint8_t fill, uint8_t border) {
    s.fillRect(r, border);
    s.fillRect(Rect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, fill);
}

void hollow(Surface8& s, Rect r, uint8_t border) {
    s.fillRect(Rect{r.left, r.top, r.right, r.top + 3}, border);
    s.fillRect(Rect{r.left, r.bottom - 3, r.right, r.bottom}, border);
    s.fillRect(Rect{r.left, r.top, r.left + 3, r.bottom}, border);
    s.fillRect(Rect{r.right - 3, r.top, r.right, r.bottom}, border);
}

class StandIns {
public:
    StandIns(HeadlessPlatform& p, const Palette& pal) : p_(p), pal_(pal) {}

    void text(Surface8& s, int32_t x, int32_t y, int size, std::string_view t, uint8_t ink) {
        p_.setFont(size, false);
        p_.drawText(s, x, y, t, pal_[ink]);
    }

    /// Every cell the match drawing reads from the common sheet.
    Surface8 commonSheet() {
        Surface8 s(2600, 2600);
        static const char* kGlyphs[40] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
                                          "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T",
                                          "U", "V", "W", "X", "Y", "Z", "0", "1", "2", "3",
                                          "4", "5", "6", "7", "8", "9", ";", ",", ".", "/"};
        for (int i = 0; i < 40; ++i) {
            const Rect red = letterCell(int16_t(i + 1), false);
            const Rect blue = letterCell(int16_t(i + 1), true);
            box(s, red, kWhite, kRed);
            text(s, red.left + 12, red.top + 3, 18, kGlyphs[i], kRed);
            box(s, blue, kWhite, kBlue);
            text(s, blue.left + 12, blue.top + 3, 18, kGlyphs[i], kBlue);
        }
        for (int d = 0; d < 10; ++d) {
            const std::string digit(1, char('0' + d));
            text(s, 40 * d + 10, 420, 22, digit, kYellow);
            text(s, 40 * d + 8, 450, 22, digit, kOrange);
        }
        for (int i = 0; i < 3; ++i) hollow(s, rectXYWH(64 * i + 4 * i, 192 + 4 * i, 64 - 8 * i, 64 - 8 * i), uint8_t(i == 1 ? kCyan : kWhite));
        hollow(s, rectXYWH(192, 192, 64, 64), kRed);
        s.fillRect(rectXYWH(192 + 30, 192, 4, 64), kRed);
        box(s, rectXYWH(690, 60, 640, 80), kDark, kGrey);
        text(s, 700, 65, 12, "player 1", kGrey);
        text(s, 1260, 65, 12, "player 2", kGrey);
        box(s, rectXYWH(0, 61, 150, 36), kYellow, kRed);
        text(s, 30, 63, 22, "STUN", kRed);
        box(s, rectXYWH(0, 101, 150, 36), kCyan, kBlue);
        text(s, 30, 103, 22, "FULL", kBlue);
        hollow(s, rectXYWH(0, 0, 140, 20), kLightGrey);
        box(s, rectXYWH(261, 1, 28, 28), kPurple, kWhite);
        text(s, 264, 5, 12, "EX", kWhite);
        text(s, 1432, 45, 20, "HITS", kOrange);
        box(s, rectXYWH(730, 450, 252, 88), kDark, kYellow);
        text(s, 760, 465, 40, "ROUND", kYellow);
        const char* fight[3] = {"F", "FI", "FIGHT!"};
        const Rect fightCells[3] = {rectXYWH(1, 1401, 298, 198), rectXYWH(301, 1401, 298, 198),
                                    rectXYWH(1, 1601, 298, 198)};
        for (int i = 0; i < 3; ++i) text(s, fightCells[i].left + 20, fightCells[i].top + 60, 44, fight[i], kRed);
        text(s, 404, 452, 20, "oo", kYellow);
        box(s, rectXYWH(400, 420, 40, 30), kGrey, kLightGrey);
        const char* marks[5] = {"K", "P", "G", "T", "S"};
        const Rect markCells[5] = {rectXYWH(1683, 837, 68, 60), rectXYWH(400, 360, 40, 30),
                                   rectXYWH(400, 300, 40, 30), rectXYWH(400, 330, 40, 30),
                                   rectXYWH(400, 500, 40, 30)};
        for (int i = 0; i < 5; ++i) {
            box(s, markCells[i], kYellow, kOrange);
            text(s, markCells[i].left + 10, markCells[i].top + 2, 18, marks[i], kRed);
        }
        box(s, rectXYWH(400, 390, 40, 30), kGreen, kGreen);
        text(s, 410, 392, 18, "+", kWhite);
        // Shadow: a flat dark ellipse.
        for (int32_t y = 920; y < 970; ++y)
            for (int32_t x = 0; x < 170; ++x) {
                const double dx = (x - 85) / 85.0, dy = (y - 945) / 25.0;
                if (dx * dx + dy * dy <= 1) s.set(x, y, kDark);
            }
        hollow(s, rectXYWH(0, 1000, 100, 100), kGreen);
        // Effects: rings of shrinking size in their cells.
        auto spark = [&](Rect r, uint8_t c, int step) {
            const int32_t cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
            drawCircle(s, cx, cy, r.width() / 2 - 10 - 12 * step, 6, c);
            drawCircle(s, cx, cy, r.width() / 4 - 4 * step, 3, kWhite);
        };
        const int32_t sparkX[] = {1401, 1551, 1701, 2001, 1851, 2151, 2301, 1251};
        for (int32_t x : sparkX)
            for (int i = 0; i < 3; ++i) spark(rectXYWH(x, 1201 + 150 * i, 148, 148), x % 2 ? kYellow : kCyan, i);
        for (int32_t x : {1251, 1401, 1551})
            for (int i = 0; i < 3; ++i) spark(rectXYWH(x, 1651 + 150 * i, 148, 148), kOrange, i);
        for (int i = 0; i < 3; ++i) spark(rectXYWH(1560, 444 + 128 * i, 200, 120), kWhite, i);
        const int32_t blastX[5][2] = {{2205, 1951}, {1953, 2077}, {2205, 2077}, {2079, 2203}, {1827, 2329}};
        for (int i = 0; i < 5; ++i) spark(rectXYWH(blastX[i][0], blastX[i][1], 125, 125), kMagenta, i % 3);
        for (int i = 0; i < 3; ++i) {
            box(s, rectXYWH(1561 + 38 * i, 831, 37, 27), kYellow, kOrange);
            text(s, 1561 + 38 * i + 12, 833, 14, "*", kRed);
        }
        for (int n = 0; n < 22; ++n) {
            const Rect c = rectXYWH(1701 + 126 * (n % 5), 1951 + 126 * (n / 5), 124, 124);
            box(s, c, kDark, kRed);
            text(s, c.left + 14, c.top + 40, 30, "K.O.", kRed);
        }
        box(s, rectXYWH(750, 180, 480, 110), kDark, kYellow);
        text(s, 900, 200, 56, "K.O.", kYellow);
        box(s, rectXYWH(601, 1801, 200, 199), kGrey, kLightGrey);
        box(s, rectXYWH(601, 1601, 410, 190), kWhite, kDark);
        box(s, rectXYWH(551, 1, 68, 45), kWhite, kDark);
        for (int f = 0; f < 4; ++f) box(s, rectXYWH(351 + 50 * f, 51, 47, 47), kGreen, kWhite);
        return s;
    }

    /// A stage: sky above, the ground from world y 1870.
    Surface8 background() {
        Surface8 s(1400, 2000);
        s.fillRect(Rect{0, 0, 1400, 1870}, kSky);
        for (int32_t x = 0; x < 1400; x += 100) s.fillRect(rectXYWH(x, 1500, 60, 370), kMoss);
        s.fillRect(Rect{0, 1870, 1400, 2000}, kEarth);
        for (int32_t x = 0; x < 1400; x += 50) s.fillRect(rectXYWH(x, 1870, 2, 130), kDark);
        return s;
    }

    /// A fighter sheet of 200 px cells, each a figure with its cell number.
    Surface8 fighterSheet(uint8_t body) {
        Surface8 s(2400, 2400);
        for (int32_t row = 0; row < 12; ++row)
            for (int32_t col = 0; col < 12; ++col) {
                const int32_t x = 200 * col, y = 200 * row;
                box(s, rectXYWH(x + 70, y + 40, 60, 120), body, kDark);
                box(s, rectXYWH(x + 80, y + 10, 40, 35), kLightGrey, kDark);
                box(s, rectXYWH(x + 120, y + 70, 50, 15), body, kDark);  // the facing arm
                text(s, x + 75, y + 165, 12, std::to_string(col) + "," + std::to_string(row), kWhite);
            }
        return s;
    }

private:
    HeadlessPlatform& p_;
    const Palette& pal_;
};

struct Viewer {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
    Palette palette{};
    fs::path out;
    fs::path data;
    std::vector<std::string> written;

    Viewer(fs::path outFolder, fs::path dataFolder) : out(std::move(outFolder)), data(std::move(dataFolder)) {
        fs::create_directories(out);
        game = std::make_unique<Game>(platform);
        EngineState& e = game->engine;
        fixedColorSet(e.basePalette, 1);
        fixedColorSet(e.workPalette, 1);
        fixedColorSet2nd(e.workPalette);
        palette = e.workPalette;
        platform.createPalette(palette);
        StandIns stand(platform, palette);
        e.attackEffectSurface = loadOr(kCommonSheet, [&] { return stand.commonSheet(); });
        e.backGroundSurface = loadOr(kBackgroundFiles[0], [&] { return stand.background(); });
        e.charaSurface1 = loadOr("grafics/morvekboy.cha", [&] { return stand.fighterSheet(kBlue); });
        e.charaSurface2 = loadOr("grafics/morvekboy.cha", [&] { return stand.fighterSheet(kRed); });
    }

    Surface8 loadOr(std::string_view name, const std::function<Surface8()>& standIn) {
        const fs::path file = data / std::string(name);
        if (fs::exists(file)) {
            std::printf("using %s\n", file.c_str());
            return loadBitmap(file.string()).pixels;
        }
        std::printf("stand-in for %s\n", std::string(name).c_str());
        return standIn();
    }

    BattleState& b() { return game->battle; }
    Character& p1() { return game->battle.player1; }
    Character& p2() { return game->battle.player2; }

    /// A match in its first round: both fighters standing on the ground.
    void newMatch() {
        BattleState& bs = b();
        EngineState& e = game->engine;
        e.playMode = PlayMode::Arcade;
        e.gameScore = 48210;
        bs.scrollX = -140;
        bs.scrollY = -1480;
        bs.freezeFlag = false;
        bs.typingFlashFrames = 0;
        bs.openingKey = 0;
        bs.keyHeld = false;
        bs.hitSlot = 0;
        bs.targetLetters = {1, 12, 23, 4, 15, 6, 17, 8};
        StateOfStage& st = bs.stageState;
        st = StateOfStage{};
        st.MaxRoundTime = 6099;
        st.roundTimer = 4321;
        st.wholeTimer = 300;
        st.totalGameTime = 754.0f;
        const char* names[2] = {"MORVEKBOY", "MORVEKBOY"};
        int side = 0;
        for (Character* c : {&p1(), &p2()}) {
            *c = Character{};
            c->NUMBER = 0;
            c->charaDispname = names[side];
            c->nameWidth = 9;
            c->Width = 200;
            c->Height = 200;
            c->bottom = 16;
            c->posY = kGroundLine - 16;
            c->posX = side == 0 ? 330 : 620;
            c->dirStand = side == 0 ? 1 : -1;
            c->sTate = stStand;
            c->viTality = 254;
            c->stunPointMax = 100;
            c->spacornGaugeMax = 200;
            c->spacornCountMax = 3;
            c->ExArtsConsumption = 50;
            c->InitFlyArts();
            c->InitSplite();
            ++side;
        }
    }

    /// The drawing of one battle frame, in the battle loop's order.
    void drawFrame() {
        Game& g = *game;
        EngineState& e = g.engine;
        Character& a = p1();
        Character& c = p2();
        cameraAndBackground(g, a, c);
        drawCharaShadow(g, a, e.attackEffectSurface);
        drawCharaShadow(g, c, e.attackEffectSurface);
        drawFighters(g, a, c);
        drawGauges(g, a, c);
        drawComboCounter(g, a, c);
        if (a.tarGeting) drawTypingFrame(g, a, e.attackEffectSurface, false, 0);
        if (b().typingFlashFrames > 0) {
            drawTypingFrame(g, a, e.attackEffectSurface, true, b().hitSlot);
            b().typingFlashFrames = cint16(b().typingFlashFrames - 1);
        }
        drawStageOverlay(g, b().stageState, a, c);
    }

    void save(const std::string& name) { saveSurface(name, game->engine.backBuffer); }
    void saveSurface(const std::string& name, const Surface8& s) {
        const fs::path file = out / (name + ".png");
        writePng(file.string(), s, palette);
        written.push_back(file.string());
    }
    void launch(Character& c, int16_t kind) {
        if (MoveSet* set = moveSetOf(*game, c)) set->FlyArtsLaunch(*game, c, kind);
    }
    void spark(Character& c, int16_t pattern, int16_t x, int16_t y, int16_t size, int16_t dir) {
        Splite& sp = c.returningOneSplite();
        sp = Splite{};
        sp.posX = x;
        sp.posY = y;
        sp.Width = size;
        sp.Height = size;
        sp.animPat = pattern;
        sp.dirStand = dir;
    }
};

void sceneStanding(Viewer& v) {
    v.newMatch();
    v.p1().tarGeting = true;
    v.p1().targetX = 60;
    v.p1().targetY = -40;
    v.drawFrame();
    v.save("01_standing_targeting");
}

void sceneAttack(Viewer& v) {
    v.newMatch();
    Character& a = v.p1();
    Character& c = v.p2();
    a.animPat = 22;
    a.sTate = stAttack;
    c.animPat = 340;
    c.sTate = stHit;
    c.viTality = 140;
    c.TotalDamage = 60;
    c.OneHitDamage = 18;
    c.comboCount = 12;
    c.comboTimer = 260;
    c.stunGauge = 70;
    a.spacornGauge = 150;
    a.spacornCount = 1;
    a.MaxComboCount = 0;
    v.launch(a, 1);
    v.spark(c, 10, 700, 1740, 148, -1);
    v.spark(a, 45, 560, 1700, 120, 1);
    v.drawFrame();
    v.save("02_attack_combo_effects");
}

void sceneTypingCombo(Viewer& v) {
    v.newMatch();
    Character& a = v.p1();
    a.TPC = true;
    a.tarGeting = true;
    a.word1stPosX = 0;
    a.word1stPosY = -40;
    a.word2ndPosX = 0;
    a.word2ndPosY = 0;
    a.word3rdDisp = true;
    a.word3rdPosX = 20;
    a.word3rdPosY = 20;
    a.word4thDisp = true;
    a.word4thPosX = 80;
    a.word4thPosY = -10;
    v.drawFrame();
    v.save("03_typing_combo_words");
    v.newMatch();
    v.p1().tarGeting = true;
    v.b().typingFlashFrames = 20;
    v.b().hitSlot = -7;  // a wrong "G"
    v.drawFrame();
    v.save("04_typing_miss");
}

void sceneBanners(Viewer& v) {
    v.newMatch();
    v.b().stageState.wholeTimer = 30;
    v.b().stageState.roundCount = 1;
    v.drawFrame();
    v.save("05_round_banner");
    v.b().stageState.wholeTimer = 70;
    v.drawFrame();
    v.save("06_fight_banner");
    v.b().stageState.wholeTimer = 90;
    v.drawFrame();
    v.save("07_fight_banner_flat");
}

void sceneDizzyAndSpacornMode(Viewer& v) {
    v.newMatch();
    Character& a = v.p1();
    Character& c = v.p2();
    c.stunSwitch = stunDizzy;
    c.stunGauge = 0;
    c.viTality = 60;
    a.SPspacornTimer = 120;
    a.spacornCount = 3;
    a.viTality = 200;
    a.winCount = 1;
    a.winMarkSet(0);
    v.b().stageState.roundTimer = 999;
    v.drawFrame();
    v.save("08_dizzy_spacorn_mode");
}

void sceneZoom(Viewer& v) {
    v.newMatch();
    v.game->engine.render.zoomLevel = 6;
    // Pattern 730 asks for a close-up through its zoom value.
    v.p1().animPat = 730;
    v.drawFrame();
    v.save("09_zoom_view");
    v.game->engine.render.zoomLevel = 0;
}

void sceneJump(Viewer& v) {
    v.newMatch();
    v.p1().posY = 1250;
    v.p1().animPat = 160;
    v.p1().sTate = stAirborne;
    v.game->engine.playMode = PlayMode::Training;
    v.p2().comboCount = 0;
    v.drawFrame();
    v.save("10_jump_training");
}

void sceneShutter(Viewer& v) {
    v.newMatch();
    for (int i = 0; i < 10; ++i) {
        v.drawFrame();
        shutterTransition(*v.game, i == 0 ? kShutterClose : kShutterGoOn);
    }
    v.save("11_shutter_half_closed");
    shutterTransition(*v.game, kShutterOpenAtOnce);
}

void sceneFinish(Viewer& v) {
    v.newMatch();
    StateOfStage& st = v.b().stageState;
    v.p2().viTality = 0;
    v.p2().animPat = 400;
    v.p1().animPat = 470;
    st.roundFinish = true;
    st.KOslow = 100;
    st.finishStop = 300;
    st.spFinish = true;
    st.FinishArts = "真・著作拳";
    st.winPlayer = 1;
    v.platform.onPresent([&](uint64_t n) {
        if (n == 20 || n == 120)
            v.saveSurface("12_finish_spacorn_pass" + std::to_string(n), v.platform.lastFrame());
    });
    v.drawFrame();
    v.platform.onPresent(nullptr);
    v.save("13_finish_spacorn_end");

    v.newMatch();
    StateOfStage& s2 = v.b().stageState;
    v.p2().viTality = 0;
    v.p1().viTality = 254;
    s2.roundFinish = true;
    s2.KOslow = 0;
    s2.FinishArts = "ホームランパンチ";
    s2.winPlayer = 1;
    v.drawFrame();
    v.save("14_finish_perfect");

    v.newMatch();
    StateOfStage& s3 = v.b().stageState;
    v.p1().viTality = 0;
    v.p2().viTality = 0;
    s3.roundFinish = true;
    s3.winPlayer = kDoubleKO;
    v.drawFrame();
    v.save("15_double_ko");
}

void sceneBalloonAndEmblems(Viewer& v) {
    v.newMatch();
    v.drawFrame();
    textFontSet(*v.game, 14, RGB(0, 0, 0));
    drawSpeechBalloon(*v.game, v.p1(), v.b().stageState, true, "Type the red letter!");
    for (int g = 0; g < 23; ++g)
        drawGradeEmblem(*v.game, uint8_t(g), 20, 15, int16_t(20 + 26 * g), 440, 0);
    v.save("16_balloon_and_grades");
}

constexpr const char* kUsage =
    "usage: scene_viewer [OUTDIR [DATADIR]]\n"
    "Draws match scenes as PNG files into OUTDIR (default scene_png), with the pictures\n"
    "of DATADIR/grafics (default: this program's folder; stand-ins for missing ones).\n";

}  // namespace

int main(int argc, char** argv) {
    // An option is never taken for a folder name: a mistyped one would fill a folder.
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a.size() > 1 && a[0] == '-') {
            std::fprintf(stderr, "scene_viewer: unknown option %s\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    if (argc > 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const fs::path out = argc > 1 ? fs::path(argv[1]) : fs::path("scene_png");
    const fs::path data = argc > 2 ? fs::path(argv[2])
                                   : fs::weakly_canonical(fs::absolute(fs::path(argv[0]))).parent_path();
    // Stand-ins are for pictures missing from a folder, not for a folder mistyped.
    if (!fs::is_directory(data)) {
        std::fprintf(stderr, "scene_viewer: DATADIR %s is not a folder\n", data.string().c_str());
        return 1;
    }
    try {
        Viewer v(out, data);
        sceneStanding(v);
        sceneAttack(v);
        sceneTypingCombo(v);
        sceneBanners(v);
        sceneDizzyAndSpacornMode(v);
        sceneZoom(v);
        sceneJump(v);
        sceneShutter(v);
        sceneFinish(v);
        sceneBalloonAndEmblems(v);
        for (const std::string& f : v.written) std::printf("wrote %s\n", f.c_str());
    } catch (const std::exception& ex) {
        std::fprintf(stderr, "scene_viewer: %s\n", ex.what());
        return 1;
    }
    return 0;
}
