#pragma once

// The other ways a typed text can be read as a name, and how a match of such a reading counts.

#include "character_match.h"
#include "match_kinds.h"
#include "typed_text.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vekkiro::suggestions {

// What a text was read as: as typed, or another way.
enum class Interpretation : std::uint8_t {
    Typed,              // every kind of match
    Noun,               // the noun of a description: by characters, or mistyped
    Described,          // the last words of a description's noun: by characters
    Said,               // a description without its grammar words: by characters
    Meant,              // what a question asks about, its noun, the thing without a model's
                        // letters or a 子: by characters
    OtherWord,          // another word in it put for the catalogue's: by characters
    OtherWordInText,    // as OtherWord, of a text longer than any name: only names it holds count
    English,            // the catalogue's words that English in it stands for: in the name
    EnglishAfterPinyin, // as English, of a text that reads as pinyin too
    EnglishInPart,      // as EnglishAfterPinyin, for some of the text's words only
    EnglishMistyped,    // as English, of the text with its words put right
    Mixed,              // English and Chinese, the English put into Chinese: by characters
};

// A text read another way, and how; of an English reading, its number among them and the
// English that gave it, as the dictionary writes it.
struct InterpretedText {
    Characters text;
    Interpretation as = Interpretation::Typed;
    std::uint8_t englishNumber = 0;
    std::array<std::string_view, 3> english{};
};

// The matches by characters worth searching for in an interpretation.
constexpr std::uint8_t searchesFor(Interpretation as) noexcept {
    switch (as) {
    case Interpretation::Noun:
    case Interpretation::Described:
    case Interpretation::English:
    case Interpretation::EnglishAfterPinyin:
    case Interpretation::EnglishInPart:
    case Interpretation::EnglishMistyped:
        return SearchTextInName;
    case Interpretation::OtherWord:
        return SearchTextInName | SearchNameInText;
    case Interpretation::OtherWordInText:
        return SearchNameInText;
    case Interpretation::Typed:
    case Interpretation::Said:
    case Interpretation::Meant:
    case Interpretation::Mixed:
        break;
    }
    return SearchEverything;
}

// A match by characters of an interpretation, as the kind it counts as. Only what searchesFor
// asks for arrives: the text in the name, or the name in it or in order with gaps.
constexpr Match countedAs(Match match, Interpretation as) noexcept {
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
    switch (as) {
    case Interpretation::Typed:
        return match;
    case Interpretation::Noun:
    case Interpretation::Described:
    case Interpretation::Said:
        return counted(Match::DescribedEqual, Match::DescribedStartsWith, Match::DescribedContains,
                       Match::DescribedInOrder);
    case Interpretation::Mixed:
        return counted(Match::MixedEqual, Match::MixedStartsWith, Match::MixedContains,
                       Match::MixedInOrder);
    case Interpretation::Meant:
        return counted(Match::MeantEqual, Match::MeantStartsWith, Match::MeantContains,
                       Match::MeantInOrder);
    case Interpretation::English:
        return counted(Match::EnglishEqual, Match::EnglishStartsWith, Match::EnglishContains,
                       Match::EnglishContains);
    case Interpretation::EnglishMistyped:
        return counted(Match::EnglishTypoEqual, Match::EnglishTypoStartsWith,
                       Match::EnglishTypoContains, Match::EnglishTypoContains);
    case Interpretation::EnglishAfterPinyin:
    case Interpretation::EnglishInPart:
        return counted(Match::EnglishAfterPinyinEqual, Match::EnglishAfterPinyinStartsWith,
                       Match::EnglishAfterPinyinContains, Match::EnglishAfterPinyinContains);
    case Interpretation::OtherWord:
    case Interpretation::OtherWordInText:
        break;
    }
    return counted(Match::OtherWordEqual, Match::OtherWordStartsWith, Match::OtherWordContains,
                   Match::OtherWordInText);
}

} // namespace vekkiro::suggestions
