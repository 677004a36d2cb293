#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;
using vekkiro::suggestItems;

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
INSTANTIATE_TEST_SUITE_P(
    Order, SuggestItems,
    testing::Values(Suggestion{"exact_then_shorter_then_catalogue_order",
                               u"电池",
                               8,
                               {1538, 615, 692, 725, 705, 1196, 1374}},
                    Suggestion{"limit_keeps_the_best", u"电池", 3, {1538, 615, 692}},
                    Suggestion{"limit_one", u"电池", 1, {1538}},
                    Suggestion{"prefixes_then_inner_matches", u"纸质", 8, {157, 1061, 1294}},
                    Suggestion{"inner_match_only", u"无汞", 8, {725, 705, 1196, 1374}}));

INSTANTIATE_TEST_SUITE_P(Folding, SuggestItems,
                         testing::Values(Suggestion{"lower_case", u"ph试纸", 8, {1018}},
                                         Suggestion{"mixed_case", u"pH", 8, {1018}},
                                         Suggestion{"full_width_upper", u"ＰＨ试纸", 8, {1018}},
                                         Suggestion{"full_width_lower", u"ｐｈ", 8, {1018}},
                                         Suggestion{"full_width_digit", u"７号", 8, {705}},
                                         // Only ASCII letters fold: the full-width digit is not a
                                         // letter, the ideographs do not change.
                                         Suggestion{"no_other_folding", u"電池", 8, {}}));

INSTANTIATE_TEST_SUITE_P(
    Nothing, SuggestItems,
    testing::Values(Suggestion{"empty", u"", 8, {}}, Suggestion{"spaces", u"   ", 8, {}},
                    Suggestion{"ideographic_space", u"\u3000", 8, {}},
                    Suggestion{"limit_zero", u"电池", 0, {}},
                    Suggestion{"nul_inside", std::u16string(u"电\0池", 3), 8, {}},
                    Suggestion{"lone_surrogate", std::u16string(1, char16_t(0xD800)), 8, {}},
                    Suggestion{"trailing_space", u"电池 ", 8, {}},
                    Suggestion{"longer_than_any_name", std::u16string(32767, u'池'), 8, {}}));

TEST(SuggestItems, NeverTheSentinel) {
    for (const std::u16string text : {u"更多", u"更", u"多"}) {
        const std::vector<int> found = suggestItems(text, ItemCatalogue::size);
        EXPECT_EQ(std::count(found.begin(), found.end(), ItemCatalogue::sentinelPosition), 0);
    }
}

// The same answer, worked out the slow and obvious way: every name that contains the text,
// sorted by (equal / starts with / contains, length, position).
std::vector<int> slowSuggestions(std::u16string_view text, std::size_t limit) {
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

// Over every character that occurs in a name (no letters among them fold, so a plain find
// is the reference), at a small and a large limit.
TEST(SuggestItems, EveryCharacterOfTheCatalogueFindsExactlyTheNamesThatContainIt) {
    std::set<char16_t> units;
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position)
        for (const char16_t unit : ItemCatalogue::entry(position))
            if (!(unit >= u'A' && unit <= u'Z') && !(unit >= u'a' && unit <= u'z'))
                units.insert(unit);
    ASSERT_GT(units.size(), 500U);
    for (const char16_t unit : units) {
        const std::u16string text(1, unit);
        for (const std::size_t limit : {std::size_t{8}, std::size_t{2000}}) {
            ASSERT_EQ(suggestItems(text, limit), slowSuggestions(text, limit))
                << "text U+" << std::hex << int(unit) << ", limit " << std::dec << limit;
        }
    }
}

} // namespace
