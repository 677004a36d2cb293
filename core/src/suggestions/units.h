#pragma once

// The code units of a text as the list reads them: which are left out, how letters fold, and the
// unit characters are compared by. Inline: every name asks for these at every keystroke.

#include <algorithm>
#include <array>
#include <cstddef>

namespace vekkiro::suggestions {

// No pinyin syllable is longer than this ("zhuang", "shuang"), nor any form an input method hears
// it as.
inline constexpr std::size_t longestSyllable = 6;

struct UnitRange {
    char16_t first;
    char16_t last;
};

// Spaces, line breaks, controls and punctuation: what input methods and copied lines add
// around a name, never part of one.
inline constexpr std::array ignoredUnits = {
    UnitRange{u'\u0000', u'\u002F'}, // controls, space, !"#$%&'()*+,-./
    UnitRange{u'\u003A', u'\u0040'}, // :;<=>?@
    UnitRange{u'\u005B', u'\u0060'}, // [\]^_`
    UnitRange{u'\u007B', u'\u00BF'}, // {|}~, controls, no-break space, Latin-1 punctuation, ·
    UnitRange{u'\u2000', u'\u206F'}, // general punctuation: spaces, dashes, quotes, …
    UnitRange{u'\u3000', u'\u3003'}, // ideographic space, 、。〃
    UnitRange{u'\u3008', u'\u3011'}, // 〈〉《》「」『』【】
    UnitRange{u'\u3014', u'\u301F'}, // 〔〕〖〗〘〙〚〛〜〝〞〟
    UnitRange{u'\u30FB', u'\u30FB'}, // ・
    UnitRange{u'\uFE10', u'\uFE19'}, // vertical forms
    UnitRange{u'\uFE30', u'\uFE6B'}, // compatibility and small forms
    UnitRange{u'\uFEFF', u'\uFEFF'}, // byte order mark
    UnitRange{u'\uFF01', u'\uFF0F'}, // full-width ！＂＃…／
    UnitRange{u'\uFF1A', u'\uFF20'}, // full-width ：；＜＝＞？＠
    UnitRange{u'\uFF3B', u'\uFF40'}, // full-width ［＼］＾＿｀
    UnitRange{u'\uFF5B', u'\uFF65'}, // full-width ｛｜｝～, ｟｠｡｢｣､･
};

constexpr bool isIgnored(char16_t unit) noexcept {
    return std::any_of(ignoredUnits.begin(), ignoredUnits.end(), [unit](UnitRange range) {
        return unit >= range.first && unit <= range.last;
    });
}

// Whether a word is one of a list's.
template <typename Word, typename List>
constexpr bool isOneOf(Word word, const List& list) noexcept {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// Full-width ASCII to ASCII, then ASCII upper case to lower case.
constexpr char16_t foldedAscii(char16_t unit) noexcept {
    if (unit >= u'\uFF01' && unit <= u'\uFF5E')
        unit = static_cast<char16_t>(unit - (u'\uFF01' - u'!'));
    if (unit >= u'A' && unit <= u'Z')
        unit = static_cast<char16_t>(unit + (u'a' - u'A'));
    return unit;
}

constexpr bool isLetter(char16_t unit) noexcept {
    return unit >= u'a' && unit <= u'z';
}

constexpr bool isDigit(char16_t unit) noexcept {
    return unit >= u'0' && unit <= u'9';
}

constexpr bool isLetterOrDigit(char16_t unit) noexcept {
    return isLetter(unit) || isDigit(unit);
}

// A tone number after a syllable, as in "dian4chi2".
constexpr bool isToneNumber(char16_t unit) noexcept {
    return unit >= u'1' && unit <= u'5';
}

// The unit a character is compared by: Chinese numerals as the digits they stand for, so that
// 七号电池 finds 7号无汞电池 and 1次性 finds 一次性.
constexpr char16_t comparedUnit(char16_t unit) noexcept {
    switch (unit) {
    case u'〇':
    case u'零':
        return u'0';
    case u'一':
        return u'1';
    case u'二':
    case u'两':
        return u'2';
    case u'三':
        return u'3';
    case u'四':
        return u'4';
    case u'五':
        return u'5';
    case u'六':
        return u'6';
    case u'七':
        return u'7';
    case u'八':
        return u'8';
    case u'九':
        return u'9';
    default:
        return unit;
    }
}

} // namespace vekkiro::suggestions
