#include "wordnet.h"

#include <vekkiro/english.h>
#include <vekkiro/slips.h>

#include <QSet>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <tuple>

namespace vekkiro::tools {

namespace {

// Kinds of a thing two levels down, where there are at most this many: beyond, the thing is
// too general for its kinds to be what a person means by it (food, device).
constexpr qsizetype mostKinds = 40;

QList<QByteArray> linesOf(const QByteArray& data) {
    QList<QByteArray> lines;
    for (const QByteArray& line : data.split('\n'))
        // The licence opens each file, its lines indented.
        if (!line.isEmpty() && !line.startsWith("  "))
            lines.append(line);
    return lines;
}

[[noreturn]] void refuse(const QByteArray& line) {
    throw std::runtime_error("unexpected WordNet line: " + line.left(80).toStdString());
}

// Words WordNet gives one sense, that people mostly type meaning another: "specs" are a
// product's specifications more often than glasses.
const QStringList mostlyMeantOtherwise = {QStringLiteral("specs")};

// A WordNet word as a person types it: "hair_dryer" as "hair dryer"; empty for a name
// ("Peel"), or anything but lower-case letters.
QString typedForm(const QString& word) {
    QString typed = word;
    typed.replace(QLatin1Char('_'), QLatin1Char(' '));
    for (const QChar unit : typed)
        if (unit != QLatin1Char(' ') && (unit < QLatin1Char('a') || unit > QLatin1Char('z')))
            return {};
    return typed;
}

} // namespace

WordNet readWordNet(const QByteArray& indexNoun, const QByteArray& dataNoun,
                    const QByteArray& nounExceptions) {
    WordNet wordnet;
    for (const QByteArray& line : linesOf(indexNoun)) {
        // lemma pos synset_cnt p_cnt [ptr_symbol…] sense_cnt tagsense_cnt offset…
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() < 6)
            refuse(line);
        bool ok = false;
        const int synsets = fields[2].toInt(&ok);
        if (!ok || synsets < 1 || fields.size() < synsets)
            refuse(line);
        QStringList& senses = wordnet.senses[QString::fromLatin1(fields[0])];
        for (qsizetype at = fields.size() - synsets; at < fields.size(); ++at)
            senses.append(QString::fromLatin1(fields[at]));
    }
    for (const QByteArray& line : linesOf(dataNoun)) {
        // offset lex_filenum ss_type w_cnt (word lex_id)… p_cnt (symbol offset pos st)… | gloss
        const QList<QByteArray> fields = line.left(line.indexOf('|')).trimmed().split(' ');
        bool ok = false;
        const int count = fields.size() > 3 ? fields[3].toInt(&ok, 16) : 0;
        if (!ok || fields.size() < 5 + 2 * count)
            refuse(line);
        WordNet::Synset synset;
        for (int word = 0; word < count; ++word)
            synset.words.append(QString::fromLatin1(fields[4 + 2 * word]));
        const qsizetype pointersAt = 4 + 2 * count;
        const int pointers = fields[pointersAt].toInt(&ok);
        if (!ok || fields.size() < pointersAt + 1 + 4 * pointers)
            refuse(line);
        for (int pointer = 0; pointer < pointers; ++pointer) {
            const qsizetype at = pointersAt + 1 + 4 * pointer;
            if (fields[at] == "~" && fields[at + 2] == "n")
                synset.kinds.append(QString::fromLatin1(fields[at + 1]));
        }
        wordnet.synsets.insert(QString::fromLatin1(fields[0]), synset);
    }
    for (const QByteArray& line : linesOf(nounExceptions)) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() < 2)
            refuse(line);
        wordnet.singulars.insert(QString::fromLatin1(fields[0]), QString::fromLatin1(fields[1]));
    }
    if (wordnet.senses.isEmpty() || wordnet.synsets.isEmpty() || wordnet.singulars.isEmpty())
        throw std::runtime_error("the WordNet files hold no nouns");
    return wordnet;
}

