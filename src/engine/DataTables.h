#pragma once
// The names of every data file the game reads: sounds by index, tunes by index, pictures.
// Folders are written with '/'; the file store matches names exactly first, then ignoring
// case ("BURI.mid", "MORVEK.cha", "D_PUNCH.wav").

#include <array>
#include <cstdint>
#include <string_view>

namespace morvek {

// ---- sounds ------------------------------------------------------------------------
inline constexpr std::string_view kEffectFolder = "wavbox/";
inline constexpr std::string_view kVoiceFolder = "voicedata/";

/// Effects: sound index 0-59, read from kEffectFolder.
inline constexpr int kFirstEffect = 0;
inline constexpr int kLastEffect = 59;
inline constexpr std::array<std::string_view, 60> kEffectFiles{
    "effect0.wav",   "punch.wav",        "kazekiri.wav",  "blocking.wav",   // 0-3
    "kazekiri.wav",  "sousyouda.wav",    "heartbeat.wav", "chuashi.wav",    // 4-7
    "sliding.wav",   "trans.wav",        "karaburi.wav",  "hit1.wav",       // 8-11
    "inpact.wav",    "faxtu.wav",        "doga.wav",      "dakai.wav",      // 12-15
    "zesshi.wav",    "dogan.wav",        "gard.wav",      "ga.wav",         // 16-19
    "kaihou.wav",    "daigiri.wav",      "super.wav",     "catch.wav",      // 20-23
    "piyo.wav",      "filled.wav",       "blocking.wav",  "zoon.wav",       // 24-27
    "jya.wav",       "effect03.wav",     "gagagaga.wav",  "daigiri.wav",    // 28-31
    "karaburi2.wav", "gather.wav",       "samwalk.wav",   "slashed.wav",    // 32-35
    "katana.wav",    "kakato.wav",       "thunder.wav",   "missile.wav",    // 36-39
    "sliding2.wav",  "powerconsent.wav", "shaker.wav",    "zkyoooon.wav",   // 40-43
    "hikou.wav",     "bomb.wav",         "braster.wav",   "error.wav",      // 44-47
    "catching.wav",  "bun.wav",          "telepo.wav",    "asyura.wav",     // 48-51
    "gate.wav",      "blead.wav",        "spFinish.wav",  "score.wav",      // 52-55
    "effect04.wav",  "ExArts.wav",       "throw.wav",     "D_PUNCH.wav",    // 56-59
};

/// Voices: sound index 100-156, read from kVoiceFolder.
inline constexpr int kFirstVoice = 100;
inline constexpr int kLastVoice = 156;
inline constexpr std::array<std::string_view, 57> kVoiceFiles{
    "ha.wav",           "sei.wav",          "tou.wav",           "haaaa.wav",         // 100-103
    "ya.wav",           "honekawa03.wav",   "raisin.wav",        "mahaken.wav",       // 104-107
    "ready.wav",        "fight!.wav",       "shinei.wav",        "amai.wav",          // 108-111
    "gasboil.wav",      "shau.wav",         "haaaa.wav",         "raimeiken.wav",     // 112-115
    "forcefield.wav",   "uryaa.wav",        "doryaa.wav",        "onorei.wav",        // 116-119
    "syoryuken.wav",    "hadouken.wav",     "faivee.wav",        "ataa.wav",          // 120-123
    "atata2.wav",       "atata3.wav",       "howata.wav",        "hoaaaa.wav",        // 124-127
    "nangief01.wav",    "konoyarou.wav",    "nanda.wav",         "watashiga.wav",     // 128-131
    "eyecatch1.wav",    "eyecatch2.wav",    "CLASH.wav",         "godhahaha.wav",     // 132-135
    "dousita.wav",      "hineri.wav",       "awabyu.wav",        "watashiga.wav",     // 136-139
    "hisasiburida.wav", "gouda01.wav",      "underArmond.wav",   "daizessho.wav",     // 140-143
    "syunkokusatsu.wav", "gouda01.wav",     "infinity.wav",      "honekawa01.wav",    // 144-147
    "timeover.wav",     "tuba1.wav",        "tuba2.wav",         "iidokyo.wav",       // 148-151
    "distortion.wav",   "fao.wav",          "gouma.wav",         "syoryuken2.wav",    // 152-155
    "atata4.wav",                                                                     // 156
};

/// File name of sound `index`, or "" for an index without a sound.
constexpr std::string_view soundFileName(int index) {
    if (index >= kFirstEffect && index <= kLastEffect) return kEffectFiles[index - kFirstEffect];
    if (index >= kFirstVoice && index <= kLastVoice) return kVoiceFiles[index - kFirstVoice];
    return {};
}

/// Folder of sound `index` ("wavbox/" or "voicedata/"), or "" for an index without one.
constexpr std::string_view soundFolder(int index) {
    if (index >= kFirstEffect && index <= kLastEffect) return kEffectFolder;
    if (index >= kFirstVoice && index <= kLastVoice) return kVoiceFolder;
    return {};
}

/// The 117 sound indexes in loading order.
constexpr bool soundIndexInUse(int index) { return !soundFileName(index).empty(); }

/// The sounds and voices more than one place plays. Each is checked against the file it
/// means, so a slip of index is a build error.
/// The menus' blip: the title's and continue menu's cursor, a fighter or an option stepped.
inline constexpr int16_t kMenuSound = 0;
static_assert(soundFileName(kMenuSound) == "effect0.wav");
/// A guarded blow or projectile.
inline constexpr int16_t kGuardSound = 18;
static_assert(soundFileName(kGuardSound) == "gard.wav");
/// A super art starts; also the title's TUTORIAL and TRAINING.
inline constexpr int16_t kSuperSound = 22;
static_assert(soundFileName(kSuperSound) == "super.wav");
/// A set-up screen goes back one step (Space).
inline constexpr int16_t kBackSound = 23;
static_assert(soundFileName(kBackSound) == "catch.wav");
/// The set-up screens' choice among values stepped; the option screen's cursor.
inline constexpr int16_t kChoiceSound = 42;
static_assert(soundFileName(kChoiceSound) == "shaker.wav");
/// A set-up screen takes a choice and goes on to the next (Enter).
inline constexpr int16_t kNextSound = 43;
static_assert(soundFileName(kNextSound) == "zkyoooon.wav");
/// The jingle looping under the score screens, and their Enter.
inline constexpr int16_t kScoreJingle = 55;
static_assert(soundFileName(kScoreJingle) == "score.wav");
inline constexpr int16_t kConfirmSound = 56;
static_assert(soundFileName(kConfirmSound) == "effect04.wav");
/// A round's KO: a plain one, and one finished by a super art.
inline constexpr int16_t kKOSound = 27;
static_assert(soundFileName(kKOSound) == "zoon.wav");
inline constexpr int16_t kSpacornKOSound = 54;
static_assert(soundFileName(kSpacornKOSound) == "spFinish.wav");
/// The voices that open a round; "fight!" also answers the continue menu's try again.
inline constexpr int16_t kReadyVoice = 108;
static_assert(soundFileName(kReadyVoice) == "ready.wav");
inline constexpr int16_t kFightVoice = 109;
static_assert(soundFileName(kFightVoice) == "fight!.wav");
/// HONEKAWA's angry cry: his select voice, one of his KO cries, and the tutor's once he has
/// been hit.
inline constexpr int16_t kAngerVoice = 129;
static_assert(soundFileName(kAngerVoice) == "konoyarou.wav");

// The move scripts' sounds and voices that more than one fighter plays. Those only one
// fighter plays stay with that fighter.

/// A punch or kick cutting the air.
inline constexpr int16_t kSwingSound = 2;
static_assert(soundFileName(kSwingSound) == "kazekiri.wav");
/// A low kick.
inline constexpr int16_t kLowKickSound = 7;
static_assert(soundFileName(kLowKickSound) == "chuashi.wav");
/// A teleport or blink.
inline constexpr int16_t kWarpSound = 9;
static_assert(soundFileName(kWarpSound) == "trans.wav");
/// A blow that swings wide.
inline constexpr int16_t kWhiffSound = 10;
static_assert(soundFileName(kWhiffSound) == "karaburi.wav");
/// A heavy landing (every fighter's, after a fall) or slam.
inline constexpr int16_t kImpactSound = 12;
static_assert(soundFileName(kImpactSound) == "inpact.wav");
/// A quick thrust or jab.
inline constexpr int16_t kThrustSound = 13;
static_assert(soundFileName(kThrustSound) == "faxtu.wav");
/// A heavy ground blow.
inline constexpr int16_t kHeavyBlowSound = 15;
static_assert(soundFileName(kHeavyBlowSound) == "dakai.wav");
/// A rattling charge or flurry.
inline constexpr int16_t kRattleSound = 30;
static_assert(soundFileName(kRattleSound) == "gagagaga.wav");
/// A heavy blow that swings wide.
inline constexpr int16_t kHeavyWhiffSound = 32;
static_assert(soundFileName(kHeavyWhiffSound) == "karaburi2.wav");
/// A heavy step.
inline constexpr int16_t kStepSound = 34;
static_assert(soundFileName(kStepSound) == "samwalk.wav");
/// A projectile fired.
inline constexpr int16_t kMissileSound = 39;
static_assert(soundFileName(kMissileSound) == "missile.wav");
/// Power gathered: a charged shot let go, a grappler's power move.
inline constexpr int16_t kPowerSound = 41;
static_assert(soundFileName(kPowerSound) == "powerconsent.wav");
/// A long slide.
inline constexpr int16_t kSliding2Sound = 40;
static_assert(soundFileName(kSliding2Sound) == "sliding2.wav");
/// An explosion.
inline constexpr int16_t kBombSound = 45;
static_assert(soundFileName(kBombSound) == "bomb.wav");
/// A beam blast.
inline constexpr int16_t kBlasterSound = 46;
static_assert(soundFileName(kBlasterSound) == "braster.wav");
/// A big swing or throw.
inline constexpr int16_t kWhooshSound = 49;
static_assert(soundFileName(kWhooshSound) == "bun.wav");
/// A cutting hit.
inline constexpr int16_t kBloodSound = 53;
static_assert(soundFileName(kBloodSound) == "blead.wav");
inline constexpr int16_t kHaVoice = 100;
static_assert(soundFileName(kHaVoice) == "ha.wav");
inline constexpr int16_t kSeiVoice = 101;
static_assert(soundFileName(kSeiVoice) == "sei.wav");
inline constexpr int16_t kUryaaVoice = 117;
static_assert(soundFileName(kUryaaVoice) == "uryaa.wav");
inline constexpr int16_t kDoryaaVoice = 118;
static_assert(soundFileName(kDoryaaVoice) == "doryaa.wav");
inline constexpr int16_t kAtaaVoice = 123;
static_assert(soundFileName(kAtaaVoice) == "ataa.wav");
inline constexpr int16_t kAtata2Voice = 124;
static_assert(soundFileName(kAtata2Voice) == "atata2.wav");
inline constexpr int16_t kAtata3Voice = 125;
static_assert(soundFileName(kAtata3Voice) == "atata3.wav");
/// Also the title's GAME START.
inline constexpr int16_t kHowataVoice = 126;
static_assert(soundFileName(kHowataVoice) == "howata.wav");

// The fighters' own voices that the character select plays too.
inline constexpr int16_t kNangiefVoice = 128;
static_assert(soundFileName(kNangiefVoice) == "nangief01.wav");
/// The hidden HONEKAWA's select voice (HONEKAWA's own is kAngerVoice); HONEKAWA cries it
/// in his second KO animation.
inline constexpr int16_t kHiddenHonekawaVoice = 147;
static_assert(soundFileName(kHiddenHonekawaVoice) == "honekawa01.wav");
inline constexpr int16_t kFaoVoice = 153;
static_assert(soundFileName(kFaoVoice) == "fao.wav");

// ---- tunes -------------------------------------------------------------------------
inline constexpr std::string_view kMusicFolder = "musicbox/";
inline constexpr int kTuneCount = 18;
inline constexpr std::array<std::string_view, kTuneCount> kTuneFiles{
    "titlesound.mid",   // 0 title screen
    "dynamite.mid",     // 1 GOUDA's stage
    "charaselect.mid",  // 2 character select
    "gotta.mid",        // 3 match won
    "continue.mid",     // 4 continue menu
    "lose.mid",         // 5 match lost
    "morvekboy.mid",    // 6 MORVEKBOY's stage
    "ginzamurai.mid",   // 7 GINZAMURAI's stage
    "honekawa.mid",     // 8 HONEKAWA's stage
    "interrupter.mid",  // 9 INTERRUPTER's stage
    "option.mid",       // 10 training set-up
    "BURI.mid",         // 11 BURI's stage
    "GOD.mid",          // 12 G O D's stage
    "GOD1.mid",         // 13 final stage
    "ending.mid",       // 14 ending
    "nangief.mid",      // 15 NANGIEF's stage
    "training.mid",     // 16 training match
    "betaboy.mid",      // 17 BETABOY's stage
};

/// Every tune by name, checked against the table.
inline constexpr int16_t kTitleTune = 0;
static_assert(kTuneFiles[kTitleTune] == "titlesound.mid");
inline constexpr int16_t kGoudaTune = 1;
static_assert(kTuneFiles[kGoudaTune] == "dynamite.mid");
inline constexpr int16_t kSelectTune = 2;
static_assert(kTuneFiles[kSelectTune] == "charaselect.mid");
inline constexpr int16_t kWinTune = 3;
static_assert(kTuneFiles[kWinTune] == "gotta.mid");
inline constexpr int16_t kContinueTune = 4;
static_assert(kTuneFiles[kContinueTune] == "continue.mid");
inline constexpr int16_t kLoseTune = 5;
static_assert(kTuneFiles[kLoseTune] == "lose.mid");
inline constexpr int16_t kMorvekboyTune = 6;
static_assert(kTuneFiles[kMorvekboyTune] == "morvekboy.mid");
inline constexpr int16_t kGinzamuraiTune = 7;
static_assert(kTuneFiles[kGinzamuraiTune] == "ginzamurai.mid");
/// HONEKAWA's stage, and the tutorial's fight with him.
inline constexpr int16_t kHonekawaTune = 8;
static_assert(kTuneFiles[kHonekawaTune] == "honekawa.mid");
inline constexpr int16_t kInterrupterTune = 9;
static_assert(kTuneFiles[kInterrupterTune] == "interrupter.mid");
/// The training set-up screen (not the training match: kTrainingMatchTune).
inline constexpr int16_t kTrainingSetUpTune = 10;
static_assert(kTuneFiles[kTrainingSetUpTune] == "option.mid");
inline constexpr int16_t kBuriTune = 11;
static_assert(kTuneFiles[kBuriTune] == "BURI.mid");
/// G O D's stage, started by his entrance.
inline constexpr int16_t kGodTune = 12;
static_assert(kTuneFiles[kGodTune] == "GOD.mid");
inline constexpr int16_t kFinalStageTune = 13;
static_assert(kTuneFiles[kFinalStageTune] == "GOD1.mid");
inline constexpr int16_t kEndingTune = 14;
static_assert(kTuneFiles[kEndingTune] == "ending.mid");
inline constexpr int16_t kNangiefTune = 15;
static_assert(kTuneFiles[kNangiefTune] == "nangief.mid");
/// The training match, and the tutorial's lessons.
inline constexpr int16_t kTrainingMatchTune = 16;
static_assert(kTuneFiles[kTrainingMatchTune] == "training.mid");
inline constexpr int16_t kBetaboyTune = 17;
static_assert(kTuneFiles[kBetaboyTune] == "betaboy.mid");

// ---- pictures ----------------------------------------------------------------------
inline constexpr std::string_view kPictureFolder = "grafics/";
/// Shown while the game starts; read from the current folder (then the program folder).
inline constexpr std::string_view kLoadingPicture = "grafics/loading.cha";
/// The common sheet: effects, gauges, letters, icons, portraits, panels, balloons.
inline constexpr std::string_view kCommonSheet = "grafics/attackeffect.cha";
/// The four stage backgrounds.
inline constexpr std::array<std::string_view, 4> kBackgroundFiles{
    "grafics/exback01.cha", "grafics/exback02.cha", "grafics/exback03.cha",
    "grafics/exback04.cha"};
/// The title picture.
inline constexpr std::string_view kTitlePicture = "grafics/MORVEK.cha";
/// The character select's backdrop.
inline constexpr std::string_view kSelectPicture = "grafics/charaselect.cha";
/// Extension appended to a fighter's picTure stem to name its sheet.
inline constexpr std::string_view kSheetExtension = ".cha";

}  // namespace morvek
