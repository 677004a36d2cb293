#include "english_reader.h"

#include <algorithm>
#include <array>

namespace vekkiro::suggestions {

namespace {

using EnglishReadings = ReadingList<EnglishReader::budget>;

// How many words a slip away from a typed one are tried in turn.
constexpr std::size_t mostSlipCandidates = 3;

// Every way of putting the phrases' words together, in the phrases' order, each one a reading.
void addEveryChoice(std::span<const std::span<const EnglishWord>> phrases, Interpretation as,
                    EnglishReadings& readings) noexcept {
    std::array<std::size_t, mostEnglishPhrases> choice{};
    while (!readings.full()) {
        bool usable = true;
        std::array<char16_t, longestSuggestionText> units{};
        std::size_t length = 0;
        std::array<std::string_view, 3> english{};
        for (std::size_t p = 0; p < phrases.size() && usable; ++p) {
            const EnglishWord& word = phrases[p][choice[p]];
            // A character that only ends names goes last, after something.
            usable = (!word.head || (p > 0 && p + 1 == phrases.size())) &&
                     length + word.meaning.size() <= units.size();
            if (!usable)
                break;
            std::copy(word.meaning.begin(), word.meaning.end(), units.begin() + length);
            length += word.meaning.size();
            english[p] = word.english;
        }
        if (usable)
            readings.add({units.data(), length}, as, english);
        // The next choice, the last phrase's word changing fastest.
        std::size_t p = phrases.size();
        while (p > 0 && ++choice[p - 1] == phrases[p - 1].size())
            choice[--p] = 0;
        if (p == 0)
            break;
    }
}

// Adds the readings of the words; whether every word was read (none passed over).
bool readWords(const EnglishText& english, bool readsAsPinyin, bool mistyped,
               EnglishReadings& readings) noexcept {
    if (english.size() == 0)
        return true;
    std::array<std::span<const EnglishWord>, mostEnglishPhrases> phrases{};
    std::size_t count = 0;
    // One word the dictionary has no item for is passed over (wine bottle: bottle, 瓶), and
    // what is left counts for less; but the last word, the thing itself, must be known.
    bool passedOver = false;
    for (std::size_t at = 0; at < english.size();) {
        std::size_t length = std::min(mostEnglishPhrases, english.size() - at);
        for (; length > 0; --length)
            if (const auto entries = englishEntries(english, at, at + length); !entries.empty()) {
                if (count == phrases.size())
                    return true;
                phrases[count++] = entries;
                break;
            }
        if (length == 0) {
            if (at + 1 == english.size() || passedOver)
                return false;
            passedOver = true;
            length = 1;
        }
        at += length;
    }
    if (count == 0)
        return false;
    const Interpretation as = mistyped        ? Interpretation::EnglishMistyped
                              : passedOver    ? Interpretation::EnglishInPart
                              : readsAsPinyin ? Interpretation::EnglishAfterPinyin
                                              : Interpretation::English;
    const std::size_t before = readings.size();
    addEveryChoice({phrases.data(), count}, as, readings);
    // Phrases that do not go together (face, 面, which only ends names, then mask, 口罩): the
    // last alone, the thing itself.
    if (readings.size() == before && count > 1)
        addEveryChoice({&phrases[count - 1], 1},
                       mistyped ? Interpretation::EnglishMistyped : Interpretation::EnglishInPart,
                       readings);
    return !passedOver;
}

} // namespace

void EnglishReader::read(TextSoFar& text, ReadingList<budget>& readings) noexcept {
    // English is letters only, whatever spaces or punctuation there are between them.
    const TypedText& typed = text.typed;
    if (!typed.spellable())
        return;
    // Where a word was not read, it may be mistyped: the text with its words put right is read
    // too, after (banan peel: peel, then banana peel).
    if (readWords(EnglishText(typed.words()), typed.readsAsPinyin(), false, readings))
        return;
    // Each of several words a slip away, in turn (shel: shelf, then shell).
    for (std::size_t nth = 0; nth < mostSlipCandidates; ++nth) {
        const EnglishText putRight(typed.words(), true, nth);
        if (putRight.putRight() == 0)
            return;
        readWords(putRight, typed.readsAsPinyin(), true, readings);
    }
}

} // namespace vekkiro::suggestions
