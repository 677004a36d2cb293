// Time of one classifyItem call at the best and worst places of the scan, and of suggestItems
// for the texts that make it work hardest, with the number of heap allocations per call beside
// each and the size of the suggestions' tables.
#include "allocation_counter.h"

#include <vekkiro/classification.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/suggestions.h>

#include <benchmark/benchmark.h>
#include <string>
#include <string_view>

namespace {

using vekkiro::testing::allocationCount;
void classify(benchmark::State& state, const std::u16string& text) {
    const long before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(vekkiro::classifyItem(text));
    state.counters["allocs_per_lookup"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations()));
}

BENCHMARK_CAPTURE(classify, best_position_1, std::u16string(u"鲜花"));
BENCHMARK_CAPTURE(classify, worst_sentinel_1548, std::u16string(u"更多"));
BENCHMARK_CAPTURE(classify, not_found_empty, std::u16string());
BENCHMARK_CAPTURE(classify, not_found_short, std::u16string(u"手机"));
BENCHMARK_CAPTURE(classify, not_found_14_units, std::u16string(u"带有婴儿便便的尿不湿和纸尿布"));
BENCHMARK_CAPTURE(classify, not_found_100000_units, std::u16string(100000, u'池'));

// The list under the search box asks for 8. One letter is read as the start of every syllable
// it begins, a few letters as initials too; a one-character Chinese text is held by many names;
// texts between one and four times a name's length try every kind of match, sound-alikes
// included; the longest texts the list reads, and the longest the box takes.
void suggest(benchmark::State& state, const std::u16string& text) {
    const long before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(vekkiro::suggestItems(text, 8));
    state.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations()));
    state.counters["table_bytes"] = static_cast<double>(vekkiro::suggestionTableBytes());
}

// `piece` as many times as it fits whole in `length` units.
std::u16string repeatedUpTo(std::u16string_view piece, std::size_t length) {
    std::u16string text;
    while (text.size() + piece.size() <= length)
        text += piece;
    return text;
}

BENCHMARK_CAPTURE(suggest, one_letter_s, std::u16string(u"s"));
BENCHMARK_CAPTURE(suggest, one_letter_z, std::u16string(u"z"));
BENCHMARK_CAPTURE(suggest, initials_zh, std::u16string(u"zh"));
BENCHMARK_CAPTURE(suggest, initials_kch, std::u16string(u"kch"));
BENCHMARK_CAPTURE(suggest, pinyin_xiangjiaopi, std::u16string(u"xiangjiaopi"));
BENCHMARK_CAPTURE(suggest, pinyin_64_letters, std::u16string(64, u'a'));
BENCHMARK_CAPTURE(suggest, pinyin_64_letters_zh,
                  std::u16string(32, u'z') + std::u16string(32, u'h'));
BENCHMARK_CAPTURE(suggest, the_commonest_character_in_114_names, std::u16string(u"纸"));
BENCHMARK_CAPTURE(suggest, sound_alike, std::u16string(u"牙高"));
BENCHMARK_CAPTURE(suggest, word_between, std::u16string(u"一次性的纸杯"));
BENCHMARK_CAPTURE(suggest, sentence_14, std::u16string(u"带有婴儿便便的尿不湿和纸尿布"));
BENCHMARK_CAPTURE(suggest, sentence_28,
                  std::u16string(u"带有婴儿便便的尿不湿和纸尿布带有婴儿便便的尿不湿和纸尿布"));
BENCHMARK_CAPTURE(suggest, traditional_64, std::u16string(64, u'紙'));
// Every other reading a text can have: a description's noun and its last words, the description
// without its grammar words, and the most texts with another word put in.
BENCHMARK_CAPTURE(suggest, description_with_other_words,
                  std::u16string(u"两根吃剩的冰棍和马铃薯皮和垃圾箱里的一张擦过鼻涕的卫生用纸"));
BENCHMARK_CAPTURE(suggest, other_words_64, repeatedUpTo(u"冰棍", 64));
BENCHMARK_CAPTURE(suggest, question, std::u16string(u"请问用过的外卖塑料属于什么垃圾"));
BENCHMARK_CAPTURE(suggest, names_of_its_kind, std::u16string(u"红酒瓶子"));
BENCHMARK_CAPTURE(suggest, slip_of_shape, std::u16string(u"过期药吕"));
BENCHMARK_CAPTURE(suggest, pinyin_with_a_slip, std::u16string(u"suliaopnig"));
BENCHMARK_CAPTURE(suggest, pinyin_start_with_a_slip, std::u16string(u"xiangjioapizhi"));
BENCHMARK_CAPTURE(suggest, english_with_a_slip, std::u16string(u"peanut shels"));
BENCHMARK_CAPTURE(suggest, english_and_chinese, std::u16string(u"coffee杯子"));
BENCHMARK_CAPTURE(suggest, letters_that_are_nothing, std::u16string(u"qzxwvkjhtp"));
BENCHMARK_CAPTURE(suggest, mixed_script, std::u16string(u"一次xing塑料dai"));
BENCHMARK_CAPTURE(suggest, fuzzy_pinyin, std::u16string(u"zhuangzhuangzhuangzhuang"));
BENCHMARK_CAPTURE(suggest, tone_numbers_64, repeatedUpTo(u"shi4 ", 64));
// English: a name, parts put together, and the most words and phrases it looks up.
BENCHMARK_CAPTURE(suggest, english_pillow, std::u16string(u"pillow"));
BENCHMARK_CAPTURE(suggest, english_peanut_shells, std::u16string(u"peanut shells"));
BENCHMARK_CAPTURE(suggest, english_eight_words,
                  std::u16string(u"paper plastic glass bottle can cup box bag"));
BENCHMARK_CAPTURE(suggest, longest_text_32767_units, std::u16string(32767, u'池'));
BENCHMARK_CAPTURE(suggest, longest_text_32767_spaces_then_a_name,
                  std::u16string(32765, u' ') + u"电池");

} // namespace

BENCHMARK_MAIN();
