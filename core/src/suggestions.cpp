#include "hanzi_tables.h"
#include "suggestions/catalogue_names.h"
#include "suggestions/english_typos.h"
#include "suggestions/forgiving_pinyin.h"
#include "suggestions/pinyin_typos.h"
#include "suggestions/ranking.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/suggestions.h>

namespace vekkiro {

using suggestions::Ranking;

std::vector<int> suggestItems(std::u16string_view typed, std::size_t limit) {
    const Ranking ranking(typed, limit);
    std::vector<int> best;
    best.reserve(ranking.best().size());
    for (const std::uint32_t rank : ranking.best())
        best.push_back(Ranking::positionOf(rank));
    return best;
}

std::vector<Suggestion> suggest(std::u16string_view typed, std::size_t limit) {
    const Ranking ranking(typed, limit);
    std::vector<Suggestion> best;
    best.reserve(ranking.best().size());
    for (const std::uint32_t rank : ranking.best())
        best.push_back(Suggestion{Ranking::positionOf(rank), ranking.englishOf(rank)});
    return best;
}

void prepareSuggestions() noexcept {
    (void)suggestions::nameFilters();
    (void)suggestions::NameIndex::get();
    (void)suggestions::ForgivingForms::get();
    (void)suggestions::NameSpellings::get();
    (void)suggestions::EnglishSpelling::get();
}

std::size_t suggestionTableBytes() noexcept {
    using detail::hanziTables;
    std::size_t bytes =
        hanziTables.syllables.size_bytes() + hanziTables.readingSyllables.size_bytes() +
        hanziTables.characterReadings.size_bytes() + hanziTables.simplifications.size_bytes() +
        hanziTables.nameUnitStart.size_bytes() + hanziTables.nameUnitReadings.size_bytes() +
        hanziTables.radicals.size_bytes();
    for (const std::string_view syllable : hanziTables.syllables)
        bytes += syllable.size() + 1;
    bytes += otherWords().size_bytes();
    for (const OtherWord& other : otherWords())
        bytes += (other.word.size() + other.meaning.size() + 2) * sizeof(char16_t);
    bytes += englishWords().size_bytes();
    for (const EnglishWord& english : englishWords())
        bytes += english.stems.size() + english.english.size() + 2 +
                 (english.meaning.size() + 1) * sizeof(char16_t);
    bytes += englishWordsOfTheirOwn().size_bytes();
    for (const std::string_view word : englishWordsOfTheirOwn())
        bytes += word.size() + 1;
    return bytes;
}

} // namespace vekkiro
