// The writer of the dictionary tables, over lines as CC-CEDICT and jieba's word list have
// them for a handful of words: the links it must make, and the wrong ones it must leave out.
#include "english_glosses.h"
#include "english_pivot.h"
#include "other_words.h"
#include "segmenter.h"
#include "sources.h"
#include "wordnet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using vekkiro::tools::OtherWordLink;

// The entries of data/all.js for these words, as cc-cedict 1.1.1 has them.
const QByteArray dictionary = R"json(export default {"all":[
["冰激凌","冰激凌","bing1 ji1 ling2","ice cream",[],[]],
["冰淇淋","冰淇淋","bing1 qi2 lin2","ice cream",[],[]],
["蘑菇","蘑菇","mo2 gu5",["mushroom","to pester","to dawdle"],[],[]],
["磨蹭","磨蹭","mo2 ceng5",["to rub lightly","to move slowly; to dawdle; to dillydally","to pester; to nag"],[],[]],
["土豆","土豆","tu3 dou4",["potato (CL:個|个[ge4])","(Tw) peanut (CL:顆|颗[ke1])"],[],[]],
["花生","花生","hua1 sheng1","peanut",[],[]],
["洋芋","洋芋","yang2 yu4","(dialect) potato",[],[]],
["皮","皮","pi2",["leather","skin","fur"],[],[]],
["章魚","章鱼","zhang1 yu2","octopus",[],[]],
["八達通","八达通","Ba1 da2 tong1","Octopus (Hong Kong smart card system for electronic payments)",[],[]],
["小強","小强","Xiao3 Qiang2","(slang) cockroach (\"Little Qiang\" was originally the name given to a dead cockroach that had supposedly been a pet of the lead character in the 1993 Hong Kong comedy movie \"Flirting Scholar\".)",[],[]],
["蟑螂","蟑螂","zhang1 lang2","cockroach",[],[]],
["樹枝","树枝","shu4 zhi1",["branch","twig"],[],[]],
["分會","分会","fen1 hui4","branch",[],[]],
["眼線","眼线","yan3 xian4",["informer","snitch","spy","scout","(cosmetics) eye line"],[],[]],
["舉報者","举报者","ju3 bao4 zhe3",["informer","snitch"],[],[]],
["地瓜","地瓜","di4 gua1",["sweet potato (Ipomoea batatas)","yam bean (Pachyrhizus erosus)"],[],[]],
["紅薯","红薯","hong2 shu3","sweet potato",[],[]]
],"variantLookup":[],"classifierLookup":[]})json";

// The lines of jieba's dict.txt for them: 冰淇淋 is tagged a person's name, 拉锁 a verb.
const QByteArray wordList = R"(冰激凌 42 n
冰淇淋 79 nr
蘑菇 620 n
磨蹭 75 z
土豆 493 n
花生 950 n
洋芋 799 n
皮 8743 n
土豆皮 3 n
章鱼 109 n
八达通 3 nz
小强 70 nr
蟑螂 214 n
树枝 312 n
分会 1240 n
眼线 23 n
笔 9362 n
举报者 12 n
地瓜 71 n
红薯 117 n
)";

std::vector<std::string> linksOf(const std::vector<OtherWordLink>& links) {
    std::vector<std::string> text;
    for (const OtherWordLink& link : links)
        text.push_back((link.word + "→" + link.meaning + " (" + link.gloss + ")").toStdString());
    return text;
}

TEST(OtherWords, LinksWordsOfTheSameMainMeaningAndLeavesOutMinorSensesVerbsAndNames) {
    const auto entries = vekkiro::tools::readDictionary(dictionary);
    const auto words = vekkiro::tools::readWordList(wordList);
    const std::vector<std::u16string_view> names = {
        u"冰淇淋", u"蘑菇", u"花生", u"土豆", u"土豆皮", u"章鱼", u"蟑螂", u"树枝", u"眼线笔"};
    const std::vector<std::string> expected = {
        "冰激凌→冰淇淋 (ice cream)", // the same thing, though jieba takes 冰淇淋 for a name
        "小强→蟑螂 (cockroach)",     // slang: its story left out, its pinyin capitalised
        "洋芋→土豆 (potato)",        // in a dialect
        // Not: 磨蹭→蘑菇 (a verb), 土豆→花生 (Taiwan's sense), 八达通→章鱼 (a card's name),
        // 分会→树枝 (an organisation's branch), 举报者→眼线 (眼线笔 is eyeliner).
    };
    EXPECT_EQ(linksOf(vekkiro::tools::findOtherWords(entries, words, names)), expected);
}

