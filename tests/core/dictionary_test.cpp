// The dictionary's tables as the program reads them: English words compared by their stems, and
// the other names a name goes by.
#include <vekkiro/dictionary.h>
#include <vekkiro/english.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A singular and its plural compare as one, in any case; other words do not.
TEST(EnglishStem, MakesASingularAndItsPluralOne) {
    const auto stem = [](std::string_view word) {
        return std::string(vekkiro::EnglishStem(word).view());
    };
    for (const auto& [singular, plural] :
         std::vector<std::pair<std::string, std::string>>{{"battery", "batteries"},
                                                          {"box", "boxes"},
                                                          {"knife", "knives"},
                                                          {"potato", "potatoes"},
                                                          {"shoe", "shoes"},
                                                          {"toy", "TOYS"},
                                                          {"glass", "glasses"},
                                                          {"leaf", "leaves"},
                                                          {"dish", "dishes"},
                                                          {"cookie", "cookies"},
                                                          {"sleeve", "sleeves"},
                                                          {"cup", "Cups"}})
        EXPECT_EQ(stem(singular), stem(plural)) << singular;
    for (const auto& [one, other] : std::vector<std::pair<std::string, std::string>>{
             {"glass", "gas"}, {"bus", "bu"}, {"can", "cane"}, {"cap", "cape"}})
        EXPECT_NE(stem(one), stem(other)) << one << " " << other;
    EXPECT_TRUE(vekkiro::EnglishStem("coffee2").empty());
    EXPECT_TRUE(vekkiro::EnglishStem(std::string(vekkiro::longestEnglishWord + 1, 'a')).empty());
}

TEST(OtherNames, AreTheOtherWordsForTheNameOrWithOneForItsFirstOrLastWord) {
    const auto has = [](std::u16string_view name, std::u16string_view other) {
        const std::vector<std::u16string> others = vekkiro::otherNamesOf(name);
        return std::find(others.begin(), others.end(), other) != others.end();
    };
    EXPECT_TRUE(has(u"冰淇淋", u"冰激凌"));
    EXPECT_TRUE(has(u"土豆", u"马铃薯"));
    EXPECT_TRUE(has(u"土豆皮", u"马铃薯皮"));
    EXPECT_TRUE(has(u"一次性塑料袋", u"一次性塑胶袋"));
    EXPECT_FALSE(has(u"土豆皮", u"马铃薯"));
    EXPECT_TRUE(vekkiro::otherNamesOf(u"Quorvith中学").empty());
}

} // namespace
