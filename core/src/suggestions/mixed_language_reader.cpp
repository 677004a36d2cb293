#include "mixed_language_reader.h"

#include "description_reader.h"
#include "english_words.h"
#include "units.h"

#include <algorithm>
#include <span>

namespace vekkiro::suggestions {

namespace {

// At most this many runs of English in one text, and of each run's catalogue words, this many
// are tried.
constexpr std::size_t mostEnglishRuns = 2;
constexpr std::size_t mostWordsOfARun = 5;

// A run of the text: English letters, or anything else.
struct Run {
    std::u16string_view text;
    bool english = false;
    std::array<std::u16string_view, mostWordsOfARun> words{}; // of an English run: its meanings
    std::size_t count = 0;
};

// The catalogue's words for an English run, each once: whole words first, then the characters
// that end names, which the Chinese beside them completes here (milk盒: 奶盒).
void findWords(std::span<const EnglishWord> entries, Run& run) noexcept {
    for (const bool head : {false, true})
        for (const EnglishWord& entry : entries)
            if (entry.head == head && run.count < run.words.size() &&
                std::find(
                    run.words.begin(), run.words.begin() + static_cast<std::ptrdiff_t>(run.count),
                    entry.meaning) == run.words.begin() + static_cast<std::ptrdiff_t>(run.count))
                run.words[run.count++] = entry.meaning;
}

} // namespace

MixedLanguages::MixedLanguages(std::u16string_view text) noexcept {
    std::array<Run, 2 * mostEnglishRuns + 1> runs{};
    std::size_t count = 0;
    std::size_t englishRuns = 0;
    for (std::size_t at = 0; at < text.size();) {
        const bool english = isLetter(text[at]);
        std::size_t end = at;
        while (end < text.size() && isLetter(text[end]) == english)
            ++end;
        if (count == runs.size() || (english && ++englishRuns > mostEnglishRuns))
            return;
        runs[count++] = Run{text.substr(at, end - at), english, {}};
        at = end;
    }
    if (englishRuns == 0 || englishRuns == count)
        return;
    for (std::size_t r = 0; r < count; ++r) {
        if (!runs[r].english)
            continue;
        const EnglishText english{TypedWords(Characters(runs[r].text))};
        if (english.size() == 0)
            return;
        findWords(englishEntries(english, 0, english.size()), runs[r]);
        if (runs[r].count == 0)
            return;
    }

    // Every choice of the runs' words, the last run's changing fastest.
    std::array<std::size_t, 2 * mostEnglishRuns + 1> choice{};
    while (m_count < mostMixedReadings) {
        std::array<char16_t, longestSuggestionText>& units = m_readings[m_count];
        std::size_t length = 0;
        bool usable = true;
        for (std::size_t r = 0; r < count && usable; ++r) {
            const std::u16string_view part =
                runs[r].english ? runs[r].words[choice[r]] : runs[r].text;
            usable = length + part.size() <= units.size();
            if (usable) {
                std::copy(part.begin(), part.end(), units.begin() + length);
                length += part.size();
            }
        }
        if (usable) {
            m_sizes[m_count] = withoutNounSuffix({units.data(), length}).size();
            ++m_count;
        }
        std::size_t r = count;
        while (r > 0 && (!runs[r - 1].english || ++choice[r - 1] == runs[r - 1].count))
            choice[--r] = 0;
        if (r == 0)
            break;
    }
}

void MixedLanguageReader::read(TextSoFar& text, ReadingList<budget>& readings) noexcept {
    const MixedLanguages mixed(text.typed.view());
    for (std::size_t at = 0; at < mixed.size(); ++at)
        readings.add(mixed[at], Interpretation::Mixed);
}

} // namespace vekkiro::suggestions
