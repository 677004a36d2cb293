#pragma once

// The last stage: the names found, in order.

#include "candidates.h"

#include <vekkiro/item_catalogue.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vekkiro::suggestions {

// The best `limit` candidates, best first: each packed into one number of its kind's rank, its
// order within the kind and its position, and those numbers sorted. Allocates
// nothing.
class Ranking {
public:
    Ranking(std::span<const Candidate> candidates, std::size_t limit) noexcept;

    /// The places of the best candidates in what was ranked, best first.
    [[nodiscard]] std::span<const std::uint16_t> best() const noexcept {
        return {m_best.data(), m_kept};
    }

private:
    std::array<std::uint16_t, ItemCatalogue::size> m_best; // the first m_kept only
    std::size_t m_kept = 0;
};

} // namespace vekkiro::suggestions
