#include "hostile_texts.h"

#include <vekkiro/bins.h>
#include <vekkiro/classification.h>
#include <vekkiro/item_catalogue.h>

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace {

using vekkiro::Category;
using vekkiro::classifyItem;
using vekkiro::ItemCatalogue;
using vekkiro::LookupOutcome;
using vekkiro::pictureForOutcome;
using vekkiro::PictureId;

struct Lookup {
    const char* label;
    std::u16string text;
    LookupOutcome outcome;
};

void PrintTo(const Lookup& lookup, std::ostream* out) {
    *out << lookup.label;
}

class ClassifyItem : public testing::TestWithParam<Lookup> {};

TEST_P(ClassifyItem, GivesTheOutcomeOfTheExactlyEqualEntry) {
    EXPECT_EQ(classifyItem(GetParam().text), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    RunBounds, ClassifyItem,
    testing::Values(Lookup{"first_kitchen", u"鲜花", LookupOutcome::KitchenWaste},
                    Lookup{"last_kitchen", u"腐乳", LookupOutcome::KitchenWaste},
                    Lookup{"first_other", u"卫生纸", LookupOutcome::OtherWaste},
                    Lookup{"last_other", u"电动牙刷", LookupOutcome::OtherWaste},
                    Lookup{"first_recyclable", u"旧家电", LookupOutcome::Recyclable},
                    Lookup{"last_recyclable", u"放大镜", LookupOutcome::Recyclable},
                    Lookup{"first_hazardous", u"电池", LookupOutcome::HazardousWaste},
                    Lookup{"last_hazardous", u"Quorvith中学", LookupOutcome::HazardousWaste},
                    Lookup{"sentinel", u"更多", LookupOutcome::NoChange}),
    [](const auto& row) { return std::string(row.param.label); });

INSTANTIATE_TEST_SUITE_P(
    PrefixesAndExtensions, ClassifyItem,
    testing::Values(Lookup{"short_name", u"剩饭", LookupOutcome::KitchenWaste},
                    Lookup{"its_extension", u"剩饭剩菜", LookupOutcome::KitchenWaste},
                    Lookup{"between_the_two", u"剩饭剩", LookupOutcome::NotFound},
                    Lookup{"milk", u"牛奶", LookupOutcome::KitchenWaste},
                    Lookup{"milk_bag", u"牛奶袋", LookupOutcome::OtherWaste},
                    Lookup{"milk_carton", u"牛奶盒", LookupOutcome::Recyclable},
                    Lookup{"prefix_of_sentinel", u"更", LookupOutcome::NotFound},
                    Lookup{"sentinel_extended", u"更多多", LookupOutcome::NotFound}),
    [](const auto& row) { return std::string(row.param.label); });

INSTANTIATE_TEST_SUITE_P(
    ExactnessOfTheText, ClassifyItem,
    testing::Values(Lookup{"empty", u"", LookupOutcome::NotFound},
                    Lookup{"trailing_space", u"鲜花 ", LookupOutcome::NotFound},
                    Lookup{"leading_space", u" 鲜花", LookupOutcome::NotFound},
                    Lookup{"ideographic_space", u"鲜花\u3000", LookupOutcome::NotFound},
                    Lookup{"trailing_newline", u"鲜花\n", LookupOutcome::NotFound},
                    Lookup{"ph_paper", u"PH试纸", LookupOutcome::OtherWaste},
                    Lookup{"ph_paper_lower_case", u"ph试纸", LookupOutcome::NotFound},
                    Lookup{"ph_paper_mixed_case", u"Ph试纸", LookupOutcome::NotFound},
                    Lookup{"ph_paper_full_width", u"ＰＨ试纸", LookupOutcome::NotFound},
                    Lookup{"battery_full_width_digit", u"７号无汞电池", LookupOutcome::NotFound},
                    Lookup{"traditional_form", u"電池", LookupOutcome::NotFound},
                    Lookup{"latin_school_lower", u"quorvith中学", LookupOutcome::NotFound}),
    [](const auto& row) { return std::string(row.param.label); });

// Texts nobody types on purpose but a paste can deliver; none may do more than miss.
std::vector<Lookup> hostileLookups() {
    std::vector<Lookup> lookups;
    for (const vekkiro::testing::HostileText& hostile : vekkiro::testing::hostileTexts())
        lookups.push_back(Lookup{hostile.label, hostile.text, LookupOutcome::NotFound});
    return lookups;
}

INSTANTIATE_TEST_SUITE_P(HostileText, ClassifyItem, testing::ValuesIn(hostileLookups()),
                         [](const auto& row) { return std::string(row.param.label); });

TEST(ClassifyItemOverTheCatalogue, EveryEntryGetsTheCategoryOfItsOwnRun) {
    std::map<LookupOutcome, int> counts;
    for (int p = 1; p <= ItemCatalogue::size; ++p) {
        const auto outcome = classifyItem(ItemCatalogue::entry(p));
        const auto category = ItemCatalogue::categoryOf(p);
        EXPECT_EQ(outcome, category ? vekkiro::outcomeFor(*category) : LookupOutcome::NoChange)
            << "position " << p;
        ++counts[outcome];
    }
    const std::map<LookupOutcome, int> expected = {
        {LookupOutcome::KitchenWaste, 602}, {LookupOutcome::OtherWaste, 905},
        {LookupOutcome::Recyclable, 30},    {LookupOutcome::HazardousWaste, 10},
        {LookupOutcome::NoChange, 1},
    };
    EXPECT_EQ(counts, expected);
}

TEST(ClassifyItemOverTheCatalogue, AnEntryCopiedIntoOtherStorageStillMatches) {
    // The comparison is by content, never by the address of the catalogue's own storage.
    for (int p = 1; p <= ItemCatalogue::size; p += 101) {
        const std::u16string copy(ItemCatalogue::entry(p));
        EXPECT_EQ(classifyItem(copy), classifyItem(ItemCatalogue::entry(p))) << "position " << p;
    }
}

TEST(PictureForOutcome, NamesOnePictureForEachAnswerAndNoneForNoChange) {
    const std::map<LookupOutcome, std::optional<PictureId>> expected = {
        {LookupOutcome::Recyclable, PictureId{101}},
        {LookupOutcome::KitchenWaste, PictureId{102}},
        {LookupOutcome::OtherWaste, PictureId{103}},
        {LookupOutcome::HazardousWaste, PictureId{104}},
        {LookupOutcome::NotFound, PictureId{105}},
        {LookupOutcome::NoChange, std::nullopt},
    };
    for (const auto& [outcome, picture] : expected)
        EXPECT_EQ(pictureForOutcome(outcome), picture) << static_cast<int>(outcome);
}

TEST(BinLabel, NamesEachBinAsTheArtworkDoes) {
    EXPECT_EQ(vekkiro::binLabel(Category::Recyclable), "可回收物");
    EXPECT_EQ(vekkiro::binLabel(Category::KitchenWaste), "厨余垃圾");
    EXPECT_EQ(vekkiro::binLabel(Category::OtherWaste), "其他垃圾");
    EXPECT_EQ(vekkiro::binLabel(Category::HazardousWaste), "有害垃圾");
}

// WCAG 2's contrast ratio of a colour against white: (1 + 0.05) / (its luminance + 0.05).
double contrastOnWhite(std::uint32_t rgb) {
    const auto linear = [](std::uint32_t channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear((rgb >> 16) & 0xff) +
                             0.7152 * linear((rgb >> 8) & 0xff) + 0.0722 * linear(rgb & 0xff);
    return 1.05 / (luminance + 0.05);
}

TEST(Bins, TheirTextColoursReadOnWhiteAtWcagAA) {
    for (const vekkiro::Bin& bin : vekkiro::bins)
        EXPECT_GE(contrastOnWhite(bin.textColour), 4.5) << bin.identifier;
    // The formula against its published fixed points: black 21:1, white 1:1, #767676 4.54:1.
    EXPECT_NEAR(contrastOnWhite(0x000000), 21.0, 0.01);
    EXPECT_NEAR(contrastOnWhite(0xffffff), 1.0, 0.01);
    EXPECT_NEAR(contrastOnWhite(0x767676), 4.54, 0.01);
}

TEST(Bins, StandInTheOrderOfTheirCategoriesWithNamesOfTheirOwn) {
    std::set<std::string_view> identifiers, groups;
    for (std::size_t i = 0; i < vekkiro::bins.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(vekkiro::bins[i].category), i);
        identifiers.insert(vekkiro::bins[i].identifier);
        groups.insert(vekkiro::bins[i].artworkGroup);
    }
    EXPECT_EQ(identifiers.size(), vekkiro::bins.size());
    EXPECT_EQ(groups.size(), vekkiro::bins.size());
}

} // namespace
