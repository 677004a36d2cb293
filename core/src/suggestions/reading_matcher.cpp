#include "reading_matcher.h"

#include "character_matcher.h"
#include "shape_matcher.h"

namespace vekkiro::suggestions {

namespace {

char16_t rarestUnit(const Characters& text) noexcept {
    const NameIndex& index = NameIndex::get();
    char16_t rarest = text.compared(0);
    std::size_t fewest = index.holding(rarest).size();
    for (std::size_t at = 1; at < text.size(); ++at) {
        const std::size_t count = index.holding(text.compared(at)).size();
        if (count < fewest) {
            fewest = count;
            rarest = text.compared(at);
        }
    }
    return rarest;
}

} // namespace

void ReadingMatches::match(const Reading& reading, std::uint8_t number) noexcept {
    const NameIndex& index = NameIndex::get();
    const CountedAs& kinds = kindsOf(reading.as);
    const Characters& text = reading.text;
    if (text.size() == 0)
        return;
    if ((kinds.searches & (SearchTextInName | SearchInOrder)) != 0) {
        for (const std::uint16_t position : index.holding(rarestUnit(text)))
            consider(position, reading, number);
    }
    if ((kinds.searches & (SearchNameInText | SearchInOrder)) != 0) {
        for (std::size_t at = 0; at < text.size(); ++at)
            if (firstOfItsForm(text, at))
                for (const std::uint16_t position : index.startingWith(text.compared(at)))
                    consider(position, reading, number);
    }
    // A mistyped noun keeps its first or its second character.
    if (kinds.mayBeMistyped && text.size() >= 2)
        for (const std::size_t at : {std::size_t{0}, std::size_t{1}})
            for (const std::uint16_t position : index.holding(text.compared(at)))
                consider(position, reading, number);
}

void ReadingMatches::consider(std::uint16_t position, const Reading& reading,
                              std::uint8_t number) noexcept {
    const Name name(position);
    const CountedAs& kinds = kindsOf(reading.as);
    Found found{};
    const bool matched = byCharacters(name, reading.text, kinds.searches, found);
    // A noun of one character is too little to look for in longer names (我的手: no 手机), and
    // some readings name only whole names.
    if (matched && (reading.text.size() == 1 || kinds.wholeNamesOnly) &&
        found.match != Match::Equal)
        return;
    std::optional<Found> counted;
    if (matched) {
        counted = found;
        counted->match = countedAs(found.match, reading.as);
        counted->order = number;
    } else if (kinds.mayBeMistyped) {
        if (const auto slip = bySlip(name, reading.text))
            counted = Found{*slip};
    }
    std::optional<Found>& best = m_best[position - 1U];
    if (counted && (!best || isBetter(*counted, *best)))
        best = counted;
}

} // namespace vekkiro::suggestions
