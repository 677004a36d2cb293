#include "hanzi_tables.h"

#include <vekkiro/english.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/other_words.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace vekkiro {

namespace {

using detail::hanziTables;

// How a name matches a text, best first. A match through another word never outranks one by the
// name's own characters, but for a text that is another word for the whole name (冰激凌 for
// 冰淇淋): that name comes before names that merely hold the text.
enum class Match : std::uint8_t {
    Equal,
    StartsWith,
    OtherWordEqual,
    Contains,
    NameInText,
    InOrder,
    // The noun of a description ("摔碎的碗" → 碗), or its last words.
    DescribedEqual,
    DescribedStartsWith,
    DescribedContains,
    DescribedInOrder,
    SoundsEqual,
    SoundsStartsWith,
    SoundsContains,
    // One character of three or more wrong, a slip of the hand or the eye (塑科袋 for 塑料袋).
    SlipEqual,
    SlipContains,
    OtherWordStartsWith,
    OtherWordContains,
    OtherWordInText,
    // English for the name, or for its parts ("peanut shell", 花生壳), where the text cannot be
    // pinyin.
    EnglishEqual,
    EnglishStartsWith,
    EnglishContains,
    PinyinEqual,
    InitialsEqual,
    PinyinStartsWith,
    PinyinUnfinished,
    PinyinContains,
    // Pinyin as an input method that forgives z/zh, n/l, an/ang and the like reads it.
    FuzzyEqual,
    FuzzyStartsWith,
    InitialsStartsWith,
    // English where the text reads as pinyin too: the pinyin comes first.
    EnglishAfterPinyinEqual,
    EnglishAfterPinyinStartsWith,
    EnglishAfterPinyinContains,
};

// A match, and what orders it among matches of its kind: whether it needs a character's rarer
// reading (腊 read xī rather than là), or, of names that the text holds, whether the name is
// not what the text ends with (its head: 纽扣电池 is a battery).
struct Found {
    Match match;
    bool later = false;
    /// Of a match through English, which English reading of the text gave it, by number: those
    /// come in the order of their English, and the row shows it.
    std::uint8_t english = 0;
};

constexpr bool isEnglish(Match match) noexcept {
    return (match >= Match::EnglishEqual && match <= Match::EnglishContains) ||
           match >= Match::EnglishAfterPinyinEqual;
}

// The ranking rule, all of it: by kind of match in the order above; within a kind, names spelled
// in their characters' commonest readings first, and of names that the text holds, the one it
// ends with first; then shorter names first, except among names that the text holds, where the
// longest is the most of what was typed and comes first; then catalogue order. Packed into one
// number, smaller is better.
constexpr int positionBits = 11;
constexpr int lengthBits = 6;
static_assert(ItemCatalogue::size < (1 << positionBits));
static_assert(static_cast<int>(Match::EnglishAfterPinyinContains) <
              (1 << (32 - lengthBits - 1 - positionBits)));

constexpr std::uint32_t rankOf(Found found, std::size_t nameLength, int position) noexcept {
    constexpr std::size_t longest = (1U << lengthBits) - 1;
    const std::size_t length = std::min(nameLength, longest);
    const std::size_t order =
        isEnglish(found.match) ? found.english
                               : (found.later ? 1U << lengthBits : 0U) +
                                     (found.match == Match::NameInText ? longest - length : length);
    return static_cast<std::uint32_t>(found.match) << (lengthBits + 1 + positionBits) |
           static_cast<std::uint32_t>(order) << positionBits | static_cast<std::uint32_t>(position);
}

constexpr int positionOf(std::uint32_t rank) noexcept {
    return static_cast<int>(rank & ((1U << positionBits) - 1));
}

constexpr Match matchOf(std::uint32_t rank) noexcept {
    return static_cast<Match>(rank >> (lengthBits + 1 + positionBits));
}

constexpr std::size_t englishReadingOf(std::uint32_t rank) noexcept {
    return (rank >> positionBits) & ((1U << (lengthBits + 1)) - 1);
}

// A kind of match at a place: the whole name, its start, or further in.
constexpr Match atPlace(std::size_t at, std::size_t length, std::size_t nameLength, Match equal,
                        Match startsWith, Match contains) noexcept {
    if (at > 0)
        return contains;
    return length == nameLength ? equal : startsWith;
}

struct UnitRange {
    char16_t first;
    char16_t last;
};

// Spaces, line breaks, controls and punctuation: what input methods and copied lines add
// around a name, never part of one.
constexpr std::array ignoredUnits = {
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

// The unit characters are compared by: Chinese numerals as the digits they stand for, so that
// 七号电池 finds 7号无汞电池 and 1次性 finds 一次性.
constexpr char16_t keyOf(char16_t unit) noexcept {
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

// Whether a typed unit spells a letter of a syllable. People type "u" for ü where no input
// method is at hand, and "v" where one is.
constexpr bool spells(char syllableLetter, char16_t typed) noexcept {
    return typed == static_cast<unsigned char>(syllableLetter) ||
           (syllableLetter == 'v' && typed == u'u');
}

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

// A text as the list reads it: without spaces, controls and punctuation, letters in lower case
// and half width, traditional characters simplified; each unit also as it is compared (keyOf).
// Empty if longer than the list reads.
class Characters {
public:
    Characters() noexcept = default;
    explicit Characters(std::u16string_view typed) noexcept {
        for (const char16_t unit : typed) {
            if (isIgnored(unit))
                continue;
            if (m_size == m_units.size()) {
                m_size = 0;
                m_filter = {};
                return;
            }
            m_units[m_size] = simplifiedForm(foldedAscii(unit));
            m_keys[m_size] = keyOf(m_units[m_size]);
            m_filter.add(m_keys[m_size]);
            ++m_size;
        }
    }

    [[nodiscard]] std::size_t size() const noexcept { return m_size; }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept { return m_units[at]; }
    [[nodiscard]] char16_t key(std::size_t at) const noexcept { return m_keys[at]; }
    [[nodiscard]] std::u16string_view view() const noexcept { return {m_units.data(), m_size}; }
    [[nodiscard]] const UnitFilter& filter() const noexcept { return m_filter; }

private:
    std::array<char16_t, longestSuggestionText> m_units{};
    std::array<char16_t, longestSuggestionText> m_keys{};
    std::size_t m_size = 0;
    UnitFilter m_filter;
};

// The typed text as the list reads it, with the readings of its characters.
class Text : public Characters {
public:
    explicit Text(std::u16string_view typed) noexcept
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

    [[nodiscard]] Pinyin pinyin(std::size_t at) const noexcept { return m_pinyin[at]; }
    /// Only ASCII letters and digits, at least one letter: it may be pinyin.
    [[nodiscard]] bool spellable() const noexcept { return m_spellable; }
    /// Letters and characters both: characters with pinyin typed after or between them, as an
    /// input method leaves the letters it has not turned into characters yet (易拉g).
    [[nodiscard]] bool mixed() const noexcept { return m_mixed; }

private:
    std::array<Pinyin, longestSuggestionText> m_pinyin{};
    bool m_spellable = false;
    bool m_mixed = false;
};

// The units of every name, loosely (index 0: position 1), made once: every keystroke asks for
// all of them.
const std::array<UnitFilter, ItemCatalogue::size>& nameFilters() noexcept {
    static const std::array<UnitFilter, ItemCatalogue::size> filters = [] {
        std::array<UnitFilter, ItemCatalogue::size> made{};
        for (std::size_t i = 0; i < made.size(); ++i)
            for (const char16_t unit : ItemCatalogue::entries()[i])
                made[i].add(keyOf(foldedAscii(unit)));
        return made;
    }();
    return filters;
}

// A catalogue name, its letters in lower case, with the readings of its characters.
class Name {
public:
    explicit Name(int position)
        : m_units(ItemCatalogue::entries()[static_cast<std::size_t>(position - 1)])
        , m_readings(hanziTables.nameUnitReadings.subspan(
              hanziTables.nameUnitStart[static_cast<std::size_t>(position - 1)], m_units.size()))
        , m_filter(nameFilters()[static_cast<std::size_t>(position - 1)]) {}

    [[nodiscard]] std::size_t size() const noexcept { return m_units.size(); }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept {
        return foldedAscii(m_units[at]);
    }
    [[nodiscard]] char16_t key(std::size_t at) const noexcept { return keyOf((*this)[at]); }
    /// The numbers of the syllables its character at `at` reads as, in hanziTables.syllables.
    [[nodiscard]] std::span<const std::uint16_t> syllables(std::size_t at) const noexcept {
        const std::uint16_t row = m_readings[at];
        if (row == detail::noReadings)
            return {};
        const detail::CharacterReadings& readings = hanziTables.characterReadings[row];
        return hanziTables.readingSyllables.subspan(readings.first, readings.count);
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

// A name read from its `start`-th unit on and round to the one before: its two parts swapped.
class Rotated {
public:
    Rotated(const Name& name, std::size_t start) noexcept
        : m_name(name)
        , m_start(start) {}
    [[nodiscard]] std::size_t size() const noexcept { return m_name.size(); }
    [[nodiscard]] char16_t key(std::size_t at) const noexcept {
        return m_name.key((m_start + at) % m_name.size());
    }

private:
    const Name& m_name;
    std::size_t m_start;
};

// Where `part` stands in `whole` unit for unit under `same`, first place first.
template <typename Whole, typename Part, typename Same>
std::optional<std::size_t> find(const Whole& whole, const Part& part, Same same) noexcept {
    if (part.size() > whole.size())
        return std::nullopt;
    for (std::size_t at = 0; at + part.size() <= whole.size(); ++at) {
        std::size_t i = 0;
        while (i < part.size() && same(at + i, i))
            ++i;
        if (i == part.size())
            return at;
    }
    return std::nullopt;
}

// Whether `whole` holds `part`'s units in order, gaps allowed.
template <typename Whole, typename Part>
bool holdsInOrder(const Whole& whole, const Part& part) noexcept {
    std::size_t i = 0;
    for (std::size_t at = 0; at < whole.size() && i < part.size(); ++at)
        if (whole.key(at) == part.key(i))
            ++i;
    return i == part.size();
}

// Which kinds of match by characters to look for: the text in the name (Equal, StartsWith,
// Contains), the name in the text (NameInText), in order with gaps or swapped (InOrder).
enum Kinds : std::uint8_t {
    TextInName = 1,
    NameInTextOnly = 2,
    Ordered = 4,
    AllKinds = TextInName | NameInTextOnly | Ordered,
};

std::optional<Found> byCharacters(const Name& name, const Characters& text,
                                  std::uint8_t kinds = AllKinds) noexcept {
    const auto same = [&](std::size_t inName, std::size_t inText) {
        return name.key(inName) == text.key(inText);
    };
    if ((kinds & TextInName) != 0 && name.filter().mayHoldAll(text.filter()))
        if (const auto at = find(name, text, same))
            return Found{atPlace(*at, text.size(), name.size(), Match::Equal, Match::StartsWith,
                                 Match::Contains)};

    const std::size_t n = name.size();
    const std::size_t t = text.size();
    if ((kinds & NameInTextOnly) != 0 && t > n && (n >= 2 || t <= 2) &&
        text.filter().mayHoldAll(name.filter())) {
        const auto inText = [&](std::size_t atText, std::size_t atName) {
            return same(atName, atText);
        };
        if (find(text, name, inText)) {
            // A name the text ends with is what the text is about: 纽扣电池 is a battery.
            std::size_t i = 0;
            while (i < n && same(i, t - n + i))
                ++i;
            return Found{Match::NameInText, i != n};
        }
    }

    // In order with gaps, or swapped, while the shorter is at least half the longer: beyond
    // that, a text shares too little with a name to mean it.
    const std::size_t shorter = std::min(n, t);
    if ((kinds & Ordered) == 0 || shorter < 2 || 2 * shorter < std::max(n, t))
        return std::nullopt;
    if (t > n ? !text.filter().mayHoldAll(name.filter()) : !name.filter().mayHoldAll(text.filter()))
        return std::nullopt;
    for (std::size_t start = 0; start < n; ++start) {
        const Rotated rotated(name, start);
        if (t >= n ? holdsInOrder(text, rotated) : holdsInOrder(rotated, text))
            return Found{Match::InOrder};
    }
    return std::nullopt;
}

std::optional<Match> bySound(const Name& name, const Text& text) noexcept {
    if (text.spellable() || text.size() < 2 || text.size() > name.size() ||
        !text.filter().mayShareAny(name.filter()))
        return std::nullopt;
    for (std::size_t at = 0; at + text.size() <= name.size(); ++at) {
        bool anySame = false;
        std::size_t i = 0;
        for (; i < text.size(); ++i) {
            if (name.key(at + i) == text.key(i))
                anySame = true;
            else if (!name.pinyin(at + i).sharesReadingWith(text.pinyin(i)))
                break;
        }
        if (i == text.size() && anySame)
            return atPlace(at, text.size(), name.size(), Match::SoundsEqual,
                           Match::SoundsStartsWith, Match::SoundsContains);
    }
    return std::nullopt;
}

// One character of the text differs from the name's, or from a part of a name, where each has
// three characters or more: a slip of the hand or the eye, not of the ear.
std::optional<Match> bySlip(const Name& name, const Characters& text) noexcept {
    constexpr std::size_t shortest = 3;
    if (text.size() < shortest || text.size() > name.size() ||
        !name.filter().mayHoldAllButOne(text.filter()))
        return std::nullopt;
    for (std::size_t at = 0; at + text.size() <= name.size(); ++at) {
        std::size_t differ = 0;
        for (std::size_t i = 0; i < text.size() && differ < 2; ++i)
            differ += name.key(at + i) != text.key(i) ? 1U : 0U;
        if (differ == 1)
            return at == 0 && text.size() == name.size() ? Match::SlipEqual : Match::SlipContains;
    }
    return std::nullopt;
}

// Every ASCII unit once, so that a letter or digit of a name can stand as its own syllable.
constexpr std::array<char, 128> asciiUnits = [] {
    std::array<char, 128> units{};
    for (std::size_t c = 0; c < units.size(); ++c)
        units[c] = static_cast<char>(c);
    return units;
}();

// How many letters of the text from `at` on the syllable starts with.
std::size_t sharedStart(std::string_view syllable, const Text& text, std::size_t at) noexcept {
    std::size_t n = 0;
    while (n < syllable.size() && at + n < text.size() && spells(syllable[n], text[at + n]))
        ++n;
    return n;
}

// No syllable is longer than this ("zhuang", "shuang"), nor any form an input method hears it as.
constexpr std::size_t longestSyllable = 6;

// A syllable as an input method that forgives some of what people mishear reads it: with z, c
// and s for zh, ch and sh and the other way round, n for l, f for h, and -an, -en, -in for -ang,
// -eng, -ing, each both ways. Calls `take` with each other form.
template <typename Take> void forEachFuzzyForm(std::string_view syllable, Take take) {
    std::array<std::string_view, 2> initials{};
    std::array<std::string_view, 2> finals{};
    std::size_t initialCount = 1;
    std::size_t finalCount = 1;
    // The initial, as far as a fuzzy pair goes, and its other form.
    std::size_t initialLength = 0;
    if (syllable.size() >= 2 && syllable[1] == 'h' &&
        (syllable[0] == 'z' || syllable[0] == 'c' || syllable[0] == 's')) {
        initialLength = 2;
        initials[1] = syllable.substr(0, 1);
        initialCount = 2;
    } else if (!syllable.empty()) {
        static constexpr std::string_view pairs[][2] = {
            {"z", "zh"}, {"c", "ch"}, {"s", "sh"}, {"n", "l"}, {"l", "n"}, {"f", "h"}, {"h", "f"}};
        for (const auto& pair : pairs) {
            if (syllable.front() == pair[0].front()) {
                initialLength = 1;
                initials[1] = pair[1];
                initialCount = 2;
                break;
            }
        }
    }
    initials[0] = syllable.substr(0, initialLength);
    std::string_view rest = syllable.substr(initialLength);
    // The final's nasal, as far as a fuzzy pair goes: -ng loses its g, -n gains one.
    const bool endsInNg =
        rest.size() >= 3 && rest.substr(rest.size() - 2) == "ng" &&
        std::string_view("aei").find(rest[rest.size() - 3]) != std::string_view::npos;
    const bool endsInN =
        !endsInNg && rest.size() >= 2 && rest.back() == 'n' &&
        std::string_view("aei").find(rest[rest.size() - 2]) != std::string_view::npos;
    std::string_view body = rest;
    if (endsInNg) {
        body = rest.substr(0, rest.size() - 1);
        finals[0] = "g";
        finals[1] = "";
        finalCount = 2;
    } else if (endsInN) {
        finals[0] = "";
        finals[1] = "g";
        finalCount = 2;
    }
    for (std::size_t i = 0; i < initialCount; ++i) {
        for (std::size_t f = 0; f < finalCount; ++f) {
            if (i == 0 && f == 0)
                continue;
            std::array<char, longestSyllable + 2> form{};
            std::size_t length = 0;
            for (const std::string_view piece : {initials[i], body, finals[f]})
                for (const char letter : piece)
                    if (length < form.size())
                        form[length++] = letter;
            take(std::string_view(form.data(), length));
        }
    }
}

// Which readings of a character spelling may take: all, or only the first, its commonest; and
// whether as typed or as a forgiving input method hears them.
enum class Readings : std::uint8_t { All, Commonest, Fuzzy };

// Every syllable's other forms as a forgiving input method hears them, worked out once, by
// syllable number.
class FuzzyForms {
public:
    static const FuzzyForms& get() {
        static const FuzzyForms forms;
        return forms;
    }

    template <typename Take> void forEach(std::uint16_t syllable, Take take) const {
        for (const Form& form : m_forms[syllable])
            if (form.length > 0)
                take(std::string_view(form.letters.data(), form.length));
    }

private:
    struct Form {
        std::array<char, longestSyllable + 2> letters{};
        std::size_t length = 0;
    };

    FuzzyForms()
        : m_forms(hanziTables.syllables.size()) {
        for (std::size_t id = 0; id < m_forms.size(); ++id) {
            std::size_t count = 0;
            forEachFuzzyForm(hanziTables.syllables[id], [&](std::string_view form) {
                if (count < m_forms[id].size()) {
                    Form& made = m_forms[id][count++];
                    made.length = std::min(form.size(), made.letters.size());
                    std::copy_n(form.begin(), made.length, made.letters.begin());
                }
            });
        }
    }

    std::vector<std::array<Form, 3>> m_forms;
};

// Calls `take(syllable)` for each way the name's character can be spelled.
template <typename Take>
void forEachSyllable(const Name& name, std::size_t at, Readings readings, Take take) {
    const char16_t unit = name[at];
    if (unit < asciiUnits.size()) {
        take(std::string_view(&asciiUnits[unit], 1));
        return;
    }
    const std::span<const std::uint16_t> syllables = name.syllables(at);
    const std::size_t count = readings == Readings::Commonest ? 1 : syllables.size();
    for (std::size_t k = 0; k < count && k < syllables.size(); ++k) {
        take(hanziTables.syllables[syllables[k]]);
        if (readings == Readings::Fuzzy)
            FuzzyForms::get().forEach(syllables[k], take);
    }
}

// The letter a forgiving input method hears for the first letter of a syllable, besides itself:
// n and l, f and h (z, c and s stand for zh, ch and sh already).
constexpr char fuzzyPartner(char letter) noexcept {
    switch (letter) {
    case 'n':
        return 'l';
    case 'l':
        return 'n';
    case 'f':
        return 'h';
    case 'h':
        return 'f';
    default:
        return letter;
    }
}

// Whether the name's character at `at` can be spelled starting with the text's unit, or is it.
bool mayBeSpelledFrom(const Name& name, std::size_t at, char16_t unit, Readings readings) {
    if (!isLetterOrDigit(unit))
        return name.key(at) == keyOf(unit);
    const char16_t own = name[at];
    if (own < asciiUnits.size())
        return own == unit;
    const std::span<const std::uint16_t> ids = name.syllables(at);
    const std::size_t count =
        readings == Readings::Commonest ? std::min<std::size_t>(1, ids.size()) : ids.size();
    for (std::size_t k = 0; k < count; ++k) {
        const char first = hanziTables.syllables[ids[k]].front();
        if (spells(first, unit) ||
            (readings == Readings::Fuzzy && spells(fuzzyPartner(first), unit)))
            return true;
    }
    return false;
}

// How far the text spells the name from its `start`-th character on. Follows every way of
// reading the text at once, as two sets of places in it, one bit a place: those reached by whole
// syllables only, and those reached with some syllable cut short (an initial, or "zh" for
// "zhi"). Reaching the text's end is noted in the answer instead. A character in the text (not a
// letter) must be the name's own; a tone number after a syllable is passed over.
struct Spelled {
    bool wholeToTheEnd = false; // whole syllables spell the text, up to the name's last character
    bool whole = false;         // whole syllables spell the text
    bool unfinished = false;    // whole syllables, and the text ends inside one: still typing
    bool cutToTheEnd = false;   // syllables, some cut short, spell the text, to the last character
    bool cut = false;           // syllables, some cut short, spell the text
};
static_assert(longestSuggestionText <= 64, "a place in the text is a bit of 64");

Spelled spelledFrom(const Name& name, std::size_t start, const Text& text,
                    Readings readings) noexcept {
    const std::size_t end = text.size();
    std::uint64_t whole = 1; // the text's start
    std::uint64_t cut = 0;
    Spelled spelled;
    for (std::size_t at = start; at < name.size() && (whole | cut) != 0; ++at) {
        const bool last = at + 1 == name.size();
        std::uint64_t nextWhole = 0;
        std::uint64_t nextCut = 0;
        // The text reached `to` by whole syllables (or cut ones): note its end, or go on from
        // there, past a tone number.
        const auto reach = [&](std::size_t to, bool byWhole, bool byCut, bool fromSyllable) {
            if (fromSyllable && to < end && isToneNumber(text[to]) && name[at] >= 0x80)
                ++to;
            if (to == end) {
                spelled.whole = spelled.whole || byWhole;
                spelled.wholeToTheEnd = spelled.wholeToTheEnd || (last && byWhole);
                spelled.cut = spelled.cut || byCut;
                spelled.cutToTheEnd = spelled.cutToTheEnd || (last && byCut);
                return;
            }
            nextWhole |= byWhole ? 1ULL << to : 0;
            nextCut |= byCut ? 1ULL << to : 0;
        };
        for (std::uint64_t places = whole | cut; places != 0; places &= places - 1) {
            const auto from = static_cast<std::size_t>(std::countr_zero(places));
            const bool byWhole = ((whole >> from) & 1U) != 0;
            const bool byCut = ((cut >> from) & 1U) != 0;
            if (!isLetterOrDigit(text[from])) {
                if (text.key(from) == name.key(at))
                    reach(from + 1, byWhole, byCut, false);
                continue;
            }
            forEachSyllable(name, at, readings, [&](std::string_view syllable) {
                const std::size_t shared = sharedStart(syllable, text, from);
                if (shared == 0)
                    return;
                const std::size_t to = from + shared;
                if (shared == syllable.size()) {
                    reach(to, byWhole, byCut, true);
                } else if (to == end) {
                    spelled.unfinished = spelled.unfinished || byWhole;
                    spelled.cut = spelled.cut || byCut;
                    spelled.cutToTheEnd = spelled.cutToTheEnd || (last && byCut);
                }
                for (std::size_t length = 1;
                     length <= shared && length < syllable.size() && from + length < end; ++length)
                    nextCut |= 1ULL << (from + length);
            });
        }
        whole = nextWhole;
        cut = nextCut;
    }
    return spelled;
}

std::optional<Match> spelledWith(const Name& name, const Text& text, Readings readings) noexcept {
    std::optional<Match> best;
    for (std::size_t start = 0; start < name.size(); ++start) {
        // Further in, the best is a part of the name spelled: no better than what was found.
        if (text.size() > longestSyllable * (name.size() - start) ||
            (start > 0 && best && *best <= Match::PinyinContains))
            break;
        if (!mayBeSpelledFrom(name, start, text[0], readings))
            continue;
        const Spelled spelled = spelledFrom(name, start, text, readings);
        const auto consider = [&best](bool holds, Match match) {
            if (holds && (!best || match < *best))
                best = match;
        };
        if (start == 0) {
            consider(spelled.wholeToTheEnd, Match::PinyinEqual);
            consider(spelled.cutToTheEnd, Match::InitialsEqual);
            consider(spelled.whole, Match::PinyinStartsWith);
            consider(spelled.unfinished, Match::PinyinUnfinished);
            consider(spelled.cut, Match::InitialsStartsWith);
        } else {
            consider(spelled.whole || spelled.unfinished, Match::PinyinContains);
        }
    }
    return best;
}

// Spelled as a forgiving input method hears it, from the name's start only: the whole name or
// its start in whole syllables.
std::optional<Match> spelledFuzzily(const Name& name, const Text& text) noexcept {
    // Shorter texts are a syllable or two being typed: the exact readings serve them.
    constexpr std::size_t shortest = 4;
    if (text.size() < shortest || !mayBeSpelledFrom(name, 0, text[0], Readings::Fuzzy))
        return std::nullopt;
    const Spelled spelled = spelledFrom(name, 0, text, Readings::Fuzzy);
    if (spelled.wholeToTheEnd)
        return Match::FuzzyEqual;
    if (spelled.whole || spelled.unfinished)
        return Match::FuzzyStartsWith;
    return std::nullopt;
}

std::optional<Found> byPinyin(const Name& name, const Text& text) noexcept {
    if (!text.spellable() && !text.mixed())
        return std::nullopt;
    const std::optional<Match> any = spelledWith(name, text, Readings::All);
    if (!any) {
        const std::optional<Match> fuzzy = spelledFuzzily(name, text);
        return fuzzy ? std::optional<Found>(Found{*fuzzy}) : std::nullopt;
    }
    if (!name.hasSeveralReadings())
        return Found{*any};
    const std::optional<Match> commonest = spelledWith(name, text, Readings::Commonest);
    return Found{*any, !commonest || *any < *commonest};
}

// The typed text as it was typed, and what else it may be read as.
enum class Reading : std::uint8_t {
    Typed,              // every kind of match
    Noun,               // the noun of a description: by characters, or mistyped
    Described,          // the last words of a description's noun: by characters
    Said,               // a description without its grammar words: by characters
    OtherWord,          // another word in it put for the catalogue's: by characters
    OtherWordInText,    // as OtherWord, of a text longer than any name: only names it holds count
    English,            // the catalogue's words that English in it stands for: in the name
    EnglishAfterPinyin, // as English, of a text that reads as pinyin too
    EnglishInPart,      // as EnglishAfterPinyin, for some of the text's words only
};

// The kinds of match by characters that count for a reading.
constexpr std::uint8_t kindsFor(Reading reading) noexcept {
    switch (reading) {
    case Reading::Noun:
    case Reading::Described:
    case Reading::English:
    case Reading::EnglishAfterPinyin:
    case Reading::EnglishInPart:
        return TextInName;
    case Reading::OtherWord:
        return TextInName | NameInTextOnly;
    case Reading::OtherWordInText:
        return NameInTextOnly;
    case Reading::Typed:
    case Reading::Said:
        break;
    }
    return AllKinds;
}

// A match by characters of a text read otherwise, as the kind it counts as. Only the kinds that
// kindsFor asks for arrive: the text in the name, or the name in it or in order with gaps.
constexpr Match asReading(Match match, Reading reading) noexcept {
    const auto counted = [match](Match equal, Match startsWith, Match contains, Match rest) {
        switch (match) {
        case Match::Equal:
            return equal;
        case Match::StartsWith:
            return startsWith;
        case Match::Contains:
            return contains;
        default:
            return rest;
        }
    };
    switch (reading) {
    case Reading::Typed:
        return match;
    case Reading::Noun:
    case Reading::Described:
    case Reading::Said:
        return counted(Match::DescribedEqual, Match::DescribedStartsWith, Match::DescribedContains,
                       Match::DescribedInOrder);
    case Reading::English:
        return counted(Match::EnglishEqual, Match::EnglishStartsWith, Match::EnglishContains,
                       Match::EnglishContains);
    case Reading::EnglishAfterPinyin:
    case Reading::EnglishInPart:
        return counted(Match::EnglishAfterPinyinEqual, Match::EnglishAfterPinyinStartsWith,
                       Match::EnglishAfterPinyinContains, Match::EnglishAfterPinyinContains);
    case Reading::OtherWord:
    case Reading::OtherWordInText:
        break;
    }
    return counted(Match::OtherWordEqual, Match::OtherWordStartsWith, Match::OtherWordContains,
                   Match::OtherWordInText);
}

std::optional<Found> matchOf(const Name& name, const Text& text) noexcept {
    if (const auto found = byCharacters(name, text))
        return found;
    if (const auto match = bySound(name, text))
        return Found{*match};
    if (!text.spellable())
        if (const auto match = bySlip(name, text))
            return Found{*match};
    return byPinyin(name, text);
}

// Grammar words that a description of an item puts before or after its noun: "一个", "两只",
// "这些", the 的 and 了 that end what is said of it, the plural 们 and the 儿 of Beijing speech.
// Words of grammar only; no word for a thing is here.
constexpr std::u16string_view demonstratives = u"这那每某哪";
constexpr std::u16string_view numerals = u"一二三四五六七八九十两几半零百千万0123456789";
constexpr std::u16string_view measureWords =
    u"个只支枝根条张块片瓶袋盒包双对件把颗粒节本台部辆套管罐桶杯碗盘串堆些点滴副顶封份幅棵株"
    u"朵盏枚筒卷捆团坨截";
constexpr std::u16string_view particlesBeforeTheNoun = u"的了";

// The length of a count or a "this" at the start of a text, with its measure word: "一个",
// "两只", "这些"; 0 if it has none.
std::size_t countAtStart(std::u16string_view text) noexcept {
    std::size_t counted = 0;
    if (!text.empty() && demonstratives.find(text.front()) != std::u16string_view::npos)
        counted = 1;
    while (counted < text.size() && numerals.find(text[counted]) != std::u16string_view::npos)
        ++counted;
    if (counted > 0 && counted < text.size() &&
        measureWords.find(text[counted]) != std::u16string_view::npos)
        return counted + 1;
    return 0;
}

// The noun of a description: what follows its last 的 or 了, without a count or a "this" before
// it, or a 们 or 儿 after. Empty when the text is no description, or nothing is left.
std::u16string_view nounOf(std::u16string_view text) noexcept {
    std::u16string_view noun = text;
    bool described = false;
    if (const auto at = noun.find_last_of(particlesBeforeTheNoun); at != noun.npos) {
        noun.remove_prefix(at + 1);
        described = true;
    }
    if (const std::size_t counted = countAtStart(noun); counted > 0) {
        noun.remove_prefix(counted);
        described = true;
    }
    while (noun.size() >= 3 && (noun.back() == u'们' || noun.back() == u'儿')) {
        noun.remove_suffix(1);
        described = true;
    }
    return described ? noun : std::u16string_view();
}

// A description without its grammar words: the count at its start, 的 and 了, and the 过 and 着
// before them ("一张擦过鼻涕的纸": 擦过鼻涕纸), written into `units`.
std::u16string_view withoutGrammar(std::u16string_view text,
                                   std::array<char16_t, longestSuggestionText>& units) noexcept {
    text.remove_prefix(countAtStart(text));
    std::size_t size = 0;
    for (std::size_t at = 0; at < text.size() && size < units.size(); ++at) {
        const bool particle =
            particlesBeforeTheNoun.find(text[at]) != std::u16string_view::npos ||
            ((text[at] == u'过' || text[at] == u'着') && at + 1 < text.size() &&
             particlesBeforeTheNoun.find(text[at + 1]) != std::u16string_view::npos);
        if (!particle)
            units[size++] = text[at];
    }
    return {units.data(), size};
}

// A text read another way, and how; of an English reading, its number among them and the
// English that gave it, as the dictionary writes it.
struct OtherReading {
    Characters text;
    Reading reading = Reading::Typed;
    std::uint8_t english = 0;
    std::array<std::string_view, 3> words{};
};

// How many English words of a text are looked up, and of those, how many phrases at most make
// one name (white + board + marker, 白板笔).
constexpr std::size_t mostEnglishWords = 8;
constexpr std::size_t mostEnglishPhrases = 3;
// At most this many English readings of one text: the catalogue's words for its English, and
// for its phrases put together.
constexpr std::size_t mostEnglishReadings = 16;

// Whether letters can all be spelled as pinyin syllables, the last perhaps unfinished ("mop":
// mo, p…). Such a text is pinyin first and English after.
bool readsAsPinyin(const Text& text) noexcept {
    if (!text.spellable())
        return false;
    const std::span<const std::string_view> syllables = hanziTables.syllables;
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

// The English words of a typed text, in the order typed, without the words that name no item:
// letters of either case and width, apart by spaces or punctuation. None if the text holds a
// digit or any other character, or more words than are looked up.
class EnglishText {
public:
    explicit EnglishText(std::u16string_view typed) noexcept {
        std::array<char, longestEnglishWord + 1> word{};
        std::size_t length = 0;
        bool valid = true;
        const auto end = [&] {
            if (length == 0)
                return;
            if (length > longestEnglishWord) {
                valid = false;
            } else if (!isEnglishFunctionWord({word.data(), length})) {
                if (m_count == m_stems.size())
                    valid = false;
                else
                    m_stems[m_count++] = EnglishStem({word.data(), length});
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

    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    [[nodiscard]] std::string_view operator[](std::size_t at) const noexcept {
        return m_stems[at].view();
    }

private:
    std::array<EnglishStem, mostEnglishWords> m_stems{};
    std::size_t m_count = 0;
};

// The dictionary's English entries whose key is the typed words from `first` to `last`.
std::span<const EnglishWord> englishEntries(const EnglishText& text, std::size_t first,
                                            std::size_t last) noexcept {
    // The words apart by single spaces, as the keys are.
    std::array<char, mostEnglishPhrases*(longestEnglishWord + 1)> key{};
    std::size_t size = 0;
    for (std::size_t at = first; at < last; ++at) {
        if (at > first)
            key[size++] = ' ';
        for (const char letter : text[at])
            key[size++] = letter;
    }
    const std::string_view wanted(key.data(), size);
    const std::span<const EnglishWord> table = englishWords();
    const auto [begin, end] =
        std::equal_range(table.begin(), table.end(), wanted, [](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, EnglishWord>)
                return a.key < b;
            else
                return a < b.key;
        });
    return {begin, end};
}

// At most this many other readings of one text: its noun, the noun's last words, and the texts
// with another word put for the catalogue's; of a text longer than any name, at most the
// second many of the last kind: such a text is seldom a guess at one name, and each costs a
// look at every name.
constexpr std::size_t mostOtherReadings = 12;
constexpr std::size_t mostOtherWordsInALongText = 4;
// Of the noun, the last this many units at most are tried as its last words.
constexpr std::size_t longestNounEnd = 8;

class OtherReadings {
public:
    OtherReadings(std::u16string_view raw, const Text& typed) noexcept {
        addEnglish(raw, typed);
        const std::u16string_view noun = nounOf(typed.view());
        if (!noun.empty()) {
            add(noun, Reading::Noun);
            std::array<char16_t, longestSuggestionText> units{};
            if (const auto said = withoutGrammar(typed.view(), units); said != noun)
                add(said, Reading::Said);
            for (std::size_t length = std::min(noun.size() - 1, longestNounEnd); length >= 2;
                 --length)
                add(noun.substr(noun.size() - length), Reading::Described);
        }
        addOtherWords(typed.view());
        if (!noun.empty())
            addOtherWords(noun);
    }

    [[nodiscard]] std::span<const OtherReading> readings() const noexcept {
        return {m_readings.data(), m_count};
    }
    /// The English readings, by their numbers.
    [[nodiscard]] std::span<const OtherReading> englishReadings() const noexcept {
        return {m_english.data(), m_englishCount};
    }

private:
    void add(std::u16string_view text, Reading reading) noexcept {
        if (m_count < m_readings.size())
            m_readings[m_count++] = OtherReading{Characters(text), reading};
    }

    // The catalogue's words that English stands for: of the whole text, or of its phrases put
    // together in the order typed (peanut + shell: 花生 + 壳), a character that ends names only
    // last. The first phrase is the longest one the dictionary has, and so on.
    void addEnglish(std::u16string_view raw, const Text& typed) noexcept {
        // English is letters only, whatever spaces or punctuation there are between them.
        if (!typed.spellable())
            return;
        const EnglishText english(raw);
        if (english.size() == 0)
            return;
        std::array<std::span<const EnglishWord>, mostEnglishPhrases> phrases{};
        std::size_t count = 0;
        // One word the dictionary has no item for is passed over (wine bottle: bottle, 瓶), and
        // what is left counts for less; but the last word, the thing itself, must be known.
        bool passedOver = false;
        for (std::size_t at = 0; at < english.size();) {
            std::size_t length = std::min(mostEnglishPhrases, english.size() - at);
            for (; length > 0; --length)
                if (const auto entries = englishEntries(english, at, at + length);
                    !entries.empty()) {
                    if (count == phrases.size())
                        return;
                    phrases[count++] = entries;
                    break;
                }
            if (length == 0) {
                if (at + 1 == english.size() || passedOver)
                    return;
                passedOver = true;
                length = 1;
            }
            at += length;
        }
        if (count == 0)
            return;
        const Reading reading = passedOver             ? Reading::EnglishInPart
                                : readsAsPinyin(typed) ? Reading::EnglishAfterPinyin
                                                       : Reading::English;
        addEnglishReadings({phrases.data(), count}, reading);
        // Phrases that do not go together (face, 面, which only ends names, then mask, 口罩): the
        // last alone, the thing itself.
        if (m_englishCount == 0 && count > 1)
            addEnglishReadings({&phrases[count - 1], 1}, Reading::EnglishInPart);
    }

    // Every way of putting the phrases' words together, in the phrases' order, each one a
    // reading.
    void addEnglishReadings(std::span<const std::span<const EnglishWord>> phrases,
                            Reading reading) noexcept {
        std::array<std::size_t, mostEnglishPhrases> choice{};
        while (m_englishCount < mostEnglishReadings) {
            bool usable = true;
            std::array<char16_t, longestSuggestionText> units{};
            std::size_t length = 0;
            OtherReading made{Characters(), reading, static_cast<std::uint8_t>(m_englishCount), {}};
            for (std::size_t p = 0; p < phrases.size() && usable; ++p) {
                const EnglishWord& word = phrases[p][choice[p]];
                // A character that only ends names goes last, after something.
                usable = (!word.head || (p > 0 && p + 1 == phrases.size())) &&
                         length + word.meaning.size() <= units.size();
                if (!usable)
                    break;
                std::copy(word.meaning.begin(), word.meaning.end(), units.begin() + length);
                length += word.meaning.size();
                made.words[p] = word.english;
            }
            if (usable) {
                made.text = Characters({units.data(), length});
                m_english[m_englishCount++] = made;
            }
            // The next choice, the last phrase's word changing fastest.
            std::size_t p = phrases.size();
            while (p > 0 && ++choice[p - 1] == phrases[p - 1].size())
                choice[--p] = 0;
            if (p == 0)
                break;
        }
    }

    // The text with each other word in it (a word of two characters or more) put for the
    // catalogue's word it stands for. Of a text longer than any name, only the names it holds
    // can match, and only those over the word put in are new: the word with as much text on
    // each side as a name could reach is enough.
    void addOtherWords(std::u16string_view text) noexcept {
        static const std::size_t longestName = [] {
            std::size_t longest = 0;
            for (const std::u16string_view name : ItemCatalogue::entries())
                longest = std::max(longest, name.size());
            return longest;
        }();
        const std::span<const OtherWord> table = otherWords();
        for (std::size_t at = 0; at + 1 < text.size(); ++at) {
            // Every other word that starts here: they sort together, after the first unit alone.
            auto entry = std::lower_bound(
                table.begin(), table.end(), text.substr(at, 1),
                [](const OtherWord& word, std::u16string_view start) { return word.word < start; });
            for (; entry != table.end() && entry->word.front() == text[at]; ++entry) {
                if (text.substr(at, entry->word.size()) != entry->word)
                    continue;
                std::u16string_view before = text.substr(0, at);
                std::u16string_view after = text.substr(at + entry->word.size());
                Reading reading = Reading::OtherWord;
                if (before.size() + entry->meaning.size() + after.size() > longestName) {
                    if (m_inText == mostOtherWordsInALongText)
                        return;
                    ++m_inText;
                    reading = Reading::OtherWordInText;
                    before =
                        before.substr(before.size() - std::min(before.size(), longestName - 1));
                    after = after.substr(0, longestName - 1);
                }
                std::array<char16_t, longestSuggestionText> units{};
                const std::size_t length = before.size() + entry->meaning.size() + after.size();
                if (length > units.size())
                    continue;
                auto out = std::copy(before.begin(), before.end(), units.begin());
                out = std::copy(entry->meaning.begin(), entry->meaning.end(), out);
                std::copy(after.begin(), after.end(), out);
                add({units.data(), length}, reading);
            }
        }
    }

    std::array<OtherReading, mostOtherReadings> m_readings{};
    std::size_t m_count = 0;
    std::size_t m_inText = 0;
    std::array<OtherReading, mostEnglishReadings> m_english{};
    std::size_t m_englishCount = 0;
};

// Whether the unit at `at` is the first with its key: each character once, however often it
// stands in a name or a text.
template <typename Units> bool firstOfItsKey(const Units& units, std::size_t at) noexcept {
    for (std::size_t before = 0; before < at; ++before)
        if (units.key(before) == units.key(at))
            return false;
    return true;
}

// Which names hold each character, made once: for a character (as compared, keyOf), the
// positions of the names that hold it, and of those that start with it, in catalogue order.
// Lets a reading of the text look only at the names that could match it.
class NameIndex {
public:
    static const NameIndex& get() noexcept {
        static const NameIndex index;
        return index;
    }

    [[nodiscard]] std::span<const std::uint16_t> holding(char16_t key) const noexcept {
        return listOf(key, m_holding);
    }
    [[nodiscard]] std::span<const std::uint16_t> startingWith(char16_t key) const noexcept {
        return listOf(key, m_starting);
    }

private:
    struct List {
        char16_t key;
        std::uint16_t first;
        std::uint16_t count;
    };

    NameIndex() {
        std::vector<std::pair<char16_t, std::uint16_t>> holding, starting;
        for (int position = ItemCatalogue::firstPosition;
             position < ItemCatalogue::sentinelPosition; ++position) {
            const Name name(position);
            const auto at = static_cast<std::uint16_t>(position);
            for (std::size_t i = 0; i < name.size(); ++i)
                if (firstOfItsKey(name, i))
                    holding.emplace_back(name.key(i), at);
            starting.emplace_back(name.key(0), at);
        }
        build(holding, m_holding);
        build(starting, m_starting);
    }

    struct Lists {
        std::vector<List> lists;
        std::vector<std::uint16_t> positions;
    };

    static void build(std::vector<std::pair<char16_t, std::uint16_t>>& pairs, Lists& out) {
        std::sort(pairs.begin(), pairs.end());
        for (const auto& [key, position] : pairs) {
            if (out.lists.empty() || out.lists.back().key != key)
                out.lists.push_back({key, static_cast<std::uint16_t>(out.positions.size()), 0});
            ++out.lists.back().count;
            out.positions.push_back(position);
        }
    }

    static std::span<const std::uint16_t> listOf(char16_t key, const Lists& lists) noexcept {
        const auto list = std::lower_bound(lists.lists.begin(), lists.lists.end(), key,
                                           [](const List& l, char16_t k) { return l.key < k; });
        if (list == lists.lists.end() || list->key != key)
            return {};
        return std::span(lists.positions).subspan(list->first, list->count);
    }

    Lists m_holding;
    Lists m_starting;
};

// The best match of every name through the other readings of the text, by position (index 0:
// position 1). Each reading looks only at the names that could match it: those that hold its
// rarest character (the reading in the name, in order, or mistyped), or that start with one of
// its characters (the name in the reading).
class MatchesOfReadings {
public:
    explicit MatchesOfReadings(const OtherReadings& others) noexcept {
        const NameIndex& index = NameIndex::get();
        for (const OtherReading& other : others.readings()) {
            const std::uint8_t kinds = kindsFor(other.reading);
            const Characters& text = other.text;
            if (text.size() == 0)
                continue;
            if ((kinds & (TextInName | Ordered)) != 0) {
                for (const std::uint16_t position : index.holding(rarestKey(text)))
                    consider(position, other, kinds);
            }
            if ((kinds & (NameInTextOnly | Ordered)) != 0) {
                for (std::size_t at = 0; at < text.size(); ++at)
                    if (firstOfItsKey(text, at))
                        for (const std::uint16_t position : index.startingWith(text.key(at)))
                            consider(position, other, kinds);
            }
            // A mistyped noun keeps its first or its second character.
            if (other.reading == Reading::Noun && text.size() >= 2)
                for (const std::size_t at : {std::size_t{0}, std::size_t{1}})
                    for (const std::uint16_t position : index.holding(text.key(at)))
                        consider(position, other, kinds);
        }
        for (const OtherReading& other : others.englishReadings()) {
            if (other.text.size() == 0)
                continue;
            for (const std::uint16_t position : index.holding(rarestKey(other.text)))
                consider(position, other, TextInName);
        }
    }

    [[nodiscard]] const std::optional<Found>& of(int position) const noexcept {
        return m_best[static_cast<std::size_t>(position - 1)];
    }

private:
    static char16_t rarestKey(const Characters& text) noexcept {
        const NameIndex& index = NameIndex::get();
        char16_t rarest = text.key(0);
        std::size_t fewest = index.holding(rarest).size();
        for (std::size_t at = 1; at < text.size(); ++at) {
            const std::size_t count = index.holding(text.key(at)).size();
            if (count < fewest) {
                fewest = count;
                rarest = text.key(at);
            }
        }
        return rarest;
    }

    void consider(std::uint16_t position, const OtherReading& other, std::uint8_t kinds) noexcept {
        const Name name(position);
        const std::optional<Found> found = byCharacters(name, other.text, kinds);
        // A noun of one character is too little to look for in longer names (我的手: no 手机).
        if (found && other.text.size() == 1 && found->match != Match::Equal)
            return;
        std::optional<Found> counted;
        if (found)
            counted = Found{asReading(found->match, other.reading), found->later, other.english};
        // The noun of a description may be mistyped as any name may (喝完的可乐罐).
        else if (other.reading == Reading::Noun)
            if (const auto slip = bySlip(name, other.text))
                counted = Found{*slip};
        std::optional<Found>& best = m_best[position - 1U];
        if (counted && (!best || counted->match < best->match))
            best = counted;
    }

    std::array<std::optional<Found>, ItemCatalogue::size> m_best{};
};

// The best match of a name with the text and every other reading of it.
std::optional<Found> bestMatchOf(const Name& name, int position, const Text& text,
                                 const MatchesOfReadings& others) noexcept {
    std::optional<Found> best = matchOf(name, text);
    const std::optional<Found>& other = others.of(position);
    if (other && (!best || other->match < best->match))
        best = other;
    return best;
}

// The names a text leads to, ranked: the first `kept` of `ranks`, best first.
class Ranking {
public:
    Ranking(std::u16string_view typed, std::size_t limit) noexcept
        : m_text(typed)
        , m_others(typed, m_text) {
        if (limit == 0 || m_text.size() == 0)
            return;
        const MatchesOfReadings others(m_others);
        // Every match; only the first `found` are ever read.
        std::size_t found = 0;
        for (int position = ItemCatalogue::firstPosition;
             position < ItemCatalogue::sentinelPosition; ++position) {
            const Name name(position);
            if (const auto match = bestMatchOf(name, position, m_text, others))
                m_ranks[found++] = rankOf(*match, name.size(), position);
        }
        m_kept = std::min(limit, found);
        std::partial_sort(m_ranks.begin(), m_ranks.begin() + static_cast<std::ptrdiff_t>(m_kept),
                          m_ranks.begin() + static_cast<std::ptrdiff_t>(found));
    }

    [[nodiscard]] std::span<const std::uint32_t> best() const noexcept {
        return {m_ranks.data(), m_kept};
    }

    /// The English that led to a ranked name, if any.
    [[nodiscard]] std::array<std::string_view, 3> englishOf(std::uint32_t rank) const noexcept {
        if (!isEnglish(matchOf(rank)))
            return {};
        return m_others.englishReadings()[englishReadingOf(rank)].words;
    }

private:
    Text m_text;
    OtherReadings m_others;
    std::array<std::uint32_t, ItemCatalogue::size> m_ranks;
    std::size_t m_kept = 0;
};

} // namespace

std::vector<int> suggestItems(std::u16string_view typed, std::size_t limit) {
    const Ranking ranking(typed, limit);
    std::vector<int> best;
    best.reserve(ranking.best().size());
    for (const std::uint32_t rank : ranking.best())
        best.push_back(positionOf(rank));
    return best;
}

std::vector<Suggestion> suggest(std::u16string_view typed, std::size_t limit) {
    const Ranking ranking(typed, limit);
    std::vector<Suggestion> best;
    best.reserve(ranking.best().size());
    for (const std::uint32_t rank : ranking.best())
        best.push_back(Suggestion{positionOf(rank), ranking.englishOf(rank)});
    return best;
}

std::size_t suggestionTableBytes() noexcept {
    std::size_t bytes =
        hanziTables.syllables.size_bytes() + hanziTables.readingSyllables.size_bytes() +
        hanziTables.characterReadings.size_bytes() + hanziTables.simplifications.size_bytes() +
        hanziTables.nameUnitStart.size_bytes() + hanziTables.nameUnitReadings.size_bytes();
    for (const std::string_view syllable : hanziTables.syllables)
        bytes += syllable.size() + 1;
    bytes += otherWords().size_bytes();
    for (const OtherWord& other : otherWords())
        bytes += (other.word.size() + other.meaning.size() + 2) * sizeof(char16_t);
    bytes += englishWords().size_bytes();
    for (const EnglishWord& english : englishWords())
        bytes += english.key.size() + english.english.size() + 2 +
                 (english.meaning.size() + 1) * sizeof(char16_t);
    return bytes;
}

} // namespace vekkiro
