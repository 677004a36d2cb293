#pragma once

// A state that changes the bin. The catalogue files some things apart by their state (脏玻璃瓶
// 其他垃圾, 玻璃瓶 可回收物; 湿报纸, 报纸), so for a text that names the state (脏的玻璃瓶), the
// clean name is the wrong answer, though its characters match better.

#include "candidates.h"
#include "reader.h"

#include <cstdint>
#include <string_view>

namespace vekkiro::suggestions {

// The states the catalogue tells apart, each a bit, as a text or a name words them.
enum StateOfAThing : std::uint8_t { Dirty = 1, Wet = 2, Oily = 4, Mouldy = 8 };

// The states a text or a name holds ("沾了油的报纸": oily; "被油渍污染的报纸": oily and dirty).
[[nodiscard]] std::uint8_t statesIn(std::u16string_view text) noexcept;

// Where the text names a state and names of that state lead to one bin, names of no state that
// lead to another are taken out: the names of the state, whose match is weaker, come first.
struct StateFilter {
    static void apply(Candidates& candidates, const TextSoFar& text) noexcept;
};

} // namespace vekkiro::suggestions
