#pragma once

// Matching a name by its characters: as typed, by sound, and by shape (a slip).

#include "catalogue_names.h"
#include "match_kinds.h"
#include "typed_text.h"

#include <cstdint>
#include <optional>

namespace vekkiro::suggestions {

// Which matches by characters to search for: the text in the name (Match::Equal, StartsWith,
// Contains), the name in the text (Match::NameInText), the one's characters in the other in
// order with gaps, or swapped (Match::InOrder).
enum CharacterSearch : std::uint8_t {
    SearchTextInName = 1,
    SearchNameInText = 2,
    SearchInOrder = 4,
    SearchEverything = SearchTextInName | SearchNameInText | SearchInOrder,
};

[[nodiscard]] std::optional<Found> byCharacters(const Name& name, const Characters& text,
                                                std::uint8_t searches = SearchEverything) noexcept;

// The text in the name where characters that differ read the same ("牙高": 牙膏), with at least
// one character the same.
[[nodiscard]] std::optional<Match> bySound(const Name& name, const TypedText& text) noexcept;

// One character of the text differs from the name's, or from a part of a name, where each has
// three characters or more, and the two look alike: a slip of the hand or the eye, not of the
// ear.
[[nodiscard]] std::optional<Match> bySlip(const Name& name, const Characters& text) noexcept;

} // namespace vekkiro::suggestions
