#include "kind_filter.h"

#include "description_reader.h"
#include "state_filter.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace vekkiro::suggestions {

namespace {

bool isCharacter(char16_t unit) noexcept {
    return unit >= 0x3400;
}

// How many names end with the head, counted up to `enough`. A head is of characters: letters and
// digits before it say which one (A4纸, USB线), as a material or a use does.
std::size_t namesEndingWith(const Characters& thing, Head head, std::size_t enough,
                            std::uint16_t leftOut) noexcept {
    for (std::size_t at = head.at; at < head.at + head.size; ++at)
        if (!isCharacter(thing[at]))
            return 0;
    std::size_t count = 0;
    for (const std::uint16_t position :
         NameIndex::get().holding(thing.compared(head.at + head.size - 1))) {
        if (position != leftOut && endsWith(Name(position), thing, head) && ++count == enough)
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

// Whether the name holds a material before its head that the thing does not: 瓷酒瓶 is a bottle
// of porcelain, which a 红酒瓶 is not, and the catalogue files the two apart.
bool addsAMaterial(const Name& name, const Characters& thing, Head head) noexcept {
    constexpr std::u16string_view materials = u"塑胶玻瓷陶铁钢铝铜锡木竹布棉纸";
    for (std::size_t at = 0; at + head.size < name.size(); ++at) {
        const char16_t unit = name.compared(at);
        if (materials.find(unit) == std::u16string_view::npos)
            continue;
        bool held = false;
        for (std::size_t i = 0; i < thing.size() && !held; ++i)
            held = thing.compared(i) == unit;
        if (!held)
            return true;
    }
    return false;
}

// Whether a name of the thing's kind holds some of the rest of the thing (塑膠瓶: 塑料瓶 holds 塑).
bool holdsMoreOfTheThing(const Name& name, const Characters& thing, Head head) noexcept {
    return lackedBeforeHead(name, thing, head) < head.at;
}

// Which names of the thing's kind may be offered: those of one bin, and perhaps only those that
// hold more of the thing than its head.
struct OfferedKind {
    Category bin;
    bool onlyNearer;
};

// Whether a name is of the thing's kind as it was typed: not of another state (脏牛奶盒 is no
// 牛奶盒 for 酸奶盒子) and not of a material the thing lacks (瓷酒瓶 for 红酒瓶).
bool isOfTheThingAsTyped(const Name& name, std::uint16_t position, const Characters& thing,
                         std::uint8_t thingsStates, Head head) noexcept {
    const std::uint8_t states =
        statesIn(ItemCatalogue::entries()[static_cast<std::size_t>(position - 1)]);
    return (states & ~thingsStates) == 0 && !addsAMaterial(name, thing, head);
}

// A bin for the thing's kind, if its names tell one: of the names that hold more of the thing
// than its head, where any do, or else of them all, nearly every one is of that bin (鲜花 and
// 凋谢的花 tell a flower's bin, but with 永生花 beside them, no bin; of 塑料瓶 and 卸妆油瓶, a
// bottle is of no one bin). Where names end with the longer head, they are the kind: 塑料玩具 is
// a 玩具 before it is a 具. A head of two characters is a word, and one name of it is a kind
// (旧锁头: 废锁头); of one character, it takes two.
std::optional<OfferedKind> offeredKind(const Characters& thing, std::uint8_t thingsStates,
                                       const Heads& heads, std::uint16_t leftOut) noexcept {
    struct Bins {
        std::array<std::size_t, 4> of{};
        std::size_t names = 0;
        void add(Category bin) noexcept {
            ++of[static_cast<std::size_t>(bin)];
            ++names;
        }
        // The bin of all but one in ten, if any.
        [[nodiscard]] std::optional<Category> nearlyAll() const noexcept {
            const auto most = std::max_element(of.begin(), of.end());
            if (names == 0 || *most * 10 < names * 9)
                return std::nullopt;
            return static_cast<Category>(most - of.begin());
        }
    };
    Bins all;
    Bins nearer;
    forEachNameOfTheHeads(
        thing, heads, leftOut, [&](const Name& name, std::uint16_t position, Head head) {
            if (head.size < heads.longer.size ||
                !isOfTheThingAsTyped(name, position, thing, thingsStates, head))
                return;
            const Category bin = ItemCatalogue::categoryOf(position).value_or(Category::OtherWaste);
            all.add(bin);
            if (holdsMoreOfTheThing(name, thing, head))
                nearer.add(bin);
        });
    if (nearer.names > 0) {
        const std::optional<Category> bin = nearer.nearlyAll();
        return bin ? std::optional(OfferedKind{*bin, true}) : std::nullopt;
    }
    const std::optional<Category> bin = all.nearlyAll();
    if (!bin || all.names < (heads.longer.size == 2 ? 1U : 2U))
        return std::nullopt;
    return OfferedKind{*bin, false};
}

} // namespace

bool endsWith(const Name& name, const Characters& thing, Head head) noexcept {
    return endsWithBefore(name, thing, head, name.size());
}

bool endsWithBefore(const Name& name, const Characters& thing, Head head,
                    std::size_t end) noexcept {
    if (head.size == 0 || head.size > end)
        return false;
    const std::size_t start = end - head.size;
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

Heads headsOf(const Characters& thing, std::uint16_t leftOut) noexcept {
    const std::size_t size = thing.size();
    const std::size_t end = endOfHead(thing);
    Heads heads;
    for (const std::size_t last : {end, size}) {
        if (last >= 2 && size > 2 && namesEndingWith(thing, Head{last - 2, 2}, 1, leftOut) == 1) {
            heads.longer = Head{last - 2, 2};
            break;
        }
    }
    if (end >= 1 && size > 1 && namesEndingWith(thing, Head{end - 1, 1}, 2, leftOut) == 2)
        heads.shorter = Head{end - 1, 1};
    if (heads.longer.size > 0 || heads.shorter.size > 0 || end < 3)
        return heads;
    for (std::size_t at = end - 2; at-- > 0;)
        if (namesEndingWith(thing, Head{at, 2}, 1, leftOut) == 1)
            return Heads{Head{at, 2}, Head{}};
    return heads;
}

void KindFilter::apply(Candidates& candidates, const TextSoFar& text) noexcept {
    const Characters thing(text.thing);
    const Heads heads = headsOf(thing, candidates.leftOut());
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
    const std::uint8_t thingsStates = statesIn(thing.view());
    const std::optional<OfferedKind> offered =
        offeredKind(thing, thingsStates, heads, candidates.leftOut());
    if (!offered)
        return;
    forEachNameOfTheHeads(thing, heads, candidates.leftOut(),
                          [&](const Name& name, std::uint16_t position, Head head) {
                              if (head.size < heads.longer.size ||
                                  ItemCatalogue::categoryOf(position) != offered->bin ||
                                  !isOfTheThingAsTyped(name, position, thing, thingsStates, head) ||
                                  (offered->onlyNearer && !holdsMoreOfTheThing(name, thing, head)))
                                  return;
                              Found same{Match::SharedHead};
                              same.later = head.size < heads.longer.size;
                              same.order = static_cast<std::uint8_t>(
                                  distanceOf(lackedBeforeHead(name, thing, head), name.size()));
                              const std::uint16_t place = placeOf[position - 1U];
                              if (place == none)
                                  candidates.add(position, same);
                              else if (isBetter(same, candidates.at(place).found))
                                  candidates.at(place).found = same;
                          });
}

} // namespace vekkiro::suggestions