TEST(DictionarySources, AreReadAsTheyAre) {
    const auto entries = vekkiro::tools::readDictionary(dictionary);
    ASSERT_EQ(entries.size(), 18U);
    EXPECT_EQ(entries[8].simplified, QStringLiteral("章鱼"));
    EXPECT_EQ(entries[4].senses,
              QStringList({"potato (CL:個|个[ge4])", "(Tw) peanut (CL:顆|颗[ke1])"}));
    const auto words = vekkiro::tools::readWordList(wordList);
    EXPECT_EQ(words.value(QStringLiteral("磨蹭")).tag, QStringLiteral("z"));
    EXPECT_EQ(words.value(QStringLiteral("花生")).frequency, 950);
}

TEST(DictionarySources, OfAnotherShapeAreRefused) {
    EXPECT_THROW(vekkiro::tools::readDictionary("{\"all\": []}"), std::runtime_error);
    EXPECT_THROW(vekkiro::tools::readDictionary("export default {\"all\": [[\"a\"]]}"),
                 std::runtime_error);
    EXPECT_THROW(vekkiro::tools::readWordList("土豆 many n\n"), std::runtime_error);
}

TEST(Segmenter, SplitsANameAsJiebaWouldAndIntoPartsWhenAsked) {
    const auto words = vekkiro::tools::readWordList(wordList);
    const vekkiro::tools::Segmenter segmenter(words);
    EXPECT_EQ(segmenter.segment(QStringLiteral("冰淇淋")), QStringList({"冰淇淋"}));
    EXPECT_EQ(segmenter.split(QStringLiteral("冰淇淋")), QStringList({"冰", "淇", "淋"}));
    EXPECT_EQ(segmenter.split(QStringLiteral("土豆皮")), QStringList({"土豆", "皮"}));
    EXPECT_EQ(segmenter.segment(QStringLiteral("眼线笔")), QStringList({"眼线", "笔"}));
    EXPECT_EQ(segmenter.segment(QStringLiteral("鑫")), QStringList({"鑫"}));
}

// The lines of data/all.js and dict.txt for English: names, their parts, and the characters
// that end them, with what other words add to those (橘皮: tangerine peel).
const QByteArray englishDictionary = R"json(export default {"all":[
["籃球","篮球","lan2 qiu2","basketball",[],[]],
["枕頭","枕头","zhen3 tou5","pillow",[],[]],
["花生","花生","hua1 sheng1","peanut",[],[]],
["殼","壳","ke2",["(coll.) shell (of an egg, nut, crab etc)","case; casing; housing (of a machine or device)"],[],[]],
["皮","皮","pi2",["leather","skin","fur","pico- (one trillionth)","naughty"],[],[]],
["橘","橘","ju2","tangerine",[],[]],
["橘皮","橘皮","ju2 pi2","tangerine peel",[],[]],
["核","核","he2",["pit","stone","nucleus","nuclear","to examine","to check","to verify"],[],[]],
["電池","电池","dian4 chi2","battery; electric cell",[],[]]
],"variantLookup":[],"classifierLookup":[]})json";

const QByteArray englishWordList = R"(篮球 1000 n
枕头 500 n
花生 950 n
壳 300 n
皮 8743 n
橘 30 n
电池 800 n
)";

