#pragma once

#include <vekkiro/classification.h>

#include <array>
#include <optional>
#include <string_view>

namespace vekkiro {

/// The fixed, ordered list of every item name the program knows, compiled into the program.
/// Positions count from 1. Four consecutive runs, one per category, are followed by one sentinel
/// entry ("更多") that belongs to no category.
class ItemCatalogue {
public:
    static constexpr int size = 1548;
    /// The names of items: every entry but the sentinel.
    static constexpr int itemCount = size - 1;
    static constexpr int firstPosition = 1;
    static constexpr int sentinelPosition = size;

    /// The name at a position in 1..size; throws std::out_of_range for any other position.
    [[nodiscard]] static std::u16string_view entry(int position);

    /// The category of a position in 1..size, or none for the sentinel; throws std::out_of_range
    /// for any other position.
    [[nodiscard]] static std::optional<Category> categoryOf(int position);

    /// Every entry in position order (index 0 holds position 1).
    [[nodiscard]] static const std::array<std::u16string_view, size>& entries() noexcept;
};

} // namespace vekkiro
