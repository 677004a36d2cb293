#include "catalogue_entries.h"

#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <stdexcept>

namespace vekkiro {

namespace {

// Last position of each category run. The runs are contiguous, so these bounds are all the
// catalogue needs to give every position its category; the names themselves carry none.
constexpr int lastKitchenWaste = 602;
constexpr int lastOtherWaste = 1507;
constexpr int lastRecyclable = 1537;
constexpr int lastHazardousWaste = 1547;
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
    // entry is the only one because no name occurs twice.
    int position = ItemCatalogue::firstPosition;
    for (const std::u16string_view name : detail::catalogueEntries) {
        if (name == text) {
            const auto category = categoryOfValidPosition(position);
            return category ? outcomeFor(*category) : LookupOutcome::NoChange;
        }
        ++position;
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
