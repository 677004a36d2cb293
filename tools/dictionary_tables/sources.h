#pragma once

// The generator's sources as they are read: CC-CEDICT's entries and jieba's word list.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace vekkiro::tools {

/// One entry of CC-CEDICT: a word in simplified characters, its pinyin with tone numbers and
/// its senses, each sense one or more glosses separated by semicolons.
struct DictionaryEntry {
    QString simplified;
    QString pinyin;
    QStringList senses;
};

/// A word of jieba's word list: how often it occurred in its corpus, and its part of speech.
struct WordStatistics {
    qint64 frequency = 0;
    QString tag;
};

using WordList = QHash<QString, WordStatistics>;

/// Every entry of the cc-cedict package's data/all.js (`export default {"all": [[traditional,
/// simplified, pinyin, gloss or [glosses], …], …]}`); throws std::runtime_error on anything else.
[[nodiscard]] std::vector<DictionaryEntry> readDictionary(const QByteArray& allJs);

/// Every line of jieba's dict.txt (`word frequency tag`); throws std::runtime_error on a line of
/// another shape.
[[nodiscard]] WordList readWordList(const QByteArray& dictTxt);

inline bool isIdeograph(QChar unit) {
    return unit.unicode() >= 0x3400 && unit.unicode() <= 0x9FFF;
}

inline bool isChineseWord(const QString& word) {
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), isIdeograph);
}

} // namespace vekkiro::tools
