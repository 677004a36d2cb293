#include "hanzi_tables.h"
#include "suggestions/catalogue_names.h"
#include "suggestions/english_spelling.h"
#include "suggestions/forgiving_pinyin.h"
#include "suggestions/name_kinds.h"
#include "suggestions/pinyin_typo_matcher.h"
#include "suggestions/pipeline.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/suggestions.h>
#include <vekkiro/suggestions_measure.h>

namespace vekkiro {

namespace {

using suggestions::Candidate;
using suggestions::ReadText;

// The English that led to a name, if it was English.
std::array<std::string_view, 3> englishOf(const Candidate& candidate, const ReadText& text) {
    if (!suggestions::showsEnglish(candidate.found.match))
        return {};
    return text.readings.of<suggestions::EnglishReader>().all()[candidate.found.order].english;
}

} // namespace

std::vector<int> suggestItems(std::u16string_view typed, std::size_t limit) {
    std::vector<int> best;
    suggestions::forEachSuggestion(
        typed, limit, [&](std::size_t count) { best.reserve(count); },
        [&](const Candidate& candidate, const ReadText&) { best.push_back(candidate.position); });
    return best;
}

std::vector<int> suggestItemsLeavingOut(std::u16string_view typed, std::size_t limit, int leftOut) {
    std::vector<int> best;
    suggestions::forEachSuggestion(
        typed, limit, [&](std::size_t count) { best.reserve(count); },
        [&](const Candidate& candidate, const ReadText&) { best.push_back(candidate.position); },
        static_cast<std::uint16_t>(leftOut));
    return best;
}

std::vector<Suggestion> suggest(std::u16string_view typed, std::size_t limit) {
    std::vector<Suggestion> best;
    suggestions::forEachSuggestion(
        typed, limit, [&](std::size_t count) { best.reserve(count); },
        [&](const Candidate& candidate, const ReadText& text) {
            best.push_back(Suggestion{candidate.position, englishOf(candidate, text)});
        });
    return best;
}

void prepareSuggestions() noexcept {
    (void)suggestions::nameFilters();
    (void)suggestions::NameIndex::get();
    (void)suggestions::namesOfTheirLastCharactersKind();
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
    bytes += sizeof(suggestions::namesOfTheirLastCharactersKind());
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
