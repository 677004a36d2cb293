#pragma once

// The last stage: every name matched against the text and its other readings, and the best
// ones in order.

#include "text_interpretations.h"
#include "typed_text.h"

#include <vekkiro/item_catalogue.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// The names a text leads to, ranked, each as a number that packs its kind of match, its order
// within the kind and its position: at most `limit`, best first. Allocates nothing.
class Ranking {
public:
    Ranking(std::u16string_view typed, std::size_t limit) noexcept;

    [[nodiscard]] std::span<const std::uint32_t> best() const noexcept {
        return {m_ranks.data(), m_kept};
    }
    /// The catalogue position of a ranked name.
    [[nodiscard]] static int positionOf(std::uint32_t rank) noexcept;
    /// The English that led to a ranked name, if any.
    [[nodiscard]] std::array<std::string_view, 3> englishOf(std::uint32_t rank) const noexcept;

private:
    std::size_t withoutSlipsToAnotherBin(std::size_t found) noexcept;
    std::size_t withNamesOfTheThingsKind(std::size_t found) noexcept;

    TypedText m_text;
    TextInterpretations m_interpretations;
    std::array<std::uint32_t, ItemCatalogue::size> m_ranks;
    std::size_t m_kept = 0;
};

} // namespace vekkiro::suggestions
