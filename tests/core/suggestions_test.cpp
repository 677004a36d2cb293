#include "suggestion_names.h"

#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;
using vekkiro::suggestItems;
using vekkiro::testing::listRows;
using vekkiro::testing::Meant;
using vekkiro::testing::namesOf;
using vekkiro::testing::OffersTheNameMeant;
using vekkiro::testing::utf8;

struct Suggestion {
    const char* label;
    std::u16string text;
    std::size_t limit;
    std::vector<int> positions;
};

void PrintTo(const Suggestion& row, std::ostream* out) {
    *out << row.label;
}

class SuggestItems : public testing::TestWithParam<Suggestion> {};

TEST_P(SuggestItems, GivesTheseNamesInThisOrder) {
    EXPECT_EQ(suggestItems(GetParam().text, GetParam().limit), GetParam().positions);
}

// 1538 电池; 615 碱性电池, 692 碳性电池, 725 无汞干电池, 705 7号无汞电池, 1196 3号无汞电池,
// 1374 9号无汞电池; 1018 PH试纸; 157 纸质吸管, 1061 纸质外卖盒, 1294 吸管纸质包装.
const std::vector<int> battery = {1538, 615, 692, 725, 705, 1196, 1374};

INSTANTIATE_TEST_SUITE_P(
    Order, SuggestItems,
    testing::Values(Suggestion{"exact_then_shorter_then_catalogue_order", u"电池", 8, battery},
                    Suggestion{"limit_keeps_the_best", u"电池", 3, {1538, 615, 692}},
                    Suggestion{"limit_one", u"电池", 1, {1538}},
                    Suggestion{"prefixes_then_inner_matches", u"纸质", 8, {157, 1061, 1294}},
                    Suggestion{"inner_match_only", u"无汞", 8, {725, 705, 1196, 1374}},
                    Suggestion{"pinyin_ranks_the_same_way", u"dianchi", 8, battery}));

INSTANTIATE_TEST_SUITE_P(Folding, SuggestItems,
                         testing::Values(Suggestion{"lower_case", u"ph试纸", 1, {1018}},
                                         Suggestion{"mixed_case", u"pH试", 8, {1018}},
                                         Suggestion{"full_width_upper", u"ＰＨ试纸", 1, {1018}},
                                         Suggestion{"full_width_lower", u"ｐｈ试", 8, {1018}},
                                         Suggestion{"full_width_digit", u"７号", 8, {705}},
                                         Suggestion{"traditional", u"電池", 8, battery}));

// Spaces, line breaks and punctuation that input methods and copied lines bring along.
INSTANTIATE_TEST_SUITE_P(
    LeftOut, SuggestItems,
    testing::Values(Suggestion{"trailing_space", u"电池 ", 8, battery},
                    Suggestion{"line_break_of_a_copied_line", u"电池\r\n", 8, battery},
                    Suggestion{"tab_and_ideographic_space", u"\t电池\u3000", 8, battery},
                    Suggestion{"space_between", u"电 池", 8, battery},
                    Suggestion{"chinese_full_stop", u"电池。", 8, battery},
                    Suggestion{"corner_brackets", u"「电池」", 8, battery},
                    Suggestion{"full_width_question_mark", u"电池？", 8, battery},
                    Suggestion{"ellipsis", u"电池…", 8, battery},
                    Suggestion{"nul_inside", std::u16string(u"电\0池", 3), 8, battery}));

INSTANTIATE_TEST_SUITE_P(
    Nothing, SuggestItems,
    testing::Values(Suggestion{"empty", u"", 8, {}}, Suggestion{"spaces", u"   ", 8, {}},
                    Suggestion{"ideographic_space", u"\u3000", 8, {}},
                    Suggestion{"punctuation_only", u"。，、！？…", 8, {}},
                    Suggestion{"limit_zero", u"电池", 0, {}},
                    Suggestion{"lone_surrogate", std::u16string(1, char16_t(0xD800)), 8, {}},
                    Suggestion{"unrelated_chinese", u"不存在的东西", 8, {}},
                    Suggestion{"unrelated_sentence", u"今天天气很好", 8, {}},
                    Suggestion{"common_word_no_name_holds", u"东西", 8, {}},
                    Suggestion{"english_word", u"hello", 8, {}},
                    Suggestion{"pinyin_of_the_sentinel", u"gengduo", 8, {}},
                    Suggestion{"greeting", u"你好", 8, {}}, Suggestion{"thanks", u"谢谢", 8, {}},
                    Suggestion{"good_morning", u"早上好", 8, {}},
                    Suggestion{"question", u"这是什么垃圾", 8, {}},
                    Suggestion{"question_how", u"怎么分类", 8, {}},
                    Suggestion{"a_description_of_nothing", u"我的手", 8, {}},
                    Suggestion{"random_letters", u"qwerty", 8, {}},
                    Suggestion{"random_digits", u"123456", 8, {}},
                    // A paragraph is no guess at a name, even one that holds names.
                    Suggestion{"longer_than_the_list_reads",
                               std::u16string(vekkiro::longestSuggestionText, u'x') + u"电池",
                               8,
                               {}},
                    Suggestion{"longest_text_the_box_takes", std::u16string(32767, u'池'), 8, {}}));

