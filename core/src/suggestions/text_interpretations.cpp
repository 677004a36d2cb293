#include "text_interpretations.h"

#include "descriptions.h"
#include "mixed_languages.h"
#include "questions.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>

namespace vekkiro::suggestions {

namespace {

// Of the noun, the last this many units at most are tried as its last words.
constexpr std::size_t longestNounEnd = 8;

} // namespace

TextInterpretations::TextInterpretations(std::u16string_view raw, const TypedText& typed) noexcept
    : m_english(raw, typed) {
    const std::u16string_view noun = nounOf(typed.view());
    if (!noun.empty()) {
        add(noun, Interpretation::Noun);
        std::array<char16_t, longestSuggestionText> units{};
        if (const auto said = withoutGrammar(typed.view(), units); said != noun)
            add(said, Interpretation::Said);
        for (std::size_t length = std::min(noun.size() - 1, longestNounEnd); length >= 2; --length)
            add(noun.substr(noun.size() - length), Interpretation::Described);
    }
    addOtherWords(typed.view());
    if (!noun.empty())
        addOtherWords(noun);
    // What the text means to name: what a question asks about, and that as a description; the
    // thing without the letters of a model before it, or a 子 that names leave off.
    const std::u16string_view asked = askedAbout(typed.view());
    const std::u16string_view askedNoun = nounOf(asked);
    if (!asked.empty())
        add(asked, Interpretation::Meant);
    if (!askedNoun.empty() && askedNoun != noun)
        add(askedNoun, Interpretation::Meant);
    m_thing = !askedNoun.empty() ? askedNoun
              : !asked.empty()   ? asked
              : !noun.empty()    ? noun
                                 : typed.view();
    const std::u16string_view named = withoutCode(m_thing);
    if (named != m_thing && named.size() >= 2)
        add(named, Interpretation::Meant);
    if (const auto meant = withoutNounSuffix(named); meant != named)
        add(meant, Interpretation::Meant);
    const MixedLanguages mixed(typed.view());
    for (std::size_t at = 0; at < mixed.size(); ++at)
        add(mixed[at], Interpretation::Mixed);
}

void TextInterpretations::add(std::u16string_view text, Interpretation as) noexcept {
    if (m_count < m_readings.size())
        m_readings[m_count++] = InterpretedText{Characters(text), as};
}

// The text with each other word in it (a word of two characters or more) put for the
// catalogue's word it stands for. Of a text longer than any name, only the names it holds can
// match, and only those over the word put in are new: the word with as much text on each side as
// a name could reach is enough.
void TextInterpretations::addOtherWords(std::u16string_view text) noexcept {
    static const std::size_t longestName = [] {
        std::size_t longest = 0;
        for (const std::u16string_view name : ItemCatalogue::entries())
            longest = std::max(longest, name.size());
        return longest;
    }();
    const std::span<const OtherWord> table = otherWords();
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        // Every other word that starts here: they sort together, after the first unit alone.
        auto entry = std::lower_bound(
            table.begin(), table.end(), text.substr(at, 1),
            [](const OtherWord& word, std::u16string_view start) { return word.word < start; });
        for (; entry != table.end() && entry->word.front() == text[at]; ++entry) {
            if (text.substr(at, entry->word.size()) != entry->word)
                continue;
            std::u16string_view before = text.substr(0, at);
            std::u16string_view after = text.substr(at + entry->word.size());
            Interpretation as = Interpretation::OtherWord;
            if (before.size() + entry->meaning.size() + after.size() > longestName) {
                if (m_inText == mostOtherWordsInALongText)
                    return;
                ++m_inText;
                as = Interpretation::OtherWordInText;
                before = before.substr(before.size() - std::min(before.size(), longestName - 1));
                after = after.substr(0, longestName - 1);
            }
            std::array<char16_t, longestSuggestionText> units{};
            const std::size_t length = before.size() + entry->meaning.size() + after.size();
            if (length > units.size())
                continue;
            auto out = std::copy(before.begin(), before.end(), units.begin());
            out = std::copy(entry->meaning.begin(), entry->meaning.end(), out);
            std::copy(after.begin(), after.end(), out);
            add({units.data(), length}, as);
        }
    }
}

} // namespace vekkiro::suggestions
