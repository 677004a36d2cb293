#pragma once

// Matching a name by its pinyin: typed in full, with tone numbers, unfinished, in initials, or
// as a forgiving input method hears it.

#include "catalogue_names.h"
#include "match_kinds.h"
#include "typed_text.h"

#include <optional>

namespace vekkiro::suggestions {

// The text spells the name, its start or a part of it in pinyin ("kuaican" offers 快餐盒, "kch"
// too), characters typed between the syllables their own ("kuai餐盒"); or, failing that, its
// start as a forgiving input method hears it ("zijin" offers 纸巾).
[[nodiscard]] std::optional<Found> byPinyin(const Name& name, const TypedText& text) noexcept;

// Whether letters can all be spelled as pinyin syllables, the last perhaps unfinished ("mop":
// mo, p…). Such a text is pinyin first and English after.
[[nodiscard]] bool readsAsPinyin(const TypedText& text) noexcept;

} // namespace vekkiro::suggestions
