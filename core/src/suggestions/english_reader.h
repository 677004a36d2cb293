#pragma once

// A text of English words read as the catalogue's words they stand for.

#include "english_words.h"
#include "reader.h"

#include <vekkiro/dictionary.h>

#include <cstddef>
#include <span>

namespace vekkiro::suggestions {

// Reads the catalogue's words that English stands for: of the whole text, or of its phrases put
// together in the order typed (peanut + shell: 花生 + 壳), a character that ends names only
// last. The first phrase is the longest one the dictionary has, and so on. Where none is read,
// the text with its words put right (batery: battery), as readings of their own kind. Each
// reading's place in the list is its number: rows through English come in that order and show
// the reading's English.
struct EnglishReader {
    static constexpr std::size_t budget = 16;
    static void read(TextSoFar& text, ReadingList<budget>& readings) noexcept;
};

} // namespace vekkiro::suggestions
