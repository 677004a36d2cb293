#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

using vekkiro::Category;
using vekkiro::ItemCatalogue;

bool isCjkIdeograph(char16_t unit) {
    return unit >= 0x4E00 && unit <= 0x9FFF;
}

struct NamedPosition {
    int position;
    std::u16string_view name;
};

class CatalogueNamedPosition : public testing::TestWithParam<NamedPosition> {};

// The run bounds, the prefix families and a sample every 97 positions: a shifted or dropped
// entry anywhere in the table moves at least one of these.
INSTANTIATE_TEST_SUITE_P(
    SampledFromTheList, CatalogueNamedPosition,
    testing::Values(NamedPosition{1, u"鲜花"}, NamedPosition{3, u"剩饭"}, NamedPosition{6, u"牛奶"},
                    NamedPosition{11, u"剩饭剩菜"}, NamedPosition{86, u"剩菜"},
                    NamedPosition{98, u"西红柿"}, NamedPosition{195, u"冰粉"},
                    NamedPosition{292, u"奶油"}, NamedPosition{389, u"金丝皇菊"},
                    NamedPosition{486, u"山芋"}, NamedPosition{583, u"山楂"},
                    NamedPosition{602, u"腐乳"}, NamedPosition{603, u"卫生纸"},
                    NamedPosition{680, u"空气清新剂"}, NamedPosition{777, u"丙烯颜料"},
                    NamedPosition{784, u"牛奶袋"}, NamedPosition{874, u"鼠标垫"},
                    NamedPosition{971, u"耳屎"}, NamedPosition{1068, u"豆腐盒"},
                    NamedPosition{1165, u"食物纸盒"}, NamedPosition{1262, u"水果包装袋"},
                    NamedPosition{1359, u"墨镜"}, NamedPosition{1456, u"清凉贴"},
                    NamedPosition{1507, u"电动牙刷"}, NamedPosition{1508, u"旧家电"},
                    NamedPosition{1520, u"牛奶盒"}, NamedPosition{1537, u"放大镜"},
                    NamedPosition{1538, u"电池"}, NamedPosition{1547, u"Quorvith中学"},
                    NamedPosition{1548, u"更多"}),
    [](const testing::TestParamInfo<NamedPosition>& row) {
        return "position_" + std::to_string(row.param.position);
    });

TEST_P(CatalogueNamedPosition, HoldsTheNameListedThere) {
    EXPECT_TRUE(ItemCatalogue::entry(GetParam().position) == GetParam().name);
}

TEST(ItemCatalogue, RunsHaveTheListedCountsInOrder) {
    // Walk the positions and record each run as (category or none, length); the runs must come
    // out contiguous and in this order.
    std::vector<std::pair<std::optional<Category>, int>> runs;
    for (int p = 1; p <= ItemCatalogue::size; ++p) {
        const auto category = ItemCatalogue::categoryOf(p);
        if (runs.empty() || runs.back().first != category)
            runs.emplace_back(category, 0);
        ++runs.back().second;
    }
    const std::vector<std::pair<std::optional<Category>, int>> expected = {
        {Category::KitchenWaste, 602},  {Category::OtherWaste, 905}, {Category::Recyclable, 30},
        {Category::HazardousWaste, 10}, {std::nullopt, 1},
    };
    EXPECT_EQ(runs, expected);
}

TEST(ItemCatalogue, NoNameOccursTwice) {
    std::set<std::u16string_view> seen;
    for (const auto name : ItemCatalogue::entries())
        EXPECT_TRUE(seen.insert(name).second) << "repeated entry of length " << name.size();
}

TEST(ItemCatalogue, EveryNameIsOneToFourteenCodeUnitsWithoutSpaceOrSurrogate) {
    std::map<std::size_t, int> lengths;
    for (const auto name : ItemCatalogue::entries()) {
        ++lengths[name.size()];
        for (const char16_t unit : name) {
            EXPECT_FALSE(unit >= 0xD800 && unit <= 0xDFFF);
            EXPECT_NE(unit, u' ');
            EXPECT_NE(unit, u'\u3000');
        }
    }
    EXPECT_EQ(lengths.begin()->first, 1u);
    EXPECT_EQ(lengths.rbegin()->first, 14u);
    EXPECT_EQ(lengths[1], 10);
    EXPECT_EQ(lengths[14], 1);
}

TEST(ItemCatalogue, OnlyTenNamesHoldCharactersOtherThanCjkIdeographs) {
    std::vector<std::u16string_view> mixed;
    for (const auto name : ItemCatalogue::entries())
        if (!std::all_of(name.begin(), name.end(), isCjkIdeograph))
            mixed.push_back(name);
    const std::vector<std::u16string_view> expected = {
        u"86消毒液瓶", u"7号无汞电池", u"504胶水",     u"A6纸包装袋", u"PH试纸",
        u"气垫BB霜",   u"3号无汞电池", u"9号无汞电池", u"N次贴",      u"Quorvith中学"};
    EXPECT_TRUE(mixed == expected);
}

TEST(ItemCatalogue, LongestNameIsTheNappyEntry) {
    const auto longest =
        std::max_element(ItemCatalogue::entries().begin(), ItemCatalogue::entries().end(),
                         [](auto a, auto b) { return a.size() < b.size(); });
    EXPECT_TRUE(*longest == u"带有婴儿便便的尿不湿和纸尿裤");
}

TEST(ItemCatalogue, PositionsOutsideOneTo1548AreRejected) {
    for (const int position : {-1, 0, 1549, 100000}) {
        EXPECT_THROW((void)ItemCatalogue::entry(position), std::out_of_range) << position;
        EXPECT_THROW((void)ItemCatalogue::categoryOf(position), std::out_of_range) << position;
    }
}

} // namespace
