#pragma once

// Other words for the catalogue's words: the dictionary's words that mean the same.

#include "sources.h"

#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace vekkiro::tools {

/// A link from another word to a word of the catalogue: `word` means `meaning`, which is a whole
/// catalogue name or the first or last word of one; `gloss` is the English sense they share.
/// The table's OtherWord, with why it was made.
struct OtherWordLink {
    QString word;
    QString meaning;
    QString gloss;

    friend bool operator==(const OtherWordLink&, const OtherWordLink&) = default;
};

/// Whether jieba's tag is of words that never name a thing: adjectives, adverbs, descriptive
/// words, numerals, measure words, pronouns, prepositions, conjunctions, particles,
/// interjections, onomatopoeia, directions, idioms and set phrases.
[[nodiscard]] bool namesNoThing(const QString& tag);

/// The other words for the names, sorted by `word`, then `meaning`. Two words are linked when
/// each one's first English gloss is among the other's first sense, and that sense is
/// mostly shared: so a word is never linked through a minor or regional sense (土豆, a potato,
/// is a peanut in Taiwan), a verb (蘑菇 and 磨蹭 both mean "to pester") or a name (八达通, the
/// Octopus card). Words that jieba tags as anything but a noun or a verb are left out.
[[nodiscard]] std::vector<OtherWordLink> findOtherWords(std::span<const DictionaryEntry> dictionary,
                                                        const WordList& words,
                                                        std::span<const std::u16string_view> names);

} // namespace vekkiro::tools
