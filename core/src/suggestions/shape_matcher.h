#pragma once

// Matching a name by the shape of its characters: a slip of the hand or the eye.

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "typed_text.h"

#include <array>
#include <optional>

namespace vekkiro::suggestions {

// One character of the text differs from the name's, or from a part of a name, where each has
// three characters or more, and the two look alike (they share their radical): a slip of the
// hand or the eye, not of the ear. Of any text: the typed one or a description's noun.
[[nodiscard]] std::optional<Match> bySlip(const Name& name, const Characters& text) noexcept;

// A slip in the typed text, where it is not letters and digits (pinyin has slips of its own).
class ShapeMatcher : public MatcherOfTheText {
public:
    static constexpr std::array kinds = {Match::SlipEqual, Match::SlipContains};

    using MatcherOfTheText::MatcherOfTheText;
    [[nodiscard]] bool match(const Name& name, int position, Found& found) const noexcept;
};

} // namespace vekkiro::suggestions
