// First guesses as new users type them, of every kind the list reads: questions around a name,
// things the catalogue knows only by their kind, slips of the hand and the eye, descriptions,
// pinyin, English, other words, traditional characters; slips of the fingers in pinyin and
// English, and English and Chinese in one text. Each must reach the name meant, or a
// name of its kind where the catalogue does not hold the thing itself, within the list's rows,
// and offer no name twice.
#include "suggestion_names.h"

#include <vekkiro/suggestions.h>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using vekkiro::testing::listRows;
using vekkiro::testing::namesOf;
using vekkiro::testing::utf8;

struct Guess {
    std::u16string text;
    std::u16string meant;
};

const std::vector<Guess> guesses{
    {u"外卖塑料怎么扔", u"外卖塑料袋"},
    {u"请问电池属于什么垃圾", u"电池"},
    {u"塑料瓶可以回收吗", u"塑料瓶"},
    {u"剩饭是湿垃圾还是干垃圾", u"剩饭"},
    {u"过期药品怎么处理", u"过期药品"},
    {u"用过的纸巾扔哪里", u"纸巾"},
    {u"奶茶杯是可回收垃圾吗", u"奶茶杯"},
    {u"饼干是什么垃圾", u"饼干"},
    {u"我想扔旧玩具", u"旧玩具"},
    {u"易拉罐放哪个桶", u"易拉罐"},
    {u"烟头属于哪类垃圾", u"香烟头"},
    {u"口罩扔到哪里", u"口罩"},
    {u"充电宝是有害垃圾吗", u"充电宝"},
    {u"橘子皮怎么扔", u"橘子皮"},
    {u"请问一下牛奶盒扔哪", u"牛奶盒"},
    {u"外卖餐盒是什么垃圾", u"外卖餐盒"},
    {u"鸡骨头怎么处理", u"火鸡骨头"},
    {u"酸奶盒子", u"牛奶盒"},
    {u"玩具手枪", u"旧玩具"},
    {u"饮料瓶子", u"饮料瓶"},
    {u"零食袋子", u"零食包装袋"},
    {u"塑科袋", u"塑料袋"},
    {u"快餐盆", u"快餐盒"},
    {u"易拉灌", u"易拉罐"},
    {u"玻离瓶", u"玻璃瓶"},
    {u"卫生只", u"卫生纸"},
    {u"塑料代", u"塑料袋"},
    {u"过期药", u"过期药品"},
    {u"电池皮", u"电池"},
    {u"摔碎的碗", u"碎碗"},
    {u"一个用过的塑料袋", u"塑料袋"},
    {u"两节旧电池", u"电池"},
    {u"吃剩的西瓜皮", u"西瓜皮"},
    {u"kuaicanhe", u"快餐盒"},
    {u"suliaodai", u"塑料袋"},
    {u"zhijin", u"纸巾"},
    {u"kch", u"快餐盒"},
    {u"yilaguan", u"易拉罐"},
    {u"peanut shell", u"花生壳"},
    {u"plastic bag", u"塑料袋"},
    {u"battery", u"电池"},
    {u"banana peel", u"香蕉皮"},
    {u"冰激凌", u"冰淇淋"},
    {u"洋芋皮", u"土豆皮"},
    {u"塑膠袋", u"塑料袋"},
    {u"電池", u"电池"},
    {u"報紙", u"报纸"},
    {u"纸杯子", u"杯子"},
    {u"用过的面膜", u"面膜"},
    {u"牙刷头", u"牙刷"},
    {u"蛋壳是什么垃圾", u"蛋壳"},
    {u"旧报纸可以回收吗", u"报纸"},
    {u"猫砂是什么垃圾", u"混合猫砂"},
    {u"用完的电池怎么扔", u"电池"},
    {u"茶叶渣属于什么垃圾", u"茶叶渣"},
    {u"旧牙刷是其他垃圾吗", u"旧牙刷"},
    {u"请问灯泡怎么扔", u"灯泡"},
    {u"打火机算有害垃圾吗", u"打火机"},
    {u"保鲜膜放哪", u"保鲜膜"},
    {u"拖把是什么垃圾", u"拖把"},
    {u"旧鞋子怎么处理", u"旧鞋子"},
    {u"手机壳可以回收吗", u"手机壳"},
    {u"咖啡杯子", u"纸咖啡杯"},
    {u"化妆品瓶子", u"卸妆油瓶"},
    {u"纸箱子", u"纸盒"},
    {u"饭盒子", u"纸饭盒"},
    {u"玻璃花瓶子", u"玻璃瓶"},
    {u"塑料拖鞋子", u"塑料拖鞋"},
    {u"晾衣服架子", u"晾衣架"},
    // Slips of the fingers, and two languages in one text.
    {u"suliaopnig", u"塑料瓶"},
    {u"kouzhaoo", u"口罩"},
    {u"bolipng", u"玻璃瓶"},
    {u"yikaguan", u"易拉罐"},
    {u"dainchi", u"电池"},
    {u"xiangjioapi", u"香蕉皮"},
    {u"kuaicanhe", u"快餐盒"},
    {u"yaggao", u"牙膏"},
    {u"zhijni", u"纸巾"},
    {u"baozhii", u"报纸"},
    {u"jidanke", u"鸡蛋壳"},
    {u"yiicixingkuaizi", u"一次性筷子"},
    {u"naichabei", u"奶茶杯"},
    {u"guoqiyaopni", u"过期药品"},
    {u"chongdainbao", u"充电宝"},
    {u"shoujik", u"手机"},
    {u"xiangyantuo", u"香烟头"},
    {u"batery", u"电池"},
    {u"toothpast", u"牙膏"},
    {u"newspapre", u"报纸"},
    {u"candel", u"蜡烛"},
    {u"banan peel", u"香蕉皮"},
    {u"peanut shels", u"花生壳"},
    {u"cigarete butt", u"烟蒂"},
    {u"tootbrush", u"牙刷"},
    {u"chopstciks", u"一次性筷子"},
    {u"napkns", u"纸巾"},
    {u"lightbulb", u"灯泡"},
    {u"diapr", u"尿片"},
    {u"eggshel", u"蛋壳"},
    {u"milk盒", u"牛奶盒"},
    {u"glass瓶", u"玻璃瓶"},
    {u"coffee杯子", u"纸咖啡杯"},
    {u"纸 cup", u"一次性纸杯"},
    {u"egg壳", u"鸡蛋壳"},
    {u"塑料bag", u"塑料袋"},
    {u"banana皮", u"香蕉皮"},
    {u"pizza盒", u"披萨盒"},
    {u"tea包", u"茶包"},
    {u"orange皮", u"橙子皮"},
    {u"旧battery", u"电池"},
    {u"plastic瓶", u"塑料瓶"},
    {u"paper袋", u"旧纸袋"},
    {u"牛奶box", u"牛奶盒"},
};

TEST(FirstGuesses, EachReachesTheNameMeantWithinTheRows) {
    ASSERT_GE(guesses.size(), 110U);
    for (const Guess& guess : guesses) {
        const std::vector<std::string> names = namesOf(vekkiro::suggestItems(guess.text, listRows));
        EXPECT_NE(std::find(names.begin(), names.end(), utf8(guess.meant)), names.end())
            << utf8(guess.text) << ": " << testing::PrintToString(names);
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size())
            << utf8(guess.text) << " offers a name twice";
    }
}

} // namespace
