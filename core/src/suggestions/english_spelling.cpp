#include "english_spelling.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/slips.h>

#include <algorithm>
#include <array>
#include <limits>

namespace vekkiro::suggestions {

namespace {

// FNV-1a, of a word with the letter at `without` left out (none left out past its end).
std::uint32_t keyOf(std::string_view word, std::size_t without) noexcept {
    std::uint32_t hash = 2166136261U;
    for (std::size_t at = 0; at < word.size(); ++at) {
        if (at == without)
            continue;
        hash ^= static_cast<unsigned char>(word[at]);
        hash *= 16777619U;
    }
    return hash;
}

constexpr std::size_t noneLeftOut = std::numeric_limits<std::size_t>::max();

// The first few words found, by their number (their alphabetical order), each once.
class SlipCandidates {
public:
    void add(std::uint16_t word) noexcept {
        const auto end = m_words.begin() + static_cast<std::ptrdiff_t>(m_count);
        const auto at = std::lower_bound(m_words.begin(), end, word);
        if (at != end && *at == word)
            return;
        if (m_count < m_words.size())
            ++m_count;
        else if (at == end)
            return; // after all those kept
        // The last is dropped when all places are taken.
        std::copy_backward(at, m_words.begin() + static_cast<std::ptrdiff_t>(m_count) - 1,
                           m_words.begin() + static_cast<std::ptrdiff_t>(m_count));
        *at = word;
    }
    [[nodiscard]] std::optional<std::uint16_t> nth(std::size_t n) const noexcept {
        return n < m_count ? std::optional(m_words[n]) : std::nullopt;
    }

private:
    std::array<std::uint16_t, 4> m_words{};
    std::size_t m_count = 0;
};

} // namespace

const EnglishSpelling& EnglishSpelling::get() noexcept {
    static const EnglishSpelling spelling;
    return spelling;
}

EnglishSpelling::EnglishSpelling() {
    for (const EnglishWord& entry : englishWords()) {
        std::string_view english = entry.english;
        while (!english.empty()) {
            const std::size_t space = english.find(' ');
            m_words.push_back(english.substr(0, space));
            english.remove_prefix(space == english.npos ? english.size() : space + 1);
        }
    }
    std::sort(m_words.begin(), m_words.end());
    m_words.erase(std::unique(m_words.begin(), m_words.end()), m_words.end());
    for (std::size_t index = 0; index < m_words.size(); ++index) {
        const std::string_view word = m_words[index];
        m_stems.emplace_back(word);
        const auto number = static_cast<std::uint16_t>(index);
        m_keys.emplace_back(keyOf(word, noneLeftOut), number);
        for (std::size_t at = 0; at < word.size(); ++at)
            m_keys.emplace_back(keyOf(word, at), number);
    }
    std::sort(m_stems.begin(), m_stems.end(),
              [](const EnglishStem& a, const EnglishStem& b) { return a.view() < b.view(); });
    std::sort(m_keys.begin(), m_keys.end());
}

bool EnglishSpelling::knows(const EnglishStem& stem) const noexcept {
    return std::binary_search(
        m_stems.begin(), m_stems.end(), stem,
        [](const EnglishStem& a, const EnglishStem& b) { return a.view() < b.view(); });
}

std::optional<std::string_view> EnglishSpelling::meant(std::string_view typed,
                                                       std::size_t nth) const noexcept {
    if (typed.size() < shortestMistypedText || typed.size() > longestEnglishWord ||
        knows(EnglishStem(typed)) ||
        std::binary_search(englishWordsOfTheirOwn().begin(), englishWordsOfTheirOwn().end(), typed))
        return std::nullopt;
    if (closest(typed, 0))
        return closest(typed, nth);
    // A plural mistyped: its singular ("shels": shell).
    if (typed.ends_with('s'))
        return closest(typed.substr(0, typed.size() - 1), nth);
    return std::nullopt;
}

std::optional<std::string_view> EnglishSpelling::closest(std::string_view typed,
                                                         std::size_t nth) const noexcept {
    if (typed.size() < shortestMistypedText)
        return std::nullopt;
    SlipCandidates candidates;
    // The typed word whole finds a word with a letter left out (one missing); with one left out,
    // a word whole (one too many) or with a letter left out too (swapped, or one key over).
    for (std::size_t without = 0; without <= typed.size(); ++without) {
        const std::uint32_t key = keyOf(typed, without == typed.size() ? noneLeftOut : without);
        const auto [first, last] = std::equal_range(
            m_keys.begin(), m_keys.end(), std::pair<std::uint32_t, std::uint16_t>{key, 0},
            [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto entry = first; entry != last; ++entry)
            if (isOneSlip(typed, m_words[entry->second]))
                candidates.add(entry->second);
    }
    const std::optional<std::uint16_t> word = candidates.nth(nth);
    if (!word)
        return std::nullopt;
    return m_words[*word];
}

} // namespace vekkiro::suggestions