TEST(EnglishGlosses, AreTheGlossesOfNamesTheirPartsAndTheirEndings) {
    const auto entries = vekkiro::tools::readDictionary(englishDictionary);
    const auto words = vekkiro::tools::readWordList(englishWordList);
    const std::vector<std::u16string_view> names = {u"篮球", u"枕头", u"花生壳", u"橘皮", u"电池"};
    std::vector<std::string> found;
    for (const vekkiro::tools::EnglishGloss& word :
         vekkiro::tools::findEnglishGlosses(entries, words, names))
        found.push_back(
            (word.stems + "|" + word.english + "→" + word.meaning + (word.head ? " (ending)" : ""))
                .toStdString());
    const std::vector<std::string> expected = {
        "basketball|basketball→篮球",
        "batteri|battery→电池", // as lookups compare it: batteries too
        "electric cell|electric cell→电池",
        "leather|leather→皮 (ending)", // 皮's own glosses of one or two words…
        "peanut|peanut→花生",          // the first part of 花生壳
        "peel|peel→皮 (ending)",       // …and what 橘皮 adds to 橘, tangerine
        "pillow|pillow→枕头",
        "shell|shell→壳 (ending)", // without the parenthesis and the register
        "skin|skin→皮 (ending)",
        "tangerine peel|tangerine peel→橘皮",
        // Not: 核 ends no name; 皮's "fur" is there too, its "naughty" as well, but no verb.
    };
    for (const std::string& line : expected)
        EXPECT_NE(std::find(found.begin(), found.end(), line), found.end())
            << line << " in " << testing::PrintToString(found);
    for (const std::string& line : found)
        EXPECT_EQ(line.find("→核"), std::string::npos) << line;
}

// Words found through English: regional words whose gloss is a name's English or ends with a
// catalogue word's, and the homonyms that must not be linked.
const QByteArray pivotDictionary = R"json(export default {"all":[
["圓珠筆","圆珠笔","yuan2 zhu1 bi3","ballpoint pen",[],[]],
["原子筆","原子笔","yuan2 zi3 bi3","(Tw, HK) ballpoint pen",[],[]],
["筷子","筷子","kuai4 zi5","chopsticks",[],[]],
["免洗筷","免洗筷","mian3 xi3 kuai4","(Tw) disposable chopsticks",[],[]],
["番薯","番薯","fan1 shu3",["sweet potato","yam"],[],[]],
["紅苕","红苕","hong2 shao2","(dialect) sweet potato or yam",[],[]],
["扇子","扇子","shan4 zi5","fan",[],[]],
["發燒友","发烧友","fa1 shao1 you3",["fan","enthusiast"],[],[]],
["光驅","光驱","guang1 qu1","CD or DVD Drive",[],[]],
["光碟","光碟","guang1 die2","CD",[],[]]
],"variantLookup":[],"classifierLookup":[]})json";

const QByteArray pivotWordList = R"(圆珠笔 100 n
筷子 500 n
番薯 100 n
红苕 25 n
扇子 100 n
发烧友 50 n
光碟 60 n
)";

TEST(OtherWordsThroughEnglish, LinkRegionalWordsAndNotHomonyms) {
    const auto entries = vekkiro::tools::readDictionary(pivotDictionary);
    const auto words = vekkiro::tools::readWordList(pivotWordList);
    const std::vector<std::u16string_view> names = {u"圆珠笔", u"一次性筷子", u"番薯", u"扇子",
                                                    u"光碟"};
    const auto english = vekkiro::tools::findEnglishGlosses(entries, words, names);
    const auto known = vekkiro::tools::findOtherWords(entries, words, names);
    const std::vector<std::string> expected = {
        "免洗筷→筷子 (disposable chopsticks)", // by its gloss's head, which it ends as
        "原子笔→圆珠笔 (ballpoint pen)",       // the register left out
        "红苕→番薯 (sweet potato)",            // the first of its alternatives
        // Not: 发烧友→扇子 (an enthusiast too), 光驱→光碟 ("or" joins its words: a drive).
    };
    EXPECT_EQ(linksOf(vekkiro::tools::findOtherWordsThroughEnglish(entries, words, names, english,
                                                                   known)),
              expected);
}

// WordNet's nouns for a few names: the other words of the sense meant, the kinds that say what
// they are kinds of, irregular plurals; and what must not come of a word of many senses or a
// word that is only a part of a name.
const QByteArray indexNoun =
    R"(  1 This software and database is being provided to you, the LICENSEE, by
bottle n 1 1 ~ 1 0 00000001
beer_bottle n 1 1 @ 1 0 00000002
decanter n 1 1 @ 1 0 00000003
garbage n 2 1 @ 2 0 00000004 00000005
refuse n 1 1 @ 1 0 00000004
fan n 2 1 @ 2 0 00000006 00000007
informer n 1 1 @ 1 0 00000008
tooth n 1 1 @ 1 0 00000009
cd n 2 1 @ 2 0 00000010 00000011
)";

