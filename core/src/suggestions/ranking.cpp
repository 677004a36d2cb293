#include "ranking.h"

#include "catalogue_names.h"
#include "character_match.h"
#include "interpretation_matches.h"
#include "match_kinds.h"
#include "pinyin_spelling.h"

#include <algorithm>
#include <optional>

namespace vekkiro::suggestions {

namespace {

// The ranking rule, all of it: by kind of match in Match's order; within a kind, names spelled
// in their characters' commonest readings first, and of names that the text holds, the one it
// ends with first; then shorter names first, except among names that the text holds, where the
// longest is the most of what was typed and comes first; then catalogue order. Matches through
// English keep the order of their English instead of length. Packed into one number, smaller is
// better: the kind, then the order within it, then the position.
constexpr int positionBits = 11;
constexpr int lengthBits = 6;
constexpr int orderBits = lengthBits + 1;
static_assert(ItemCatalogue::size < (1 << positionBits));
static_assert(static_cast<int>(Match::Last) < (1 << (32 - orderBits - positionBits)));

constexpr std::uint32_t rankOf(Found found, std::size_t nameLength, int position) noexcept {
    constexpr std::size_t longest = (1U << lengthBits) - 1;
    const std::size_t length = std::min(nameLength, longest);
    const bool later = found.rarerReading || found.notTheTextsHead;
    const std::size_t order =
        isEnglish(found.match) ? found.englishNumber
                               : (later ? 1U << lengthBits : 0U) +
                                     (found.match == Match::NameInText ? longest - length : length);
    return static_cast<std::uint32_t>(found.match) << (orderBits + positionBits) |
           static_cast<std::uint32_t>(order) << positionBits | static_cast<std::uint32_t>(position);
}

constexpr Match matchInRank(std::uint32_t rank) noexcept {
    return static_cast<Match>(rank >> (orderBits + positionBits));
}

constexpr std::size_t englishNumberInRank(std::uint32_t rank) noexcept {
    return (rank >> positionBits) & ((1U << orderBits) - 1);
}

// The best match of the name with the text as typed: by its characters, by sound, by shape,
// then by pinyin.
std::optional<Found> matchAsTyped(const Name& name, const TypedText& text) noexcept {
    if (const auto found = byCharacters(name, text))
        return found;
    if (const auto match = bySound(name, text))
        return Found{*match};
    if (!text.spellable())
        if (const auto match = bySlip(name, text))
            return Found{*match};
    return byPinyin(name, text);
}

} // namespace

Ranking::Ranking(std::u16string_view typed, std::size_t limit) noexcept
    : m_text(typed)
    , m_interpretations(typed, m_text) {
    if (limit == 0 || m_text.size() == 0)
        return;
    const InterpretationMatches others(m_interpretations);
    // Every match; only the first `found` are ever read.
    std::size_t found = 0;
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const Name name(position);
        std::optional<Found> best = matchAsTyped(name, m_text);
        const std::optional<Found>& other = others.of(position);
        if (other && (!best || other->match < best->match))
            best = other;
        if (best)
            m_ranks[found++] = rankOf(*best, name.size(), position);
    }
    m_kept = std::min(limit, found);
    std::partial_sort(m_ranks.begin(), m_ranks.begin() + static_cast<std::ptrdiff_t>(m_kept),
                      m_ranks.begin() + static_cast<std::ptrdiff_t>(found));
}

int Ranking::positionOf(std::uint32_t rank) noexcept {
    return static_cast<int>(rank & ((1U << positionBits) - 1));
}

std::array<std::string_view, 3> Ranking::englishOf(std::uint32_t rank) const noexcept {
    if (!isEnglish(matchInRank(rank)))
        return {};
    return m_interpretations.english()[englishNumberInRank(rank)].english;
}

} // namespace vekkiro::suggestions
