#pragma once

// For measures of the list, not for the program: the list as it would be for a catalogue that
// lacks one name, so that every name can stand in turn for a thing the catalogue does not hold.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vekkiro {

/// As suggestItems, as though the catalogue had no name at `leftOut`.
[[nodiscard]] std::vector<int> suggestItemsLeavingOut(std::u16string_view text, std::size_t limit,
                                                      int leftOut);

} // namespace vekkiro
