#include "typed_text.h"

#include "units.h"

namespace vekkiro::suggestions {

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
}

} // namespace vekkiro::suggestions
