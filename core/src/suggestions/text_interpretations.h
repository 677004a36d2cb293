#pragma once

// Every other reading of a typed text: what a description names, the text with other words put
// for the catalogue's, and the English.

#include "english_interpretations.h"
#include "interpretation.h"
#include "typed_text.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// At most this many readings of one text besides the English: its noun, the noun's last words,
// the texts with another word put for the catalogue's, what a question asks about and its
// noun, and a text of two languages in one; of a text longer than any name, at
// most the second many of the last kind: such a text is seldom a guess at one name, and each
// costs a look at every name.
inline constexpr std::size_t mostOtherReadings = 20;
inline constexpr std::size_t mostOtherWordsInALongText = 4;

class TextInterpretations {
public:
    TextInterpretations(std::u16string_view raw, const TypedText& typed) noexcept;

    /// The readings by characters: descriptions and other words.
    [[nodiscard]] std::span<const InterpretedText> others() const noexcept {
        return {m_readings.data(), m_count};
    }
    /// What the text names: the noun of a description, what a question asks about, or the text.
    [[nodiscard]] std::u16string_view thing() const noexcept { return m_thing; }
    /// The English readings, by their numbers.
    [[nodiscard]] std::span<const InterpretedText> english() const noexcept {
        return m_english.all();
    }

private:
    void add(std::u16string_view text, Interpretation as) noexcept;
    void addOtherWords(std::u16string_view text) noexcept;

    std::array<InterpretedText, mostOtherReadings> m_readings{};
    std::size_t m_count = 0;
    std::size_t m_inText = 0;
    std::u16string_view m_thing;
    EnglishInterpretations m_english;
};

} // namespace vekkiro::suggestions
