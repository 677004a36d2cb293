#include "shape_matcher.h"

#include "hanzi_tables.h"

#include <span>

namespace vekkiro::suggestions {

namespace {

// Whether two characters look alike enough to be taken one for the other: they share their
// radical (盆 and 盒, 皿). Letters, digits and characters without a radical never do.
bool looksAlike(char16_t a, char16_t b) noexcept {
    const std::span<const std::uint8_t> radicals = detail::hanziTables.radicals;
    const auto radicalOf = [&](char16_t unit) -> std::uint8_t {
        const std::size_t at = unit - detail::firstRadicalCharacter;
        return unit >= detail::firstRadicalCharacter && at < radicals.size() ? radicals[at] : 0;
    };
    const std::uint8_t radical = radicalOf(a);
    return radical != 0 && radical == radicalOf(b);
}

} // namespace

std::optional<Match> bySlip(const Name& name, const Characters& text) noexcept {
    constexpr std::size_t shortest = 3;
    if (text.size() < shortest || text.size() > name.size() ||
        !name.filter().mayHoldAllButOne(text.filter()))
        return std::nullopt;
    for (std::size_t at = 0; at + text.size() <= name.size(); ++at) {
        std::size_t differ = 0;
        bool alike = true;
        for (std::size_t i = 0; i < text.size() && differ < 2; ++i) {
            if (name.compared(at + i) != text.compared(i)) {
                ++differ;
                alike = looksAlike(name[at + i], text[i]);
            }
        }
        if (differ == 1 && alike)
            return at == 0 && text.size() == name.size() ? Match::SlipEqual : Match::SlipContains;
    }
    return std::nullopt;
}

bool ShapeMatcher::match(const Name& name, int, Found& found) const noexcept {
    return !m_text.spellable() && answer(bySlip(name, m_text), found);
}

} // namespace vekkiro::suggestions
