#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;
using vekkiro::suggestItems;

constexpr std::size_t listRows = 8;

std::string utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        const auto c = static_cast<unsigned>(unit);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The offered names, readable in a failure message.
std::vector<std::string> namesOf(const std::vector<int>& positions) {
    std::vector<std::string> names;
    for (const int position : positions)
        names.push_back(utf8(ItemCatalogue::entry(position)));
    return names;
}

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
                         testing::Values(Suggestion{"lower_case", u"ph试纸", 8, {1018}},
                                         Suggestion{"mixed_case", u"pH试", 8, {1018}},
                                         Suggestion{"full_width_upper", u"ＰＨ试纸", 8, {1018}},
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

// A text a person might type, the name meant, and the row it must stand on.
struct Meant {
    const char* label;
    std::u16string text;
    std::u16string name;
    std::size_t row;
};

void PrintTo(const Meant& row, std::ostream* out) {
    *out << row.label;
}

class OffersTheNameMeant : public testing::TestWithParam<Meant> {};

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

// Over every character that occurs in a name: a one-character text offers exactly the names
// that contain it (no letters among them fold, so a plain find is the reference), at a small
// and a large limit.
std::vector<int> namesContaining(std::u16string_view text, std::size_t limit) {
    std::vector<std::tuple<int, std::size_t, int>> all;
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position) {
        const std::u16string_view name = ItemCatalogue::entry(position);
        const auto at = name.find(text);
        if (at == std::u16string_view::npos)
            continue;
        const int group = name == text ? 0 : at == 0 ? 1 : 2;
        all.emplace_back(group, name.size(), position);
    }
    std::sort(all.begin(), all.end());
    std::vector<int> positions;
    for (const auto& [group, length, position] : all)
        if (positions.size() < limit)
            positions.push_back(position);
    return positions;
}

TEST(SuggestItems, EveryCharacterOfTheCatalogueFindsExactlyTheNamesThatContainIt) {
    std::set<char16_t> units;
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position)
        for (const char16_t unit : ItemCatalogue::entry(position))
            if (unit >= 0x80)
                units.insert(unit);
    ASSERT_GT(units.size(), 500U);
    for (const char16_t unit : units) {
        const std::u16string text(1, unit);
        for (const std::size_t limit : {std::size_t{8}, std::size_t{2000}}) {
            ASSERT_EQ(suggestItems(text, limit), namesContaining(text, limit))
                << "text U+" << std::hex << int(unit) << ", limit " << std::dec << limit;
        }
    }
}

// A name spelled in the commonest reading of each character, syllables joined by `between`.
std::u16string spelled(std::u16string_view name, std::u16string_view between, bool initialsOnly) {
    std::u16string text;
    for (const char16_t unit : name) {
        if (!text.empty())
            text += between;
        if (unit < 0x80) {
            text += static_cast<char16_t>(unit >= u'A' && unit <= u'Z' ? unit + 32 : unit);
            continue;
        }
        const vekkiro::Pinyin pinyin = vekkiro::pinyinOf(unit);
        const std::string_view syllable = pinyin.empty() ? "" : pinyin[0];
        for (const char letter : initialsOnly ? syllable.substr(0, 1) : syllable)
            text += static_cast<char16_t>(letter);
    }
    return text;
}

TEST(SuggestItems, EveryNameSpelledInPinyinIsOfferedWithinTheList) {
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position) {
        const std::u16string_view name = ItemCatalogue::entry(position);
        for (const std::u16string_view between : {u"", u" "}) {
            const std::u16string text = spelled(name, between, false);
            const std::vector<int> found = suggestItems(text, listRows);
            EXPECT_NE(std::find(found.begin(), found.end(), position), found.end())
                << utf8(name) << " as \"" << utf8(text) << "\" offers "
                << testing::PrintToString(namesOf(found));
        }
    }
}

TEST(SuggestItems, EveryNameTypedInInitialsIsOfferedWhereFewNamesShareThem) {
    std::map<std::u16string, std::vector<int>> byInitials;
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position)
        byInitials[spelled(ItemCatalogue::entry(position), u"", true)].push_back(position);
    std::size_t checked = 0;
    for (const auto& [initials, positions] : byInitials) {
        if (positions.size() > listRows)
            continue;
        const std::vector<int> found = suggestItems(initials, listRows);
        for (const int position : positions) {
            ++checked;
            EXPECT_NE(std::find(found.begin(), found.end(), position), found.end())
                << utf8(ItemCatalogue::entry(position)) << " as \"" << utf8(initials)
                << "\" offers " << testing::PrintToString(namesOf(found));
        }
    }
    EXPECT_GT(checked, 1000U);
}

TEST(SuggestItems, EveryNameWrittenInTraditionalCharactersIsOfferedFirst) {
    std::map<char16_t, char16_t> traditionalOf;
    for (const vekkiro::Simplification& pair : vekkiro::simplifications())
        traditionalOf.emplace(pair.simplified, pair.traditional);
    std::size_t changed = 0;
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position) {
        std::u16string text(ItemCatalogue::entry(position));
        for (char16_t& unit : text)
            if (const auto found = traditionalOf.find(unit); found != traditionalOf.end())
                unit = found->second;
        if (text == ItemCatalogue::entry(position))
            continue;
        ++changed;
        EXPECT_EQ(suggestItems(text, listRows).front(), position) << utf8(text);
    }
    EXPECT_GT(changed, 800U);
}

} // namespace
