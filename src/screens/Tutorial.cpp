#include "screens/Tutorial.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "battle/BattleState.h"
#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Mechanics.h"
#include "battle/RoundJudge.h"
#include "battle/Spacorn.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "movesets/MoveSetSupport.h"
#include "render/SlowMotion.h"
#include "screens/Ranking.h"
#include "screens/Title.h"

namespace morvek {

namespace {

/// The player may not back out past this during the lessons.
constexpr double kLessonLeftBound = 10;
/// Computer level and frame period of the tutor once he has been hit.
constexpr int16_t kAngryCpuLevel = 30;
constexpr int16_t kAngryFrameMs = 10;
constexpr int16_t kNormalFrameMs = 26;
constexpr int16_t kKOFreezeMs = 100;

constexpr int16_t kAngerFreezeMs = 2000;
constexpr int16_t kTickWrap = 1000;

// The tutor's patterns (the HONEKAWA variant's table).
constexpr int16_t pStand = 0;
constexpr int16_t pStandLast = 3;  // last cell of the standing loop
constexpr int16_t pReady = 50;
constexpr int16_t pWalkIn = 99;
constexpr int16_t pWalk = 100;
constexpr int16_t pTurnPose = 170;
constexpr int16_t pGreet = 481;
constexpr int16_t pScorn = 490;
constexpr int16_t pWhirlKick = 530;   // 旋風脚
constexpr int16_t pStepIn = 580;      // 絶招歩法
constexpr int16_t pShoulder = 650;    // 鉄山靠
constexpr int16_t pSuperArt = 700;
// The player's patterns (the protagonist's table).
constexpr int16_t pPlayerWalk = 103;
constexpr int16_t pPlayerQuickBack = 73;
constexpr int16_t pPlayerDash = 94;
constexpr int16_t pPlayerWinPose = 480;

// ---- what the tutor says ------------------------------------------------------------

struct TutorLine {
    int16_t dx = 0;
    int16_t dy = 0;
    std::string_view text;
};

enum class StepKind : uint8_t { Silent, Talk, Watch };

/// One step's balloon: the first line goes inside drawSpeechBalloon, the others are drawn
/// at their offsets from the balloon's corner.
struct TutorSpeech {
    StepKind kind = StepKind::Silent;
    std::string_view first;
    std::array<TutorLine, 4> more{};
};

/// The usual layout: further lines 20 pixels apart from (50, 70).
constexpr TutorSpeech lines(StepKind kind, std::string_view first, std::string_view a = {},
                            std::string_view b = {}, std::string_view c = {},
                            std::string_view d = {}) {
    return TutorSpeech{kind, first, {{{50, 70, a}, {50, 90, b}, {50, 110, c}, {50, 130, d}}}};
}
constexpr TutorSpeech talk(std::string_view first, std::string_view a = {},
                           std::string_view b = {}, std::string_view c = {},
                           std::string_view d = {}) {
    return lines(StepKind::Talk, first, a, b, c, d);
}
constexpr TutorSpeech watch(std::string_view first, std::string_view a = {},
                            std::string_view b = {}, std::string_view c = {},
                            std::string_view d = {}) {
    return lines(StepKind::Watch, first, a, b, c, d);
}
/// A lesson's title card: an empty balloon with two centred lines.
constexpr TutorSpeech titleCard(std::string_view title, int16_t subX, std::string_view sub) {
    return TutorSpeech{StepKind::Talk, {}, {{{100, 70, title}, {subX, 100, sub}, {}, {}}}};
}

/// The welcome names the game by its full title, followed by の.
constexpr std::string_view kOf = "の";
constexpr auto kWelcomeChars = [] {
    std::array<char, kFullTitle.size() + kOf.size()> a{};
    std::copy(kOf.begin(), kOf.end(), std::copy(kFullTitle.begin(), kFullTitle.end(), a.begin()));
    return a;
}();
constexpr std::string_view kWelcome{kWelcomeChars.data(), kWelcomeChars.size()};

constexpr std::string_view kForward = "前進！";
constexpr std::string_view kBackward = "         後退！";

constexpr std::array<TutorSpeech, tutorialstep::Last + 1> kSpeech = [] {
    std::array<TutorSpeech, tutorialstep::Last + 1> s{};
    // Lesson 1: guard.
    s[2] = talk("こんにちわぁ！");
    s[3] = talk(kWelcome, "世界へようこそ。");
    s[4] = talk("ここでは貴様にMORVEKの", "基本操作について教えてやろう。");
    s[6] = titleCard("～明日のために　その１～", 105, "上段ガード　下段ガード");
    s[7] = talk("相手の攻撃をガードできなければ", "話にならん。", "まずはガードを完璧にしろ。");
    s[8] = talk("相手が自分よりも右側にいるときは", "『 Ｄ 』で上段ガードを行う。");
    s[9] = talk("指をホームポジションに置いたときの", "中指でガードを行うことになるな。");
    s[10] = talk("ホームポジションを知らなければ", "帰れ。", "タッチタイプの出来ない奴は",
                 "相手にしてないんでな。");
    s[12] = talk("相手が自分よりも右側にいるときは", "『 Ｃ 』で下段ガードを行う。");
    s[13] = talk("中指を一つ下に移動したキーだな。", "上、下段のガード切り替えを",
                 "中指の移動で行うことになるわけだ。");
    s[16] = talk("相手が自分よりも左側にいるときは", "『 Ｋ 』で上段ガードを行い、");
    s[17] = talk("『 ， 』で下段ガードを行うことになる。");
    s[20] = talk("今から俺が攻撃を仕掛ける。", "見事それをガードしてみせろ。");
    s[28] = talk("フッ、やるじゃない。", "だが、これはどうかな？");
    s[40] = talk("グッド！");
    s[50] = talk("さて、次へいこうか。");
    // Lesson 2: targeting and movement.
    s[54] = titleCard("～明日のために　その２～", 120, "ターゲッティング");
    s[55] = talk("このゲームでは、", "攻撃するにしろ移動するにしろ", "まず、その方法を",
                 "指定しなければならない。");
    s[56] = talk("どこに対して、何をするのか？", "を決めるような感じだな。");
    s[57] = watch("ガードキーの「Ｄ」と「Ｃ」以外の", "キーを一つ押してみな。");
    s[58] = talk("この状態をターゲットモードという。");
    s[59] = watch("ターゲットモード中はガードが出来ない。", "この状態でガードをおこなうためには",
                  "スペースキーを押して", "ターゲッティングを解除してから",
                  "ガードキーを押さなければならない。");
    s[60] = talk("ここら辺が慣れるまでかなり厄介かもな。", "まあ、ターゲッティングの解除は",
                 "スペースキーで出来ることを覚えておけ。");
    s[61] = watch("次に攻撃と移動について説明してやろう。", "まず、「Ｆ」を押して",
                  "ターゲッティングしろ。");
    s[62] = talk("このフレームの中に表示されている", "アルファベットを入力することで",
                 "攻撃、移動をおこなうのだ。");
    s[63] = watch("赤文字を入力すると攻撃動作を行い、", "青文字を入力すると移動を行う。");
    s[64] = talk("要求されたキー以外を入力すると、", "キー入力ミスとみなされ、一定時間操作不能の",
                 "ペナルティになる。");
    s[65] = talk("慣れないうちは、", "ターゲッティング時にガードしようとして",
                 "ガードキーを押してペナルティに", "なることが多いかもな。");
    s[66] = talk("では、まず移動からやってみるか。", "一般的な格闘ゲームでは移動は",
                 "レバー操作で簡単だが、", "このゲームでは慣れるまで移動ですら困難だ。");
    s[67] = watch("自分が右向きのとき、", "ガードキーである「Ｄ」の",
                  "一つ右隣のキー「Ｆ」でターゲッティングを", "行い、");
    s[68] = watch("青で表示されているアルファベットを", "入力することで",
                  "プレイヤーは前進することができる。");
    s[69] = watch("又、自分が右向きのとき、", "ガードキーである「Ｄ」の",
                  "一つ左隣のキー「Ｓ」でターゲッティングを", "行い、");
    s[70] = watch("青で表示されているアルファベットを", "入力することで",
                  "プレイヤーは後退することができる。");
    s[71] = talk("これから前進と後退のトレーニングを行う。", "指示通りに移動しろ。");
    for (int i : {72, 74, 79, 81, 98}) s[static_cast<size_t>(i)] = watch(kForward);
    for (int i : {73, 75, 80, 82, 99}) s[static_cast<size_t>(i)] = watch(kBackward);
    s[76] = talk("ほとんどの移動動作は", "その動作中にターゲッティングが可能だ。",
                 "移動中にターゲッティングし、", "素早く攻撃に移ることが攻略の鍵だな。");
    s[77] = talk("移動動作のなかでも、", "前進、後退のみ",
                 "動作中にガードキーでガードを行うことができる。",
                 "ガードで止まることができるわけだ。");
    s[78] = talk("続けるぞ。");
    s[83] = watch("さらに、自分が右向きのとき、", "「Ａ」でターゲッティングを",
                  "行い、移動キー入力で", "クイックバック。");
    s[84] = watch("自分が右向きのとき、", "「；」でターゲッティングを", "行い、移動キー入力で",
                  "前ダッシュだ。");
    s[85] = talk("さっきも言ったように、", "前ダッシュやクイックバック中は",
                 "ガードが出来なくなるが", "ターゲッティングは可能だ。");
    s[86] = talk("前ダッシュなどの移動中に", "ターゲッティングを行い、", "素早く間合いを詰めつつ",
                 "攻撃に移るなどが有効だろう。");
    s[87] = talk("ちなみに前ダッシュは", "スペースキーで", "緊急停止を行うことができる。",
                 "覚えておくといい。");
    s[88] = talk("さて、このように", "ターゲッティングした場所によって", "攻撃や移動の方法が",
                 "決定されるわけだ。");
    s[89] = talk("一般的な格闘ゲームとは違い、", "技のコマンドなどを覚える必要は無い。",
                 "かわりに、");
    s[90] = talk("「どこをターゲッティングしたら", "　　どんな技がでるのか？」",
                 "ということを覚える必要があるわけだな。");
    s[91] = talk("まあ、攻撃にしろ移動にしろ", "ターゲットした場所に向かって",
                 "アクションを起こすだろう。");
    s[95] = talk("プレイヤーが逆方向を向いた場合、", "ガードキーである「Ｋ」を中心に",
                 "ターゲッティングの配置が反転する。");
    s[96] = talk("つまり、プレイヤーが左向きの場合、", "「Ｊ」で前進、「Ｌ」で後退、",
                 "「Ａ」で前ダッシュ、", "「；」でクイックバックとなる。");
    s[97] = talk("続けるぞ。");
    s[100] = watch("クイックバック！");
    s[101] = watch("前ダッシュ！");
    s[102] = watch("ジャンプ！");
    s[104] = talk("そうだ、上方向ターゲット、移動だな。", "「１」～「０」でハイジャンプ",
                  "「Ｑ」～「Ｐ」でジャンプ", "となるわけだ。");
    s[105] = talk("キャラクターによっては", "ジャンプ中にさらにジャンプ入力で",
                  "多段ジャンプができる。");
    s[106] = talk("ジャンプは使いこなせれば強力だが、", "空中ではガードが出来ない。",
                  "素人は下手に飛び回るべきではないな。");
    // Lesson 3, announced, and the farewell.
    s[110] = titleCard("～明日のために　その３～", 80, "スパコーンとそのキャンセル");
    s[111] = TutorSpeech{StepKind::Talk,
                         "と、いきたいところなのだが、",
                         {{{50, 70, "製作者多忙の為、現バージョンでは"},
                           {50, 100, "ここまでしかチュートリアルしてやれんのだ。"},
                           {},
                           {}}}};
    s[112] = talk("今後サポートしていく予定なのだが、", "開発日程のメドがついていないんでな。");
    s[113] = talk("そういうわけで、その他の操作方法については",
                  "付属のHTMLマニュアルに目を通してくれ。");
    s[114] = talk("まあ、せいぜい己の技量を高めて、", "ゲームクリアを目指すんだな。");
    return s;
}();

constexpr std::string_view kGuardHigh = "上段ガード！";
constexpr std::string_view kGuardLow = "下段ガード！";
constexpr std::string_view kWakeUp = "起きろッ！";
constexpr std::string_view kScornLine = "愚図がッ・・・！";

// ---- one call's working data ----------------------------------------------------------

struct ScriptFrame {
    BattleContext& game;
    Character& p1;
    Character& p2;
    StateOfStage& stage;
    TutorialState& t;
    int32_t x0 = 0;  ///< balloon corner
    int32_t y0 = 0;
    int16_t distance = 0;

