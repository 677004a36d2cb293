#pragma once

#include <span>
#include <string_view>

namespace vekkiro::detail {

/// A word people use for a thing, and the word the catalogue's names use for it: a whole name,
/// or the first or last word of some (洋芋 for 土豆, which 土豆皮 starts with).
struct OtherWord {
    std::u16string_view word;
    std::u16string_view meaning;
};

/// Every other word, sorted by `word` (code unit order), then `meaning`. Written from CC-CEDICT
/// and jieba's word list by tools/dictionary_tables into dictionary_tables.cpp, which is kept in
/// the repository, so that building needs neither.
extern const std::span<const OtherWord> otherWords;

} // namespace vekkiro::detail
