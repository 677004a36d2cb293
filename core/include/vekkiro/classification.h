#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vekkiro {

/// The four bins, in the order in which they stand in the artwork, left to right.
enum class Category : std::uint8_t {
    Recyclable,     ///< "可回收物", the blue bin
    KitchenWaste,   ///< "厨余垃圾", the green bin
    OtherWaste,     ///< "其他垃圾", the yellow bin
    HazardousWaste, ///< "有害垃圾", the red bin
};

/// The answer to one lookup.
enum class LookupOutcome : std::uint8_t {
    Recyclable,
    KitchenWaste,
    OtherWaste,
    HazardousWaste,
    NotFound, ///< the text equals no catalogue entry
    NoChange, ///< the text equals the sentinel entry: leave the screen as it is
};

/// Identifier of a result picture. Only these five exist.
enum class PictureId : std::uint16_t {
    Recyclable = 101,
    KitchenWaste = 102,
    OtherWaste = 103,
    HazardousWaste = 104,
    NotFound = 105,
};

/// Every result picture, in the order of their numbers.
inline constexpr std::array allPictureIds = {PictureId::Recyclable, PictureId::KitchenWaste,
                                             PictureId::OtherWaste, PictureId::HazardousWaste,
                                             PictureId::NotFound};

/// The outcome that stands for a category.
[[nodiscard]] constexpr LookupOutcome outcomeFor(Category category) noexcept {
    switch (category) {
    case Category::Recyclable:
        return LookupOutcome::Recyclable;
    case Category::KitchenWaste:
        return LookupOutcome::KitchenWaste;
    case Category::OtherWaste:
        return LookupOutcome::OtherWaste;
    case Category::HazardousWaste:
        return LookupOutcome::HazardousWaste;
    }
    return LookupOutcome::NotFound;
}

/// The bin's label as the artwork writes it, UTF-8.
[[nodiscard]] std::string_view binLabel(Category category) noexcept;

/// Classifies a typed item name by exact equality, code unit by code unit, with the catalogue:
/// no trimming, no case folding, no normalisation, no locale. Any sequence of UTF-16 code units
/// is accepted (lone surrogates, NUL, any length). Gives the category of the matching entry,
/// NoChange for the sentinel entry, NotFound otherwise. Allocates nothing, cannot fail.
[[nodiscard]] LookupOutcome classifyItem(std::u16string_view text) noexcept;

/// The picture that answers an outcome, or none for NoChange.
[[nodiscard]] std::optional<PictureId> pictureForOutcome(LookupOutcome outcome) noexcept;

} // namespace vekkiro