    void go(int16_t step) { stage.tutorialCounter = step; }
    void next() { go(cint16(stage.tutorialCounter + 1)); }
    bool tutorAt(int16_t pattern) const { return p2.animPat == pattern; }
    void tutor(int16_t pattern) { animChange(game, pattern, p2); }
    /// The tutor starts `pattern` and the script goes on to the next step.
    void tutorThenNext(int16_t pattern) {
        tutor(pattern);
        next();
    }
    /// The tutor walks in while the player is `reach` or more away; true once he is closer.
    bool walkedUpTo(int16_t reach) {
        if (distance < reach) return true;
        if (tutorAt(pStand)) tutor(pWalk);
        return false;
    }

    void balloon(bool prompt, std::string_view first) {
        drawSpeechBalloon(game, p2, stage, prompt, first);
    }
    void show(const TutorSpeech& s, bool prompt) {
        balloon(prompt, s.first);
        for (const TutorLine& l : s.more)
            if (!l.text.empty()) drawText(game, x0 + l.dx, y0 + l.dy, l.text);
    }
    /// Shows the step's balloon with the prompt; true on a fresh Enter.
    bool talked() {
        show(kSpeech[static_cast<size_t>(stage.tutorialCounter)], true);
        return inkeyEdge(game) == keycode::Enter;
    }
    /// Shows the step's balloon without the prompt; goes on once `done`.
    bool watched(bool done) {
        show(kSpeech[static_cast<size_t>(stage.tutorialCounter)], false);
        if (done) next();
        return done;
    }
    int16_t playerVitality() const { return cint16(Int(p1.viTality)); }
    bool walkingForward() const { return p1.animPat == pPlayerWalk && p1.AorMflag == 0; }
    bool walkingBackward() const { return p1.animPat == pPlayerWalk && p1.AorMflag == 1; }
    int16_t randomKind(int n) { return cint16(Int(game.random.next() * n + 1)); }
};

void armAttack(ScriptFrame& f, int sides) {
    f.t.tutorialTick = 0;
    f.t.tutorAttackKind = f.randomKind(sides);
    f.t.vitalitySnapshot = f.playerVitality();
}

/// At most one point lost since the attack was set up: one more guard counted.
void countSurvived(ScriptFrame& f) {
    if (f.t.vitalitySnapshot < f.playerVitality() + 2) f.t.guardCount = cint16(f.t.guardCount + 1);
}

/// The jumping dive kick of the drills: the jump at tick 30, the dive at 40 with its slide.
void jumpingDive(ScriptFrame& f, int16_t tick, int16_t slide) {
    if (tick == 30) {
        f.tutor(kJumpRise);
        f.p2.upVector = 15;
    }
    if (tick == 40) {
        f.tutor(kDive);
        f.p2.slideVector = f.p2.dirStand * slide;
    }
}

/// Step 22: three announced attacks, then (after the interlude) three more.
void announcedAttack(ScriptFrame& f) {
    const int16_t tick = f.t.tutorialTick;
    if (tick < 50) {
        switch (f.t.tutorAttackKind) {
            case 1:
                f.balloon(false, kGuardHigh);
                if (tick == 30) f.tutor(pWhirlKick);
                break;
            case 2:
                f.balloon(false, kGuardLow);
                if (tick == 30) f.tutor(kSweep);
                break;
            case 3:
                f.balloon(false, kGuardHigh);
                jumpingDive(f, tick, 3);
                if (tick == 40) f.p2.fallVector = 10;  // announced: he comes down faster
                break;
            default: break;
        }
    }
    if (tick > 100) {
        countSurvived(f);
        if (f.t.guardCount == 3) f.go(23);
        else if (f.t.guardCount == 7) f.go(26);
        else f.go(21);
    }
}

/// Step 27: unannounced attacks until sixteen have been survived.
void unannouncedAttack(ScriptFrame& f) {
    const int16_t tick = f.t.tutorialTick;
    if (tick < 50) {
        switch (f.t.tutorAttackKind) {
            case 1:
            case 6:
                if (tick == 30) f.tutor(pWhirlKick);
                break;
            case 2:
                if (tick == 30) f.tutor(kSweep);
                break;
            case 3:
                jumpingDive(f, tick, 8);
                break;
            case 4:
                if (tick == 30) f.tutor(kShortKick);
                break;
            case 5:
                if (tick == 30) f.tutor(pShoulder);
                break;
            case 7:
                if (tick == 30) f.tutor(pStepIn);
                break;
            default: break;
        }
    }
    if (tick > 60) {
        countSurvived(f);
        if (f.t.guardCount < 16) {
            f.go(26);
        } else {
            f.go(28);
            if (f.p2.spacornCount < 1) f.p2.spacornCount = 1;
        }
    }
}

/// Fade to black, then both fighters and the camera are placed (player left or right).
void sceneFadeOut(ScriptFrame& f, bool playerOnRight) {
    if (paletteToLevel(f.game, f.game.engine.workPalette, 0, false, 10)) return;
    f.p1.posX = playerOnRight ? 500 : 250;
    f.p2.posX = playerOnRight ? 250 : 500;
    f.game.battle.scrollX = -140;
    f.game.battle.scrollY = -1480;
    f.next();
}

void sceneLightsOn(ScriptFrame& f) {
    fixedColorSet(f.game.engine.workPalette, 1);
    paletteSetEntries(f.game, f.game.engine.workPalette);
    f.tutor(pStand);
    f.next();
}

/// Steps 0 to 114.
void lessonStep(ScriptFrame& f) {
    Character& p1 = f.p1;
    Character& p2 = f.p2;
    TutorialState& t = f.t;
    const int16_t step = f.stage.tutorialCounter;
    switch (step) {
        case 0:
            t.guardCount = 0;
            musicPlay(f.game, kTrainingMatchTune, 0);
            f.next();
            return;
        case 1:
            if (p2.posY == kGroundLine - p2.bottom && f.tutorAt(pStand)) f.tutorThenNext(pGreet);
            return;
        case 4:
        case 40:
            if (f.talked()) {
                f.tutor(pStand);
                f.go(step == 4 ? 5 : 50);
            }
            return;
        case 5:
        case 11:
        case 15:
        case 53:
        case 94:
        case 109:
            if (f.tutorAt(pStandLast)) f.next();
            return;
        case 8:
        case 9:
        case 10:
        case 16:
            f.tutor(kStandGuard);
            if (f.talked()) f.next();
            return;
        case 12:
        case 13:
        case 17:
            f.tutor(kCrouchGuard);
            if (f.talked()) f.next();
            return;
        case 14: f.tutorThenNext(pTurnPose); return;
        case 18: f.tutorThenNext(pWalk); return;
        case 19:
            if (f.walkedUpTo(100)) f.tutorThenNext(pReady);
            return;
        // The guard drill.
        case 21:
            armAttack(f, 3);
            f.next();
            return;
        case 22: announcedAttack(f); return;
        case 23: f.tutorThenNext(pTurnPose); return;
        case 24:
            if (f.tutorAt(pStandLast)) f.tutorThenNext(pStepIn);
            return;
        case 25:
            if (f.tutorAt(pStandLast)) {
                t.guardCount = 4;
                f.go(21);
            }
            return;
        case 26:
            armAttack(f, 6);
            if (f.distance >= 201) t.tutorAttackKind = 7;  // too far: he closes in
            f.next();
            return;
        case 27: unannouncedAttack(f); return;
        // The super-art test.
        case 29:
            t.tutorAttackKind = f.randomKind(2);
            f.tutorThenNext(pWalk);
            return;
        case 30:
            if (f.walkedUpTo(80)) f.tutorThenNext(t.tutorAttackKind == 1 ? kShortKick : pWhirlKick);
            return;
        case 31:
            if (f.tutorAt(pStand)) {
                p2.spacornNumber = pSuperArt;
                cpuSpacornStart(f.game, p2, p1, 0);
                t.vitalitySnapshot = f.playerVitality();
                f.next();
            }
            return;
        case 32:
            if (f.tutorAt(pStand)) f.next();
            return;
        case 33:
            if (!p1.floatorStand) f.next();
            return;
        case 34: f.tutorThenNext(pStand); return;
        case 35:
            if (t.vitalitySnapshot < f.playerVitality() + 10) {
                f.tutor(pGreet);
                f.go(40);
            } else if (p1.stunSwitch == stunDizzy) {
                f.tutor(pShoulder);
                f.go(36);
            } else if (p1.stunSwitch == stunNormal) {
                f.go(50);
            }
            return;
        case 36:
            f.balloon(false, kWakeUp);
            if (f.tutorAt(pStand)) f.go(50);
            return;
        // Scene changes between lessons and for the change of sides.
        case 51:
        case 107: sceneFadeOut(f, false); return;
        case 92: sceneFadeOut(f, true); return;
        case 52:
        case 93:
        case 108: sceneLightsOn(f); return;
        // Lesson 2's practice.
        case 57:
            if (f.watched(p1.tarGeting)) f.tutor(pReady);
            return;
        case 59:
            if (f.watched(!p1.tarGeting)) f.tutor(pStand);
            return;
        case 61:
        case 67:
        case 69: f.watched(p1.tarGeting); return;
        case 63: f.watched(!p1.tarGeting); return;
        case 68:
        case 72:
        case 74:
        case 79:
        case 81:
        case 98: f.watched(f.walkingForward()); return;
        case 70:
        case 73:
        case 75:
        case 80:
        case 82:
        case 99: f.watched(f.walkingBackward()); return;
        case 83:
        case 100: f.watched(p1.animPat == pPlayerQuickBack); return;
        case 84:
        case 101: f.watched(p1.animPat == pPlayerDash); return;
        case 102: f.watched(p1.floatorStand); return;
        case 103:
            if (!p1.floatorStand) f.next();
            return;
        case 110:
            if (f.talked()) {
                musicStopAll(f.game);
                f.next();
            }
            return;
        case tutorialstep::Last:
            if (f.talked()) f.go(tutorialstep::Closing);
            return;
        default:
            if (kSpeech[static_cast<size_t>(step)].kind == StepKind::Talk && f.talked()) f.next();
            return;
    }
}

/// The fight after the tutor was hit, and the closing scenes.
void fightStep(ScriptFrame& f) {
    Character& p1 = f.p1;
    Character& p2 = f.p2;
    switch (f.stage.tutorialCounter) {
        case tutorialstep::Angry:
            musicStopAll(f.game);
            f.stage.ABSStop = kAngerFreezeMs;
            soundPlay(f.game, kAngerVoice);
            f.go(tutorialstep::FightStart);
            return;
        case tutorialstep::FightStart:
            musicPlay(f.game, kHonekawaTune, kUsualMusicVolume);
            soundPlay(f.game, kFightVoice);
            f.go(tutorialstep::Fighting);
            return;
        case tutorialstep::PlayerWon:
            if (!p1.floatorStand && p1.animPat == 0) {
                animChange(f.game, pPlayerWinPose, p1);
                f.stage.secretHonekawa = true;
                secretMarkerWrite(f.game, f.stage);
                f.t.tutorialTick = 0;
                f.go(tutorialstep::Closing);
            }
            return;
        case tutorialstep::PlayerLost:
            if (p1.floatorStand || p2.floatorStand) return;
            if (f.distance >= 100) {
                if (f.tutorAt(pStand)) {
                    faceOpponent(f.game, p2, p1);
                    f.tutor(pWalkIn);
                }
            } else {
                f.tutor(pStand);
                f.go(-41);
            }
            return;
        case -41:
            if (f.tutorAt(pStandLast)) {
                f.tutor(pGreet);
                f.go(-42);
            }
            return;
        case -42:
            f.balloon(true, kScornLine);
            if (inkeyEdge(f.game) == keycode::Enter) {
                f.tutor(pScorn);
                f.t.tutorialTick = 0;
                f.go(tutorialstep::Closing);
            }
            return;
        case tutorialstep::Closing:
            if (f.t.tutorialTick >= 101) f.go(tutorialstep::Shutter);
            return;
        case tutorialstep::Shutter:
            // Once the shutter has closed, leave as F1 does.
            if (shutterTransition(f.game, kShutterClose) == kShutterClosed) f1KeyEscape(f.game);
            return;
        default: return;  // -21 and unused values wait
    }
}

}  // namespace

void tutorialInit(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage) {
    p1.charaname = "morvekboy";
    p2.charaname = "honekawa";
    p2.ReverseCharaFlag = true;
    p2.spacornType = 2;
    charaRoundInit(game, p1);
    charaRoundInit(game, p2);
    // The tutor drops in from high above with a kick.
    p2.dirStand = -1;
    p2.posX = 500;
    p2.posY = 1000;
    p2.counTer = 0;
    animChange(game, kDive, p2);
    p2.cpuLevel = 0;  // he moves only when the script says so
    stage.tutorialCounter = 0;
    stage.tutorialFinish = false;
    stage.gameSpeed = kNormalFrameMs;
}

void tutorialControl(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage) {
    if (stage.tutorialCounter >= 0) {
        if (p1.posX < kLessonLeftBound) p1.posX = kLessonLeftBound;
        if (p2.viTality < kFullVitality) {
            // Hitting the teacher ends the lessons: he fights back for real.
            stage.tutorialCounter = tutorialstep::Angry;
            p2.cpuLevel = kAngryCpuLevel;
            stage.gameSpeed = kAngryFrameMs;
        }
    }
    const int16_t step = stage.tutorialCounter;
    if (step >= 0) {
        const bool guardDrill = step >= 22 && step <= 27;
        const bool practice =
            step == 57 || step == 59 || step == 61 || step == 63 || (step >= 67 && step <= 109);
        if (practice) {
            if (p1.tarGeting) p1.enableAction = true;
        } else if (!guardDrill) {
            if (p1.TPC) TPCEnd(game, p1);
            p1.enableAction = false;
        }
    }
    // A guarded EX art's chip can take vitality below zero: that is a KO too.
    if (!stage.tutorialFinish && (p1.viTality <= 0 || p2.viTality <= 0)) {
        soundPlay(game, kKOSound);
        musicStopAll(game);
        stage.ABSStop = kKOFreezeMs;
        stage.tutorialFinish = true;
        p2.cpuLevel = 0;
        stage.gameSpeed = kNormalFrameMs;
        // A double KO counts as the player's loss.
        stage.tutorialCounter =
            p1.viTality > 0 ? tutorialstep::PlayerWon : tutorialstep::PlayerLost;
    }
}

void tutorialScript(BattleContext& game, Character& p1, Character& p2, StateOfStage& stage) {
    TutorialState& t = game.battle.tutorial;
    ScriptFrame f{game, p1, p2, stage, t};
    const BattleState& b = game.battle;
    // The balloon's corner, as drawSpeechBalloon places it.
    int32_t x0 = cint32(p2.posX + b.scrollX);
    x0 += p2.dirStand == 1 ? 100 : -300;
    f.x0 = std::clamp(x0, 0, 250);
    f.y0 = p2.posY + b.scrollY - 120;
    f.distance = distanceX(p1, p2);
    textFontSet(game, 12, RGB(0, 0, 0));

    const int16_t step = stage.tutorialCounter;
    if (step >= 0 && step <= tutorialstep::Last) lessonStep(f);
    else fightStep(f);

    t.tutorialTick = cint16(t.tutorialTick + 1);
    if (t.tutorialTick > kTickWrap) t.tutorialTick = 0;
}

}  // namespace morvek
