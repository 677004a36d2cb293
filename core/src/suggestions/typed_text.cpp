#include "typed_text.h"

#include "hanzi_tables.h"
#include "units.h"

#include <algorithm>
#include <span>

namespace vekkiro::suggestions {

namespace {

// Whether letters can all be spelled as pinyin syllables, the last perhaps unfinished.
bool spellsSyllables(const Characters& text) noexcept {
    const std::span<const std::string_view> syllables = detail::hanziTables.syllables;
    std::array<bool, longestSuggestionText + 1> reached{};
    reached[0] = true;
    for (std::size_t from = 0; from < text.size(); ++from) {
        if (!reached[from])
            continue;
        std::array<char, longestSyllable> letters{};
        for (std::size_t length = 1; length <= longestSyllable && from + length <= text.size();
             ++length) {
            const char16_t unit = text[from + length - 1];
            if (!isLetter(unit))
                break;
            letters[length - 1] = static_cast<char>(unit);
            const std::string_view start(letters.data(), length);
            const auto at = std::lower_bound(syllables.begin(), syllables.end(), start);
            if (at == syllables.end() || !at->starts_with(start))
                break;
            if (from + length == text.size())
                return true; // a whole syllable, or one still being typed
            if (*at == start)
                reached[from + length] = true;
        }
    }
    return false;
}

} // namespace

Characters::Characters(std::u16string_view typed) noexcept {
    for (const char16_t unit : typed) {
        if (isIgnored(unit))
            continue;
        if (m_size == m_units.size()) {
            m_size = 0;
            m_filter = {};
            return;
        }
        m_units[m_size] = simplifiedForm(foldedAscii(unit));
        m_compared[m_size] = comparedUnit(m_units[m_size]);
        m_filter.add(m_compared[m_size]);
        ++m_size;
    }
}

TypedWords::TypedWords(std::u16string_view typed) noexcept {
    std::array<char, longestEnglishWord> word{};
    std::size_t length = 0;
    bool valid = true;
    const auto end = [&] {
        if (length == 0)
            return;
        if (length > longestEnglishWord) {
            valid = false;
        } else if (!isEnglishFunctionWord({word.data(), length})) {
            if (m_count == m_letters.size()) {
                valid = false;
            } else {
                m_letters[m_count] = word;
                m_sizes[m_count++] = length;
            }
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

TypedText::TypedText(std::u16string_view typed) noexcept
    : Characters(typed) {
    bool hasLetter = false;
    bool hasOther = false;
    for (std::size_t at = 0; at < size(); ++at) {
        m_pinyin[at] = pinyinOf((*this)[at]);
        hasLetter = hasLetter || isLetter((*this)[at]);
        hasOther = hasOther || !isLetterOrDigit((*this)[at]);
    }
    m_spellable = hasLetter && !hasOther;
    m_mixed = hasLetter && hasOther;
    static_assert(longestSuggestionText <= 64, "a unit's place is a bit of 64");
    std::size_t kept = 0;
    bool apart = false;
    for (const char16_t unit : typed) {
        if (kept == size())
            break;
        if (isIgnored(unit)) {
            apart = kept > 0;
            continue;
        }
        m_wordStarts |= apart ? 1ULL << kept : 0U;
        apart = false;
        ++kept;
    }
    if (m_spellable) {
        m_readsAsPinyin = spellsSyllables(*this);
        m_words = TypedWords(typed);
    }
}

} // namespace vekkiro::suggestions
