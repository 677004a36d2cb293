#pragma once

// Matching a name by its characters: the text in the name, the name in the text, or the one's
// characters in the other in order.

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "reading.h"
#include "typed_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace vekkiro::suggestions {

// Whether the name matches the text by characters in one of the ways `searches` asks for
// (CharacterSearch), and how in `found`: the text in the name (Match::Equal, StartsWith,
// Contains), the name in the text (Match::NameInText), or in order with gaps, or swapped
// (Match::InOrder). Of any text: the typed one or another reading. A bool, as a matcher's answer
// is (name_matcher.h).
[[nodiscard]] bool byCharacters(const Name& name, const Characters& text, std::uint8_t searches,
                                Found& found) noexcept;

class CharacterMatcher : public MatcherOfTheText {
public:
    static constexpr std::array kinds = {Match::Equal, Match::StartsWith, Match::Contains,
                                         Match::NameInText, Match::InOrder};

    using MatcherOfTheText::MatcherOfTheText;
    [[nodiscard]] bool match(const Name& name, int position, Found& found) const noexcept;
};

} // namespace vekkiro::suggestions
