#include "ranking.h"

#include "catalogue_names.h"
#include "character_match.h"
#include "interpretation_matches.h"
#include "match_kinds.h"
#include "pinyin_spelling.h"
#include "pinyin_typos.h"
#include "shared_heads.h"

#include <algorithm>
#include <bitset>
#include <optional>

namespace vekkiro::suggestions {

namespace {

// The ranking rule, all of it: by kind of match in Match's order; within a kind, names spelled
// in their characters' commonest readings first, and of names that the text holds, the one it
// ends with first; then shorter names first, except among names that the text holds, where the
// longest is the most of what was typed and comes first; then catalogue order. Matches through
// English keep the order of their English instead of length; names of the thing's head (the
// last kind) put the longer head, then those that hold more of its other characters, first.
// Packed into one number, smaller is better: the kind, then the order within it, then the position.
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

// Of names of the thing's head, what stands for the length: the characters before the head
// that a name lacks, then its length.
constexpr std::size_t distanceOf(std::size_t lacked, std::size_t nameLength) noexcept {
    constexpr std::size_t most = 7;
    return std::min(lacked, most) * (most + 1) + std::min(nameLength, most);
}

constexpr Match matchInRank(std::uint32_t rank) noexcept {
    return static_cast<Match>(rank >> (orderBits + positionBits));
}

constexpr std::size_t englishNumberInRank(std::uint32_t rank) noexcept {
    return (rank >> positionBits) & ((1U << orderBits) - 1);
}

// The best match of the name with the text as typed: by its characters, by sound, by shape,
// then by pinyin, as typed or mistyped.
std::optional<Found> matchAsTyped(int position, const Name& name, const TypedText& text,
                                  const MistypedPinyin& mistyped) noexcept {
    if (const auto found = byCharacters(name, text))
        return found;
    if (const auto match = bySound(name, text))
        return Found{*match};
    if (!text.spellable())
        if (const auto match = bySlip(name, text))
            return Found{*match};
    if (const auto found = byPinyin(name, text))
        return found;
    if (const auto match = mistyped.of(position))
        return Found{*match};
    return std::nullopt;
}

} // namespace

Ranking::Ranking(std::u16string_view typed, std::size_t limit) noexcept
    : m_text(typed)
    , m_interpretations(typed, m_text) {
    if (limit == 0 || m_text.size() == 0)
        return;
    const InterpretationMatches others(m_interpretations);
    const MistypedPinyin mistyped(m_text);
    // Every match; only the first `found` are ever read.
    std::size_t found = 0;
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const Name name(position);
        std::optional<Found> best = matchAsTyped(position, name, m_text, mistyped);
        const std::optional<Found>& other = others.of(position);
        if (other && (!best || other->match < best->match))
            best = other;
        if (best)
            m_ranks[found++] = rankOf(*best, name.size(), position);
    }
    found = withoutSlipsToAnotherBin(found);
    found = withNamesOfTheThingsKind(found);
    m_kept = std::min(limit, found);
    std::partial_sort(m_ranks.begin(), m_ranks.begin() + static_cast<std::ptrdiff_t>(m_kept),
                      m_ranks.begin() + static_cast<std::ptrdiff_t>(found));
}

// Names of the thing's kind lead somewhere only where no nearer name is surely of its kind: none
// ends as the thing does (饼干盒子: 饼干 is no box; 啤酒瓶子: 啤酒瓶盖 is no bottle).
std::size_t Ranking::withNamesOfTheThingsKind(std::size_t found) noexcept {
    const Characters thing(m_interpretations.thing());
    const Heads heads = headsOf(thing);
    if (heads.longer.size == 0 && heads.shorter.size == 0)
        return found;
    std::bitset<ItemCatalogue::size> offered;
    for (std::size_t i = 0; i < found; ++i) {
        const int position = positionOf(m_ranks[i]);
        if (endsAsTheThing(Name(position), thing))
            return found;
        offered.set(static_cast<std::size_t>(position - 1));
    }
    forEachNameOfTheHeads(thing, heads, [&](const Name& name, std::uint16_t position, Head head) {
        if (offered.test(position - 1U))
            return;
        Found same{Match::SharedHead};
        same.notTheTextsHead = head.size < heads.longer.size;
        m_ranks[found++] =
            rankOf(same, distanceOf(lackedBeforeHead(name, thing, head), name.size()), position);
    });
    return found;
}

// A slip that leads to another bin than every nearer name does is worse than no name: the text
// is more likely a word of that bin's kind than a mistyped name of another's.
std::size_t Ranking::withoutSlipsToAnotherBin(std::size_t found) noexcept {
    const auto binOf = [](std::uint32_t rank) {
        return ItemCatalogue::categoryOf(positionOf(rank)).value_or(Category::OtherWaste);
    };
    std::optional<Category> nearerBin;
    for (std::size_t i = 0; i < found; ++i) {
        if (matchInRank(m_ranks[i]) >= Match::SlipEqual)
            continue;
        if (nearerBin && *nearerBin != binOf(m_ranks[i]))
            return found;
        nearerBin = binOf(m_ranks[i]);
    }
    if (!nearerBin)
        return found;
    const auto isSlip = [](Match match) {
        return match == Match::SlipEqual || match == Match::SlipContains;
    };
    const auto end = std::remove_if(
        m_ranks.begin(), m_ranks.begin() + static_cast<std::ptrdiff_t>(found),
        [&](std::uint32_t rank) { return isSlip(matchInRank(rank)) && binOf(rank) != *nearerBin; });
    return static_cast<std::size_t>(end - m_ranks.begin());
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
