#include "kind_filter.h"

#include "description_reader.h"

#include <algorithm>
#include <array>

namespace vekkiro::suggestions {

namespace {

bool isCharacter(char16_t unit) noexcept {
    return unit >= 0x3400;
}

// How many names end with the head, counted up to `enough`. A head is of characters: letters and
// digits before it say which one (A4纸, USB线), as a material or a use does.
std::size_t namesEndingWith(const Characters& thing, Head head, std::size_t enough) noexcept {
    for (std::size_t at = head.at; at < head.at + head.size; ++at)
        if (!isCharacter(thing[at]))
            return 0;
    std::size_t count = 0;
    for (const std::uint16_t position :
         NameIndex::get().holding(thing.compared(head.at + head.size - 1))) {
        if (endsWith(Name(position), thing, head) && ++count == enough)
            break;
    }
    return count;
}

// Where the thing ends but for a 子 or 儿 after a character, which says nothing of its kind:
// 瓶子 is a 瓶, but 筷子 are 筷子.
std::size_t endOfHead(const Characters& thing) noexcept {
    const std::size_t size = thing.size();
    return size >= 2 && isNounSuffix(thing[size - 1]) ? size - 1 : size;
}

// Of names of the thing's head, how near a name is: the characters before the head that it
// lacks, then its length.
constexpr std::size_t distanceOf(std::size_t lacked, std::size_t nameLength) noexcept {
    constexpr std::size_t most = 7;
    return std::min(lacked, most) * (most + 1) + std::min(nameLength, most);
}

} // namespace

bool endsWith(const Name& name, const Characters& thing, Head head) noexcept {
    if (head.size == 0 || head.size > name.size())
        return false;
    const std::size_t start = name.size() - head.size;
    for (std::size_t i = 0; i < head.size; ++i)
        if (name.compared(start + i) != thing.compared(head.at + i))
            return false;
    return true;
}

std::size_t lackedBeforeHead(const Name& name, const Characters& thing, Head head) noexcept {
    std::size_t lacked = 0;
    for (std::size_t at = 0; at < head.at; ++at) {
        bool held = false;
        for (std::size_t i = 0; i + head.size < name.size() && !held; ++i)
            held = name.compared(i) == thing.compared(at);
        lacked += held ? 0U : 1U;
    }
    return lacked;
}

bool endsAsTheThing(const Name& name, const Characters& thing) noexcept {
    const std::size_t end = endOfHead(thing);
    return end > 0 && endsWith(name, thing, Head{end - 1, 1});
}

Heads headsOf(const Characters& thing) noexcept {
    const std::size_t size = thing.size();
    const std::size_t end = endOfHead(thing);
    Heads heads;
    for (const std::size_t last : {end, size}) {
        if (last >= 2 && size > 2 && namesEndingWith(thing, Head{last - 2, 2}, 1) == 1) {
            heads.longer = Head{last - 2, 2};
            break;
        }
    }
    if (end >= 1 && size > 1 && namesEndingWith(thing, Head{end - 1, 1}, 2) == 2)
        heads.shorter = Head{end - 1, 1};
    if (heads.longer.size > 0 || heads.shorter.size > 0 || end < 3)
        return heads;
    for (std::size_t at = end - 2; at-- > 0;)
        if (namesEndingWith(thing, Head{at, 2}, 1) == 1)
            return Heads{Head{at, 2}, Head{}};
    return heads;
}

void KindFilter::apply(Candidates& candidates, const TextSoFar& text) noexcept {
    const Characters thing(text.thing);
    const Heads heads = headsOf(thing);
    if (heads.longer.size == 0 && heads.shorter.size == 0)
        return;
    // Where each name stands among the candidates, if it does, by position (index 0: 1).
    constexpr std::uint16_t none = ItemCatalogue::size;
    std::array<std::uint16_t, ItemCatalogue::size> placeOf{};
    placeOf.fill(none);
    for (std::size_t place = 0; place < candidates.all().size(); ++place) {
        const Candidate& candidate = candidates.all()[place];
        // Only a nearer name tells the thing's kind: one read two ways at once is no surer.
        if (isBetter(candidate.found.match, Match::SharedHead) &&
            endsAsTheThing(Name(candidate.position), thing))
            return;
        placeOf[candidate.position - 1U] = static_cast<std::uint16_t>(place);
    }
    forEachNameOfTheHeads(thing, heads, [&](const Name& name, std::uint16_t position, Head head) {
        Found same{Match::SharedHead};
        same.later = head.size < heads.longer.size;
        same.order =
            static_cast<std::uint8_t>(distanceOf(lackedBeforeHead(name, thing, head), name.size()));
        const std::uint16_t place = placeOf[position - 1U];
        if (place == none)
            candidates.add(position, same);
        else if (isBetter(same, candidates.at(place).found))
            candidates.at(place).found = same;
    });
}

} // namespace vekkiro::suggestions
