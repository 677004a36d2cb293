#pragma once

// The text with other words people use put for the catalogue's ("洋芋皮": 土豆皮).

#include "reader.h"

#include <cstddef>
#include <string_view>

namespace vekkiro::suggestions {

// Reads the text, a description's noun, and what a question asks about and its noun, with each
// other word in it (a word of two
// characters or more) put for the catalogue's word it stands for. Of a text longer than any name,
// at most the second many: such a text is seldom a guess at one name, and each costs a look at
// every name that starts with one of its characters.
struct OtherWordReader {
    static constexpr std::size_t budget = 16;
    static constexpr std::size_t mostInALongText = 4;
    static void read(TextSoFar& text, ReadingList<budget>& readings) noexcept;
};

} // namespace vekkiro::suggestions