TEST(SuggestItems, NeverTheSentinel) {
    for (const std::u16string text : {u"更多", u"更", u"多", u"gd", u"geng"}) {
        const std::vector<int> found = suggestItems(text, ItemCatalogue::size);
        EXPECT_EQ(std::count(found.begin(), found.end(), ItemCatalogue::sentinelPosition), 0);
    }
}

TEST_P(OffersTheNameMeant, OnItsRow) {
    const std::vector<int> found = suggestItems(GetParam().text, listRows);
    const std::vector<std::string> names = namesOf(found);
    const auto at = std::find(names.begin(), names.end(), utf8(GetParam().name));
    ASSERT_NE(at, names.end()) << testing::PrintToString(names);
    EXPECT_EQ(static_cast<std::size_t>(at - names.begin()), GetParam().row)
        << testing::PrintToString(names);
}

INSTANTIATE_TEST_SUITE_P(
    NameInTheText, OffersTheNameMeant,
    testing::Values(Meant{"words_before", u"吃剩的饼干", u"饼干", 0},
                    Meant{"words_before_and_after", u"破掉的玻璃瓶子", u"玻璃瓶", 0},
                    Meant{"plural_suffix", u"旧鞋子们", u"旧鞋子", 0},
                    // 使用过的塑料袋 holds the text itself, and that comes first.
                    Meant{"below_a_name_that_holds_the_text", u"用过的塑料袋", u"塑料袋", 1},
                    Meant{"longest_first", u"苹果手机壳", u"手机壳", 0},
                    Meant{"then_the_shorter", u"苹果手机壳", u"手机", 1}));

INSTANTIATE_TEST_SUITE_P(
    InOrder, OffersTheNameMeant,
    testing::Values(Meant{"a_word_between", u"一次性的纸杯", u"一次性纸杯", 0},
                    Meant{"another_word_between", u"过期的药品", u"过期药品", 0},
                    Meant{"a_character_left_out", u"一次纸杯", u"一次性纸杯", 0},
                    Meant{"halves_swapped", u"纸杯一次性", u"一次性纸杯", 0},
                    Meant{"halves_swapped_short", u"皮香蕉", u"香蕉皮", 0}));

INSTANTIATE_TEST_SUITE_P(SoundAlike, OffersTheNameMeant,
                         testing::Values(Meant{"second_character", u"牙高", u"牙膏", 0},
                                         Meant{"middle_character", u"西挂皮", u"西瓜皮", 0},
                                         Meant{"first_character", u"湿膏", u"石膏", 0},
                                         Meant{"traditional_and_sound_alike", u"香焦皮", u"香蕉皮",
                                               0}));

INSTANTIATE_TEST_SUITE_P(
    Pinyin, OffersTheNameMeant,
    testing::Values(Meant{"run_together", u"kuaicanhe", u"快餐盒", 0},
                    Meant{"spaced", u"kuai can he", u"快餐盒", 0},
                    Meant{"apostrophes", u"kuai'can'he", u"快餐盒", 0},
                    Meant{"capitals", u"KuaiCanHe", u"快餐盒", 0},
                    Meant{"full_width", u"ｋｕａｉｃａｎｈｅ", u"快餐盒", 0},
                    Meant{"first_syllables", u"kuaican", u"快餐盒", 0},
                    Meant{"unfinished_last_syllable", u"xiangjiaop", u"香蕉皮", 0},
                    // 橡胶 is spelled whole by xiangjiao; 香蕉皮 only starts so.
                    Meant{"whole_name_first", u"xiangjiao", u"香蕉皮", 1},
                    Meant{"polyphone_common_reading", u"xuetangshizhi", u"血糖试纸", 0},
                    Meant{"polyphone_other_reading", u"xietangshizhi", u"血糖试纸", 0},
                    Meant{"u_umlaut_as_v", u"lvzhi", u"滤纸", 0},
                    Meant{"u_umlaut_as_u", u"luzhi", u"滤纸", 0},
                    Meant{"digits_stay_digits", u"7hao", u"7号无汞电池", 0},
                    Meant{"inside_a_longer_name", u"dianchi", u"碱性电池", 1}));

