#pragma once

#include <vekkiro/hanzi.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro::detail {

/// One character's readings: `count` syllable numbers from `first` on in readingSyllables.
struct CharacterReadings {
    char16_t character;
    std::uint16_t first;
    std::uint16_t count;
};

/// In nameUnitReadings: a unit with no reading of its own (an ASCII letter or digit).
inline constexpr std::uint16_t noReadings = 0xFFFF;

/// The first code of `HanziTables::radicals`; its last is U+9FFF, the last of the common
/// ideographs.
inline constexpr char32_t firstRadicalCharacter = 0x3400;

/// The tables tools/unihan_tables writes from Unicode's Unihan database at build time.
struct HanziTables {
    /// Every toneless syllable a catalogue character reads as, sorted.
    std::span<const std::string_view> syllables;
    /// Syllable numbers, a run for each entry of characterReadings.
    std::span<const std::uint16_t> readingSyllables;
    /// The catalogue's characters and the common characters that sound like one, by code.
    std::span<const CharacterReadings> characterReadings;
    /// Traditional forms whose simplified form a catalogue name uses, by traditional code.
    std::span<const Simplification> simplifications;
    /// Where each catalogue position's units start in nameUnitReadings (index 0: position 1),
    /// and one past the last.
    std::span<const std::uint16_t> nameUnitStart;
    /// For every unit of every name in catalogue order: its row of characterReadings, or
    /// noReadings.
    std::span<const std::uint16_t> nameUnitReadings;
    /// The radical of each character by code from firstRadicalCharacter on, by its number among
    /// the 214 Kangxi radicals; 0 for a code that has none.
    std::span<const std::uint8_t> radicals;
};

extern const HanziTables hanziTables;

} // namespace vekkiro::detail
