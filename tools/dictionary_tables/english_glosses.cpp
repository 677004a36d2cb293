#include "english_glosses.h"

#include "meanings.h"
#include "segmenter.h"

#include <vekkiro/english.h>

#include <QRegularExpression>

#include <algorithm>
#include <set>
#include <tuple>

namespace vekkiro::tools {

namespace {

const QRegularExpression spaces(R"(\s+)");
const QRegularExpression anyParenthesis(R"(\([^)]*\))");
const QRegularExpression article(R"(^(a|an|the) )");

} // namespace

QString englishOf(QString gloss, bool keepInside) {
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

QString stemsOf(const QString& english) {
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

std::vector<EnglishGloss> findEnglishGlosses(std::span<const DictionaryEntry> dictionary,
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
        const QString stems = stemsOf(english);
        if (named && !stems.isEmpty())
            found.emplace(stems, english, meaning, head);
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

    // One English for a meaning and stems: the first, in order (battery before batteries).
    std::vector<EnglishGloss> english;
    for (const auto& [stems, text, meaning, head] : found)
        if (english.empty() || english.back().stems != stems || english.back().meaning != meaning ||
            english.back().head != head)
            english.push_back({stems, text, meaning, head});
    std::stable_sort(english.begin(), english.end(),
                     [](const EnglishGloss& a, const EnglishGloss& b) {
                         return std::tie(a.stems, a.meaning) < std::tie(b.stems, b.meaning);
                     });
    return english;
}

} // namespace vekkiro::tools
