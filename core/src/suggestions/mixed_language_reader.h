#pragma once

// A text of English and Chinese together, as people who know one word in each language type
// it ("milk盒", "纸 cup", "coffee杯子"): the English put into the catalogue's Chinese.

#include "reader.h"

#include <vekkiro/suggestion_text.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace vekkiro::suggestions {

// At most this many readings of one text: the English words' catalogue words taken in turn.
inline constexpr std::size_t mostMixedReadings = 6;

// The readings of a text with runs of English letters and of characters (as the list reads it:
// no spaces, lower case), each English run put as a catalogue word its English stands for, in
// the order typed (egg壳: 鸡蛋壳), whole words first, then characters that end names, which the
// Chinese completes (milk盒: 奶盒; 塑料 bag: 塑料袋). A 子 that names leave off is left off
// (咖啡杯子: 咖啡杯). None for a text of one language, or with English the dictionary lacks.
class MixedLanguages {
public:
    explicit MixedLanguages(std::u16string_view text) noexcept;

    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    [[nodiscard]] std::u16string_view operator[](std::size_t at) const noexcept {
        return {m_readings[at].data(), m_sizes[at]};
    }

private:
    std::array<std::array<char16_t, longestSuggestionText>, mostMixedReadings> m_readings{};
    std::array<std::size_t, mostMixedReadings> m_sizes{};
    std::size_t m_count = 0;
};

// Reads a text of English and Chinese as its MixedLanguages.
struct MixedLanguageReader {
    static constexpr std::size_t budget = mostMixedReadings;
    static void read(TextSoFar& text, ReadingList<budget>& readings) noexcept;
};

} // namespace vekkiro::suggestions
