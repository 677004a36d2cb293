#include "catalogue_entries.h"

#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <stdexcept>

namespace vekkiro {

namespace {

// Last position of each category run. The runs are contiguous, so these bounds are all the
// catalogue needs to give every position its category; the names themselves carry none.
constexpr int lastKitchenWaste = 602;
constexpr int lastOtherWaste = 1507;
constexpr int lastRecyclable = 1537;
constexpr int lastHazardousWaste = ItemCatalogue::itemCount;
static_assert(lastHazardousWaste + 1 == ItemCatalogue::sentinelPosition);

constexpr std::optional<Category> categoryOfValidPosition(int position) noexcept {
    if (position <= lastKitchenWaste)
        return Category::KitchenWaste;
    if (position <= lastOtherWaste)
        return Category::OtherWaste;
    if (position <= lastRecyclable)
        return Category::Recyclable;
    if (position <= lastHazardousWaste)
        return Category::HazardousWaste;
    return std::nullopt;
}

void requireValidPosition(int position) {
    if (position < ItemCatalogue::firstPosition || position > ItemCatalogue::size)
        throw std::out_of_range("catalogue position out of range");
}

} // namespace

std::u16string_view ItemCatalogue::entry(int position) {
    requireValidPosition(position);
    return detail::catalogueEntries[static_cast<std::size_t>(position - 1)];
}

std::optional<Category> ItemCatalogue::categoryOf(int position) {
    requireValidPosition(position);
    return categoryOfValidPosition(position);
}

const std::array<std::u16string_view, ItemCatalogue::size>& ItemCatalogue::entries() noexcept {
    return detail::catalogueEntries;
}

std::string_view binLabel(Category category) noexcept {
    switch (category) {
    case Category::Recyclable:
        return "可回收物";
    case Category::KitchenWaste:
        return "厨余垃圾";
    case Category::OtherWaste:
        return "其他垃圾";
    case Category::HazardousWaste:
        return "有害垃圾";
    }
    return {};
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
            categoryOfValidPosition(ItemCatalogue::firstPosition + static_cast<int>(index));
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
