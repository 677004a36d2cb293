#include "description_reader.h"

#include <algorithm>

namespace vekkiro::suggestions {

namespace {

// Grammar words that a description of an item puts before or after its noun: "一个", "两只",
// "这些", the 的 and 了 that end what is said of it, the plural 们 and the 儿 of Beijing speech.
// Words of grammar only; no word for a thing is here.
constexpr std::u16string_view demonstratives = u"这那每某哪";
constexpr std::u16string_view numerals = u"一二三四五六七八九十两几半零百千万0123456789";
constexpr std::u16string_view measureWords =
    u"个只支枝根条张块片瓶袋盒包双对件把颗粒节本台部辆套管罐桶杯碗盘串堆些点滴副顶封份幅棵株"
    u"朵盏枚筒卷捆团坨截";
constexpr std::u16string_view particlesBeforeTheNoun = u"的了";

// Of the noun, the last this many units at most are read as its last words.
constexpr std::size_t longestNounEnd = 8;

// The length of a count or a "this" at the start of a text, with its measure word: "一个",
// "两只", "这些"; 0 if it has none.
std::size_t countAtStart(std::u16string_view text) noexcept {
    std::size_t counted = 0;
    if (!text.empty() && demonstratives.find(text.front()) != std::u16string_view::npos)
        counted = 1;
    while (counted < text.size() && numerals.find(text[counted]) != std::u16string_view::npos)
        ++counted;
    if (counted > 0 && counted < text.size() &&
        measureWords.find(text[counted]) != std::u16string_view::npos)
        return counted + 1;
    return 0;
}

} // namespace

std::u16string_view nounOf(std::u16string_view text) noexcept {
    std::u16string_view noun = text;
    bool described = false;
    if (const auto at = noun.find_last_of(particlesBeforeTheNoun); at != noun.npos) {
        noun.remove_prefix(at + 1);
        described = true;
    }
    if (const std::size_t counted = countAtStart(noun); counted > 0) {
        noun.remove_prefix(counted);
        described = true;
    }
    while (noun.size() >= 3 && (noun.back() == u'们' || noun.back() == u'儿')) {
        noun.remove_suffix(1);
        described = true;
    }
    return described ? noun : std::u16string_view();
}

std::u16string_view withoutGrammar(std::u16string_view text,
                                   std::array<char16_t, longestSuggestionText>& units) noexcept {
    text.remove_prefix(countAtStart(text));
    std::size_t size = 0;
    for (std::size_t at = 0; at < text.size() && size < units.size(); ++at) {
        const bool particle =
            particlesBeforeTheNoun.find(text[at]) != std::u16string_view::npos ||
            ((text[at] == u'过' || text[at] == u'着') && at + 1 < text.size() &&
             particlesBeforeTheNoun.find(text[at + 1]) != std::u16string_view::npos);
        if (!particle)
            units[size++] = text[at];
    }
    return {units.data(), size};
}

void DescriptionReader::read(TextSoFar& text, ReadingList<budget>& readings) noexcept {
    const std::u16string_view noun = nounOf(text.typed.view());
    text.noun = noun;
    if (noun.empty())
        return;
    readings.add(noun, Interpretation::Noun);
    std::array<char16_t, longestSuggestionText> units{};
    if (const auto said = withoutGrammar(text.typed.view(), units); said != noun)
        readings.add(said, Interpretation::Said);
    for (std::size_t length = std::min(noun.size() - 1, longestNounEnd); length >= 2; --length)
        readings.add(noun.substr(noun.size() - length), Interpretation::Described);
}

std::u16string_view withoutCode(std::u16string_view thing) noexcept {
    const auto isCode = [](char16_t unit) {
        return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z');
    };
    std::size_t code = 0;
    while (code < thing.size() && isCode(thing[code]))
        ++code;
    return code > 0 && code < thing.size() && !isCode(thing[code]) ? thing.substr(code) : thing;
}

std::u16string_view withoutNounSuffix(std::u16string_view thing) noexcept {
    if (thing.size() >= 3 && isNounSuffix(thing.back()))
        thing.remove_suffix(1);
    return thing;
}

} // namespace vekkiro::suggestions
