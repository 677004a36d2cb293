// Prints the list for every text of a corpus made from the catalogue and the dictionary's tables,
// and for the first column of any tab-separated files named on the command line: one line a
// text, its rows as positions with the English that led to each. Two builds' outputs compared
// line for line tell what a change to the suggestions changed; the last line counts the texts
// and those that offer something.
//
// The corpus is what people type on the way to a name and around it: each name, its starts and
// its end, its pinyin whole, spaced, in initials and cut short, with a letter lost; the name in
// a description, a question and in traditional characters; the dictionary's other words and
// English alone and in the same frames; every character of the names alone, every one or two
// letters.
#include "utf8_text.h"

#include <vekkiro/dictionary.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>

#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using vekkiro::testing::fromUtf8;
using vekkiro::testing::utf8;

std::u16string ascii(std::string_view letters) {
    return {letters.begin(), letters.end()};
}

// A name's pinyin in its characters' commonest readings, syllable by syllable.
std::vector<std::string> syllablesOf(std::u16string_view name) {
    std::vector<std::string> syllables;
    for (const char16_t unit : name) {
        if (unit < 0x80) {
            syllables.emplace_back(1, static_cast<char>(unit));
        } else if (const vekkiro::Pinyin pinyin = vekkiro::pinyinOf(unit); !pinyin.empty()) {
            syllables.emplace_back(pinyin[0]);
        }
    }
    return syllables;
}

class Corpus {
public:
    void add(std::u16string text) {
        if (!text.empty() && m_seen.insert(text).second)
            m_texts.push_back(std::move(text));
    }
    // The text, and the text in the frames people put around a thing.
    void addFramed(const std::u16string& thing) {
        add(thing);
        for (const std::u16string_view before : {u"一个", u"用过的", u"旧的", u"请问", u"我想扔"})
            add(std::u16string(before) + thing);
        for (const std::u16string_view after : {u"是什么垃圾", u"怎么扔", u"子", u"们"})
            add(thing + std::u16string(after));
    }
    void addEnglish(const std::string& english) {
        add(ascii(english));
        add(ascii(english + "s"));
        add(ascii("old " + english));
        add(ascii("how to throw away " + english));
        if (english.size() > 4)
            add(ascii(english.substr(0, english.size() / 2) +
                      english.substr(english.size() / 2 + 1)));
    }
    [[nodiscard]] const std::vector<std::u16string>& texts() const { return m_texts; }

private:
    std::set<std::u16string> m_seen;
    std::vector<std::u16string> m_texts;
};

void addNames(Corpus& corpus) {
    std::map<char16_t, char16_t> traditional;
    for (const vekkiro::Simplification& form : vekkiro::simplifications())
        traditional.emplace(form.simplified, form.traditional);
    std::set<char16_t> characters;
    for (const std::u16string_view view : vekkiro::ItemCatalogue::entries()) {
        const std::u16string name(view);
        corpus.addFramed(name);
        for (std::size_t length = 1; length < name.size(); ++length)
            corpus.add(name.substr(0, length));
        if (name.size() > 2)
            corpus.add(name.substr(1));
        std::u16string old = name;
        for (char16_t& unit : old)
            if (const auto form = traditional.find(unit); form != traditional.end())
                unit = form->second;
        corpus.addFramed(old);
        characters.insert(name.begin(), name.end());

        const std::vector<std::string> syllables = syllablesOf(name);
        std::string whole, spaced, initials;
        for (const std::string& syllable : syllables) {
            spaced += (spaced.empty() ? "" : " ") + syllable;
            whole += syllable;
            initials += syllable.front();
            corpus.add(ascii(whole));
        }
        corpus.add(ascii(spaced));
        corpus.add(ascii(initials));
        for (std::size_t cut = 1; cut + 1 < whole.size(); cut += 2)
            corpus.add(ascii(whole.substr(0, cut)));
        if (whole.size() > 4)
            corpus.add(
                ascii(whole.substr(0, whole.size() / 2) + whole.substr(whole.size() / 2 + 1)));
    }
    for (const char16_t unit : characters)
        corpus.add(std::u16string(1, unit));
}

void addDictionary(Corpus& corpus) {
    for (const vekkiro::OtherWord& other : vekkiro::otherWords())
        corpus.addFramed(std::u16string(other.word));
    std::set<std::string> english;
    for (const vekkiro::EnglishWord& word : vekkiro::englishWords())
        english.emplace(word.english);
    for (const std::string& word : english)
        corpus.addEnglish(word);
}

void addLetters(Corpus& corpus) {
    for (char a = 'a'; a <= 'z'; ++a) {
        corpus.add(std::u16string(1, static_cast<char16_t>(a)));
        for (char b = 'a'; b <= 'z'; ++b)
            corpus.add(std::u16string{static_cast<char16_t>(a), static_cast<char16_t>(b)});
    }
}

void addFile(Corpus& corpus, const char* path) {
    std::ifstream in(path);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (std::exchange(header, false))
            continue;
        corpus.add(fromUtf8(line.substr(0, line.find('\t'))));
    }
}

} // namespace

int main(int argc, char** argv) {
    Corpus corpus;
    addNames(corpus);
    addDictionary(corpus);
    addLetters(corpus);
    for (int i = 1; i < argc; ++i)
        addFile(corpus, argv[i]);

    std::size_t offering = 0;
    for (const std::u16string& text : corpus.texts()) {
        const std::vector<vekkiro::Suggestion> rows = vekkiro::suggest(text, 8);
        offering += rows.empty() ? 0 : 1;
        std::string line = utf8(text);
        line += '\t';
        for (const vekkiro::Suggestion& row : rows) {
            line += std::to_string(row.position);
            for (const std::string_view english : row.english)
                if (!english.empty())
                    (line += ':') += english;
            line += ' ';
        }
        std::cout << line << '\n';
    }
    std::cout << "# texts " << corpus.texts().size() << ", offering something " << offering << '\n';
}
