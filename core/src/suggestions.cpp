#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <optional>
#include <tuple>

namespace vekkiro {

namespace {

// Full-width ASCII to ASCII, then ASCII upper case to lower case; nothing else changes.
constexpr char16_t folded(char16_t unit) noexcept {
    if (unit >= u'\uFF01' && unit <= u'\uFF5E')
        unit = static_cast<char16_t>(unit - (u'\uFF01' - u'!'));
    if (unit >= u'A' && unit <= u'Z')
        unit = static_cast<char16_t>(unit + (u'a' - u'A'));
    return unit;
}

bool foldedEqual(std::u16string_view a, std::u16string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

bool onlySpaces(std::u16string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), [](char16_t unit) {
        return unit == u' ' || unit == u'\t' || unit == u'\u3000';
    });
}

// How well a name matches; lower is better. Group 0: equal, 1: starts with the text,
// 2: contains it elsewhere.
using Rank = std::tuple<int, std::size_t, int>;

// The name's rank, or none if it does not contain the text.
std::optional<Rank> rankOf(std::u16string_view text, int position) {
    const std::u16string_view name = ItemCatalogue::entry(position);
    if (text.size() > name.size())
        return std::nullopt;
    for (std::size_t at = 0; at + text.size() <= name.size(); ++at) {
        if (!foldedEqual(name.substr(at, text.size()), text))
            continue;
        const int group = at > 0 ? 2 : name.size() == text.size() ? 0 : 1;
        return Rank{group, name.size(), position};
    }
    return std::nullopt;
}

} // namespace

std::vector<int> suggestItems(std::u16string_view text, std::size_t limit) {
    std::vector<int> best;
    if (limit == 0 || onlySpaces(text))
        return best;
    best.reserve(std::min<std::size_t>(limit, ItemCatalogue::sentinelPosition - 1));

    // Keeps the best `limit` matches in order as the catalogue is scanned once: each match goes
    // where its rank puts it, and a full list drops its last.
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const std::optional<Rank> rank = rankOf(text, position);
        if (!rank)
            continue;
        const auto rankAt = [&](int p) {
            return *rankOf(text, p);
        };
        if (best.size() == limit && !(*rank < rankAt(best.back())))
            continue;
        const auto at = std::upper_bound(best.begin(), best.end(), *rank,
                                         [&](const Rank& r, int p) { return r < rankAt(p); });
        const auto index = at - best.begin();
        if (best.size() == limit)
            best.pop_back();
        best.insert(best.begin() + index, position);
    }
    return best;
}

} // namespace vekkiro
