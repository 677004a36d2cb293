#pragma once

// A typed text's English words as the dictionary's English is compared, and the dictionary's
// entries for them.

#include "typed_text.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/english.h>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// Of a text's English words, how many phrases at most make one name (white + board + marker,
// 白板笔).
inline constexpr std::size_t mostEnglishPhrases = 3;

// The stems of a text's words. Put right, a word the dictionary's English lacks stands as the
// `nth` word it is with one slip of the fingers, if any.
class EnglishText {
public:
    explicit EnglishText(const TypedWords& words) noexcept
        : EnglishText(words, false, 0) {}
    EnglishText(const TypedWords& words, bool putRight, std::size_t nth) noexcept;

    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    /// How many words were put right.
    [[nodiscard]] std::size_t putRight() const noexcept { return m_putRight; }
    /// A word's stem, as the dictionary's English is compared.
    [[nodiscard]] std::string_view operator[](std::size_t at) const noexcept {
        return m_stems[at].view();
    }

private:
    std::array<EnglishStem, mostEnglishWords> m_stems{};
    std::size_t m_count = 0;
    std::size_t m_putRight = 0;
};

// The dictionary's English entries for the typed words from `first` to `last`.
[[nodiscard]] std::span<const EnglishWord>
englishEntries(const EnglishText& text, std::size_t first, std::size_t last) noexcept;

} // namespace vekkiro::suggestions
