#pragma once

// Another way a typed text can be read as a name, and how a match of such a reading counts.

#include "match_order.h"
#include "typed_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

// Which matches by characters to search for: the text in the name (Match::Equal, StartsWith,
// Contains), the name in the text (Match::NameInText), the one's characters in the other in
// order with gaps, or swapped (Match::InOrder).
enum CharacterSearch : std::uint8_t {
    SearchTextInName = 1,
    SearchNameInText = 2,
    SearchInOrder = 4,
    SearchEverything = SearchTextInName | SearchNameInText | SearchInOrder,
};

// What a text was read as.
enum class Interpretation : std::uint8_t {
    Noun,                 // the noun of a description: by characters, or mistyped
    Described,            // the last words of a description's noun: by characters
    Said,                 // a description without its grammar words: by characters
    Meant,                // what a question asks about, its noun, the thing without a model's
                          // letters or a 子: by characters
    OtherWord,            // another word in it put for the catalogue's: by characters
    OtherWordInText,      // as OtherWord, of a text longer than any name: only names it holds count
    English,              // the catalogue's words that English in it stands for: in the name
    EnglishAfterPinyin,   // as English, of a text that reads as pinyin too
    EnglishInPart,        // as EnglishAfterPinyin, for some of the text's words only
    EnglishMistyped,      // as English, of the text with its words put right
    Mixed,                // English and Chinese, the English put into Chinese: by characters
    MeantOtherWord,       // as OtherWord, of what a question asks about
    MeantOtherWordInText, // as OtherWordInText, of what a question asks about
    EnglishAsked,         // as English, of a question's words without those that ask
};

// Of each interpretation, which matches by characters are searched for, and the kinds they count
// as: the reading as the whole name, its start, further in, and the rest (the name in the reading,
// or in order).
struct CountedAs {
    Interpretation as;
    std::uint8_t searches;
    Match equal;
    Match startsWith;
    Match contains;
    Match rest;
    /// A noun of a description may be mistyped as any name may (喝完的可乐罐).
    bool mayBeMistyped = false;
    /// Only the reading as a whole name counts: of a question in English, whose words are few
    /// and whose thing is said whole ("where is the toilet" asks for no 卫生间用纸).
    bool wholeNamesOnly = false;
};

inline constexpr std::array readingKinds = {
    CountedAs{Interpretation::Noun, SearchTextInName, Match::DescribedEqual,
              Match::DescribedStartsWith, Match::DescribedContains, Match::DescribedInOrder, true},
    CountedAs{Interpretation::Described, SearchTextInName, Match::DescribedEqual,
              Match::DescribedStartsWith, Match::DescribedContains, Match::DescribedInOrder},
    CountedAs{Interpretation::Said, SearchEverything, Match::DescribedEqual,
              Match::DescribedStartsWith, Match::DescribedContains, Match::DescribedInOrder},
    CountedAs{Interpretation::Meant, SearchEverything, Match::MeantEqual, Match::MeantStartsWith,
              Match::MeantContains, Match::MeantInOrder},
    CountedAs{Interpretation::OtherWord, SearchTextInName | SearchNameInText, Match::OtherWordEqual,
              Match::OtherWordStartsWith, Match::OtherWordContains, Match::OtherWordInText},
    CountedAs{Interpretation::OtherWordInText, SearchNameInText, Match::OtherWordEqual,
              Match::OtherWordStartsWith, Match::OtherWordContains, Match::OtherWordInText},
    CountedAs{Interpretation::English, SearchTextInName, Match::EnglishEqual,
              Match::EnglishStartsWith, Match::EnglishContains, Match::EnglishContains},
    CountedAs{Interpretation::EnglishAfterPinyin, SearchTextInName, Match::EnglishAfterPinyinEqual,
              Match::EnglishAfterPinyinStartsWith, Match::EnglishAfterPinyinContains,
              Match::EnglishAfterPinyinContains},
    CountedAs{Interpretation::EnglishInPart, SearchTextInName, Match::EnglishAfterPinyinEqual,
              Match::EnglishAfterPinyinStartsWith, Match::EnglishAfterPinyinContains,
              Match::EnglishAfterPinyinContains},
    CountedAs{Interpretation::EnglishMistyped, SearchTextInName, Match::EnglishTypoEqual,
              Match::EnglishTypoStartsWith, Match::EnglishTypoContains, Match::EnglishTypoContains},
    CountedAs{Interpretation::Mixed, SearchEverything, Match::MixedEqual, Match::MixedStartsWith,
              Match::MixedContains, Match::MixedInOrder},
    CountedAs{Interpretation::MeantOtherWord, SearchTextInName | SearchNameInText,
              Match::MeantOtherWordEqual, Match::MeantOtherWordStartsWith,
              Match::MeantOtherWordContains, Match::MeantOtherWordInText},
    CountedAs{Interpretation::MeantOtherWordInText, SearchNameInText, Match::MeantOtherWordEqual,
              Match::MeantOtherWordStartsWith, Match::MeantOtherWordContains,
              Match::MeantOtherWordInText},
    CountedAs{Interpretation::EnglishAsked, SearchTextInName, Match::EnglishAskedEqual,
              Match::EnglishAskedEqual, Match::EnglishAskedEqual, Match::EnglishAskedEqual, false,
              true},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < readingKinds.size(); ++i)
            if (static_cast<std::size_t>(readingKinds[i].as) != i)
                return false;
        return true;
    }(),
    "readingKinds is in the order of Interpretation");

constexpr const CountedAs& kindsOf(Interpretation as) noexcept {
    return readingKinds[static_cast<std::size_t>(as)];
}

// A match by characters of a reading, as the kind it counts as.
constexpr Match countedAs(Match match, Interpretation as) noexcept {
    const CountedAs& kinds = kindsOf(as);
    switch (match) {
    case Match::Equal:
        return kinds.equal;
    case Match::StartsWith:
        return kinds.startsWith;
    case Match::Contains:
        return kinds.contains;
    default:
        return kinds.rest;
    }
}

// A text read another way, and how; of an English reading, the English that gave it, as the
// dictionary writes it.
struct Reading {
    Characters text;
    Interpretation as = Interpretation::Noun;
    std::array<std::string_view, 3> english{};
};

// The readings of one source, at most `budget` of them: each source has its own, so that one
// that reads much leaves the others their room.
template <std::size_t budget> class ReadingList {
public:
    /// Adds a reading where there is room; whether there was.
    bool add(std::u16string_view text, Interpretation as,
             std::array<std::string_view, 3> english = {}) noexcept {
        if (m_count == m_readings.size())
            return false;
        m_readings[m_count++] = Reading{Characters(text), as, english};
        return true;
    }
    [[nodiscard]] bool full() const noexcept { return m_count == m_readings.size(); }
    [[nodiscard]] std::size_t size() const noexcept { return m_count; }
    [[nodiscard]] std::span<const Reading> all() const noexcept {
        return {m_readings.data(), m_count};
    }

private:
    std::array<Reading, budget> m_readings{};
    std::size_t m_count = 0;
};

} // namespace vekkiro::suggestions
