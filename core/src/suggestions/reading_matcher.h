#pragma once

// Matching the names against the readings of a text.

#include "catalogue_names.h"
#include "match_order.h"
#include "reading.h"

#include <vekkiro/item_catalogue.h>

#include <array>
#include <cstdint>
#include <optional>

namespace vekkiro::suggestions {

// The best match of every name through the readings given it, by position (index 0: position
// 1). Each reading looks only at the names that could match it: those that hold its rarest
// character (the reading in the name, in order, or mistyped), or that start with one of its
// characters (the name in the reading), as its kind of reading searches.
class ReadingMatches {
public:
    /// Matches the names against a reading, numbered `number` among those of its source.
    void match(const Reading& reading, std::uint8_t number) noexcept;

    [[nodiscard]] const std::optional<Found>& of(int position) const noexcept {
        return m_best[static_cast<std::size_t>(position - 1)];
    }

private:
    void consider(std::uint16_t position, const Reading& reading, std::uint8_t number) noexcept;

    std::array<std::optional<Found>, ItemCatalogue::size> m_best{};
};

} // namespace vekkiro::suggestions
