#include "english_words.h"

#include "english_spelling.h"

#include <algorithm>
#include <type_traits>

namespace vekkiro::suggestions {

EnglishText::EnglishText(const TypedWords& words, bool putRight, std::size_t nth) noexcept {
    for (std::size_t at = 0; at < words.size(); ++at) {
        EnglishStem stem(words[at]);
        if (putRight)
            if (const auto meant = EnglishSpelling::get().meant(words[at], nth)) {
                stem = EnglishStem(*meant);
                ++m_putRight;
            }
        m_stems[m_count++] = stem;
    }
}

std::span<const EnglishWord> englishEntries(const EnglishText& text, std::size_t first,
                                            std::size_t last) noexcept {
    // The words apart by single spaces, as the dictionary's stems are.
    std::array<char, mostEnglishPhrases*(longestEnglishWord + 1)> stems{};
    std::size_t size = 0;
    for (std::size_t at = first; at < last; ++at) {
        if (at > first)
            stems[size++] = ' ';
        for (const char letter : text[at])
            stems[size++] = letter;
    }
    const std::string_view wanted(stems.data(), size);
    const std::span<const EnglishWord> table = englishWords();
    const auto [begin, end] =
        std::equal_range(table.begin(), table.end(), wanted, [](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, EnglishWord>)
                return a.stems < b;
            else
                return a < b.stems;
        });
    return {begin, end};
}

} // namespace vekkiro::suggestions
