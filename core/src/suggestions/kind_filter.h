#pragma once

// The names of a text's kind. A thing the catalogue does not hold is often named by what it is
// made of, holds or is for, then by a head the catalogue knows: 红酒瓶子 is a 瓶, as 塑料瓶 and
// 玻璃瓶 are; 玩具手枪 a 玩具.

#include "candidates.h"
#include "catalogue_names.h"
#include "description_reader.h"
#include "name_kinds.h"
#include "reader.h"
#include "typed_text.h"

#include <cstddef>
#include <cstdint>

namespace vekkiro::suggestions {

// A head of a thing: its units from `at`, `size` of them. Empty when size is 0.
struct Head {
    std::size_t at = 0;
    std::size_t size = 0;
};

// The heads of a thing that names end with: its last two characters if a name ends with them,
// and its last character if two names or more do, a 子 or 儿 after them left out where no name
// keeps it (瓶子 is a 瓶); when it ends
// with neither, the last two characters further in that a name ends with (玩具手枪: 玩具). A
// head is never the whole thing, which matches by itself, and holds no letter or digit: those
// name a size, a model or a medium (A4纸 is a 纸). The name at `leftOut`, if any, is not counted.
struct Heads {
    Head longer;
    Head shorter;
};
[[nodiscard]] Heads headsOf(const Characters& thing, std::uint16_t leftOut = 0) noexcept;

// Whether the name ends with the thing's last character, a 子 or 儿 after it left out: it is
// surely of the thing's kind.
[[nodiscard]] bool endsAsTheThing(const Name& name, const Characters& thing) noexcept;

// Whether the name ends with the thing's head.
[[nodiscard]] bool endsWith(const Name& name, const Characters& thing, Head head) noexcept;
// Whether the name's units before `end` end with the thing's head.
[[nodiscard]] bool endsWithBefore(const Name& name, const Characters& thing, Head head,
                                  std::size_t end) noexcept;

// How many of the thing's characters before its head the name lacks: of names of one head, the
// one that holds more of the rest is nearer (塑科袋: 塑料袋 before 冰袋).
[[nodiscard]] std::size_t lackedBeforeHead(const Name& name, const Characters& thing,
                                           Head head) noexcept;

// Each name of the thing's kind but the one left out, once, by position, with the head it ends
// with: it ends with one of the heads (the shorter perhaps with a 子 or 儿 after it: 旧鞋子 is a
// 鞋), and where that is one character, the dictionary does not say the name is something else
// (山药 is a yam, no 药).
template <typename Each>
void forEachNameOfTheHeads(const Characters& thing, const Heads& heads, std::uint16_t leftOut,
                           Each each) {
    const Head last = heads.shorter.size > 0 ? heads.shorter : heads.longer;
    if (last.size == 0)
        return;
    const auto& ofTheirKind = namesOfTheirLastCharactersKind();
    for (const std::uint16_t position :
         NameIndex::get().holding(thing.compared(last.at + last.size - 1))) {
        if (position == leftOut)
            continue;
        const Name name(position);
        if (endsWith(name, thing, heads.longer))
            each(name, position, heads.longer);
        else if (ofTheirKind[position - 1U] &&
                 (endsWith(name, thing, heads.shorter) ||
                  (isNounSuffix(name[name.size() - 1]) &&
                   endsWithBefore(name, thing, heads.shorter, name.size() - 1))))
            each(name, position, heads.shorter);
    }
}

// Names of the thing's kind lead somewhere only where no nearer name is surely of its kind: none
// ends as the thing does (饼干盒子: 饼干 is no box; 啤酒瓶子: 啤酒瓶盖 is no bottle). And only
// where the kind tells the bin: two names of it or more, all of one bin. A row shows its bin, so
// a kind whose names the catalogue files apart (瓷酒瓶 其他垃圾, 玻璃瓶 可回收物) offers nothing
// rather than a guess.
struct KindFilter {
    static void apply(Candidates& candidates, const TextSoFar& text) noexcept;
};

} // namespace vekkiro::suggestions
