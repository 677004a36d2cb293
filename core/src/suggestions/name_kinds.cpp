#include "name_kinds.h"

#include <vekkiro/dictionary.h>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vekkiro::suggestions {

namespace {

// The words of an entry's stems, each once, sorted.
void addWords(std::string_view stems, std::vector<std::string_view>& words) {
    while (!stems.empty()) {
        const std::size_t space = stems.find(' ');
        words.push_back(stems.substr(0, space));
        stems = space == std::string_view::npos ? std::string_view{} : stems.substr(space + 1);
    }
}

void sortUnique(std::vector<std::string_view>& words) {
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
}

bool shareAWord(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i == *j)
            return true;
        if (*i < *j)
            ++i;
        else
            ++j;
    }
    return false;
}

// The English of each word of the dictionary's that names are made of, and of each character that
// ends names.
struct WordsInEnglish {
    std::unordered_map<std::u16string_view, std::vector<std::string_view>> ofWords;
    std::unordered_map<char16_t, std::vector<std::string_view>> ofCharacters;
};

WordsInEnglish wordsInEnglish() {
    WordsInEnglish english;
    for (const EnglishWord& entry : englishWords()) {
        if (entry.head && entry.meaning.size() == 1)
            addWords(entry.stems, english.ofCharacters[entry.meaning.front()]);
        else if (entry.meaning.size() >= 2)
            addWords(entry.stems, english.ofWords[entry.meaning]);
    }
    for (auto& [word, words] : english.ofWords)
        sortUnique(words);
    for (auto& [character, words] : english.ofCharacters)
        sortUnique(words);
    return english;
}

// Whether a name is of its last character's kind: its last word, the longest end of it that the
// dictionary has English for (铁棍山药: 山药, yam), is.
bool isOfItsLastCharactersKind(std::u16string_view name, const WordsInEnglish& english) {
    if (name.empty())
        return false;
    const auto character = english.ofCharacters.find(name.back());
    if (character == english.ofCharacters.end())
        return true;
    for (std::size_t at = 0; at + 2 <= name.size(); ++at) {
        const auto word = english.ofWords.find(name.substr(at));
        if (word != english.ofWords.end())
            return shareAWord(word->second, character->second);
    }
    return true;
}

std::array<bool, ItemCatalogue::size> makeKinds() {
    const WordsInEnglish english = wordsInEnglish();
    const auto& entries = ItemCatalogue::entries();
    std::array<bool, ItemCatalogue::size> kinds{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        kinds[i] = isOfItsLastCharactersKind(entries[i], english);
    return kinds;
}

} // namespace

const std::array<bool, ItemCatalogue::size>& namesOfTheirLastCharactersKind() noexcept {
    static const std::array<bool, ItemCatalogue::size> kinds = makeKinds();
    return kinds;
}

} // namespace vekkiro::suggestions
