#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace vekkiro::suggestions {

// A set of units, loosely: a unit may be reported as in it when it is not, never the reverse.
// Lets most names be passed over before any character-by-character comparison, even against a
// text of the longest length the list reads.
class UnitFilter {
public:
    void add(char16_t unit) noexcept { m_bits[wordOf(unit)] |= bitOf(unit); }
    [[nodiscard]] bool mayHoldAll(const UnitFilter& other) const noexcept {
        return missing(other, 0) == 0;
    }
    [[nodiscard]] bool mayShareAny(const UnitFilter& other) const noexcept {
        std::uint64_t shared = 0;
        for (std::size_t i = 0; i < words; ++i)
            shared |= other.m_bits[i] & m_bits[i];
        return shared != 0;
    }
    /// Whether this set may hold all of the other's units but one.
    [[nodiscard]] bool mayHoldAllButOne(const UnitFilter& other) const noexcept {
        return missing(other, 1) <= 1;
    }

private:
    static constexpr std::size_t words = 4;
    static constexpr std::size_t wordOf(char16_t unit) noexcept { return (unit / 64U) % words; }
    static constexpr std::uint64_t bitOf(char16_t unit) noexcept { return 1ULL << (unit % 64U); }
    // How many of the other's bits this set lacks, counted up to `enough` + 1.
    [[nodiscard]] int missing(const UnitFilter& other, int enough) const noexcept {
        int count = 0;
        for (std::size_t i = 0; i < words && count <= enough; ++i)
            count += std::popcount(other.m_bits[i] & ~m_bits[i]);
        return count;
    }
    std::array<std::uint64_t, words> m_bits{};
};

} // namespace vekkiro::suggestions
