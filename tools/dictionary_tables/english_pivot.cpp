#include "english_pivot.h"

#include "meanings.h"
#include "segmenter.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vekkiro::tools {

namespace {

const QRegularExpression alternatives(R"(\s+or\s+)");
// Where a sense says it is said: Taiwan, Hong Kong, a dialect.
const QRegularExpression regionLabel(
    R"(\s*\((Tw|HK|Taiwan|Cantonese|dialect|[A-Za-z]+ dialect)(, (Tw|HK|Taiwan|Cantonese))*\))");

bool shareACharacter(const QString& one, const QString& other) {
    return std::any_of(one.begin(), one.end(), [&](QChar unit) { return other.contains(unit); });
}

// Whether the word ends as the catalogue word does, a 子 after it left out: a word's last
// character says what it is (免洗筷 is a 筷子, 保温杯 a 杯子; 一线之隔, "fine line", is no 线).
bool endsAs(const QString& word, const QString& meaning) {
    const QChar head = meaning.size() >= 2 && meaning.back() == QChar(u'子')
                           ? meaning.at(meaning.size() - 2)
                           : meaning.back();
    return word.back() == head;
}

} // namespace

std::vector<OtherWordLink> findOtherWordsThroughEnglish(std::span<const DictionaryEntry> dictionary,
                                                        const WordList& words,
                                                        std::span<const std::u16string_view> names,
                                                        std::span<const EnglishGloss> english,
                                                        std::span<const OtherWordLink> known) {
    const QHash<QString, Meaning> meanings = meaningsOf(dictionary);
    const Segmenter segmenter(words);
    QSet<QString> wholeNames;
    QSet<QString> catalogueWords;
    for (const std::u16string_view name : names) {
        const QString text = QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
        wholeNames.insert(text);
        for (const QString& word : catalogueWordsOf(text, segmenter, words))
            catalogueWords.insert(word);
    }
    // Words whose first sense is said in one region or dialect.
    QSet<QString> regional;
    QSet<QString> seen;
    for (const DictionaryEntry& entry : dictionary) {
        if (seen.contains(entry.simplified) || entry.senses.isEmpty())
            continue;
        seen.insert(entry.simplified);
        if (regionLabel.match(entry.senses.front()).hasMatch())
            regional.insert(entry.simplified);
    }
    std::multimap<QString, QString> meaningsByStems;
    for (const EnglishGloss& gloss : english)
        if (!gloss.head)
            meaningsByStems.emplace(gloss.stems, gloss.meaning);
    std::set<std::pair<QString, QString>> linked;
    for (const OtherWordLink& link : known)
        linked.emplace(link.word, link.meaning);

    std::set<std::tuple<QString, QString, QString>> found;
    for (auto word = meanings.cbegin(); word != meanings.cend(); ++word) {
        const QString& other = word.key();
        if (other.size() < 2 || word->main.isEmpty() || catalogueWords.contains(other))
            continue;
        const auto statistics = words.constFind(other);
        if (statistics != words.constEnd() && namesNoThing(statistics->tag))
            continue;
        const QString main = QString(word->main).remove(regionLabel).trimmed();
        // A gloss that qualifies itself ("cream (color)") means less than it says.
        if (main.contains(QLatin1Char('(')))
            continue;
        const bool isRegional = regional.contains(other);
        // Of a regional word's alternatives ("sweet potato or yam"), the first is what it
        // mostly means; elsewhere "or" joins words of one phrase ("CD or DVD drive").
        const QString said = isRegional ? main.split(alternatives).front() : main;
        const QString typed = englishOf(said);
        const QString stems = stemsOf(typed);
        if (stems.isEmpty())
            continue;
        // Only a word whose every first sense the name has is the name: 发烧友, "fan", is an
        // enthusiast too, and no 扇子.
        const auto sameSenses = [&](const QString& name) {
            const QSet<QString>& senses = meanings[name].all;
            return std::all_of(word->first.begin(), word->first.end(),
                               [&](const QString& gloss) { return senses.contains(gloss); });
        };
        const auto [first, last] = meaningsByStems.equal_range(stems);
        for (auto meant = first; meant != last; ++meant) {
            const QString& name = meant->second;
            if (wholeNames.contains(name) &&
                (isRegional || (sameSenses(name) && shareACharacter(other, name))))
                found.emplace(other, name, typed);
        }
        // A regional word's gloss says what it is by its last word, its head, where that is
        // the catalogue word's main English.
        const qsizetype space = typed.lastIndexOf(QLatin1Char(' '));
        if (!isRegional || space < 0)
            continue;
        const QString headWord = typed.mid(space + 1);
        const auto [headFirst, headLast] = meaningsByStems.equal_range(stemsOf(headWord));
        for (auto meant = headFirst; meant != headLast; ++meant) {
            const QString& head = meant->second;
            if (endsAs(other, head) && englishOf(meanings[head].main) == headWord)
                found.emplace(other, head, typed);
        }
    }
    std::vector<OtherWordLink> links;
    for (const auto& [word, meaning, gloss] : found)
        if (linked.insert({word, meaning}).second && word != meaning)
            links.push_back({word, meaning, gloss});
    return links;
}

} // namespace vekkiro::tools
