#pragma once

// Which names are of the kind their last character names, by the dictionary's English rather
// than by the character: 中草药 (Chinese herbal medicine) is a 药 (medicine, drug), 山药 (yam) is
// none, though both end with it; 水果 (fruit) is a 果 (fruit), 手机 (cell phone) no 机 (machine).

#include <vekkiro/item_catalogue.h>

#include <array>

namespace vekkiro::suggestions {

// For each name (index 0: position 1), whether it is of its last character's kind: where the
// dictionary has English for the whole name and for the character, they share a word; where it
// lacks either, the characters are all there is to go by, and they say it is (塑料瓶 is a 瓶).
// Made once.
[[nodiscard]] const std::array<bool, ItemCatalogue::size>&
namesOfTheirLastCharactersKind() noexcept;

} // namespace vekkiro::suggestions