INSTANTIATE_TEST_SUITE_P(Initials, OffersTheNameMeant,
                         testing::Values(Meant{"three_initials", u"kch", u"快餐盒", 0},
                                         Meant{"upper_case", u"LJT", u"垃圾桶", 0},
                                         Meant{"initials_of_the_start", u"xjp", u"香蕉皮", 0},
                                         Meant{"mixed_with_a_syllable", u"kuaich", u"快餐盒", 0},
                                         Meant{"zh_cut_short", u"zhh", u"纸盒", 0}));

INSTANTIATE_TEST_SUITE_P(Traditional, OffersTheNameMeant,
                         testing::Values(Meant{"whole_name", u"舊報紙", u"报纸", 0},
                                         Meant{"with_a_word_between", u"過期的藥品", u"过期药品",
                                               0},
                                         Meant{"one_character", u"衛生紙", u"卫生纸", 0}));

// Other words for a thing, from the dictionary: the name they stand for comes first, before names
// that merely hold the typed word; for a part of a name, the name with the part put back.
INSTANTIATE_TEST_SUITE_P(
    OtherWords, OffersTheNameMeant,
    testing::Values(Meant{"another_word", u"冰激凌", u"冰淇淋", 0},
                    Meant{"regional", u"醪糟", u"酒酿", 0}, Meant{"slang", u"小强", u"蟑螂", 0},
                    Meant{"typed_as_a_verb_by_the_word_list", u"拉锁", u"拉链", 0},
                    Meant{"before_names_that_hold_the_typed_word", u"烟头", u"烟蒂", 0},
                    Meant{"then_those_names", u"烟头", u"香烟头", 1},
                    Meant{"first_part", u"洋芋皮", u"土豆皮", 0},
                    Meant{"in_a_description", u"吃剩的洋芋", u"土豆", 0},
                    Meant{"traditional_other_word", u"馬鈴薯", u"土豆", 0}));

// A match through another word never outranks one by the name's own characters.
TEST(SuggestItems, OwnCharactersComeBeforeOtherWords) {
    // 冰棍 is held by 棒冰棍; 冰棒皮 only through 冰棒, another word for 冰棍.
    const std::vector<int> found = suggestItems(u"冰棍", listRows);
    const std::vector<std::string> names = namesOf(found);
    const auto own = std::find(names.begin(), names.end(), "棒冰棍");
    const auto other = std::find(names.begin(), names.end(), "冰棒皮");
    ASSERT_NE(own, names.end()) << testing::PrintToString(names);
    ASSERT_NE(other, names.end()) << testing::PrintToString(names);
    EXPECT_LT(own, other);
}

// What people say of the thing in hand around its name: counts, states, who used it.
INSTANTIATE_TEST_SUITE_P(
    Descriptions, OffersTheNameMeant,
    testing::Values(Meant{"count_and_measure_word", u"两只旧鞋", u"旧鞋子", 0},
                    Meant{"state_with_de", u"摔碎的碗", u"碎碗", 0},
                    Meant{"the_noun_at_the_end", u"一双破旧的红色拖鞋", u"塑料拖鞋", 0},
                    Meant{"head_of_a_compound", u"纽扣电池", u"电池", 0},
                    Meant{"mistyped_noun", u"吃剩的快餐盆", u"快餐盒", 0},
                    Meant{"plural", u"旧玩具们", u"旧玩具", 0},
                    Meant{"grammar_words_left_out", u"一张擦过鼻涕的纸", u"擦过的鼻涕纸巾", 1},
                    Meant{"particle_between", u"过期的药", u"过期药品", 0}));

// A question around the thing, or a request: read for the thing ("外卖塑料" starts two names).
INSTANTIATE_TEST_SUITE_P(
    Questions, OffersTheNameMeant,
    testing::Values(Meant{"how_to_throw_away", u"外卖塑料怎么扔", u"外卖塑料袋", 0},
                    Meant{"which_bin_with_a_request", u"请问电池属于什么垃圾", u"电池", 0},
                    Meant{"a_name_ending_in_a_bins_word", u"饼干是什么垃圾", u"饼干", 0},
                    Meant{"either_bin", u"剩饭是湿垃圾还是干垃圾", u"剩饭", 0},
                    Meant{"a_description_asked_about", u"用过的纸巾扔哪里", u"纸巾", 0},
                    Meant{"a_wish", u"我想扔旧玩具", u"旧玩具", 0}));

