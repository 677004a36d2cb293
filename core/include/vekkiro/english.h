#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vekkiro {

/// The longest English word that is looked up; a longer one is no item's name.
inline constexpr std::size_t longestEnglishWord = 24;

/// An English word as the dictionary's words and what people type are compared: lower case,
/// singular and plural alike (battery and batteries, box and boxes, knife and knives, potato and
/// potatoes all give one form). Not a word to show: "batteri". Empty for a word of anything but
/// ASCII letters, or longer than longestEnglishWord.
class EnglishStem {
public:
    constexpr EnglishStem() noexcept = default;
    constexpr explicit EnglishStem(std::string_view word) noexcept {
        if (word.empty() || word.size() > longestEnglishWord)
            return;
        for (const char letter : word) {
            const char lower = letter >= 'A' && letter <= 'Z' ? char(letter - 'A' + 'a') : letter;
            if (lower < 'a' || lower > 'z') {
                m_size = 0;
                return;
            }
            m_letters[m_size++] = lower;
        }
        // The plural's ending: -sses, -ies, -xes, -ches, -shes, -zes, -ves, then any -s but -ss,
        // -us and -is (glass, bus, basis). Words of three letters (gas, yes) have none.
        if (m_size <= 3) {
        } else if (endsWith("sses") || endsWith("xes") || endsWith("ches") || endsWith("shes") ||
                   endsWith("zes")) {
            m_size -= 2;
        } else if (endsWith("ies")) {
            replaceEnd(3, "i");
        } else if (endsWith("ves")) {
            replaceEnd(3, "f");
        } else if (endsWith("s") && !endsWith("ss") && !endsWith("us") && !endsWith("is")) {
            m_size -= 1;
        }
        // What a singular and its plural share: battery/batteri-es, toy/toy-s, cookie/cooki-es,
        // potato/potato-es, shoe/sho-es, knife/kni-ves, sleeve/slee-ves.
        if (m_size < 3)
            return;
        if (endsWith("y") || endsWith("ie"))
            replaceEnd(endsWith("y") ? 1 : 2, "i");
        else if (endsWith("oe"))
            m_size -= 1;
        else if (endsWith("fe") || endsWith("ve"))
            replaceEnd(2, "f");
    }

    [[nodiscard]] constexpr std::string_view view() const noexcept {
        return {m_letters.data(), m_size};
    }
    [[nodiscard]] constexpr bool empty() const noexcept { return m_size == 0; }

private:
    [[nodiscard]] constexpr bool endsWith(std::string_view tail) const noexcept {
        return m_size >= tail.size() && view().substr(m_size - tail.size()) == tail;
    }
    constexpr void replaceEnd(std::size_t length, std::string_view by) noexcept {
        m_size -= length;
        for (const char letter : by)
            m_letters[m_size++] = letter;
    }

    std::array<char, longestEnglishWord> m_letters{};
    std::size_t m_size = 0;
};

/// Whether an English word, in lower case, says nothing of which item is meant: articles,
/// prepositions, and what is said of a thing's state or owner ("the", "of", "used", "old",
/// "empty", "my"…).
[[nodiscard]] constexpr bool isEnglishFunctionWord(std::string_view word) noexcept {
    constexpr std::array<std::string_view, 44> words = {
        "a",     "an",   "the",    "of",    "for",    "with",  "from",  "in",       "on",
        "and",   "or",   "my",     "your",  "our",    "their", "his",   "her",      "some",
        "this",  "that", "these",  "those", "used",   "old",   "empty", "broken",   "dirty",
        "wet",   "dry",  "half",   "piece", "pieces", "bit",   "bits",  "leftover", "leftovers",
        "spent", "worn", "little", "small", "big",    "new",   "one",   "two"};
    for (const std::string_view function : words)
        if (word == function)
            return true;
    return false;
}

} // namespace vekkiro
