#pragma once

// The role of a list filter: a stage that takes out of the names found, or adds to them, by what
// the list as a whole says (a slip to another bin than every nearer name; names of the thing's
// kind where nothing nearer is). stages.h lists the filters in the order they apply.

#include "candidates.h"
#include "reader.h"

#include <concepts>

namespace vekkiro::suggestions {

template <typename F>
concept ListFilter = requires(Candidates& candidates, const TextSoFar& text) {
    { F::apply(candidates, text) }
    noexcept;
};

} // namespace vekkiro::suggestions
