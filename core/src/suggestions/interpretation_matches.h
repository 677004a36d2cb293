#pragma once

// The names that the other readings of a text match.

#include "catalogue_names.h"
#include "match_kinds.h"
#include "text_interpretations.h"

#include <vekkiro/item_catalogue.h>

#include <array>
#include <cstdint>
#include <optional>

namespace vekkiro::suggestions {

// The best match of every name through the other readings of the text, by position (index 0:
// position 1). Each reading looks only at the names that could match it: those that hold its
// rarest character (the reading in the name, in order, or mistyped), or that start with one of
// its characters (the name in the reading).
class InterpretationMatches {
public:
    explicit InterpretationMatches(const TextInterpretations& interpretations) noexcept;

    [[nodiscard]] const std::optional<Found>& of(int position) const noexcept {
        return m_best[static_cast<std::size_t>(position - 1)];
    }

private:
    void consider(std::uint16_t position, const InterpretedText& reading,
                  std::uint8_t searches) noexcept;

    std::array<std::optional<Found>, ItemCatalogue::size> m_best{};
};

} // namespace vekkiro::suggestions
