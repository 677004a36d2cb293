// The suggestions' stages one by one, by what each reads or matches, and the whole list for
// texts that need two readings at once.
#include "suggestion_names.h"
#include "suggestions/described_pinyin_matcher.h"
#include "suggestions/description_reader.h"
#include "suggestions/match_order.h"
#include "suggestions/pipeline.h"
#include "suggestions/question_reader.h"
#include "suggestions/typed_text.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vekkiro::testing::Meant;
using vekkiro::testing::OffersTheNameMeant;
using vekkiro::testing::utf8;
using namespace vekkiro::suggestions;

// A text, and what a stage reads it as (empty: nothing).
struct ReadAs {
    const char* label;
    std::u16string text;
    std::u16string read;
};

void PrintTo(const ReadAs& row, std::ostream* out) {
    *out << row.label;
}

class AskedAbout : public testing::TestWithParam<ReadAs> {};

TEST_P(AskedAbout, IsTheThingWithoutTheQuestion) {
    const TypedText typed(GetParam().text);
    EXPECT_EQ(utf8(askedAbout(typed.view())), utf8(GetParam().read));
}

INSTANTIATE_TEST_SUITE_P(
    QuestionReader, AskedAbout,
    testing::Values(ReadAs{"which_bin", u"电池是什么垃圾", u"电池"},
                    ReadAs{"a_request_and_a_question", u"请问外卖塑料怎么扔", u"外卖塑料"},
                    ReadAs{"traditional_question", u"塑膠杯是什麼垃圾", u"塑胶杯"},
                    ReadAs{"traditional_where", u"免洗筷丟哪裡", u"免洗筷"},
                    ReadAs{"cantonese_how", u"膠袋要點樣丟", u"胶袋"},
                    ReadAs{"a_bins_name_is_no_question", u"有害垃圾", u""},
                    ReadAs{"a_name_that_ends_as_a_bin_word", u"饼干", u""},
                    ReadAs{"two_characters_stay", u"水桶怎么扔", u"水桶"}));

class NounOf : public testing::TestWithParam<ReadAs> {};

TEST_P(NounOf, IsWhatTheDescriptionNames) {
    EXPECT_EQ(utf8(nounOf(GetParam().text)), utf8(GetParam().read));
}

INSTANTIATE_TEST_SUITE_P(DescriptionReader, NounOf,
                         testing::Values(ReadAs{"after_de", u"摔碎的碗", u"碗"},
                                         ReadAs{"after_a_count", u"两只旧鞋", u"旧鞋"},
                                         ReadAs{"a_plural_men", u"两个小朋友们", u"小朋友"},
                                         ReadAs{"no_description", u"电池", u""}));

class DescribedPinyin : public testing::TestWithParam<std::pair<ReadAs, std::u16string>> {};

