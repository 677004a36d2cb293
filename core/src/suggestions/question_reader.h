#pragma once

// A question or a request about an item, as people type one ("外卖塑料怎么扔", "请问电池属于什么
// 垃圾"), read for the thing it asks about.

#include "reader.h"

#include <cstddef>
#include <string_view>

namespace vekkiro::suggestions {

// What a question or request is about: the text without the words that ask which bin, how to
// throw away or whether it can be recycled at its end ("是什么垃圾", "怎么扔", "可以回收吗"), and
// without a request at its start ("请问", "我想扔"). Those words are grammar here, as 的 is in a
// description. Empty when the text asks nothing, or nothing is left.
[[nodiscard]] std::u16string_view askedAbout(std::u16string_view text) noexcept;

// Reads what the text means to name: what a question asks about and that as a description, the
// thing without the letters of a model before it (A4纸: 纸), or a 子 that names leave off
// (咖啡杯子: 咖啡杯). Notes what the text asks about and the thing it names.
struct QuestionReader {
    static constexpr std::size_t budget = 4;
    static void read(TextSoFar& text, ReadingList<budget>& readings) noexcept;
};

} // namespace vekkiro::suggestions
