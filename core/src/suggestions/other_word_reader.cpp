#include "other_word_reader.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <array>
#include <span>

namespace vekkiro::suggestions {

namespace {

// Of a text longer than any name, only the names it holds can match, and only those over the
// word put in are new: the word with as much text on each side as a name could reach is enough.
template <std::size_t budget>
void addOtherWords(std::u16string_view text, std::size_t& inText, Interpretation asWhole,
                   Interpretation asInText, ReadingList<budget>& readings) noexcept {
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
            Interpretation as = asWhole;
            if (before.size() + entry->meaning.size() + after.size() > longestName) {
                if (inText == OtherWordReader::mostInALongText)
                    return;
                ++inText;
                as = asInText;
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
            readings.add({units.data(), length}, as);
        }
    }
}

} // namespace

void OtherWordReader::read(TextSoFar& text, ReadingList<budget>& readings) noexcept {
    std::size_t inText = 0;
    const auto add = [&](std::u16string_view part, Interpretation asWhole,
                         Interpretation asInText) {
        addOtherWords(part, inText, asWhole, asInText, readings);
    };
    add(text.typed.view(), Interpretation::OtherWord, Interpretation::OtherWordInText);
    if (!text.noun.empty())
        add(text.noun, Interpretation::OtherWord, Interpretation::OtherWordInText);
    // What a question asks about, and its noun: other words there read two ways at once, after
    // every reading of one.
    if (!text.asked.empty())
        add(text.asked, Interpretation::MeantOtherWord, Interpretation::MeantOtherWordInText);
    if (!text.askedNoun.empty() && text.askedNoun != text.noun)
        add(text.askedNoun, Interpretation::MeantOtherWord, Interpretation::MeantOtherWordInText);
}

} // namespace vekkiro::suggestions
