#pragma once

// What every matcher answers: the kind of match, whose order here is the whole ranking (the
// public header describes it by pointing here), and what orders matches of one kind.

#include <cstddef>
#include <cstdint>

namespace vekkiro::suggestions {

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
    // One character of three or more wrong, one that looks like the name's (it shares its
    // radical): a slip of the hand or the eye (快餐盆 for 快餐盒).
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
    // Nothing else matches, but the name ends with the head of the thing the text names: it is
    // of the same kind (红酒瓶子, 玻璃瓶).
    SharedHead,
    Last = SharedHead,
};

constexpr bool isEnglish(Match match) noexcept {
    return (match >= Match::EnglishEqual && match <= Match::EnglishContains) ||
           (match >= Match::EnglishAfterPinyinEqual &&
            match <= Match::EnglishAfterPinyinContains) ||
           (match >= Match::EnglishTypoEqual && match <= Match::EnglishTypoContains);
}

// A match, and what orders it among matches of its kind.
struct Found {
    Match match;
    /// Of a match by pinyin: it needs a character's rarer reading (腊 read xī rather than là).
    bool rarerReading = false;
    /// Of a name that the text holds: the text does not end with it, so it is not what the text
    /// is about (纽扣电池 is a battery).
    bool notTheTextsHead = false;
    /// Of a match through English, which English reading of the text gave it, by number: those
    /// come in the order of their English, and the row shows it.
    std::uint8_t englishNumber = 0;
};

// A kind of match at a place: the whole name, its start, or further in.
constexpr Match atPlace(std::size_t at, std::size_t length, std::size_t nameLength, Match equal,
                        Match startsWith, Match contains) noexcept {
    if (at > 0)
        return contains;
    return length == nameLength ? equal : startsWith;
}

} // namespace vekkiro::suggestions
