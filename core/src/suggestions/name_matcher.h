#pragma once

// The role of a name matcher: a stage that matches every name against the typed text in one way
// (its characters, their sound or shape, pinyin, pinyin mistyped), made once a keystroke from the
// text. stages.h lists the matchers best first: the first that matches a name gives its match.

#include "catalogue_names.h"
#include "match_order.h"
#include "typed_text.h"

#include <concepts>
#include <optional>
#include <span>

namespace vekkiro::suggestions {

// A name matcher is made from the text, says which kinds of match it answers (so that the list
// of matchers can be checked against the ranking), and matches one name at a time.
template <typename M>
concept NameMatcher = std::constructible_from<M, const TypedText&> &&
    requires(const M matcher, const Name& name, int position) {
    { M::kinds } -> std::convertible_to<std::span<const Match>>;
    { matcher.match(name, position) }
    noexcept->std::same_as<std::optional<Found>>;
};

// What a matcher that needs nothing but the typed text holds.
class MatcherOfTheText {
public:
    explicit MatcherOfTheText(const TypedText& text) noexcept
        : m_text(text) {}

protected:
    const TypedText& m_text;
};

// Whether every kind a matcher answers outranks every kind the next one does: then the first
// match found is the best.
template <typename First, typename Next> constexpr bool rankedBefore() noexcept {
    for (const Match first : First::kinds)
        for (const Match next : Next::kinds)
            if (!isBetter(first, next))
                return false;
    return true;
}

} // namespace vekkiro::suggestions
