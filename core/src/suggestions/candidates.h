#pragma once

// The names a text matches, with how each matches: what the matchers find, the filters change
// and the ranking puts in order.

#include "match_order.h"

#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vekkiro::suggestions {

struct Candidate {
    std::uint16_t position;
    Found found;
};

// The bin a candidate's row shows.
inline Category binOf(const Candidate& candidate) noexcept {
    return ItemCatalogue::categoryOf(candidate.position).value_or(Category::OtherWaste);
}

// The bin that every candidate `counts` says to count is of, if they share one; none where
// they are of two or none counts.
template <typename Counts>
std::optional<Category> oneBinOf(std::span<const Candidate> candidates, Counts counts) noexcept {
    std::optional<Category> bin;
    for (const Candidate& candidate : candidates) {
        if (!counts(candidate))
            continue;
        if (bin && *bin != binOf(candidate))
            return std::nullopt;
        bin = binOf(candidate);
    }
    return bin;
}

// At most one candidate a name, in the order found. Allocates nothing. A measure may leave one
// name out, to see what the list offers for a thing the catalogue lacks.
class Candidates {
public:
    Candidates() noexcept = default;
    explicit Candidates(std::uint16_t leftOut) noexcept
        : m_leftOut(leftOut) {}

    void add(std::uint16_t position, Found found) noexcept {
        if (m_count < m_found.size() && position != m_leftOut)
            m_found[m_count++] = Candidate{position, found};
    }
    /// The position of the name left out, 0 for none.
    [[nodiscard]] std::uint16_t leftOut() const noexcept { return m_leftOut; }
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
    std::uint16_t m_leftOut = 0;
};

} // namespace vekkiro::suggestions
