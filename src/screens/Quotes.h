#pragma once
// The winners' two-line quotes and the final boss's speech pages, with the balloon that
// holds them on the result screen.

#include <cstdint>
#include <string>
#include <string_view>

namespace morvek {

struct EngineContext;

struct QuoteLines {
    std::string line1;
    std::string line2;
};

/// The quote of `winner` for quote number `number` (1-8; 20-25 for the speech of fighter::Buri),
/// with the special lines of the two named finishing arts. Both lines empty when the
/// table has nothing.
QuoteLines winQuoteLines(int16_t winner, int16_t number, std::string_view finishArts);
/// The lines of speech page `page` (20-25); both empty for another page.
QuoteLines godSpeechLines(int16_t page);
/// Font size of a quote line by its length in characters.
int16_t quoteFontSize(std::string_view line);

/// The balloon and the winner's quote.
void winQuoteSelect(EngineContext& game, int16_t winner, int16_t number, std::string_view finishArts);
/// The balloon and a page of the final boss's speech.
void godFalseFormSpeech(EngineContext& game, int16_t page);

}  // namespace morvek
