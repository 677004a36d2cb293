// Properties of the suggestions over the whole catalogue: every character, every name in
// pinyin, in initials, as itself and in traditional characters; and the tables' size.
#include "suggestion_names.h"

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
using vekkiro::testing::listRows;
using vekkiro::testing::namesOf;
using vekkiro::testing::utf8;

// Over every character that occurs in a name: a one-character text offers exactly the names
// that contain it (no letters among them fold, so a plain find is the reference), at a small
// and a large limit. Chinese numerals find the digits too, and have rows of their own.
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
            if (unit >= 0x80 && std::u16string_view(u"〇零一二两三四五六七八九").find(unit) ==
                                    std::u16string_view::npos)
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

TEST(SuggestItems, EveryNameIsOfferedFirstForItself) {
    for (int position = 1; position < ItemCatalogue::sentinelPosition; ++position) {
        const std::vector<int> found = suggestItems(ItemCatalogue::entry(position), 1);
        ASSERT_EQ(found.size(), 1U);
        EXPECT_EQ(found.front(), position) << utf8(ItemCatalogue::entry(position));
    }
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

TEST(SuggestionTables, FitTheirBudget) {
    EXPECT_LE(vekkiro::suggestionTableBytes(), 512U * 1024U);
}

} // namespace
