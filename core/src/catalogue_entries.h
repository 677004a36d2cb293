#pragma once

#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vekkiro::detail {

/// The names of the catalogue in position order; defined in item_catalogue.cpp with the rest of the
/// catalogue.
extern const std::array<std::u16string_view, ItemCatalogue::size> catalogueEntries;

/// A text's length and first unit in one number: equal for equal texts, and for any name
/// different from most others', so a scan can compare these first, side by side in memory.
constexpr std::uint32_t lookupKey(std::u16string_view text) noexcept {
    if (text.empty())
        return 0;
    const std::size_t length = std::min<std::size_t>(text.size(), 0xFFFF);
    return static_cast<std::uint32_t>(length) << 16 | text.front();
}

/// lookupKey of every entry of catalogueEntries, in the same order.
extern const std::array<std::uint32_t, ItemCatalogue::size> catalogueKeys;

/// The category of a position in 1..size, by the category runs; none for the sentinel.
[[nodiscard]] std::optional<Category> categoryAt(int position) noexcept;

} // namespace vekkiro::detail
