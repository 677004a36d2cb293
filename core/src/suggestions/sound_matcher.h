#pragma once

// Matching a name by the sound of its characters.

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "typed_text.h"

#include <array>
#include <optional>

namespace vekkiro::suggestions {

// The text in the name where characters that differ read the same ("牙高": 牙膏), with at least
// one character the same.
class SoundMatcher : public MatcherOfTheText {
public:
    static constexpr std::array kinds = {Match::SoundsEqual, Match::SoundsStartsWith,
                                         Match::SoundsContains};

    using MatcherOfTheText::MatcherOfTheText;
    [[nodiscard]] bool match(const Name& name, int position, Found& found) const noexcept;
};

} // namespace vekkiro::suggestions
