#include "hanzi_tables.h"

#include <vekkiro/hanzi.h>

#include <algorithm>

namespace vekkiro {

using detail::hanziTables;

std::string_view Pinyin::operator[](std::size_t index) const noexcept {
    return hanziTables.syllables[m_syllables[index]];
}

bool Pinyin::sharesReadingWith(Pinyin other) const noexcept {
    // Both lists are a handful of numbers at most: a nested scan beats any set.
    return std::any_of(m_syllables.begin(), m_syllables.end(), [&](std::uint16_t syllable) {
        return std::find(other.m_syllables.begin(), other.m_syllables.end(), syllable) !=
               other.m_syllables.end();
    });
}

Pinyin pinyinOf(char16_t character) noexcept {
    const auto& rows = hanziTables.characterReadings;
    const auto row = std::lower_bound(
        rows.begin(), rows.end(), character,
        [](const detail::CharacterReadings& r, char16_t c) { return r.character < c; });
    if (row == rows.end() || row->character != character)
        return {};
    return Pinyin(hanziTables.readingSyllables.subspan(row->first, row->count));
}

char16_t simplifiedForm(char16_t character) noexcept {
    // Every traditional form is an ideograph: letters, digits and kana need no search.
    if (character < u'\u3400')
        return character;
    const auto& table = hanziTables.simplifications;
    const auto found =
        std::lower_bound(table.begin(), table.end(), character,
                         [](const Simplification& s, char16_t c) { return s.traditional < c; });
    return found != table.end() && found->traditional == character ? found->simplified : character;
}

std::span<const Simplification> simplifications() noexcept {
    return hanziTables.simplifications;
}

} // namespace vekkiro
