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
#include <type_traits>

namespace vekkiro::suggestions {

// A name matcher is made from the text, says which kinds of match it answers (so that the list
// of matchers can be checked against the ranking), and matches one name at a time: whether it
// matches, and how in `found`. Asked of every name at every keystroke, most of them no match: a
// bool comes back in a register, where a std::optional<Found> built a byte at a time in memory
// and read back whole stalled every answer.
template <typename M>
concept NameMatcher = std::constructible_from<M, const TypedText&> &&
    requires(const M matcher, const Name& name, int position, Found& found) {
    { M::kinds } -> std::convertible_to<std::span<const Match>>;
    { matcher.match(name, position, found) }
    noexcept->std::same_as<bool>;
};

// A matcher's answer from a match that may be none.
template <typename M> constexpr bool answer(const std::optional<M>& match, Found& found) noexcept {
    if (!match)
        return false;
    if constexpr (std::is_same_v<M, Found>)
        found = *match;
    else
        found = Found{*match};
    return true;
}

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
