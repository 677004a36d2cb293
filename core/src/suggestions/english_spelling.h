#pragma once

// English words typed with a slip of the fingers ("batery", "toothpast", "candel"), put right by
// the words the dictionary's English is made of.

#include <vekkiro/english.h>
#include <vekkiro/slips.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vekkiro::suggestions {

// The words of the dictionary's English, and an index of each with one letter left out (as
// SymSpell keeps one): a word one slip from a typed one shares a key with it, found by a lookup
// or two a letter instead of a search through every word. Made once.
class EnglishSpelling {
public:
    [[nodiscard]] static const EnglishSpelling& get() noexcept;

    /// Whether a word is one the dictionary's English has, singular or plural.
    [[nodiscard]] bool knows(const EnglishStem& stem) const noexcept;
    /// The dictionary's words the typed one is with one slip of the fingers, or failing that,
    /// that its singular is: the `nth` of them in alphabetical order (shel: shelf, shell); none
    /// for a word it knows, a word of its own, a word shorter than shortestMistypedText, or
    /// where there are no more.
    [[nodiscard]] std::optional<std::string_view> meant(std::string_view typed,
                                                        std::size_t nth = 0) const noexcept;

private:
    EnglishSpelling();
    [[nodiscard]] std::optional<std::string_view> closest(std::string_view typed,
                                                          std::size_t nth) const noexcept;

    std::vector<std::string_view> m_words;                       // sorted, each once
    std::vector<EnglishStem> m_stems;                            // sorted by their letters
    std::vector<std::pair<std::uint32_t, std::uint16_t>> m_keys; // a key's hash, a word's index
};

} // namespace vekkiro::suggestions
