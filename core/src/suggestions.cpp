#include "hanzi_tables.h"

#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace vekkiro {

namespace {

using detail::hanziTables;

// How a name matches a text, best first.
enum class Match : std::uint8_t {
    Equal,
    StartsWith,
    Contains,
    NameInText,
    InOrder,
    SoundsEqual,
    SoundsStartsWith,
    SoundsContains,
    PinyinEqual,
    InitialsEqual,
    PinyinStartsWith,
    PinyinUnfinished,
    PinyinContains,
    InitialsStartsWith,
};

// A match, and whether it needs a character's rarer reading (腊 read xī rather than là).
struct Found {
    Match match;
    bool rareReading = false;
};

// The ranking rule, all of it: by kind of match in the order above; within a kind, names spelled
// in their characters' commonest readings first; then shorter names first, except among names
// that the text holds, where the longest is the most of what was typed and comes first; then
// catalogue order. Packed into one number, smaller is better.
constexpr int positionBits = 11;
constexpr int lengthBits = 6;
static_assert(ItemCatalogue::size < (1 << positionBits));

constexpr std::uint32_t rankOf(Found found, std::size_t nameLength, int position) noexcept {
    constexpr std::size_t longest = (1U << lengthBits) - 1;
    const std::size_t length = std::min(nameLength, longest);
    const std::size_t order = (found.rareReading ? 1U << lengthBits : 0U) +
                              (found.match == Match::NameInText ? longest - length : length);
    return static_cast<std::uint32_t>(found.match) << (lengthBits + 1 + positionBits) |
           static_cast<std::uint32_t>(order) << positionBits | static_cast<std::uint32_t>(position);
}

constexpr int positionOf(std::uint32_t rank) noexcept {
    return static_cast<int>(rank & ((1U << positionBits) - 1));
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

constexpr bool isLetterOrDigit(char16_t unit) noexcept {
    return isLetter(unit) || (unit >= u'0' && unit <= u'9');
}

// Whether a typed unit spells a letter of a syllable. People type "u" for ü where no input
// method is at hand, and "v" where one is.
constexpr bool spells(char syllableLetter, char16_t typed) noexcept {
    return typed == static_cast<unsigned char>(syllableLetter) ||
           (syllableLetter == 'v' && typed == u'u');
}

// A set of units, loosely: a unit may be reported as in it when it is not, never the reverse.
// Lets most names be passed over before any character-by-character comparison.
class UnitFilter {
public:
    void add(char16_t unit) noexcept { m_bits |= bitOf(unit); }
    [[nodiscard]] bool mayHoldAll(const UnitFilter& other) const noexcept {
        return (other.m_bits & ~m_bits) == 0;
    }
    [[nodiscard]] bool mayShareAny(const UnitFilter& other) const noexcept {
        return (other.m_bits & m_bits) != 0;
    }

private:
    static constexpr std::uint64_t bitOf(char16_t unit) noexcept { return 1ULL << (unit % 64U); }
    std::uint64_t m_bits = 0;
};

// The typed text as the list reads it, with the readings of its characters.
class Text {
public:
    explicit Text(std::u16string_view typed) noexcept {
        for (const char16_t unit : typed) {
            if (isIgnored(unit))
                continue;
            if (m_size == m_units.size()) {
                m_size = 0;
                return;
            }
            m_units[m_size++] = simplifiedForm(foldedAscii(unit));
        }
        bool hasLetter = false;
        m_spellable = true;
        for (std::size_t at = 0; at < m_size; ++at) {
            m_pinyin[at] = pinyinOf(m_units[at]);
            m_filter.add(m_units[at]);
            hasLetter = hasLetter || isLetter(m_units[at]);
            m_spellable = m_spellable && isLetterOrDigit(m_units[at]);
        }
        m_spellable = m_spellable && hasLetter;
    }

    [[nodiscard]] std::size_t size() const noexcept { return m_size; }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept { return m_units[at]; }
    [[nodiscard]] Pinyin pinyin(std::size_t at) const noexcept { return m_pinyin[at]; }
    [[nodiscard]] const UnitFilter& filter() const noexcept { return m_filter; }
    /// Only ASCII letters and digits, at least one letter: it may be pinyin.
    [[nodiscard]] bool spellable() const noexcept { return m_spellable; }

private:
    std::array<char16_t, longestSuggestionText> m_units{};
    std::array<Pinyin, longestSuggestionText> m_pinyin{};
    std::size_t m_size = 0;
    UnitFilter m_filter;
    bool m_spellable = false;
};

// A catalogue name, its letters in lower case, with the readings of its characters.
class Name {
public:
    explicit Name(int position)
        : m_units(ItemCatalogue::entries()[static_cast<std::size_t>(position - 1)])
        , m_readings(hanziTables.nameUnitReadings.subspan(
              hanziTables.nameUnitStart[static_cast<std::size_t>(position - 1)], m_units.size())) {
        for (const char16_t unit : m_units)
            m_filter.add(foldedAscii(unit));
    }

    [[nodiscard]] std::size_t size() const noexcept { return m_units.size(); }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept {
        return foldedAscii(m_units[at]);
    }
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
    /// Whether the character at `at` can be spelled starting with the unit.
    [[nodiscard]] bool mayBeSpelledFrom(std::size_t at, char16_t unit) const noexcept {
        const char16_t own = (*this)[at];
        if (own < 0x80)
            return own == unit;
        const std::span<const std::uint16_t> ids = syllables(at);
        return std::any_of(ids.begin(), ids.end(), [unit](std::uint16_t id) {
            return spells(hanziTables.syllables[id].front(), unit);
        });
    }
    [[nodiscard]] const UnitFilter& filter() const noexcept { return m_filter; }

private:
    std::u16string_view m_units;
    std::span<const std::uint16_t> m_readings;
    UnitFilter m_filter;
};

// A name read from its `start`-th unit on and round to the one before: its two parts swapped.
class Rotated {
public:
    Rotated(const Name& name, std::size_t start) noexcept
        : m_name(name)
        , m_start(start) {}
    [[nodiscard]] std::size_t size() const noexcept { return m_name.size(); }
    [[nodiscard]] char16_t operator[](std::size_t at) const noexcept {
        return m_name[(m_start + at) % m_name.size()];
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
        if (whole[at] == part[i])
            ++i;
    return i == part.size();
}

std::optional<Match> byCharacters(const Name& name, const Text& text) noexcept {
    const auto same = [&](std::size_t inName, std::size_t inText) {
        return name[inName] == text[inText];
    };
    if (const auto at = find(name, text, same))
        return atPlace(*at, text.size(), name.size(), Match::Equal, Match::StartsWith,
                       Match::Contains);

    const std::size_t n = name.size();
    const std::size_t t = text.size();
    if (t > n && (n >= 2 || t <= 2) && text.filter().mayHoldAll(name.filter()) &&
        find(text, name,
             [&](std::size_t inText, std::size_t inName) { return same(inName, inText); }))
        return Match::NameInText;

    // In order with gaps, or swapped, while the shorter is at least half the longer: beyond
    // that, a text shares too little with a name to mean it.
    const std::size_t shorter = std::min(n, t);
    if (shorter < 2 || 2 * shorter < std::max(n, t))
        return std::nullopt;
    if (t > n ? !text.filter().mayHoldAll(name.filter()) : !name.filter().mayHoldAll(text.filter()))
        return std::nullopt;
    for (std::size_t start = 0; start < n; ++start) {
        const Rotated rotated(name, start);
        if (t >= n ? holdsInOrder(text, rotated) : holdsInOrder(rotated, text))
            return Match::InOrder;
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
            if (name[at + i] == text[i])
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

// Which readings of a character spelling may take: all, or only the first, its commonest.
enum class Readings : std::uint8_t { All, Commonest };

// Calls `take(syllable)` for each way the name's character can be spelled.
template <typename Take>
void forEachSyllable(const Name& name, std::size_t at, Readings readings, Take take) {
    const char16_t unit = name[at];
    if (unit < asciiUnits.size()) {
        take(std::string_view(&asciiUnits[unit], 1));
        return;
    }
    const std::span<const std::uint16_t> syllables = name.syllables(at);
    const std::size_t count = readings == Readings::All ? syllables.size() : 1;
    for (std::size_t k = 0; k < count && k < syllables.size(); ++k)
        take(hanziTables.syllables[syllables[k]]);
}

// How far the text spells the name from its `start`-th character on. Follows every way of
// reading the text at once, as two sets of places in it, one bit a place: those reached by whole
// syllables only, and those reached with some syllable cut short (an initial, or "zh" for
// "zhi"). Reaching the text's end is noted in the answer instead.
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
        for (std::uint64_t places = whole | cut; places != 0; places &= places - 1) {
            const auto from = static_cast<std::size_t>(std::countr_zero(places));
            const bool byWhole = ((whole >> from) & 1U) != 0;
            const bool byCut = ((cut >> from) & 1U) != 0;
            forEachSyllable(name, at, readings, [&](std::string_view syllable) {
                const std::size_t shared = sharedStart(syllable, text, from);
                if (shared == 0)
                    return;
                const std::size_t to = from + shared;
                if (to == end) {
                    if (shared == syllable.size()) {
                        spelled.whole = spelled.whole || byWhole;
                        spelled.wholeToTheEnd = spelled.wholeToTheEnd || (last && byWhole);
                    } else {
                        spelled.unfinished = spelled.unfinished || byWhole;
                    }
                    spelled.cut = spelled.cut || byCut;
                    spelled.cutToTheEnd = spelled.cutToTheEnd || (last && byCut);
                } else if (shared == syllable.size()) {
                    nextWhole |= byWhole ? 1ULL << to : 0;
                    nextCut |= byCut ? 1ULL << to : 0;
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

// No syllable is longer than this ("zhuang", "shuang").
constexpr std::size_t longestSyllable = 6;

std::optional<Match> spelledWith(const Name& name, const Text& text, Readings readings) noexcept {
    std::optional<Match> best;
    for (std::size_t start = 0; start < name.size(); ++start) {
        // Further in, the best is a part of the name spelled: no better than what was found.
        if (text.size() > longestSyllable * (name.size() - start) ||
            (start > 0 && best && *best <= Match::PinyinContains))
            break;
        if (!name.mayBeSpelledFrom(start, text[0]))
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

std::optional<Found> byPinyin(const Name& name, const Text& text) noexcept {
    if (!text.spellable())
        return std::nullopt;
    const std::optional<Match> any = spelledWith(name, text, Readings::All);
    if (!any || !name.hasSeveralReadings())
        return any ? std::optional<Found>(Found{*any}) : std::nullopt;
    const std::optional<Match> commonest = spelledWith(name, text, Readings::Commonest);
    return Found{*any, !commonest || *any < *commonest};
}

std::optional<Found> matchOf(const Name& name, const Text& text) noexcept {
    if (const auto match = byCharacters(name, text))
        return Found{*match};
    if (const auto match = bySound(name, text))
        return Found{*match};
    return byPinyin(name, text);
}

} // namespace

std::vector<int> suggestItems(std::u16string_view typed, std::size_t limit) {
    std::vector<int> best;
    const Text text(typed);
    if (limit == 0 || text.size() == 0)
        return best;

    // Every match, ranked; only the first `found` are ever read.
    std::array<std::uint32_t, ItemCatalogue::size> ranks;
    std::size_t found = 0;
    for (int position = ItemCatalogue::firstPosition; position < ItemCatalogue::sentinelPosition;
         ++position) {
        const Name name(position);
        if (const auto match = matchOf(name, text))
            ranks[found++] = rankOf(*match, name.size(), position);
    }
    const std::size_t kept = std::min(limit, found);
    std::partial_sort(ranks.begin(), ranks.begin() + static_cast<std::ptrdiff_t>(kept),
                      ranks.begin() + static_cast<std::ptrdiff_t>(found));
    best.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i)
        best.push_back(positionOf(ranks[i]));
    return best;
}

} // namespace vekkiro
