#pragma once

#include <vekkiro/suggestion_text.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vekkiro {

/// The catalogue names a person most likely meant by a text, as positions in the catalogue,
/// best first, at most `limit` of them, to lead from what was typed to the exact name that the
/// lookup needs.
///
/// The text is read as a person means it: spaces, line breaks, tabs and punctuation (ASCII,
/// full-width and Chinese) are left out; ASCII letters match in either case, full-width forms
/// match their ASCII counterparts, traditional characters their simplified forms. Then a name
/// is offered when the text matches it in one of these ways, whose ranking, kind by kind, is
/// the order of `matchOrder` in core/src/suggestions/match_order.h:
///  - by its characters: it is the text, starts with it or holds it further in; the text holds
///    the whole name ("用过的塑料袋" offers 塑料袋); one holds the other's characters in order
///    with gaps between ("一次性的纸杯" offers 一次性纸杯), or the name's two parts typed in the
///    other order, where the shorter is at least half as long as the other;
///  - as those, for the noun of a description or the description without its grammar words
///    ("摔碎的碗" offers 碎碗);
///  - by sound: the text in the name where characters that differ read the same ("牙高" offers
///    牙膏), with at least one character the same;
///  - by shape: with one character of three or more wrong, one that shares its radical with
///    the name's ("快餐盆" offers 快餐盒); such a slip is left out where it leads to another
///    bin than every nearer name does;
///  - through other words: the text is another word for it ("冰激凌" offers 冰淇淋), or holds
///    one put for the catalogue's ("洋芋皮" offers 土豆皮);
///  - through English for it or for its parts, as `suggest` tells;
///  - by pinyin: the text spells it, its start or a part of it, tone numbers allowed, the last
///    syllable perhaps unfinished ("kuaican" offers 快餐盒), a character of several readings in
///    any, characters typed between the syllables their own ("kuai餐盒" offers 快餐盒); or its
///    start as an input method that forgives z/zh, n/l, an/ang and the like reads it ("zijin"
///    offers 纸巾); or its start in initials or syllables cut short ("kch" offers 快餐盒);
///  - by what the text means to name: what a question or request asks about ("外卖塑料怎么扔"
///    offers 外卖塑料袋), or the thing without a 子 that names leave off ("咖啡杯子" offers
///    纸咖啡杯);
///  - in a text of English and Chinese, the English put into Chinese ("milk盒" offers 牛奶盒,
///    "纸 cup" 一次性纸杯);
///  - with one slip of the fingers in a text of four letters or more (vekkiro/slips.h): its
///    pinyin ("suliaopnig" offers 塑料瓶; a start from six letters, initials from five, and a
///    start only where the text does not read as pinyin as it is), or an English word put right
///    ("batery" offers 电池), never a word of its own ("please");
///  - by kind, where no nearer name ends as the thing named does: the names that end with its
///    head ("红酒瓶子" offers 玻璃瓶 among the other bottles), those that hold more of the rest
///    of it first;
///  - last, two of those readings at once: another word in what a question asks about
///    ("免洗筷丟哪裡" offers 一次性筷子), English in a question, for a whole name ("where
///    should i put old newspapers" offers 报纸), pinyin of a description or a question typed
///    in words ("guoqi de yaopin" offers 过期药品).
/// Chinese numerals and digits match each other (七号电池 offers 7号无汞电池).
/// Within a kind, shorter names come first, except that of names the text holds, the longest
/// comes first; then catalogue order. The sentinel entry is never offered. The same text always
/// gives the same answer. Allocates nothing but the result.
[[nodiscard]] std::vector<int> suggestItems(std::u16string_view text, std::size_t limit);

/// A name offered, with what led to it when that was English.
struct Suggestion {
    /// The name's position in the catalogue.
    int position;
    /// For a name offered through English, the dictionary's English for it, or for its parts in
    /// the order typed ("peanut", "shell"), as the dictionary writes it; empty otherwise.
    std::array<std::string_view, 3> english;
};

/// As suggestItems, with the English that led to each name. How English is read: a text of
/// English words (either case, singular or plural, up to eight words, what names no item such as
/// "the", "used" or "old" left out) offers the names the dictionary gives for it or for its
/// phrases put together in the order typed ("peanut shells": 花生壳). A text that can be read as
/// pinyin keeps its pinyin matches first; otherwise its English matches come first.
[[nodiscard]] std::vector<Suggestion> suggest(std::u16string_view text, std::size_t limit);

/// Makes the tables the suggestions build from the catalogue and the dictionary the first time
/// they are asked for (which names hold which characters, the names' pinyin, an index of the
/// English), so that the first keystroke does not wait for them: for a program's idle time.
/// After it, a list allocates nothing but itself.
void prepareSuggestions() noexcept;

/// The size of the tables the suggestions read besides the catalogue (readings, traditional
/// forms, the readings of the names, the other words, the English words), in bytes.
[[nodiscard]] std::size_t suggestionTableBytes() noexcept;

} // namespace vekkiro
