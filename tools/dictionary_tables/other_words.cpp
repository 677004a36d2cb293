#include "other_words.h"

#include "meanings.h"
#include "segmenter.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vekkiro::tools {

namespace {

bool within(const QSet<QString>& glosses, const QSet<QString>& senses) {
    return !glosses.isEmpty() && std::all_of(glosses.begin(), glosses.end(),
                                             [&](const QString& g) { return senses.contains(g); });
}

// Whether a word means the same as a catalogue word: the first meaning of each is wholly among
// the senses of the other. 土豆 (potato; in Taiwan, peanut) is no other word for 花生 (peanut),
// and 分会 (a branch of an organisation) none for 树枝 (branch, twig).
bool meanTheSame(const Meaning& said, const Meaning& meant) {
    return within(said.first, meant.all) && within(meant.first, said.all);
}

// Whether a word that shares a character with a catalogue word is near enough in meaning to
// stand for it: the same main gloss (冰棍, 冰棒: popsicle), two glosses of their first meanings
// in common (垃圾箱, 垃圾桶: trash can, garbage can), or, for a whole name, a first meaning wholly
// among its senses (玉米花, popcorn, for 爆米花, puffed rice, popcorn). A word that is only part
// of names may mean something else there than in the dictionary (标签 in 标签纸 is no tab).
bool nearInMeaning(const Meaning& said, const Meaning& meant, bool wholeName) {
    const auto shared =
        std::count_if(said.first.begin(), said.first.end(),
                      [&](const QString& gloss) { return meant.first.contains(gloss); });
    return said.main == meant.main || shared >= 2 || (wholeName && within(said.first, meant.all));
}

bool shareACharacter(const QString& one, const QString& other) {
    return std::any_of(one.begin(), one.end(), [&](QChar unit) { return other.contains(unit); });
}

} // namespace

bool namesNoThing(const QString& tag) {
    static const QStringList tags =
        QStringLiteral(
            "a ad ag d dg df z zg m mg mq q r rg rr rz p c u ud ug uj ul uv uz y e o f i l k h x")
            .split(' ');
    return tags.contains(tag);
}

std::vector<OtherWordLink> findOtherWords(std::span<const DictionaryEntry> dictionary,
                                          const WordList& words,
                                          std::span<const std::u16string_view> names) {
    const QHash<QString, Meaning> meanings = meaningsOf(dictionary);
    std::map<QString, QStringList> byFirstGloss;
    for (auto word = meanings.cbegin(); word != meanings.cend(); ++word)
        for (const QString& gloss : word->first)
            byFirstGloss[gloss].append(word.key());

    const Segmenter segmenter(words);
    QSet<QString> wholeNames;
    std::set<QString> catalogueWords;
    for (const std::u16string_view name : names) {
        const QString text = QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
        wholeNames.insert(text);
        for (const QString& word : catalogueWordsOf(text, segmenter, words))
            if (!meanings.value(word).first.isEmpty())
                catalogueWords.insert(word);
    }

    std::vector<OtherWordLink> found;
    for (const QString& meaning : catalogueWords) {
        const Meaning& meant = meanings[meaning];
        std::map<QString, QString> others;
        for (const QString& gloss : inOrder(meant.first)) {
            for (const QString& other : byFirstGloss[gloss]) {
                if (other == meaning || other.size() < 2 || others.count(other) != 0)
                    continue;
                const auto statistics = words.constFind(other);
                if (statistics != words.constEnd() && namesNoThing(statistics->tag))
                    continue;
                // A word of a name that is not a name itself is read in the name's sense, which
                // need not be its first (眼线 in 眼线笔 is eyeliner, not an informer): only words
                // that share a character with it stand for it.
                const Meaning& said = meanings[other];
                const bool wholeName = wholeNames.contains(meaning);
                const bool linked =
                    meanTheSame(said, meant)
                        ? wholeName || shareACharacter(other, meaning)
                        : shareACharacter(other, meaning) && nearInMeaning(said, meant, wholeName);
                if (linked)
                    others.emplace(other, gloss);
            }
        }
        for (const auto& [other, gloss] : others)
            found.push_back({other, meaning, gloss});
    }
    std::sort(found.begin(), found.end(), [](const OtherWordLink& a, const OtherWordLink& b) {
        return std::tie(a.word, a.meaning) < std::tie(b.word, b.meaning);
    });
    return found;
}

} // namespace vekkiro::tools
