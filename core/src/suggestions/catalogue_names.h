#pragma once

// The catalogue's names as the matchers compare them, and an index of which names hold which
// characters.

#include "hanzi_tables.h"
#include "unit_filter.h"
#include "units.h"

#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vekkiro::suggestions {

// The units of every name, loosely (index 0: position 1), made once: every keystroke asks for
// all of them.
[[nodiscard]] const std::array<UnitFilter, ItemCatalogue::size>& nameFilters() noexcept;

// A catalogue name, its letters in lower case, with the pinyin of its characters.
class Name {
public:
    explicit Name(int position)
        : m_units(ItemCatalogue::entries()[static_cast<std::size_t>(position - 1)])
        , m_readings(detail::hanziTables.nameUnitReadings.subspan(
              detail::hanziTables.nameUnitStart[static_cast<std::size_t>(position - 1)],
              m_units.size()))
        , m_filter(nameFilters()[static_cast<std::size_t>(position - 1)]) {}

    [[nodiscard]] std::size_t size() const noexcept { return m_units.size(); }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept {
        return foldedAscii(m_units[at]);
    }
    [[nodiscard]] char16_t compared(std::size_t at) const noexcept {
        return comparedUnit((*this)[at]);
    }
    /// The numbers of the syllables its character at `at` reads as, in hanziTables.syllables,
    /// commonest first.
    [[nodiscard]] std::span<const std::uint16_t> syllables(std::size_t at) const noexcept {
        const std::uint16_t row = m_readings[at];
        if (row == detail::noReadings)
            return {};
        const detail::CharacterReadings& readings = detail::hanziTables.characterReadings[row];
        return detail::hanziTables.readingSyllables.subspan(readings.first, readings.count);
    }
    [[nodiscard]] Pinyin pinyin(std::size_t at) const noexcept { return Pinyin(syllables(at)); }
    /// Whether a character of the name reads in more than one way.
    [[nodiscard]] bool hasSeveralReadings() const noexcept {
        for (std::size_t at = 0; at < size(); ++at)
            if (syllables(at).size() > 1)
                return true;
        return false;
    }
    [[nodiscard]] const UnitFilter& filter() const noexcept { return m_filter; }

private:
    std::u16string_view m_units;
    std::span<const std::uint16_t> m_readings;
    const UnitFilter& m_filter;
};

// Whether the unit at `at` is the first of its compared form: each character once, however
// often it stands in a name or a text.
template <typename Units> bool firstOfItsForm(const Units& units, std::size_t at) noexcept {
    for (std::size_t before = 0; before < at; ++before)
        if (units.compared(before) == units.compared(at))
            return false;
    return true;
}

// Which names hold each character, made once: for a character as compared, the positions of
// the names that hold it, and of those that start with it, in catalogue order. Lets a reading
// of the text look only at the names that could match it.
class NameIndex {
public:
    [[nodiscard]] static const NameIndex& get() noexcept;

    [[nodiscard]] std::span<const std::uint16_t> holding(char16_t unit) const noexcept {
        return listOf(unit, m_holding);
    }
    [[nodiscard]] std::span<const std::uint16_t> startingWith(char16_t unit) const noexcept {
        return listOf(unit, m_starting);
    }

private:
    struct List {
        char16_t unit;
        std::uint16_t first;
        std::uint16_t count;
    };
    struct Lists {
        std::vector<List> lists;
        std::vector<std::uint16_t> positions;
    };

    NameIndex();
    static void build(std::vector<std::pair<char16_t, std::uint16_t>>& pairs, Lists& out);
    static std::span<const std::uint16_t> listOf(char16_t unit, const Lists& lists) noexcept;

    Lists m_holding;
    Lists m_starting;
};

} // namespace vekkiro::suggestions
