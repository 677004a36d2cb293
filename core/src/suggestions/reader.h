#pragma once

// The role of a reader: a stage that reads the typed text into other readings of it, each a text
// to match against the names as the typed one is (its noun, what a question asks about, the text
// with another word put in, its English put into Chinese). stages.h lists the readers in the
// order they read; a reader may read what those before it found.

#include "reading.h"
#include "typed_text.h"

#include <concepts>
#include <cstddef>
#include <string_view>

namespace vekkiro::suggestions {

// What the readers read: the typed text, and what those before found of it for the others.
struct TextSoFar {
    const TypedText& typed;
    /// The noun of a description ("摔碎的碗": 碗); empty for a text that is none.
    std::u16string_view noun;
    /// What a question or request asks about ("外卖塑料怎么扔": 外卖塑料); empty for a text that
    /// asks nothing.
    std::u16string_view asked;
    /// The noun of what it asks about, where that is a description ("用过的电池怎么扔": 电池).
    std::u16string_view askedNoun;
    /// What the text names: the noun of what it asks about, what it asks about, its noun, or the
    /// text itself.
    std::u16string_view thing;
};

// A reader has a budget, the most readings it adds, and reads the text into its own list.
template <typename R>
concept Reader = requires(TextSoFar& text, ReadingList<R::budget>& readings) {
    { R::budget } -> std::convertible_to<std::size_t>;
    { R::read(text, readings) }
    noexcept;
};

} // namespace vekkiro::suggestions