// Where nothing nearer is surely of its kind and the names of its kind are of one bin, the names
// that end as the thing does, those that share more of it first; the 子 that names leave off.
INSTANTIATE_TEST_SUITE_P(SharedHeads, OffersTheNameMeant,
                         testing::Values(Meant{"what_it_held", u"炒饭", u"米饭", 0},
                                         Meant{"one_name_of_its_head", u"旧锁头", u"废锁头", 0},
                                         Meant{"sharing_the_start", u"塑科袋", u"塑料袋", 0},
                                         Meant{"sharing_more", u"酸奶盒子", u"牛奶盒", 0},
                                         Meant{"the_head_further_in", u"玩具手枪", u"旧玩具", 0},
                                         Meant{"without_its_zi", u"咖啡杯子", u"纸咖啡杯", 2},
                                         Meant{"a_size_before_it", u"A4纸", u"废纸", 0},
                                         Meant{"a_brand_before_it", u"3M胶带", u"纸胶带", 0}));

// Characters with the letters an input method has not turned into characters yet, numerals
// either way.
INSTANTIATE_TEST_SUITE_P(
    MixedScript, OffersTheNameMeant,
    testing::Values(Meant{"initial_left_over", u"易拉g", u"易拉罐", 0},
                    Meant{"syllable_left_over", u"塑料dai", u"塑料袋", 0},
                    Meant{"letters_first", u"kuai餐盒", u"快餐盒", 0},
                    Meant{"chinese_numeral_for_a_digit", u"七号电池", u"7号无汞电池", 1},
                    Meant{"digit_for_a_chinese_numeral", u"1次性纸杯", u"一次性纸杯", 0},
                    Meant{"upper_case_letters", u"易拉GUAN", u"易拉罐", 0}));

INSTANTIATE_TEST_SUITE_P(
    PinyinAsTyped, OffersTheNameMeant,
    testing::Values(Meant{"tone_numbers", u"dian4chi2", u"电池", 0},
                    Meant{"tone_numbers_and_spaces", u"su4 liao4 dai4", u"塑料袋", 0},
                    Meant{"capitals_and_apostrophes", u"Yi'La'Guan", u"易拉罐", 0},
                    Meant{"z_for_zh", u"zijin", u"纸巾", 0},
                    Meant{"s_for_sh", u"suiguo", u"水果", 0},
                    Meant{"n_for_l", u"nanqiu", u"篮球", 0},
                    Meant{"l_for_n", u"laicha", u"奶茶", 0}, Meant{"h_for_f", u"henbi", u"粉笔", 0},
                    Meant{"ang_for_an_below_exact_pinyin", u"yangjing", u"眼镜", 1}));

// One character wrong in a name of three or more, below the sound-alikes.
INSTANTIATE_TEST_SUITE_P(SlipsOfShape, OffersTheNameMeant,
                         testing::Values(Meant{"last_character", u"快餐盆", u"快餐盒", 0},
                                         Meant{"middle_character", u"玻瑞瓶", u"玻璃瓶", 0},
                                         Meant{"in_a_longer_name", u"过期药吕", u"过期药品", 0}));

// A character that does not look like the name's is no slip: the text names something else.
// And a slip never leads to another bin than every nearer name does: 香液瓶 in 电蚊香液瓶 looks
// like 香水瓶, but a perfume bottle is no mosquito-repellent bottle.
TEST(SuggestItems, SlipsLookAlikeAndKeepToTheNearerNamesBin) {
    const std::vector<std::pair<std::u16string, std::u16string>> notOffered{
        {u"橘子肉", u"橘子皮"},
        {u"西瓜片", u"西瓜皮"},
        {u"香水瓶", u"电蚊香液瓶"},
        {u"腐猫砂", u"硅胶猫砂"},
    };
    for (const auto& [text, name] : notOffered) {
        const std::vector<std::string> names = namesOf(suggestItems(text, listRows));
        EXPECT_EQ(std::count(names.begin(), names.end(), utf8(name)), 0)
            << utf8(text) << ": " << testing::PrintToString(names);
    }
}

// A word for a family of items: the names it covers, as far as the names and the dictionary
// tell.
INSTANTIATE_TEST_SUITE_P(GenericWords, OffersTheNameMeant,
                         testing::Values(Meant{"held_in_names", u"化妆品", u"过期化妆品", 2},
                                         Meant{"through_another_word", u"调料", u"过期调味料", 2}));

