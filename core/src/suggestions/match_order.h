#pragma once

// What every matcher answers, and the ranking of its answers: the kinds of match, and one table
// that puts them in order. The public header describes the order by pointing here. The kinds'
// values say nothing; only the table ranks them, so a kind goes where it belongs in the table
// and nothing else moves.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vekkiro::suggestions {

// How a name matches a text.
enum class Match : std::uint8_t {
    Equal,
    StartsWith,
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
    // One character of three or more wrong, one that looks like the name's (it shares its
    // radical): a slip of the hand or the eye (快餐盆 for 快餐盒).
    SlipEqual,
    SlipContains,
    OtherWordEqual,
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
    ForgivingEqual,
    ForgivingStartsWith,
    InitialsStartsWith,
    // English where the text reads as pinyin too: the pinyin comes first.
    EnglishAfterPinyinEqual,
    EnglishAfterPinyinStartsWith,
    EnglishAfterPinyinContains,
    // English and Chinese in one text, the English put into Chinese ("milk盒": 牛奶盒).
    MixedEqual,
    MixedStartsWith,
    MixedContains,
    MixedInOrder,
    // Pinyin with one slip of the fingers ("suliaopnig" for 塑料瓶): the whole name, its start,
    // its initials.
    PinyinTypoEqual,
    PinyinTypoStartsWith,
    InitialsTypo,
    // English with its words put right ("batery": battery).
    EnglishTypoEqual,
    EnglishTypoStartsWith,
    EnglishTypoContains,
    // What the text means to name, by its characters: what a question or request asks about
    // ("外卖塑料怎么扔": 外卖塑料), its noun, or a thing without the 子 that names seldom keep
    // (咖啡杯子: 咖啡杯).
    MeantEqual,
    MeantStartsWith,
    MeantContains,
    MeantInOrder,
    // Two readings at once. Another word in what a question asks
    // about ("塑膠杯是什麼垃圾": 塑胶杯, 塑料杯).
    MeantOtherWordEqual,
    MeantOtherWordStartsWith,
    MeantOtherWordContains,
    MeantOtherWordInText,
    // English in a question ("where should i put old newspapers": newspapers), for a whole name.
    EnglishAskedEqual,
    // Pinyin of a description or a question, its grammar words apart ("guoqi de yaopin").
    DescribedPinyinEqual,
    DescribedPinyinStartsWith,
    DescribedPinyinContains,
    // Nothing else matches, but the name ends with the head of the thing the text names: it is
    // of the same kind (红酒瓶子, 玻璃瓶).
    SharedHead,
};

inline constexpr std::size_t matchKinds = static_cast<std::size_t>(Match::SharedHead) + 1;

// What orders names of one kind of match: shorter names first; the longest first (of names the
// text holds, the longest is the most of what was typed); the order of the English readings that
// led to them (the row shows that English); or how near the name is to the thing, by what of the
// thing it lacks.
enum class WithinKind : std::uint8_t { Shorter, Longer, ByEnglish, Nearer };

struct KindOfMatch {
    Match match;
    WithinKind within;
};

