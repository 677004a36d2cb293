#pragma once

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
/// order), then `meaning`. Taken from a dictionary (CC-CEDICT) and a word list (jieba's) by
/// tools/dictionary_tables, which writes them into the repository, so that building needs
/// neither.
[[nodiscard]] std::span<const OtherWord> otherWords() noexcept;

/// What people may call a name in other words: each other word for the whole name, and the name
/// with another word put for its first or last word (洋芋皮 for 土豆皮). In the table's order,
/// each once.
[[nodiscard]] std::vector<std::u16string> otherNamesOf(std::u16string_view name);

} // namespace vekkiro
