#include "meanings.h"

#include <QRegularExpression>

namespace vekkiro::tools {

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

} // namespace

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

QStringList inOrder(const QSet<QString>& glosses) {
    QStringList sorted = glosses.values();
    sorted.sort();
    return sorted;
}

} // namespace vekkiro::tools
