#include "catalogue_entries.h"

#include <vekkiro/bins.h>
#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>

namespace vekkiro {

std::string_view binLabel(Category category) noexcept {
    return binOf(category).label;
}

LookupOutcome classifyItem(std::u16string_view text) noexcept {
    // A plain scan in position order: at this size it beats any index, and the first equal
    // entry is the only one because no name occurs twice. It runs over the entries' keys
    // (length and first unit), which sit together and rarely match, so the loop's one branch
    // is predictable; comparing the names themselves would follow a pointer per name, and a
    // third of them share a text's length.
    const std::uint32_t key = detail::lookupKey(text);
    const auto& keys = detail::catalogueKeys;
    for (auto at = std::find(keys.begin(), keys.end(), key); at != keys.end();
         at = std::find(at + 1, keys.end(), key)) {
        const auto index = static_cast<std::size_t>(at - keys.begin());
        if (detail::catalogueEntries[index] != text)
            continue;
        const auto category =
            detail::categoryAt(ItemCatalogue::firstPosition + static_cast<int>(index));
        return category ? outcomeFor(*category) : LookupOutcome::NoChange;
    }
    return LookupOutcome::NotFound;
}

std::optional<PictureId> pictureForOutcome(LookupOutcome outcome) noexcept {
    switch (outcome) {
    case LookupOutcome::Recyclable:
        return PictureId::Recyclable;
    case LookupOutcome::KitchenWaste:
        return PictureId::KitchenWaste;
    case LookupOutcome::OtherWaste:
        return PictureId::OtherWaste;
    case LookupOutcome::HazardousWaste:
        return PictureId::HazardousWaste;
    case LookupOutcome::NotFound:
        return PictureId::NotFound;
    case LookupOutcome::NoChange:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vekkiro
