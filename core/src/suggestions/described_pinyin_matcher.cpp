#include "described_pinyin_matcher.h"

#include "pinyin_matcher.h"
#include "units.h"

#include <vekkiro/suggestion_text.h>

#include <algorithm>
#include <string_view>

namespace vekkiro::suggestions {

namespace {

// The words of a description's grammar in pinyin: 的 and 了 before its noun, and 过 or 着 before
// them ("yong guo de").
constexpr std::array<std::u16string_view, 2> particles = {u"de", u"le"};
constexpr std::array<std::u16string_view, 2> aspects = {u"guo", u"zhe"};

// The words a question in pinyin puts after its thing ("shi shenme laji", "zenme reng", "reng
// na li", "keyi huishou ma"), as a question in characters does; only those of the second list
// ask on their own, so that "zhi ma" is 芝麻 and no question.
constexpr std::array<std::u16string_view, 31> pinyinQuestionWords = {
    u"shi",  u"shenme", u"sha", u"laji",    u"zenme", u"zenyang", u"reng", u"diu",
    u"na",   u"nali",   u"nar", u"li",      u"shuyu", u"chuli",   u"ma",   u"ne",
    u"keyi", u"ke",     u"yi",  u"huishou", u"nalei", u"fenlei",  u"fang", u"dao",
    u"zai",  u"yao",    u"gai", u"yinggai", u"suan",  u"ying",    u"ruhe"};
constexpr std::array<std::u16string_view, 13> pinyinAskingWords = {
    u"shenme", u"sha",   u"zenme", u"zenyang", u"nali",    u"nar",  u"ruhe",
    u"shuyu",  u"chuli", u"reng",  u"diu",     u"huishou", u"nalei"};

} // namespace

DescribedPinyinMatcher::DescribedPinyinMatcher(const TypedText& text) noexcept {
    if (!text.spellable())
        return;
    // The words as typed apart.
    std::array<std::u16string_view, longestSuggestionText> words{};
    std::size_t count = 0;
    const std::u16string_view units = text.view();
    for (std::size_t at = 0, start = 0; at <= units.size(); ++at) {
        if (at == units.size() || (at > start && text.startsAWord(at))) {
            words[count++] = units.substr(start, at - start);
            start = at;
        }
    }
    if (count < 2)
        return;
    // A question's words after the thing, one word of it at least left.
    std::size_t end = count;
    bool asks = false;
    while (end > 1 && isOneOf(words[end - 1], pinyinQuestionWords))
        asks = isOneOf(words[--end], pinyinAskingWords) || asks;
    if (!asks)
        end = count;
    std::array<char16_t, longestSuggestionText> said{};
    std::size_t saidLength = 0;
    std::size_t nounStart = 0;
    bool grammar = end < count;
    for (std::size_t w = 0; w < end; ++w) {
        const bool particle = isOneOf(words[w], particles);
        const bool aspect =
            isOneOf(words[w], aspects) && w + 1 < end && isOneOf(words[w + 1], particles);
        if (particle)
            nounStart = w + 1;
        if (particle || aspect) {
            grammar = true;
            continue;
        }
        std::copy(words[w].begin(), words[w].end(), said.begin() + saidLength);
        saidLength += words[w].size();
    }
    if (!grammar || saidLength == 0)
        return;
    m_readings[m_count++] = TypedText({said.data(), saidLength});
    if (nounStart > 0 && nounStart < end) {
        std::array<char16_t, longestSuggestionText> noun{};
        std::size_t nounLength = 0;
        for (std::size_t w = nounStart; w < end; ++w) {
            std::copy(words[w].begin(), words[w].end(), noun.begin() + nounLength);
            nounLength += words[w].size();
        }
        if (nounLength < saidLength)
            m_readings[m_count++] = TypedText({noun.data(), nounLength});
    }
}

std::optional<Found> DescribedPinyinMatcher::matchReadings(const Name& name) const noexcept {
    std::optional<Found> best;
    for (std::size_t at = 0; at < m_count; ++at) {
        std::optional<Found> found = byPinyin(name, m_readings[at]);
        if (!found)
            continue;
        switch (found->match) {
        case Match::PinyinEqual:
            found->match = Match::DescribedPinyinEqual;
            break;
        case Match::PinyinStartsWith:
        case Match::PinyinUnfinished:
            found->match = Match::DescribedPinyinStartsWith;
            break;
        case Match::PinyinContains:
            found->match = Match::DescribedPinyinContains;
            break;
        default:
            continue; // initials or a forgiving hearing: too loose for two readings at once
        }
        if (!best || isBetter(*found, *best))
            best = found;
    }
    return best;
}

} // namespace vekkiro::suggestions
