#pragma once

// Matching a name by its pinyin: typed in full, with tone numbers, unfinished, in initials, or
// as a forgiving input method hears it.

#include "catalogue_names.h"
#include "match_order.h"
#include "name_matcher.h"
#include "typed_text.h"

#include <array>
#include <optional>

namespace vekkiro::suggestions {

// The text spells the name, its start or a part of it in pinyin ("kuaican" offers 快餐盒, "kch"
// too), characters typed between the syllables their own ("kuai餐盒"); or, failing that, its
// start as a forgiving input method hears it ("zijin" offers 纸巾). Of a text of letters and
// digits, or of letters and characters.
[[nodiscard]] std::optional<Found> byPinyin(const Name& name, const TypedText& text) noexcept;

class PinyinMatcher : public MatcherOfTheText {
public:
    static constexpr std::array kinds = {Match::PinyinEqual,         Match::InitialsEqual,
                                         Match::PinyinStartsWith,    Match::PinyinUnfinished,
                                         Match::PinyinContains,      Match::ForgivingEqual,
                                         Match::ForgivingStartsWith, Match::InitialsStartsWith};

    using MatcherOfTheText::MatcherOfTheText;
    [[nodiscard]] bool match(const Name& name, int position, Found& found) const noexcept;
};

} // namespace vekkiro::suggestions