// The ranking, best first. Two readings at once come last, below each reading they combine and
// below the names of the thing's kind, so that what one reading finds never moves down for them.
// A match through another word never outranks one by the name's own
// characters, but for a text that is another word for the whole name (冰激凌 for 冰淇淋): that
// name comes before names that merely hold the text.
inline constexpr std::array matchOrder = {
    KindOfMatch{Match::Equal, WithinKind::Shorter},
    KindOfMatch{Match::StartsWith, WithinKind::Shorter},
    KindOfMatch{Match::OtherWordEqual, WithinKind::Shorter},
    KindOfMatch{Match::Contains, WithinKind::Shorter},
    KindOfMatch{Match::NameInText, WithinKind::Longer},
    KindOfMatch{Match::InOrder, WithinKind::Shorter},
    KindOfMatch{Match::DescribedEqual, WithinKind::Shorter},
    KindOfMatch{Match::DescribedStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::DescribedContains, WithinKind::Shorter},
    KindOfMatch{Match::DescribedInOrder, WithinKind::Shorter},
    KindOfMatch{Match::SoundsEqual, WithinKind::Shorter},
    KindOfMatch{Match::SoundsStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::SoundsContains, WithinKind::Shorter},
    KindOfMatch{Match::SlipEqual, WithinKind::Shorter},
    KindOfMatch{Match::SlipContains, WithinKind::Shorter},
    KindOfMatch{Match::OtherWordStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::OtherWordContains, WithinKind::Shorter},
    KindOfMatch{Match::OtherWordInText, WithinKind::Shorter},
    KindOfMatch{Match::EnglishEqual, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishStartsWith, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishContains, WithinKind::ByEnglish},
    KindOfMatch{Match::PinyinEqual, WithinKind::Shorter},
    KindOfMatch{Match::InitialsEqual, WithinKind::Shorter},
    KindOfMatch{Match::PinyinStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::PinyinUnfinished, WithinKind::Shorter},
    KindOfMatch{Match::PinyinContains, WithinKind::Shorter},
    KindOfMatch{Match::ForgivingEqual, WithinKind::Shorter},
    KindOfMatch{Match::ForgivingStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::InitialsStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::EnglishAfterPinyinEqual, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishAfterPinyinStartsWith, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishAfterPinyinContains, WithinKind::ByEnglish},
    KindOfMatch{Match::MixedEqual, WithinKind::Shorter},
    KindOfMatch{Match::MixedStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::MixedContains, WithinKind::Shorter},
    KindOfMatch{Match::MixedInOrder, WithinKind::Shorter},
    KindOfMatch{Match::PinyinTypoEqual, WithinKind::Shorter},
    KindOfMatch{Match::PinyinTypoStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::InitialsTypo, WithinKind::Shorter},
    KindOfMatch{Match::EnglishTypoEqual, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishTypoStartsWith, WithinKind::ByEnglish},
    KindOfMatch{Match::EnglishTypoContains, WithinKind::ByEnglish},
    KindOfMatch{Match::MeantEqual, WithinKind::Shorter},
    KindOfMatch{Match::MeantStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::MeantContains, WithinKind::Shorter},
    KindOfMatch{Match::MeantInOrder, WithinKind::Shorter},
    KindOfMatch{Match::SharedHead, WithinKind::Nearer},
    KindOfMatch{Match::MeantOtherWordEqual, WithinKind::Shorter},
    KindOfMatch{Match::MeantOtherWordStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::MeantOtherWordContains, WithinKind::Shorter},
    KindOfMatch{Match::MeantOtherWordInText, WithinKind::Shorter},
    KindOfMatch{Match::EnglishAskedEqual, WithinKind::ByEnglish},
    KindOfMatch{Match::DescribedPinyinEqual, WithinKind::Shorter},
    KindOfMatch{Match::DescribedPinyinStartsWith, WithinKind::Shorter},
    KindOfMatch{Match::DescribedPinyinContains, WithinKind::Shorter},
};

// Each kind's place in matchOrder, by its value; matchKinds where the table lacks it.
inline constexpr std::array<std::uint8_t, matchKinds> placeInMatchOrder = [] {
    std::array<std::uint8_t, matchKinds> places{};
    places.fill(static_cast<std::uint8_t>(matchKinds));
    for (std::size_t place = 0; place < matchOrder.size(); ++place)
        places[static_cast<std::size_t>(matchOrder[place].match)] =
            static_cast<std::uint8_t>(place);
    return places;
}();

static_assert(
    matchOrder.size() == matchKinds &&
        [] {
            for (const std::uint8_t place : placeInMatchOrder)
                if (place == matchKinds)
                    return false;
            return true;
        }(),
    "the order ranks every kind of match once");

// A kind's rank, 0 for the best.
constexpr std::size_t rankOf(Match match) noexcept {
    return placeInMatchOrder[static_cast<std::size_t>(match)];
}

constexpr bool isBetter(Match a, Match b) noexcept {
    return rankOf(a) < rankOf(b);
}

constexpr WithinKind withinKind(Match match) noexcept {
    return matchOrder[rankOf(match)].within;
}

// Whether a row of this kind shows the English that led to it.
constexpr bool showsEnglish(Match match) noexcept {
    return withinKind(match) == WithinKind::ByEnglish;
}

// A match, and what orders it among matches of its kind. Every matcher answers one for every name
// at every keystroke: it is kept to three bytes, which a return carries in a register (at six,
// built in memory a byte at a time and read back whole, it stalled each answer).
struct Found {
    Match match;
    /// Comes after the others of its kind: of a match by pinyin, it needs a character's rarer
    /// reading (腊 read xī rather than là); of a name that the text holds, the text does not end
    /// with it, so it is not what the text is about (纽扣电池 is a battery); of a name of the
    /// thing's kind, it ends with the shorter of the thing's heads.
    bool later = false;
    /// Where the kind is ordered so (withinKind): of a match through English, which reading gave
    /// it, by its number among the English readings (the row shows its English); of a name of the
    /// thing's kind, how far it is from the thing.
    std::uint8_t order = 0;
};
static_assert(sizeof(Found) == 3);

constexpr bool isBetter(const Found& a, const Found& b) noexcept {
    return isBetter(a.match, b.match);
}

// A kind of match at a place: the whole name, its start, or further in.
constexpr Match atPlace(std::size_t at, std::size_t length, std::size_t nameLength, Match equal,
                        Match startsWith, Match contains) noexcept {
    if (at > 0)
        return contains;
    return length == nameLength ? equal : startsWith;
}

} // namespace vekkiro::suggestions
