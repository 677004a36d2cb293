#include "state_filter.h"

#include <vekkiro/item_catalogue.h>

#include <array>
#include <optional>

namespace vekkiro::suggestions {

namespace {

struct StateWord {
    std::u16string_view word;
    std::uint8_t state;
};

// 油 alone is no state: 酱油 and 食用油 are things.
constexpr std::array stateWords = {
    StateWord{u"脏", Dirty},    StateWord{u"污染", Dirty}, StateWord{u"污渍", Dirty},
    StateWord{u"湿", Wet},      StateWord{u"油渍", Oily},  StateWord{u"油污", Oily},
    StateWord{u"沾了油", Oily}, StateWord{u"沾油", Oily},  StateWord{u"油腻", Oily},
    StateWord{u"霉", Mouldy},
};

std::uint8_t statesOf(const Candidate& candidate) noexcept {
    return statesIn(ItemCatalogue::entries()[static_cast<std::size_t>(candidate.position - 1)]);
}

} // namespace

std::uint8_t statesIn(std::u16string_view text) noexcept {
    std::uint8_t states = 0;
    for (const StateWord& state : stateWords)
        if (text.find(state.word) != std::u16string_view::npos)
            states |= state.state;
    return states;
}

void StateFilter::apply(Candidates& candidates, const TextSoFar& text) noexcept {
    const std::uint8_t named = statesIn(text.typed.view());
    if (named == 0)
        return;
    const std::optional<Category> binOfTheState =
        oneBinOf(candidates.all(),
                 [&](const Candidate& candidate) { return (statesOf(candidate) & named) != 0; });
    if (!binOfTheState)
        return;
    candidates.removeIf([&](const Candidate& candidate) {
        return statesOf(candidate) == 0 && binOf(candidate) != *binOfTheState;
    });
}

} // namespace vekkiro::suggestions
