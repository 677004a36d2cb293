#pragma once

// A description of an item, as people type one ("两只旧鞋", "一张擦过鼻涕的纸"), read for the
// thing it names.

#include "reader.h"

#include <vekkiro/suggestion_text.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace vekkiro::suggestions {

// The noun of a description: what follows its last 的 or 了, without a count or a "this" before
// it, or a 们 or 儿 after. Empty when the text is no description, or nothing is left.
[[nodiscard]] std::u16string_view nounOf(std::u16string_view text) noexcept;

// A description without its grammar words: the count at its start, 的 and 了, and the 过 and 着
// before them ("一张擦过鼻涕的纸": 擦过鼻涕纸), written into `units`.
[[nodiscard]] std::u16string_view
withoutGrammar(std::u16string_view text,
               std::array<char16_t, longestSuggestionText>& units) noexcept;

// Whether a unit is the 子 or 儿 that ends many nouns and says nothing of their kind (瓶子 is a
// 瓶).
constexpr bool isNounSuffix(char16_t unit) noexcept {
    return unit == u'子' || unit == u'儿';
}

// A thing without the 子 or 儿 that ends many nouns and few names (杯子 for 杯: 咖啡杯子), where
// two characters at least are left; the thing as it is otherwise.
[[nodiscard]] std::u16string_view withoutNounSuffix(std::u16string_view thing) noexcept;

// A thing without the letters and digits before it that name its size, model, brand or medium
// (A4纸, USB线, 3M胶带: 胶带), where a character follows them; the thing as it is otherwise.
[[nodiscard]] std::u16string_view withoutCode(std::u16string_view thing) noexcept;

// Reads a description for its noun ("两只旧鞋": 鞋), the description without its grammar words,
// and the noun's last words (its last eight units down to two: "旧报纸堆": 报纸堆, 纸堆).
struct DescriptionReader {
    static constexpr std::size_t budget = 9;
    static void read(TextSoFar& text, ReadingList<budget>& readings) noexcept;
};

} // namespace vekkiro::suggestions
