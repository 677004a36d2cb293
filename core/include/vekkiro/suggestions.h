#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vekkiro {

/// The catalogue names that contain the text, as positions in the catalogue, best first, at
/// most `limit` of them, to help a user find the exact name that the lookup needs.
///
/// Matching is by code unit, except that ASCII letters match in either case and the full-width
/// forms U+FF01–U+FF5E match their ASCII counterparts ("ph试纸" and "ＰＨ试纸" both find
/// "PH试纸"). Order: the name equal to the text, then names that start with it, then names that
/// contain it elsewhere; shorter names first within each, then catalogue order. The sentinel
/// entry is never suggested, and neither is anything for a text that is empty or only spaces.
/// Allocates nothing but the result.
[[nodiscard]] std::vector<int> suggestItems(std::u16string_view text, std::size_t limit);

} // namespace vekkiro
