#include "english_text.h"

#include "english_typos.h"
#include "units.h"

#include <algorithm>
#include <type_traits>

namespace vekkiro::suggestions {

EnglishText::EnglishText(std::u16string_view typed, bool putRight, std::size_t nth) noexcept {
    std::array<char, longestEnglishWord + 1> word{};
    std::size_t length = 0;
    bool valid = true;
    const auto end = [&] {
        if (length == 0)
            return;
        if (length > longestEnglishWord) {
            valid = false;
        } else if (!isEnglishFunctionWord({word.data(), length})) {
            EnglishStem stem({word.data(), length});
            if (putRight)
                if (const auto meant = EnglishSpelling::get().meant({word.data(), length}, nth)) {
                    stem = EnglishStem(*meant);
                    ++m_putRight;
                }
            if (m_count == m_stems.size())
                valid = false;
            else
                m_stems[m_count++] = stem;
        }
        length = 0;
    };
    for (const char16_t typedUnit : typed) {
        const char16_t unit = foldedAscii(typedUnit);
        if (isLetter(unit)) {
            if (length < word.size())
                word[length] = static_cast<char>(unit);
            ++length;
        } else if (isIgnored(unit)) {
            end();
        } else {
            m_count = 0;
            return;
        }
    }
    end();
    if (!valid)
        m_count = 0;
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
