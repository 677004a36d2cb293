#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro {

/// The pinyin readings of a character as people type them: no tones, lower case, ü written "v".
/// A view of tables compiled into the program; cheap to copy.
class Pinyin {
public:
    constexpr Pinyin() noexcept = default;
    constexpr explicit Pinyin(std::span<const std::uint16_t> syllables) noexcept
        : m_syllables(syllables) {}

    [[nodiscard]] constexpr std::size_t size() const noexcept { return m_syllables.size(); }
    [[nodiscard]] constexpr bool empty() const noexcept { return m_syllables.empty(); }
    /// The reading at an index below size().
    [[nodiscard]] std::string_view operator[](std::size_t index) const noexcept;
    /// Whether two characters share a reading.
    [[nodiscard]] bool sharesReadingWith(Pinyin other) const noexcept;

private:
    std::span<const std::uint16_t> m_syllables;
};

/// A traditional character and the simplified form that the catalogue writes.
struct Simplification {
    char16_t traditional;
    char16_t simplified;
};

/// The readings of a character: for one that a catalogue name uses, all its modern readings
/// (Unihan's kXHC1983, else kMandarin); for a common character (one that kXHC1983 has) the
/// readings it shares with some catalogue character; empty for any other.
[[nodiscard]] Pinyin pinyinOf(char16_t character) noexcept;

/// The simplified form of a traditional character whose simplified form a catalogue name uses;
/// any other unit unchanged.
[[nodiscard]] char16_t simplifiedForm(char16_t character) noexcept;

/// Every traditional character that simplifiedForm changes, by code.
[[nodiscard]] std::span<const Simplification> simplifications() noexcept;

} // namespace vekkiro