// English, as a resident who reads little Chinese types it: the name, and the dictionary's
// English that led to it, which the row shows.
struct MeantInEnglish {
    const char* label;
    std::u16string text;
    std::u16string name;
    std::size_t row;
    std::string english;
};

void PrintTo(const MeantInEnglish& row, std::ostream* out) {
    *out << row.label;
}

class OffersTheNameMeantInEnglish : public testing::TestWithParam<MeantInEnglish> {};

TEST_P(OffersTheNameMeantInEnglish, OnItsRowWithItsEnglish) {
    const std::vector<vekkiro::Suggestion> found = vekkiro::suggest(GetParam().text, listRows);
    std::vector<int> positions;
    for (const vekkiro::Suggestion& suggestion : found)
        positions.push_back(suggestion.position);
    const std::vector<std::string> names = namesOf(positions);
    const auto at = std::find(names.begin(), names.end(), utf8(GetParam().name));
    ASSERT_NE(at, names.end()) << testing::PrintToString(names);
    const auto row = static_cast<std::size_t>(at - names.begin());
    EXPECT_EQ(row, GetParam().row) << testing::PrintToString(names);
    std::string english;
    for (const std::string_view word : found[row].english) {
        if (word.empty())
            continue;
        if (!english.empty())
            english += ' ';
        english += word;
    }
    EXPECT_EQ(english, GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    English, OffersTheNameMeantInEnglish,
    testing::Values(
        MeantInEnglish{"one_word", u"pillow", u"枕头", 0, "pillow"},
        MeantInEnglish{"plural", u"batteries", u"电池", 0, "battery"},
        MeantInEnglish{"capitals", u"MOP", u"拖把", 0, "mop"},
        MeantInEnglish{"two_words", u"magnifying glass", u"放大镜", 0, "magnifying glass"},
        MeantInEnglish{"two_words_plural", u"rubber bands", u"橡皮筋", 0, "rubber band"},
        MeantInEnglish{"parts_put_together", u"peanut shells", u"花生壳", 0, "peanut shell"},
        MeantInEnglish{"parts_put_together_peel", u"Banana Peel", u"香蕉皮", 0, "banana peel"},
        MeantInEnglish{"three_words", u"sweet potato skin", u"红薯皮", 0, "sweet potato skin"},
        MeantInEnglish{"words_that_name_nothing", u"the used batteries", u"电池", 0, "battery"},
        MeantInEnglish{"an_unknown_word_passed_over", u"face mask", u"口罩", 0, "mask"},
        MeantInEnglish{"hyphen", u"light-bulb", u"灯泡", 0, "light bulb"}));

// A text that reads as pinyin keeps its pinyin first; its English comes after all of it.
TEST(SuggestEnglish, AfterThePinyinOfATextThatIsBoth) {
    const std::vector<vekkiro::Suggestion> found = vekkiro::suggest(u"pen", ItemCatalogue::size);
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(found.front().english[0].empty()) << "pinyin first";
    const auto english = std::find_if(found.begin(), found.end(), [](const auto& suggestion) {
        return !suggestion.english[0].empty();
    });
    ASSERT_NE(english, found.end());
    EXPECT_TRUE(std::all_of(english, found.end(),
                            [](const auto& suggestion) { return !suggestion.english[0].empty(); }));
    EXPECT_EQ(english->english[0], "pen");
}

TEST(SuggestItems, NothingForChineseThatNamesNoItem) {
    for (const std::u16string text :
         {u"今天天气怎么样", u"你好", u"谢谢", u"我在上班", u"吃饭了吗", u"没问题", u"明天下雨",
          u"工作好累", u"你叫什么名字", u"这个怎么扔", u"我要扔垃圾", u"是什么垃圾"})
        EXPECT_EQ(suggestItems(text, listRows).size(), 0U) << utf8(text);
}

TEST(SuggestEnglish, NothingForWhatNamesNoItem) {
    for (const std::u16string text :
         {u"hello", u"good morning", u"thank you", u"how are you", u"nice to meet you",
          u"see you later", u"where is the toilet", u"happy birthday"})
        EXPECT_EQ(vekkiro::suggest(text, listRows).size(), 0U) << utf8(text);
}

TEST(SuggestEnglish, RowsOfChineseAndPinyinCarryNoEnglish) {
    for (const std::u16string text : {u"电池", u"dianchi", u"用过的塑料袋"})
        for (const vekkiro::Suggestion& suggestion : vekkiro::suggest(text, listRows))
            EXPECT_TRUE(suggestion.english[0].empty()) << utf8(text);
}

} // namespace
