#pragma once

// A text of English words read as the catalogue's words they stand for.

#include "english_text.h"
#include "interpretation.h"
#include "typed_text.h"

#include <vekkiro/dictionary.h>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// At most this many English readings of one text: the catalogue's words for its English, and
// for its phrases put together.
inline constexpr std::size_t mostEnglishReadings = 16;

// The catalogue's words that English stands for: of the whole text, or of its phrases put
// together in the order typed (peanut + shell: 花生 + 壳), a character that ends names only
// last. The first phrase is the longest one the dictionary has, and so on. Where none is read,
// the text with its words put right (batery: battery), as readings of their own kind. Each
// reading's number is its place here.
class EnglishInterpretations {
public:
    EnglishInterpretations(std::u16string_view raw, const TypedText& typed) noexcept;

    [[nodiscard]] std::span<const InterpretedText> all() const noexcept {
        return {m_readings.data(), m_count};
    }

private:
    // Adds the readings of the words; whether every word was read (none passed over).
    bool read(const EnglishText& english, const TypedText& typed, bool mistyped) noexcept;
    void addEveryChoice(std::span<const std::span<const EnglishWord>> phrases,
                        Interpretation as) noexcept;

    std::array<InterpretedText, mostEnglishReadings> m_readings{};
    std::size_t m_count = 0;
};

} // namespace vekkiro::suggestions
