#pragma once

// A slip of shape that leads to another bin than every nearer name does is worse than no name:
// the text is more likely a word of that bin's kind than a mistyped name of another's.

#include "candidates.h"
#include "reader.h"

namespace vekkiro::suggestions {

struct SlipFilter {
    static void apply(Candidates& candidates, const TextSoFar& text) noexcept;
};

} // namespace vekkiro::suggestions
