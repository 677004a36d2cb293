#pragma once

// The dictionary's tables for the catalogue's names: the other words people use for them, and
// their English. Taken from a dictionary (CC-CEDICT) and a word list (jieba's) by
// tools/dictionary_tables, which writes them into core/generated/, so that building needs
// neither.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vekkiro {

/// A word people use for a thing, and the word the catalogue's names use for it: a whole name,
/// or the first or last word of some (洋芋 for 土豆, which 土豆皮 starts with).
struct OtherWord {
    std::u16string_view word;
    std::u16string_view meaning;
};

/// Every other word for the catalogue's names and their parts, sorted by `word` (code unit
/// order), then `meaning`.
[[nodiscard]] std::span<const OtherWord> otherWords() noexcept;

/// An English word or phrase for a word of the catalogue, from the dictionary's glosses.
struct EnglishWord {
    /// As lookups compare it: each word's EnglishStem, apart by single spaces.
    std::string_view stems;
    /// As the dictionary writes it, in lower case, to show.
    std::string_view english;
    /// The catalogue's word: a whole name, its first or last word, or a character that ends
    /// names.
    std::u16string_view meaning;
    /// Whether it is a character that ends names (壳, shell), whose English counts only after
    /// English for the rest of a name (peanut shell, 花生壳).
    bool head;
};

/// Every English word for the catalogue's names, their parts and ending characters, sorted by
/// `stems` (byte order), then `meaning`.
[[nodiscard]] std::span<const EnglishWord> englishWords() noexcept;

/// Words of their own that are one slip of the fingers (vekkiro/slips.h) from a word of the
/// dictionary's English ("please", not "pease"; "lease"), which are never put right: sorted.
[[nodiscard]] std::span<const std::string_view> englishWordsOfTheirOwn() noexcept;

/// What people may call a name in other words: each other word for the whole name, and the name
/// with another word put for its first or last word (洋芋皮 for 土豆皮). In the table's order,
/// each once.
[[nodiscard]] std::vector<std::u16string> otherNamesOf(std::u16string_view name);

} // namespace vekkiro
