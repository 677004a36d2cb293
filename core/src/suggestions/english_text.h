#pragma once

// A typed text read as English words, and the dictionary's entries for them.

#include <vekkiro/dictionary.h>
#include <vekkiro/english.h>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// How many English words of a text are looked up, and of those, how many phrases at most make
// one name (white + board + marker, 白板笔).
inline constexpr std::size_t mostEnglishWords = 8;
inline constexpr std::size_t mostEnglishPhrases = 3;

// The English words of a typed text, in the order typed, without the words that name no item:
// letters of either case and width, apart by spaces or punctuation. None if the text holds a
// digit or any other character, or more words than are looked up. Put right, a word the
// dictionary's English lacks stands as the `nth` word it is with one slip of the fingers, if any.
class EnglishText {
public:
    explicit EnglishText(std::u16string_view typed) noexcept
        : EnglishText(typed, false, 0) {}
    EnglishText(std::u16string_view typed, bool putRight, std::size_t nth) noexcept;

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
