#pragma once

// Other words for the catalogue's words found through English: a word whose gloss the
// catalogue's English reads as a name.

#include "english_glosses.h"
#include "other_words.h"
#include "sources.h"

#include <span>
#include <string_view>
#include <vector>

namespace vekkiro::tools {

/// Words found through the English the catalogue's words are read by, above all the regional
/// and dialect words that the other links miss (their one sense is regional, and the catalogue
/// word's senses seldom hold their gloss word for word):
///  - a regional word whose main gloss, as English a person types, is the English of a whole
///    name (原子笔, "(Tw, HK) ballpoint pen": 圆珠笔; 红苕, "(dialect) sweet potato or yam": 番薯,
///    by the first of alternatives);
///  - a regional word whose gloss ends with a catalogue word's main English, where the word
///    ends as that catalogue word does (免洗筷, "(Tw) disposable chopsticks": 筷子);
///  - any other word whose main gloss is a whole name's English, whose every first sense the
///    name has, and which shares a character with it (a gloss is often shared by words that
///    mean different things: 分会 and 树枝 are both "branch").
/// A gloss that qualifies itself in parentheses is left out, as are words already linked in
/// `known`, the catalogue's own words and words jieba tags as naming no thing.
[[nodiscard]] std::vector<OtherWordLink>
findOtherWordsThroughEnglish(std::span<const DictionaryEntry> dictionary, const WordList& words,
                             std::span<const std::u16string_view> names,
                             std::span<const EnglishGloss> english,
                             std::span<const OtherWordLink> known);

} // namespace vekkiro::tools
