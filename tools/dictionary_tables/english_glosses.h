#pragma once

// English for the catalogue's words, from the dictionary's glosses.

#include "sources.h"

#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace vekkiro::tools {

/// An English word or phrase for a word of the catalogue: `english` as the dictionary writes
/// it, `stems` as lookups compare it (each word's EnglishStem, apart by spaces), `meaning` the
/// catalogue's word: a whole name, its first or last word, or (`head`) the character that ends
/// names, whose English counts only after English for the rest (shell, 壳: peanut shell, 花生壳).
/// The table's EnglishWord, as the generator holds it.
struct EnglishGloss {
    QString stems;
    QString english;
    QString meaning;
    bool head = false;

    friend bool operator==(const EnglishGloss&, const EnglishGloss&) = default;
};

/// A gloss as English a person types: without parentheses (their content too, or only their
/// brackets where `keepInside`), in lower case, hyphens as spaces, without a leading article;
/// empty if it is more than three words or holds anything but letters.
[[nodiscard]] QString englishOf(QString gloss, bool keepInside = false);

/// An English phrase as lookups compare it, each word's EnglishStem apart by spaces; empty if a
/// word has no stem.
[[nodiscard]] QString stemsOf(const QString& english);

/// The English for the names, their first and last words and the characters that end them,
/// sorted by `stems`, then `meaning`. A word's English is the glosses of its first sense of at
/// most three words; an ending character's, its own glosses of one or two words and what the
/// dictionary's words that end in it add to the English of the rest (橘皮, "tangerine peel",
/// after 橘, "tangerine": peel, 皮).
[[nodiscard]] std::vector<EnglishGloss>
findEnglishGlosses(std::span<const DictionaryEntry> dictionary, const WordList& words,
                   std::span<const std::u16string_view> names);

} // namespace vekkiro::tools
