#pragma once

// The first stage: a typed text as the list reads it.

#include "unit_filter.h"

#include <vekkiro/hanzi.h>
#include <vekkiro/suggestion_text.h>

#include <array>
#include <cstddef>
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

private:
    std::array<char16_t, longestSuggestionText> m_units{};
    std::array<char16_t, longestSuggestionText> m_compared{};
    std::size_t m_size = 0;
    UnitFilter m_filter;
};

// The text as typed, with the pinyin of its characters and what kind of text it is.
class TypedText : public Characters {
public:
    explicit TypedText(std::u16string_view typed) noexcept;

    [[nodiscard]] Pinyin pinyin(std::size_t at) const noexcept { return m_pinyin[at]; }
    /// Only ASCII letters and digits, at least one letter: it may be pinyin.
    [[nodiscard]] bool spellable() const noexcept { return m_spellable; }
    /// Letters and characters both: characters with pinyin typed after or between them, as an
    /// input method leaves the letters it has not turned into characters yet (易拉g).
    [[nodiscard]] bool mixed() const noexcept { return m_mixed; }

private:
    std::array<Pinyin, longestSuggestionText> m_pinyin{};
    bool m_spellable = false;
    bool m_mixed = false;
};

} // namespace vekkiro::suggestions
