#include "question_reader.h"

#include "description_reader.h"

#include <vekkiro/hanzi.h>

#include <array>
#include <cstddef>

namespace vekkiro::suggestions {

namespace {

// A word of asking, at the text's end or start, and whether it makes a question or a request on
// its own: the others ("是", "垃圾", "放") only join a question, so that "有害垃圾" or "干电池"
// keep their last character.
struct AskingWord {
    std::u16string_view word;
    bool asks;
};

// The words a question puts after its thing, a longer one before a word that ends it. A bin's
// name is one word ("干垃圾"): a name may end with 干 (饼干).
constexpr std::array questionEnds{
    AskingWord{u"什么", true},      AskingWord{u"啥", true},       AskingWord{u"哪一类", true},
    AskingWord{u"哪类", true},      AskingWord{u"哪种", true},     AskingWord{u"哪个", true},
    AskingWord{u"哪里", true},      AskingWord{u"哪儿", true},     AskingWord{u"哪", true},
    AskingWord{u"怎么样", true},    AskingWord{u"怎么", true},     AskingWord{u"怎样", true},
    AskingWord{u"如何", true},      AskingWord{u"咋", true},       AskingWord{u"吗", true},
    AskingWord{u"呢", true},        AskingWord{u"是不是", true},   AskingWord{u"还是", true},
    AskingWord{u"能不能", true},    AskingWord{u"可不可以", true}, AskingWord{u"什麼", true},
    AskingWord{u"哪一類", true},    AskingWord{u"哪類", true},     AskingWord{u"哪種", true},
    AskingWord{u"哪個", true},      AskingWord{u"哪裡", true},     AskingWord{u"哪裏", true},
    AskingWord{u"怎麼樣", true},    AskingWord{u"怎麼", true},     AskingWord{u"怎樣", true},
    AskingWord{u"點樣", true},      AskingWord{u"嗎", true},       AskingWord{u"還是", true},
    AskingWord{u"呀", false},       AskingWord{u"啊", false},      AskingWord{u"吧", false},
    AskingWord{u"嘛", false},       AskingWord{u"干垃圾", false},  AskingWord{u"湿垃圾", false},
    AskingWord{u"垃圾桶", false},   AskingWord{u"垃圾箱", false},  AskingWord{u"垃圾", false},
    AskingWord{u"可回收物", false}, AskingWord{u"可回收", false},  AskingWord{u"回收", false},
    AskingWord{u"厨余", false},     AskingWord{u"其他", false},    AskingWord{u"其它", false},
    AskingWord{u"有害", false},     AskingWord{u"桶里", false},    AskingWord{u"桶", false},
    AskingWord{u"分类", false},     AskingWord{u"处理", false},    AskingWord{u"扔掉", false},
    AskingWord{u"扔", false},       AskingWord{u"丢掉", false},    AskingWord{u"丢", false},
    AskingWord{u"投放", false},     AskingWord{u"放", false},      AskingWord{u"属于", false},
    AskingWord{u"算", false},       AskingWord{u"归", false},      AskingWord{u"应该", false},
    AskingWord{u"该", false},       AskingWord{u"要", false},      AskingWord{u"能", false},
    AskingWord{u"可以", false},     AskingWord{u"是", false},      AskingWord{u"进", false},
    AskingWord{u"到", false},       AskingWord{u"在", false},      AskingWord{u"一下", false},
    AskingWord{u"丟掉", false},     AskingWord{u"丟", false},      AskingWord{u"處理", false},
    AskingWord{u"屬於", false},     AskingWord{u"應該", false},    AskingWord{u"該", false},
    AskingWord{u"歸", false},       AskingWord{u"進", false},      AskingWord{u"桶裡", false},
};

// The words a request or question puts before its thing.
constexpr std::array questionStarts{
    AskingWord{u"请问一下", true}, AskingWord{u"请问", true},   AskingWord{u"问一下", true},
    AskingWord{u"我想扔", true},   AskingWord{u"我要扔", true}, AskingWord{u"想扔", true},
    AskingWord{u"要扔", true},     AskingWord{u"怎么扔", true}, AskingWord{u"怎么处理", true},
    AskingWord{u"如何处理", true}, AskingWord{u"扔掉", true},   AskingWord{u"扔", true},
    AskingWord{u"丢掉", true},     AskingWord{u"丢", true},     AskingWord{u"请", false},
    AskingWord{u"我们", false},    AskingWord{u"我", false},    AskingWord{u"想", false},
    AskingWord{u"要", false},      AskingWord{u"把", false},    AskingWord{u"这个", false},
    AskingWord{u"那个", false},    AskingWord{u"这种", false},  AskingWord{u"那种", false},
    AskingWord{u"請問一下", true}, AskingWord{u"請問", true},   AskingWord{u"問一下", true},
    AskingWord{u"我想丟", true},   AskingWord{u"我要丟", true}, AskingWord{u"怎麼丟", true},
    AskingWord{u"怎麼處理", true}, AskingWord{u"丟掉", true},   AskingWord{u"丟", true},
    AskingWord{u"請", false},      AskingWord{u"這個", false},  AskingWord{u"這種", false},
};

// Takes asking words off the end of `text` while one is there (off its start with `fromStart`),
// the first listed first, leaving two units at least: a thing of one character is too little
// to look for (水桶 is no 水). Whether any of them asks.
constexpr std::size_t shortestThing = 2;

// Whether the text starts (or ends) with the word, its characters simplified as the text's are:
// of a traditional word, only the characters that some name uses in their simplified form are
// (點樣 may reach here as 點样).
bool standsAt(std::u16string_view text, std::u16string_view word, bool atStart) noexcept {
    if (text.size() < word.size())
        return false;
    const std::size_t from = atStart ? 0 : text.size() - word.size();
    for (std::size_t i = 0; i < word.size(); ++i)
        if (text[from + i] != simplifiedForm(word[i]))
            return false;
    return true;
}

template <std::size_t count>
bool takeOff(std::u16string_view& text, const std::array<AskingWord, count>& words,
             bool fromStart) noexcept {
    bool asks = false;
    for (bool found = true; found;) {
        found = false;
        for (const AskingWord& asking : words) {
            if (text.size() < asking.word.size() + shortestThing)
                continue;
            if (standsAt(text, asking.word, fromStart)) {
                fromStart ? text.remove_prefix(asking.word.size())
                          : text.remove_suffix(asking.word.size());
                asks = asks || asking.asks;
                found = true;
                break;
            }
        }
    }
    return asks;
}

} // namespace

std::u16string_view askedAbout(std::u16string_view text) noexcept {
    const bool askedAtEnd = takeOff(text, questionEnds, false);
    const bool askedAtStart = takeOff(text, questionStarts, true);
    return askedAtEnd || askedAtStart ? text : std::u16string_view();
}

void QuestionReader::read(TextSoFar& text, ReadingList<budget>& readings) noexcept {
    const std::u16string_view asked = askedAbout(text.typed.view());
    const std::u16string_view askedNoun = nounOf(asked);
    if (!asked.empty())
        readings.add(asked, Interpretation::Meant);
    if (!askedNoun.empty() && askedNoun != text.noun)
        readings.add(askedNoun, Interpretation::Meant);
    text.asked = asked;
    text.askedNoun = askedNoun;
    text.thing = !askedNoun.empty()   ? askedNoun
                 : !asked.empty()     ? asked
                 : !text.noun.empty() ? text.noun
                                      : text.typed.view();
    const std::u16string_view named = withoutCode(text.thing);
    if (named != text.thing && named.size() >= 2)
        readings.add(named, Interpretation::Meant);
    if (const auto meant = withoutNounSuffix(named); meant != named)
        readings.add(meant, Interpretation::Meant);
}

} // namespace vekkiro::suggestions
