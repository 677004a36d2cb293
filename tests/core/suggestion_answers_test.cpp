// A row shows its bin, so it is read as the answer: the stages that keep rows of another bin
// out of the list. What a name's kind is by the dictionary's words, the states a text names, and
// the whole list for things whose kind the catalogue files in two bins.
#include "suggestion_names.h"
#include "suggestions/name_kinds.h"
#include "suggestions/state_filter.h"

#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>
#include <vekkiro/suggestions_measure.h>

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;
using vekkiro::testing::listRows;
using vekkiro::testing::Meant;
using vekkiro::testing::namesOf;
using vekkiro::testing::OffersTheNameMeant;
using vekkiro::testing::utf8;
using namespace vekkiro::suggestions;

int positionOf(std::u16string_view name) {
    const auto& entries = ItemCatalogue::entries();
    const auto found = std::find(entries.begin(), entries.end(), name);
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin()) + 1;
}

TEST(NamesOfTheirLastCharactersKind, FollowTheDictionarysWordsNotTheCharacter) {
    const std::vector<std::pair<std::u16string, bool>> names{
        {u"中草药", true},    // Chinese herbal medicine: a medicine
        {u"山药", false},     // a yam
        {u"铁棍山药", false}, // its last word is 山药
        {u"水果", true},      // fruit
        {u"打火机", false},   // a lighter is no machine
        {u"芒果", false},     // a mango, though a fruit, is not worded as one
        {u"塑料瓶", true},    // no English of its own: its characters say it is
    };
    for (const auto& [name, ofItsKind] : names) {
        const int position = positionOf(name);
        ASSERT_GT(position, 0) << utf8(name);
        EXPECT_EQ(namesOfTheirLastCharactersKind()[static_cast<std::size_t>(position - 1)],
                  ofItsKind)
            << utf8(name);
    }
}

TEST(StatesIn, AreTheStatesTheCatalogueTellsApart) {
    const std::vector<std::pair<std::u16string, std::uint8_t>> texts{
        {u"沾了油的报纸", Oily},
        {u"被油渍污染的报纸", Oily | Dirty},
        {u"脏的玻璃瓶", Dirty},
        {u"湿透的纸箱", Wet},
        {u"发霉的面包", Mouldy},
        {u"酱油瓶", 0}, // 油 alone is a thing, no state
        {u"报纸", 0},
    };
    for (const auto& [text, states] : texts)
        EXPECT_EQ(statesIn(text), states) << utf8(text);
}

// What the list must not offer: a name of the thing's kind where the catalogue files the kind in
// two bins or more, a name that merely ends in the thing's character, the clean name for a text
// that names a state the catalogue files apart.
TEST(SuggestItems, OfferNoRowThatWouldAnswerWithAnotherBin) {
    const std::vector<std::pair<std::u16string, std::u16string>> notOffered{
        {u"红酒瓶子", u"瓷酒瓶"},     // bottles are in two bins
        {u"果汁瓶子", u"瓷酒瓶"},     //
        {u"喝完的可乐罐", u"摩丝罐"}, // so are cans
        {u"海鲜壳", u"海螺壳"},       // and shells
        {u"感冒药", u"山药"},         // a yam is no medicine
        {u"吹风机", u"打火机"},       // a lighter is no 机
        {u"酸奶盒子", u"脏牛奶盒"},   // a dirty box is another thing
        {u"脏的玻璃瓶", u"玻璃瓶"},   // a dirty glass bottle is no glass bottle
        {u"沾了油的报纸", u"报纸"},   //
        {u"湿透的纸箱", u"纸盒"},     //
    };
    for (const auto& [text, name] : notOffered) {
        const std::vector<std::string> names = namesOf(vekkiro::suggestItems(text, listRows));
        EXPECT_EQ(std::count(names.begin(), names.end(), utf8(name)), 0)
            << utf8(text) << ": " << testing::PrintToString(names);
    }
}

// Where the kind's names are of one bin, they still lead there.
INSTANTIATE_TEST_SUITE_P(
    KindsOfOneBin, OffersTheNameMeant,
    testing::Values(Meant{"a_fruit", u"无花果", u"水果", 0},
                    Meant{"a_vegetable", u"卷心菜", u"蔬菜", 0},
                    Meant{"one_name_of_a_two_character_head", u"液化气罐", u"煤气罐", 0},
                    Meant{"a_kind_without_the_state", u"酸奶盒子", u"牛奶盒", 0},
                    Meant{"the_state_first", u"脏的玻璃瓶", u"脏玻璃瓶", 0}));

TEST(SuggestItemsLeavingOut, IsTheListOfACatalogueWithoutTheName) {
    for (const std::u16string name : {u"玻璃瓶", u"西瓜皮", u"电池", u"报纸"}) {
        const int position = positionOf(name);
        ASSERT_GT(position, 0) << utf8(name);
        const std::vector<int> without = vekkiro::suggestItemsLeavingOut(name, listRows, position);
        EXPECT_EQ(std::count(without.begin(), without.end(), position), 0) << utf8(name);
        EXPECT_EQ(vekkiro::suggestItemsLeavingOut(name, listRows, 0),
                  vekkiro::suggestItems(name, listRows))
            << utf8(name);
    }
}

} // namespace
