#include "english_interpretations.h"

#include "pinyin_spelling.h"

#include <algorithm>

namespace vekkiro::suggestions {

namespace {

// How many words a slip away from a typed one are tried in turn.
constexpr std::size_t mostSlipCandidates = 3;

} // namespace

EnglishInterpretations::EnglishInterpretations(std::u16string_view raw,
                                               const TypedText& typed) noexcept {
    // English is letters only, whatever spaces or punctuation there are between them.
    if (!typed.spellable())
        return;
    // Where a word was not read, it may be mistyped: the text with its words put right is read
    // too, after (banan peel: peel, then banana peel).
    if (read(EnglishText(raw), typed, false))
        return;
    // Each of several words a slip away, in turn (shel: shelf, then shell).
    for (std::size_t nth = 0; nth < mostSlipCandidates; ++nth) {
        const EnglishText putRight(raw, true, nth);
        if (putRight.putRight() == 0)
            return;
        read(putRight, typed, true);
    }
}

bool EnglishInterpretations::read(const EnglishText& english, const TypedText& typed,
                                  bool mistyped) noexcept {
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
    const Interpretation as = mistyped               ? Interpretation::EnglishMistyped
                              : passedOver           ? Interpretation::EnglishInPart
                              : readsAsPinyin(typed) ? Interpretation::EnglishAfterPinyin
                                                     : Interpretation::English;
    const std::size_t before = m_count;
    addEveryChoice({phrases.data(), count}, as);
    // Phrases that do not go together (face, 面, which only ends names, then mask, 口罩): the
    // last alone, the thing itself.
    if (m_count == before && count > 1)
        addEveryChoice({&phrases[count - 1], 1},
                       mistyped ? Interpretation::EnglishMistyped : Interpretation::EnglishInPart);
    return !passedOver;
}

// Every way of putting the phrases' words together, in the phrases' order, each one a reading.
void EnglishInterpretations::addEveryChoice(std::span<const std::span<const EnglishWord>> phrases,
                                            Interpretation as) noexcept {
    std::array<std::size_t, mostEnglishPhrases> choice{};
    while (m_count < mostEnglishReadings) {
        bool usable = true;
        std::array<char16_t, longestSuggestionText> units{};
        std::size_t length = 0;
        InterpretedText made{Characters(), as, static_cast<std::uint8_t>(m_count), {}};
        for (std::size_t p = 0; p < phrases.size() && usable; ++p) {
            const EnglishWord& word = phrases[p][choice[p]];
            // A character that only ends names goes last, after something.
            usable = (!word.head || (p > 0 && p + 1 == phrases.size())) &&
                     length + word.meaning.size() <= units.size();
            if (!usable)
                break;
            std::copy(word.meaning.begin(), word.meaning.end(), units.begin() + length);
            length += word.meaning.size();
            made.english[p] = word.english;
        }
        if (usable) {
            made.text = Characters({units.data(), length});
            m_readings[m_count++] = made;
        }
        // The next choice, the last phrase's word changing fastest.
        std::size_t p = phrases.size();
        while (p > 0 && ++choice[p - 1] == phrases[p - 1].size())
            choice[--p] = 0;
        if (p == 0)
            break;
    }
}

} // namespace vekkiro::suggestions
