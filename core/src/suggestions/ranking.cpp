#include "ranking.h"

#include "catalogue_names.h"

#include <algorithm>

namespace vekkiro::suggestions {

namespace {

// The ranking rule, all of it: by kind of match in matchOrder; within a kind, names spelled in
// their characters' commonest readings first, and of names that the text holds, the one it ends
// with first; then as the kind says (WithinKind): shorter names first, the longest first, in the
// order of their English, or the nearer to the thing first; then catalogue order. Packed into one
// number, smaller is better: the kind, then the order within it, then the position.
constexpr int positionBits = 11;
constexpr int lengthBits = 6;
constexpr int orderBits = lengthBits + 1;
static_assert(ItemCatalogue::size < (1 << positionBits));
static_assert(matchKinds < (1U << (32 - orderBits - positionBits)));

constexpr std::uint32_t rankOf(const Found& found, std::size_t nameLength,
                               std::size_t position) noexcept {
    constexpr std::size_t longest = (1U << lengthBits) - 1;
    const bool later = found.later;
    const std::size_t length = std::min(nameLength, longest);
    std::size_t order = later ? 1U << lengthBits : 0U;
    switch (withinKind(found.match)) {
    case WithinKind::Shorter:
        order += length;
        break;
    case WithinKind::Longer:
        order += longest - length;
        break;
    case WithinKind::ByEnglish:
        order = found.order;
        break;
    case WithinKind::Nearer:
        order += std::min<std::size_t>(found.order, longest);
        break;
    }
    return static_cast<std::uint32_t>(rankOf(found.match)) << (orderBits + positionBits) |
           static_cast<std::uint32_t>(order) << positionBits | static_cast<std::uint32_t>(position);
}

} // namespace

Ranking::Ranking(std::span<const Candidate> candidates, std::size_t limit) noexcept {
    // A name is a candidate once: its position leads back to its place.
    // Only what is set is read: left unset, they cost a keystroke nothing.
    std::array<std::uint32_t, ItemCatalogue::size> ranks;
    std::array<std::uint16_t, ItemCatalogue::size + 1> placeOf;
    for (std::size_t place = 0; place < candidates.size(); ++place) {
        const Candidate& candidate = candidates[place];
        ranks[place] =
            rankOf(candidate.found, ItemCatalogue::entries()[candidate.position - 1U].size(),
                   candidate.position);
        placeOf[candidate.position] = static_cast<std::uint16_t>(place);
    }
    m_kept = std::min(limit, candidates.size());
    const auto begin = ranks.begin();
    std::partial_sort(begin, begin + static_cast<std::ptrdiff_t>(m_kept),
                      begin + static_cast<std::ptrdiff_t>(candidates.size()));
    for (std::size_t i = 0; i < m_kept; ++i)
        m_best[i] = placeOf[ranks[i] & ((1U << positionBits) - 1)];
}

} // namespace vekkiro::suggestions
