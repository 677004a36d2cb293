#pragma once

#include <cstddef>

namespace vekkiro {

/// The longest text, as the list reads it, that suggestItems considers: four times the longest
/// name. A longer text (a pasted paragraph) is no guess at a name and offers nothing.
inline constexpr std::size_t longestSuggestionText = 64;

} // namespace vekkiro
