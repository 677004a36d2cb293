#pragma once

// The names a text matches, with how each matches: what the matchers find, the filters change
// and the ranking puts in order.

#include "match_order.h"

#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vekkiro::suggestions {

struct Candidate {
    std::uint16_t position;
    Found found;
};

// At most one candidate a name, in the order found. Allocates nothing.
class Candidates {
public:
    void add(std::uint16_t position, Found found) noexcept {
        if (m_count < m_found.size())
            m_found[m_count++] = Candidate{position, found};
    }
    [[nodiscard]] std::span<const Candidate> all() const noexcept {
        return {m_found.data(), m_count};
    }
    /// The candidate at a place in all(), to give it a better match.
    [[nodiscard]] Candidate& at(std::size_t place) noexcept { return m_found[place]; }
    /// Takes out those that `out` says go, keeping the others' order.
    template <typename Out> void removeIf(Out out) noexcept {
        const auto begin = m_found.begin();
        m_count = static_cast<std::size_t>(
            std::remove_if(begin, begin + static_cast<std::ptrdiff_t>(m_count), out) - begin);
    }

private:
    std::array<Candidate, ItemCatalogue::size> m_found{};
    std::size_t m_count = 0;
};

} // namespace vekkiro::suggestions
