#pragma once

// The first stage: a typed text as the list reads it, read once for every stage after.

#include "unit_filter.h"

#include <vekkiro/english.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/suggestion_text.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vekkiro::suggestions {

// A text as the list reads it: without spaces, controls and punctuation, letters in lower case
// and half width, traditional characters simplified; each unit also as it is compared
// (comparedUnit). Empty if longer than the list reads. The typed text, or another reading of it.
class Characters {
public:
    Characters() noexcept = default;
    explicit Characters(std::u16string_view typed) noexcept;

    [[nodiscard]] std::size_t size() const noexcept { return m_size; }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept { return m_units[at]; }
    [[nodiscard]] char16_t compared(std::size_t at) const noexcept { return m_compared[at]; }
    [[nodiscard]] std::u16string_view view() const noexcept { return {m_units.data(), m_size}; }
    [[nodiscard]] const UnitFilter& filter() const noexcept { return m_filter; }
    /// Whether a space or punctuation came before the unit at `at` (not the first): where the
    /// person typed one word apart from the one before.
    [[nodiscard]] bool startsAWord(std::size_t at) const noexcept {
        return at < m_size && ((m_wordStarts >> at) & 1U) != 0;
    }

private:
    static_assert(longestSuggestionText <= 64, "a unit's place is a bit of 64");

    std::array<char16_t, longestSuggestionText> m_units{};
    std::array<char16_t, longestSuggestionText> m_compared{};
    std::size_t m_size = 0;
    std::uint64_t m_wordStarts = 0;
    UnitFilter m_filter;
};

// How many English words of a text are looked up.
inline constexpr std::size_t mostEnglishWords = 8;

// The words of a typed text in Latin letters, in the order typed, without the words that name no
// item ("the", "used", "old"): letters of either case and width, in lower case, apart by spaces or
// punctuation. None if the text holds a digit or any other character, a word longer than any
// English that is looked up, or more words than are looked up.
class TypedWords {
public:
    TypedWords() noexcept = default;
    explicit TypedWords(const Characters& text) noexcept;

    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    [[nodiscard]] std::string_view operator[](std::size_t at) const noexcept {
        return {m_letters[at].data(), m_sizes[at]};
    }
    /// The words but those that `drop` says go.
    template <typename Drop> [[nodiscard]] TypedWords without(Drop drop) const noexcept {
        TypedWords kept;
        for (std::size_t at = 0; at < m_count; ++at) {
            if (drop((*this)[at]))
                continue;
            kept.m_letters[kept.m_count] = m_letters[at];
            kept.m_sizes[kept.m_count++] = m_sizes[at];
        }
        return kept;
    }

private:
    std::array<std::array<char, longestEnglishWord>, mostEnglishWords> m_letters{};
    std::array<std::size_t, mostEnglishWords> m_sizes{};
    std::size_t m_count = 0;
};

// The text as typed, with the pinyin of its characters, what kind of text it is and its words.
class TypedText : public Characters {
public:
    explicit TypedText(std::u16string_view typed) noexcept;

    [[nodiscard]] Pinyin pinyin(std::size_t at) const noexcept { return m_pinyin[at]; }
    /// Only ASCII letters and digits, at least one letter: it may be pinyin.
    [[nodiscard]] bool spellable() const noexcept { return m_spellable; }
    /// Letters and characters both: characters with pinyin typed after or between them, as an
    /// input method leaves the letters it has not turned into characters yet (易拉g).
    [[nodiscard]] bool mixed() const noexcept { return m_mixed; }
    /// Letters that can all be spelled as pinyin syllables, the last perhaps unfinished ("mop":
    /// mo, p…). Such a text is pinyin first and English after.
    [[nodiscard]] bool readsAsPinyin() const noexcept { return m_readsAsPinyin; }
    /// Its words as typed, for English: only of a spellable text.
    [[nodiscard]] const TypedWords& words() const noexcept { return m_words; }

private:
    std::array<Pinyin, longestSuggestionText> m_pinyin{};
    bool m_spellable = false;
    bool m_mixed = false;
    bool m_readsAsPinyin = false;
    TypedWords m_words;
};

} // namespace vekkiro::suggestions