TEST_P(DescribedPinyin, IsReadWithoutItsGrammarAndForItsNoun) {
    const auto& [row, noun] = GetParam();
    const DescribedPinyinMatcher matcher{TypedText(row.text)};
    std::vector<std::string> read;
    for (std::size_t at = 0; at < matcher.size(); ++at)
        read.push_back(utf8(matcher[at].view()));
    std::vector<std::string> expected;
    if (!row.read.empty())
        expected.push_back(utf8(row.read));
    if (!noun.empty())
        expected.push_back(utf8(noun));
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(
    DescribedPinyinMatcher, DescribedPinyin,
    testing::Values(
        std::pair{ReadAs{"a_description", u"guoqi de yaopin", u"guoqiyaopin"}, u"yaopin"},
        std::pair{ReadAs{"guo_before_de", u"yong guo de suliaodai", u"yongsuliaodai"},
                  u"suliaodai"},
        std::pair{ReadAs{"a_question", u"xiangjiaopi shi shenme laji", u"xiangjiaopi"}, u""},
        // Syllables that a question may end with, but no word that asks: a name.
        std::pair{ReadAs{"no_question", u"zhi ma", u""}, u""},
        std::pair{ReadAs{"one_word", u"guoqiyaopin", u""}, u""},
        std::pair{ReadAs{"characters", u"过期 的 药品", u""}, u""}));

// Of a typed text: whether it reads as pinyin, and the words it was typed in.
struct Typed {
    const char* label;
    std::u16string text;
    bool readsAsPinyin;
    std::vector<std::string> words;
};

void PrintTo(const Typed& row, std::ostream* out) {
    *out << row.label;
}

class TypedTexts : public testing::TestWithParam<Typed> {};

TEST_P(TypedTexts, AreReadOnceForEveryStage) {
    const TypedText typed(GetParam().text);
    EXPECT_EQ(typed.readsAsPinyin(), GetParam().readsAsPinyin);
    std::vector<std::string> words;
    for (std::size_t at = 0; at < typed.words().size(); ++at)
        words.emplace_back(typed.words()[at]);
    EXPECT_EQ(words, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    TypedText, TypedTexts,
    testing::Values(Typed{"pinyin", u"dianchi", true, {"dianchi"}},
                    Typed{"pinyin_unfinished", u"dianch", true, {"dianch"}},
                    Typed{"english", u"Peanut  Shells", false, {"peanut", "shells"}},
                    Typed{"function_words_left_out", u"the old battery", false, {"battery"}},
                    Typed{"full_width", u"ｍｏｐ", true, {"mop"}},
                    Typed{"a_digit_is_no_english", u"a4 paper", false, {}},
                    Typed{"characters", u"电池", false, {}}));

// The kinds two readings at once count as, and each kind they combine.
struct Combined {
    const char* label;
    Match combined;
    std::vector<Match> parts;
};

void PrintTo(const Combined& row, std::ostream* out) {
    *out << row.label;
}

class CombinedKinds : public testing::TestWithParam<Combined> {};

// Ranked above a part, a combination would move down what that reading alone finds.
TEST_P(CombinedKinds, RankBelowEveryKindTheyCombineAndTheNamesOfTheThingsKind) {
    for (const Match part : GetParam().parts)
        EXPECT_TRUE(isBetter(part, GetParam().combined)) << static_cast<int>(part);
    EXPECT_TRUE(isBetter(Match::SharedHead, GetParam().combined));
}

INSTANTIATE_TEST_SUITE_P(MatchOrder, CombinedKinds,
                         testing::Values(Combined{"other_word_in_a_question",
                                                  Match::MeantOtherWordEqual,
                                                  {Match::MeantInOrder, Match::OtherWordInText}},
                                         Combined{
                                             "english_question",
                                             Match::EnglishAskedEqual,
                                             {Match::EnglishTypoContains, Match::MeantInOrder}},
                                         Combined{"pinyin_description",
                                                  Match::DescribedPinyinEqual,
                                                  {Match::PinyinContains, Match::InitialsTypo,
                                                   Match::DescribedInOrder}}));

// What the readers read of a text, as reading kind and characters.
struct Readers {
    const char* label;
    std::u16string text;
    Interpretation as;
    std::u16string read;
};

void PrintTo(const Readers& row, std::ostream* out) {
    *out << row.label;
}

class ReadTexts : public testing::TestWithParam<Readers> {};

TEST_P(ReadTexts, HoldWhatEachReaderReadsOfWhatTheOthersFound) {
    const ReadText text(GetParam().text);
    std::vector<std::string> read;
    text.readings.forEach([&](const Reading& reading, std::uint8_t) {
        if (reading.as == GetParam().as)
            read.push_back(utf8(reading.text.view()));
    });
    EXPECT_NE(std::find(read.begin(), read.end(), utf8(GetParam().read)), read.end())
        << testing::PrintToString(read);
}

INSTANTIATE_TEST_SUITE_P(Pipeline, ReadTexts,
                         testing::Values(
                             // The other words are read after the question, in what it asks about.
                             Readers{"other_word_in_a_question", u"免洗筷丟哪裡",
                                     Interpretation::MeantOtherWord, u"筷子"},
                             Readers{"other_word_in_a_questions_noun", u"喝剩的稀飯怎麼扔",
                                     Interpretation::MeantOtherWord, u"粥"},
                             Readers{"english_question", u"where should i put old newspapers",
                                     Interpretation::EnglishAsked, u"报纸"},
                             Readers{"english_request", u"how do i throw away batteries",
                                     Interpretation::EnglishAsked, u"电池"}));

TEST(ReadTexts, AskNothingOfATextThatAsksNothing) {
    const ReadText text(u"电池");
    EXPECT_TRUE(text.soFar.asked.empty());
    EXPECT_EQ(utf8(text.soFar.thing), utf8(u"电池"));
}

INSTANTIATE_TEST_SUITE_P(
    TwoReadingsAtOnce, OffersTheNameMeant,
    testing::Values(
        Meant{"traditional_question_and_other_word", u"免洗筷丟哪裡", u"一次性筷子", 0},
        Meant{"english_question", u"where should i put old newspapers", u"报纸", 0},
        Meant{"english_question_with_a_slip", u"how do i throw away batery", u"电池", 0},
        Meant{"english_question_irregular_plural", u"what bin for dead mice", u"老鼠", 0},
        Meant{"english_yes_no_question", u"can i recycle plastic bottles", u"塑料瓶", 0},
        Meant{"pinyin_description", u"guoqi de yaopin", u"过期药品", 0},
        Meant{"pinyin_question", u"xiangjiaopi shi shenme laji", u"香蕉皮", 0},
        Meant{"pinyin_noun_of_a_description", u"yong wan de dianchi", u"电池", 0}));

} // namespace
