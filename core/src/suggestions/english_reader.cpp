#include "english_reader.h"

#include "units.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vekkiro::suggestions {

namespace {

using EnglishReadings = ReadingList<EnglishReader::budget>;

// How many words a slip away from a typed one are tried in turn.
constexpr std::size_t mostSlipCandidates = 3;

// How a text's words were had: as typed, put right, or without the words of a question.
enum class Words : std::uint8_t { Typed, PutRight, Asked };

// The words that start an English question or request about a thing ("where", "how", "can i"),
// and those of asking which bin or how to throw away ("recyclable", "throw", "bin"): in a text
// that starts with the first, all of them are the question's, not the thing's.
constexpr std::array<std::string_view, 17> englishQuestionStarts = {
    "where",  "what", "which", "how",    "why",     "is",    "are",     "can", "could",
    "should", "do",   "does",  "please", "dispose", "throw", "recycle", "when"};
constexpr std::array<std::string_view, 36> englishAskingWords = {
    "where",   "what",       "which",    "how",   "why",    "when", "is",     "are",  "can",
    "could",   "should",     "shall",    "would", "will",   "do",   "does",   "did",  "i",
    "we",      "you",        "it",       "they",  "please", "put",  "throw",  "away", "dispose",
    "recycle", "recyclable", "recycled", "bin",   "go",     "goes", "belong", "to",   "into"};

// The words of a question without those that ask; none for a text that asks nothing.
TypedWords withoutAsking(const TypedWords& words) noexcept {
    if (words.size() < 2 || !isOneOf(words[0], englishQuestionStarts))
        return {};
    return words.without([](std::string_view word) { return isOneOf(word, englishAskingWords); });
}

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
bool readWords(const EnglishText& english, bool readsAsPinyin, Words words,
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
    const Interpretation as = words == Words::Asked      ? Interpretation::EnglishAsked
                              : words == Words::PutRight ? Interpretation::EnglishMistyped
                              : passedOver               ? Interpretation::EnglishInPart
                              : readsAsPinyin            ? Interpretation::EnglishAfterPinyin
                                                         : Interpretation::English;
    const std::size_t before = readings.size();
    addEveryChoice({phrases.data(), count}, as, readings);
    // Phrases that do not go together (face, 面, which only ends names, then mask, 口罩): the
    // last alone, the thing itself.
    if (readings.size() == before && count > 1)
        addEveryChoice({&phrases[count - 1], 1},
                       words == Words::Typed ? Interpretation::EnglishInPart : as, readings);
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
    if (readWords(EnglishText(typed.words()), typed.readsAsPinyin(), Words::Typed, readings))
        return;
    // Each of several words a slip away, in turn (shel: shelf, then shell).
    const auto putRight = [&](const TypedWords& words, Words as) {
        for (std::size_t nth = 0; nth < mostSlipCandidates; ++nth) {
            const EnglishText rightWords(words, true, nth);
            if (rightWords.putRight() == 0)
                return;
            readWords(rightWords, typed.readsAsPinyin(), as, readings);
        }
    };
    putRight(typed.words(), Words::PutRight);
    // A question, read for its thing after all that the words as they are gave, then that put
    // right ("how do i throw away batery").
    const TypedWords asked = withoutAsking(typed.words());
    if (asked.size() == 0 || asked.size() == typed.words().size())
        return;
    if (!readWords(EnglishText(asked), typed.readsAsPinyin(), Words::Asked, readings))
        putRight(asked, Words::Asked);
}

} // namespace vekkiro::suggestions
