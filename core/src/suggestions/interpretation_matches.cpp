#include "interpretation_matches.h"

#include "character_match.h"

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

InterpretationMatches::InterpretationMatches(const TextInterpretations& interpretations) noexcept {
    const NameIndex& index = NameIndex::get();
    for (const InterpretedText& reading : interpretations.others()) {
        const std::uint8_t searches = searchesFor(reading.as);
        const Characters& text = reading.text;
        if (text.size() == 0)
            continue;
        if ((searches & (SearchTextInName | SearchInOrder)) != 0) {
            for (const std::uint16_t position : index.holding(rarestUnit(text)))
                consider(position, reading, searches);
        }
        if ((searches & (SearchNameInText | SearchInOrder)) != 0) {
            for (std::size_t at = 0; at < text.size(); ++at)
                if (firstOfItsForm(text, at))
                    for (const std::uint16_t position : index.startingWith(text.compared(at)))
                        consider(position, reading, searches);
        }
        // A mistyped noun keeps its first or its second character.
        if (reading.as == Interpretation::Noun && text.size() >= 2)
            for (const std::size_t at : {std::size_t{0}, std::size_t{1}})
                for (const std::uint16_t position : index.holding(text.compared(at)))
                    consider(position, reading, searches);
    }
    for (const InterpretedText& reading : interpretations.english()) {
        if (reading.text.size() == 0)
            continue;
        for (const std::uint16_t position : index.holding(rarestUnit(reading.text)))
            consider(position, reading, SearchTextInName);
    }
}

void InterpretationMatches::consider(std::uint16_t position, const InterpretedText& reading,
                                     std::uint8_t searches) noexcept {
    const Name name(position);
    const std::optional<Found> found = byCharacters(name, reading.text, searches);
    // A noun of one character is too little to look for in longer names (我的手: no 手机).
    if (found && reading.text.size() == 1 && found->match != Match::Equal)
        return;
    std::optional<Found> counted;
    if (found) {
        counted = *found;
        counted->match = countedAs(found->match, reading.as);
        counted->englishNumber = reading.englishNumber;
    } else if (reading.as == Interpretation::Noun) {
        // The noun of a description may be mistyped as any name may (喝完的可乐罐).
        if (const auto slip = bySlip(name, reading.text))
            counted = Found{*slip};
    }
    std::optional<Found>& best = m_best[position - 1U];
    if (counted && (!best || counted->match < best->match))
        best = counted;
}

} // namespace vekkiro::suggestions
