#include "screens/Quotes.h"

#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "battle/Roster.h"
#include "engine/System.h"
#include "render/Overlay.h"

namespace morvek {

namespace {


struct QuoteRow {
    int16_t winner;
    int16_t from, to;  ///< quote numbers from..to
    const char* line1;
    const char* line2;
};

constexpr QuoteRow kQuotes[] = {
    {fighter::Morvekboy, 1, 2, "しょうりゅうけんをやぶらぬかぎり", "おまえにかちめはない。"},
    {fighter::Morvekboy, 3, 4, "ホゥわッたーッ！！", ""},
    {fighter::Morvekboy, 5, 6, "僕はもう、打てているさ。", ""},
    {fighter::Morvekboy, 7, 8, "ゴッドハンドへの道は", "果てしなく遠い・・・"},
    {fighter::Ginzamurai, 1, 1, "オノレィ", ""},
    {fighter::Ginzamurai, 2, 2, "Son of a bitch!", ""},
    {fighter::Ginzamurai, 3, 4, "ウリャア", ""},
    {fighter::Ginzamurai, 5, 6, "ドリャア", ""},
    {fighter::Ginzamurai, 7, 7, "ワレニカゴー", ""},
    {fighter::Ginzamurai, 8, 8, "Fuck！", ""},
    {fighter::Nangief, 1, 2, "何だって吸い込んでやるぞ！", "この俺様がな。ガハハハハh。"},
    {fighter::Nangief, 3, 3, "ハァハァ、吸いてぇ・・・", ""},
    {fighter::Nangief, 4, 4, "筋肉ッ！", ""},
    {fighter::Nangief, 5, 5, "スパシーバぁ！", ""},
    {fighter::Nangief, 6, 6, "この悪魔超人めッ！", ""},
    {fighter::Nangief, 7, 8, "お、おい！", "死んじまったんじゃないだろうな！？"},
    {fighter::Honekawa, 1, 1, "蛆虫が。", "この俺の蟷螂拳に勝てるとでも思ったのか？"},
    {fighter::Honekawa, 2, 2, "力じゃない。", "技だ、テクニックだろ？"},
    {fighter::Honekawa, 3, 3, "所詮この程度か、", "ゴミが、ペッ！"},
    {fighter::Honekawa, 4, 4, "弱ッ！", "吃驚したよ、弱すぎるから。"},
    {fighter::Honekawa, 5, 5, "全部読めてんだよッ！", "チンカスがぁ～！"},
    {fighter::Honekawa, 6, 6, "クンフーが足りねぇな。", "クンフーが。"},
    {fighter::Honekawa, 7, 7, "貴様などラーメンにしてやるアルー！", ""},
    {fighter::Honekawa, 8, 8, "ふん、ウスノロめ。", ""},
    {fighter::Gouda, 1, 1, "とっとと持ち金だしな！", "なにィ、持ってない？オメェちょっと跳んでみろ。"},
    {fighter::Gouda, 2, 2, "滅ッ！滅ッ！滅ッ！", ""},
    {fighter::Gouda, 3, 3, "ヨウェエエエエ！", "お前ッ！弱すぎィイイイイ！！"},
    {fighter::Gouda, 4, 4, "心の友よ、", "お前のものは俺のものだ。"},
    {fighter::Gouda, 5, 6, "うぉぉッ！", "殺すから死ねぇェェェェェ！"},
    {fighter::Gouda, 7, 7, "心ォ、込めて歌います。", "俺の魂の歌を聴くのだ。"},
    {fighter::Gouda, 8, 8, "俺様こそ町内最強のガキ大将、ゴウダ様だァァァァァァ！", ""},
    {fighter::Interrupter, 1, 1, "私には勝利が約束されている。", ""},
    {fighter::Interrupter, 2, 2, "隙が多いな。確かに攻めは基本だが、", "時には護りを堅め的確な勝機に反撃することも重要だ。"},
    {fighter::Interrupter, 3, 3, "時間と空間を歪ませる。", "それが私に与えられた能力だ。"},
    {fighter::Interrupter, 4, 4, "私はお前を妨害しなければならない。", ""},
    {fighter::Interrupter, 5, 5, "力が溢れる・・・", ""},
    {fighter::Interrupter, 6, 6, "この程度か。", ""},
    {fighter::Interrupter, 7, 7, "お前が弱いのではない。", "私の存在が特異なのだ。"},
    {fighter::Interrupter, 8, 8, "私を倒すならば、", "私に反撃させないくらいのラッシュが必要だろう。"},
    {fighter::Buri, 1, 7, "ハエテクル！", ""},
    {fighter::Buri, 8, 8, "タケシもヒロシも、", "ワシを小さい小さいと笑いおって・・・"},
    {fighter::God, 1, 1, "万策尽きたか？", "策を弄すること自体、無意味だが。"},
    {fighter::God, 2, 2, "これが神の力だ。", "どうしようもなかろう。"},
    {fighter::God, 3, 3, "楽しんで頂けたかね？タイピングファイターよ。", "私に挑戦できたということが、貴様の腕を証明するのだ。"},
    {fighter::God, 4, 4, "プリンなどと呼ぶな！！下種がッ！", ""},
    {fighter::God, 5, 5, "私はこの世界の神だッ！", ""},
    {fighter::God, 6, 6, "何をやっても無駄だ。", "神を倒すことなど出来ぬ！"},
    {fighter::God, 7, 7, "「Oh my god!」と嘆くがよい。", "許可する。"},
    {fighter::God, 8, 8, "愚かなるタイピストよ、", "悔い改めよ。"},
    {fighter::Betaboy, 1, 1, "ゴッドハンドは俺にこそ相応しい。", ""},
    {fighter::Betaboy, 2, 3, "ファオッ！", ""},
    {fighter::Betaboy, 4, 5, "貴様は弱い、俺は強い。", "それだけのことだ。"},
    {fighter::Betaboy, 6, 8, "・・・・・", ""},
};

void drawBalloon(EngineContext& game) { blitSheet(game, 464, 1083, 368, 82, 90, 320, 400, 120); }

}  // namespace

QuoteLines godSpeechLines(int16_t page) {
    switch (page) {
    case 20: return {"見事ッ・・・！", ""};
    case 21: return {"だが、今の私は仮の姿。", "真の力はこんなものではない。"};
    case 22: return {"ノーマルスピード以上、かつ、", "ノーマル以上の難易度に挑戦するのだ！"};
    case 23:
    case 24:
    case 25: return {"そこで私の真の姿を見せてやろう。", "待っているぞ・・・"};
    default: return {};
    }
}

QuoteLines winQuoteLines(int16_t winner, int16_t number, std::string_view finishArts) {
    QuoteLines q;
    if (winner == fighter::Buri && number >= 20 && number <= 25) {
        q = godSpeechLines(number);
    } else {
        for (const QuoteRow& row : kQuotes) {
            if (row.winner == winner && number >= row.from && number <= row.to) {
                q = {row.line1, row.line2};
                break;
            }
        }
    }
    // A round decided by a fighter's own signature art earns its own line.
    if (winner == fighter::Morvekboy && finishArts == "真・著作拳") q = {"これぞ　真・著作拳ッ！！", ""};
    if (winner == fighter::Gouda && finishArts == "瞬刻殺") q = {"これぞ瞬刻殺！！", ""};
    return q;
}

int16_t quoteFontSize(std::string_view line) {
    const int32_t n = Len(line);
    if (n <= 19) return 13;
    if (n <= 24) return 11;
    return 9;
}

void winQuoteSelect(EngineContext& game, int16_t winner, int16_t number, std::string_view finishArts) {
    const QuoteLines q = winQuoteLines(winner, number, finishArts);
    drawBalloon(game);
    textFontSet(game, quoteFontSize(q.line1), kTextBlack);
    drawText(game, 100, 350, q.line1);
    textFontSet(game, quoteFontSize(q.line2), kTextBlack);
    drawText(game, 100, 390, q.line2);
}

void godFalseFormSpeech(EngineContext& game, int16_t page) {
    const QuoteLines q = godSpeechLines(page);
    drawBalloon(game);
    textFontSet(game, 13, kTextBlack);
    drawText(game, 100, 350, q.line1);
    drawText(game, 100, 395, q.line2);
}

}  // namespace morvek