std::vector<EnglishGloss> findEnglishThroughWordNet(const WordNet& wordnet,
                                                    std::span<const std::u16string_view> names,
                                                    std::span<const EnglishGloss> english) {
    QSet<QString> wholeNames;
    for (const std::u16string_view name : names)
        wholeNames.insert(QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
    QSet<QString> known;
    for (const EnglishGloss& gloss : english)
        known.insert(gloss.stems);
    std::set<std::tuple<QString, QString, QString, bool>> found;
    const auto add = [&](const QString& typed, const EnglishGloss& of) {
        const QString phrase = englishOf(typed);
        const QString stems = stemsOf(phrase);
        if (!stems.isEmpty() && !known.contains(stems) && !mostlyMeantOtherwise.contains(phrase))
            found.emplace(stems, phrase, of.meaning, of.head);
    };

    // The English of each catalogue word, by which the sense it is meant in shows.
    QHash<QString, QStringList> englishOfMeaning;
    for (const EnglishGloss& gloss : english)
        englishOfMeaning[gloss.meaning].append(gloss.english);

    for (const EnglishGloss& gloss : english) {
        if (gloss.head || !wholeNames.contains(gloss.meaning))
            continue;
        const QString lemma = QString(gloss.english).replace(QLatin1Char(' '), QLatin1Char('_'));
        // Its senses as a common noun: a name ("Peel", the politician) is no sense of it.
        QList<const WordNet::Synset*> senses;
        for (const QString& offset : wordnet.senses.value(lemma)) {
            const auto synset = wordnet.synsets.constFind(offset);
            if (synset != wordnet.synsets.constEnd() && synset->words.contains(lemma))
                senses.append(&*synset);
        }
        const auto confirms = [&](const WordNet::Synset* synset) {
            for (const QString& other : englishOfMeaning.value(gloss.meaning)) {
                const QString word = QString(other).replace(QLatin1Char(' '), QLatin1Char('_'));
                if (other != gloss.english && synset->words.contains(word))
                    return true;
            }
            return false;
        };
        // One sense in all, names too, or the one confirmed ("cd" is a candela in lower case, a
        // compact disc in capitals).
        const WordNet::Synset* sense = wordnet.senses.value(lemma).size() == 1 && senses.size() == 1
                                           ? senses.front()
                                           : nullptr;
        for (const WordNet::Synset* synset : senses)
            if (sense == nullptr && confirms(synset))
                sense = synset;
        if (sense == nullptr)
            continue;
        QList<const WordNet::Synset*> kinds;
        QList<const WordNet::Synset*> level{sense};
        for (int depth = 0; depth < 2; ++depth) {
            QList<const WordNet::Synset*> next;
            for (const WordNet::Synset* synset : level)
                for (const QString& offset : synset->kinds)
                    if (const auto kind = wordnet.synsets.constFind(offset);
                        kind != wordnet.synsets.constEnd())
                        next.append(&*kind);
            kinds += next;
            level = next;
        }
        if (kinds.size() > mostKinds)
            kinds.clear();
        for (const QString& word : sense->words)
            if (const QString typed = typedForm(word); !typed.isEmpty())
                add(typed, gloss);
        // A kind counts where its name says what it is a kind of (beer bottle, rump steak): a
        // kind of a cleanser is soap, which no one calls a face mask's English.
        const QString head = gloss.english.mid(gloss.english.lastIndexOf(QLatin1Char(' ')) + 1);
        for (const WordNet::Synset* synset : kinds)
            for (const QString& word : synset->words)
                if (const QString typed = typedForm(word); typed.endsWith(QLatin1Char(' ') + head))
                    add(typed, gloss);
    }

    // Irregular plurals of the English, the dictionary's and the added.
    QHash<QString, QList<EnglishGloss>> byEnglish;
    for (const EnglishGloss& gloss : english)
        if (!gloss.head)
            byEnglish[gloss.english].append(gloss);
    for (const auto& [stems, text, meaning, head] : found)
        byEnglish[text].append({stems, text, meaning, head});
    for (auto plural = wordnet.singulars.cbegin(); plural != wordnet.singulars.cend(); ++plural) {
        const QString typed = typedForm(plural.key());
        if (typed.isEmpty())
            continue;
        for (const EnglishGloss& gloss : byEnglish.value(typedForm(plural.value())))
            add(typed, gloss);
    }

    std::vector<EnglishGloss> added;
    for (const auto& [stems, text, meaning, head] : found)
        added.push_back({stems, text, meaning, head});
    return added;
}

QStringList wordsOfIndexes(std::span<const QByteArray> indexes) {
    QSet<QString> words;
    for (const QByteArray& index : indexes)
        for (const QByteArray& line : linesOf(index)) {
            const QString word = QString::fromLatin1(line.left(line.indexOf(' ')));
            if (!word.contains(QLatin1Char('_')) && !typedForm(word).isEmpty())
                words.insert(word);
        }
    QStringList sorted = words.values();
    sorted.sort();
    return sorted;
}

QStringList wordsOfTheirOwn(const QStringList& words, std::span<const EnglishGloss> english) {
    // The dictionary's English, word by word, as the list's reader of typed English has it.
    QSet<QString> vocabulary;
    QSet<QString> stems;
    for (const EnglishGloss& gloss : english)
        for (const QString& word : gloss.english.split(QLatin1Char(' '))) {
            vocabulary.insert(word);
            stems.insert(stemsOf(word));
        }
    QHash<qsizetype, QList<std::string>> byLength;
    for (const QString& word : vocabulary)
        byLength[word.size()].append(word.toStdString());
    const auto isSlip = [&](const std::string& typed) {
        if (typed.size() < shortestMistypedText)
            return false;
        const auto size = static_cast<qsizetype>(typed.size());
        for (qsizetype length = size - 1; length <= size + 1; ++length)
            for (const std::string& word : byLength.value(length))
                if (isOneSlip(typed, word))
                    return true;
        return false;
    };
    QStringList own;
    for (const QString& word : words) {
        if (word.size() < qsizetype(shortestMistypedText) || vocabulary.contains(word) ||
            stems.contains(stemsOf(word)))
            continue;
        const std::string typed = word.toStdString();
        if (isSlip(typed) || (typed.ends_with('s') && isSlip(typed.substr(0, typed.size() - 1))))
            own.append(word);
    }
    return own;
}

} // namespace vekkiro::tools