const QByteArray dataNoun =
    R"(  1 This software and database is being provided to you, the LICENSEE, by
00000001 06 n 01 bottle 0 002 ~ 00000002 n 0000 ~ 00000003 n 0000 | a glass or plastic vessel
00000002 06 n 01 beer_bottle 0 001 @ 00000001 n 0000 | a bottle for beer
00000003 06 n 01 decanter 0 001 @ 00000001 n 0000 | a bottle for serving wine
00000004 27 n 03 garbage 0 refuse 0 food_waste 0 000 | food that is discarded
00000005 10 n 02 garbage 0 drivel 0 000 | a worthless message
00000006 18 n 02 fan 0 buff 0 000 | an ardent follower
00000007 06 n 02 fan 0 ventilator 0 000 | a device for creating a current of air
00000008 18 n 02 informer 0 betrayer 0 000 | one who reveals confidential information
00000009 08 n 01 tooth 0 000 | hard bonelike structures in the jaws
00000010 13 n 02 candela 0 cd 0 000 | the basic unit of luminous intensity
00000011 06 n 02 compact_disc 0 CD 0 000 | a digitally encoded recording on an optical disk
)";

const QByteArray nounExceptions = R"(teeth tooth
)";

vekkiro::tools::EnglishGloss glossOf(const QString& english, const QString& meaning) {
    return {vekkiro::tools::stemsOf(english), english, meaning, false};
}

TEST(EnglishThroughWordNet, AddsTheSenseMeantItsNamedKindsAndPlurals) {
    const vekkiro::tools::WordNet wordnet =
        vekkiro::tools::readWordNet(indexNoun, dataNoun, nounExceptions);
    const std::vector<std::u16string_view> names = {u"玻璃瓶", u"垃圾", u"扇子",
                                                    u"眼线笔", u"牙齿", u"光碟"};
    const std::vector<vekkiro::tools::EnglishGloss> english = {
        glossOf("bottle", "玻璃瓶"), glossOf("garbage", "垃圾"),  glossOf("refuse", "垃圾"),
        glossOf("fan", "扇子"),      glossOf("informer", "眼线"), glossOf("tooth", "牙齿"),
        glossOf("cd", "光碟"),
    };
    std::vector<std::string> found;
    for (const vekkiro::tools::EnglishGloss& word :
         vekkiro::tools::findEnglishThroughWordNet(wordnet, names, english))
        found.push_back((word.english + "→" + word.meaning).toStdString());
    const std::vector<std::string> expected = {
        "beer bottle→玻璃瓶", // a kind that says it is a bottle
        "food waste→垃圾",    // the sense that refuse, 垃圾 too, confirms
        "teeth→牙齿",         // an irregular plural
        // Not: decanter (a kind that does not say it), drivel (garbage's other sense), buff
        // or ventilator (fan's two senses, neither confirmed), betrayer (眼线 only in a name),
        // candela (cd in lower case, a compact disc in capitals).
    };
    EXPECT_EQ(found, expected);
}

// Words of their own that a reader of typed English would put right: kept apart.
TEST(EnglishThroughWordNet, KeepsWordsOfTheirOwnApartFromSlips) {
    const std::vector<vekkiro::tools::EnglishGloss> english = {glossOf("pease", "豌豆"),
                                                               glossOf("battery", "电池")};
    const QStringList words = {"batter", "batteries", "hello", "lease", "pea", "pease", "please"};
    const QStringList expected = {
        "batter", // one letter short of battery
        "lease",  // a key next to pease's p
        "please", // one letter more than pease
        // Not: batteries (battery's own plural), hello (no slip of either), pea (too short to
        // be read as mistyped), pease (the dictionary's own).
    };
    EXPECT_EQ(vekkiro::tools::wordsOfTheirOwn(words, english), expected);
    const std::vector<QByteArray> indexes = {indexNoun, "hello v 1 0 1 0 00000001\n"};
    const QStringList indexed = vekkiro::tools::wordsOfIndexes(indexes);
    for (const char* word : {"bottle", "garbage", "hello", "cd"})
        EXPECT_TRUE(indexed.contains(QString::fromLatin1(word))) << word;
    EXPECT_FALSE(indexed.contains("beer_bottle")) << "a word of two is no word";
}

} // namespace
