#include "pinyin_matcher.h"

#include "forgiving_pinyin.h"
#include "hanzi_tables.h"
#include "units.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

namespace {

using detail::hanziTables;

// Which readings of a character a spelling may take: all, or only the first, its commonest; and
// whether as typed or as a forgiving input method hears them.
enum class Spellings : std::uint8_t { All, Commonest, Forgiving };

// Whether a typed unit spells a letter of a syllable. People type "u" for ü where no input
// method is at hand, and "v" where one is.
constexpr bool spells(char syllableLetter, char16_t typed) noexcept {
    return typed == static_cast<unsigned char>(syllableLetter) ||
           (syllableLetter == 'v' && typed == u'u');
}

// Every ASCII unit once, so that a letter or digit of a name can stand as its own syllable.
constexpr std::array<char, 128> asciiUnits = [] {
    std::array<char, 128> units{};
    for (std::size_t c = 0; c < units.size(); ++c)
        units[c] = static_cast<char>(c);
    return units;
}();

// How many letters of the text from `at` on the syllable starts with.
std::size_t sharedStart(std::string_view syllable, const TypedText& text, std::size_t at) noexcept {
    std::size_t n = 0;
    while (n < syllable.size() && at + n < text.size() && spells(syllable[n], text[at + n]))
        ++n;
    return n;
}

// Calls `take(syllable)` for each way the name's character can be spelled.
template <typename Take>
void forEachSyllable(const Name& name, std::size_t at, Spellings spellings, Take take) {
    const char16_t unit = name[at];
    if (unit < asciiUnits.size()) {
        take(std::string_view(&asciiUnits[unit], 1));
        return;
    }
    const std::span<const std::uint16_t> syllables = name.syllables(at);
    const std::size_t count = spellings == Spellings::Commonest ? 1 : syllables.size();
    for (std::size_t k = 0; k < count && k < syllables.size(); ++k) {
        take(hanziTables.syllables[syllables[k]]);
        if (spellings == Spellings::Forgiving)
            ForgivingForms::get().forEach(syllables[k], take);
    }
}

// Whether the name's character at `at` can be spelled starting with the text's unit, or is it.
bool mayBeSpelledFrom(const Name& name, std::size_t at, char16_t unit, Spellings spellings) {
    if (!isLetterOrDigit(unit))
        return name.compared(at) == comparedUnit(unit);
    const char16_t own = name[at];
    if (own < asciiUnits.size())
        return own == unit;
    const std::span<const std::uint16_t> ids = name.syllables(at);
    const std::size_t count =
        spellings == Spellings::Commonest ? std::min<std::size_t>(1, ids.size()) : ids.size();
    for (std::size_t k = 0; k < count; ++k) {
        const char first = hanziTables.syllables[ids[k]].front();
        if (spells(first, unit) ||
            (spellings == Spellings::Forgiving && spells(forgivingPartner(first), unit)))
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

Spelled spelledFrom(const Name& name, std::size_t start, const TypedText& text,
                    Spellings spellings) noexcept {
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
                if (text.compared(from) == name.compared(at))
                    reach(from + 1, byWhole, byCut, false);
                continue;
            }
            forEachSyllable(name, at, spellings, [&](std::string_view syllable) {
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

std::optional<Match> spelledWith(const Name& name, const TypedText& text,
                                 Spellings spellings) noexcept {
    std::optional<Match> best;
    for (std::size_t start = 0; start < name.size(); ++start) {
        // Further in, the best is a part of the name spelled: no better than what was found.
        if (text.size() > longestSyllable * (name.size() - start) ||
            (start > 0 && best && !isBetter(Match::PinyinContains, *best)))
            break;
        if (!mayBeSpelledFrom(name, start, text[0], spellings))
            continue;
        const Spelled spelled = spelledFrom(name, start, text, spellings);
        const auto consider = [&best](bool holds, Match match) {
            if (holds && (!best || isBetter(match, *best)))
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
std::optional<Match> spelledForgivingly(const Name& name, const TypedText& text) noexcept {
    // Shorter texts are a syllable or two being typed: the exact readings serve them.
    constexpr std::size_t shortest = 4;
    if (text.size() < shortest || !mayBeSpelledFrom(name, 0, text[0], Spellings::Forgiving))
        return std::nullopt;
    const Spelled spelled = spelledFrom(name, 0, text, Spellings::Forgiving);
    if (spelled.wholeToTheEnd)
        return Match::ForgivingEqual;
    if (spelled.whole || spelled.unfinished)
        return Match::ForgivingStartsWith;
    return std::nullopt;
}

} // namespace

std::optional<Found> byPinyin(const Name& name, const TypedText& text) noexcept {
    if (!text.spellable() && !text.mixed())
        return std::nullopt;
    const std::optional<Match> any = spelledWith(name, text, Spellings::All);
    if (!any) {
        const std::optional<Match> forgiven = spelledForgivingly(name, text);
        return forgiven ? std::optional<Found>(Found{*forgiven}) : std::nullopt;
    }
    if (!name.hasSeveralReadings())
        return Found{*any};
    const std::optional<Match> commonest = spelledWith(name, text, Spellings::Commonest);
    Found found{*any};
    found.later = !commonest || isBetter(*any, *commonest);
    return found;
}

bool PinyinMatcher::match(const Name& name, int, Found& found) const noexcept {
    return answer(byPinyin(name, m_text), found);
}

} // namespace vekkiro::suggestions
