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
    bool apart = false;
    for (const char16_t unit : typed) {
        if (isIgnored(unit)) {
            apart = m_size > 0;
            continue;
        }
        if (m_size == m_units.size()) {
            m_size = 0;
            m_wordStarts = 0;
            m_filter = {};
            return;
        }
        m_wordStarts |= apart ? 1ULL << m_size : 0U;
        apart = false;
        m_units[m_size] = simplifiedForm(foldedAscii(unit));
        m_compared[m_size] = comparedUnit(m_units[m_size]);
        m_filter.add(m_compared[m_size]);
        ++m_size;
    }
}

TypedWords::TypedWords(const Characters& text) noexcept {
    std::size_t start = 0;
    const auto end = [&](std::size_t at) {
        const std::size_t length = at - start;
        const std::u16string_view units = text.view().substr(start, length);
        start = at;
        if (length > longestEnglishWord)
            return false;
        std::array<char, longestEnglishWord> word{};
        for (std::size_t i = 0; i < length; ++i) {
            if (!isLetter(units[i]))
                return false; // a digit: no English
            word[i] = static_cast<char>(units[i]);
        }
        if (isEnglishFunctionWord({word.data(), length}))
            return true;
        if (m_count == m_letters.size())
            return false;
        m_letters[m_count] = word;
        m_sizes[m_count++] = length;
        return true;
    };
    for (std::size_t at = 1; at <= text.size(); ++at)
        if ((at == text.size() || text.startsAWord(at)) && !end(at)) {
            m_count = 0;
            return;
        }
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
    if (m_spellable) {
        m_readsAsPinyin = spellsSyllables(*this);
        m_words = TypedWords(*this);
    }
}

} // namespace vekkiro::suggestions
