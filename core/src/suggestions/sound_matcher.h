#pragma once

// Matching a name by the sound of its characters.

#include "catalogue_names.h"
#include "match_order.h"
#include "typed_text.h"

#include <array>
#include <optional>

namespace vekkiro::suggestions {

// The text in the name where characters that differ read the same ("牙高": 牙膏), with at least
// one character the same.
class SoundMatcher {
public:
    static constexpr std::array kinds = {Match::SoundsEqual, Match::SoundsStartsWith,
                                         Match::SoundsContains};

    explicit SoundMatcher(const TypedText& text) noexcept
        : m_text(text) {}
    [[nodiscard]] std::optional<Found> match(const Name& name, int position) const noexcept;

private:
    const TypedText& m_text;
};

} // namespace vekkiro::suggestions
