#include "catalogue_names.h"

#include <algorithm>
#include <utility>

namespace vekkiro::suggestions {

const std::array<UnitFilter, ItemCatalogue::size>& nameFilters() noexcept {
    static const std::array<UnitFilter, ItemCatalogue::size> filters = [] {
        std::array<UnitFilter, ItemCatalogue::size> made{};
        for (std::size_t i = 0; i < made.size(); ++i)
            for (const char16_t unit : ItemCatalogue::entries()[i])
                made[i].add(comparedUnit(foldedAscii(unit)));
        return made;
    }();
    return filters;
}

const NameIndex& NameIndex::get() noexcept {
    static const NameIndex index;
    return index;
}

NameIndex::NameIndex() {
    std::vector<std::pair<char16_t, std::uint16_t>> holding, starting;
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const Name name(position);
        const auto at = static_cast<std::uint16_t>(position);
        for (std::size_t i = 0; i < name.size(); ++i)
            if (firstOfItsForm(name, i))
                holding.emplace_back(name.compared(i), at);
        starting.emplace_back(name.compared(0), at);
    }
    build(holding, m_holding);
    build(starting, m_starting);
}

void NameIndex::build(std::vector<std::pair<char16_t, std::uint16_t>>& pairs, Lists& out) {
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [unit, position] : pairs) {
        if (out.lists.empty() || out.lists.back().unit != unit)
            out.lists.push_back({unit, static_cast<std::uint16_t>(out.positions.size()), 0});
        ++out.lists.back().count;
        out.positions.push_back(position);
    }
}

std::span<const std::uint16_t> NameIndex::listOf(char16_t unit, const Lists& lists) noexcept {
    const auto list = std::lower_bound(lists.lists.begin(), lists.lists.end(), unit,
                                       [](const List& l, char16_t u) { return l.unit < u; });
    if (list == lists.lists.end() || list->unit != unit)
        return {};
    return std::span(lists.positions).subspan(list->first, list->count);
}

} // namespace vekkiro::suggestions
