#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>
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

/// Splits text into words the way jieba does without its model of unknown words: the split whose
/// words are likeliest together by the word list's frequencies, a character the list does not
/// know a word of its own.
class Segmenter {
public:
    explicit Segmenter(const WordList& words);

    [[nodiscard]] QStringList segment(const QString& text) const;
    /// The likeliest split into two or more words: the parts of a word that the list also knows
    /// as one (土豆皮: 土豆, 皮). A single character stays whole.
    [[nodiscard]] QStringList split(const QString& word) const;

private:
    [[nodiscard]] double scoreOf(const QString& word) const;

    const WordList& m_words;
    double m_logTotal = 0;
};

/// Another word for a word of the catalogue: `other` means `meaning`, which is a whole
/// catalogue name or the first or last word of one; `gloss` is the English sense they share.
struct OtherWord {
    QString other;
    QString meaning;
    QString gloss;

    friend bool operator==(const OtherWord&, const OtherWord&) = default;
};

/// The other words for the names, sorted by `other`, then `meaning`. Two words are linked when
/// each one's first English gloss is among the other's first sense, and that sense is
/// mostly shared: so a word is never linked through a minor or regional sense (土豆, a potato,
/// is a peanut in Taiwan), a verb (蘑菇 and 磨蹭 both mean "to pester") or a name (八达通, the
/// Octopus card). Words that jieba tags as anything but a noun or a verb are left out.
[[nodiscard]] std::vector<OtherWord> findOtherWords(std::span<const DictionaryEntry> dictionary,
                                                    const WordList& words,
                                                    std::span<const std::u16string_view> names);

/// An English word or phrase for a word of the catalogue, from the dictionary's glosses:
/// `english` as the dictionary writes it, `key` as lookups compare it (each word's EnglishStem,
/// apart by spaces), `meaning` the catalogue's word: a whole name, its first or last word, or
/// (`head`) the character that ends names, whose English counts only after English for the
/// rest (shell, 壳: peanut shell, 花生壳).
struct EnglishWord {
    QString key;
    QString english;
    QString meaning;
    bool head = false;

    friend bool operator==(const EnglishWord&, const EnglishWord&) = default;
};

/// The English words for the names, their first and last words and the characters that end
/// them, sorted by `key`, then `meaning`. A word's English is the glosses of its first sense of
/// at most three words; an ending character's, its own glosses of one or two words and what the
/// dictionary's words that end in it add to the English of the rest (橘皮, "tangerine peel",
/// after 橘, "tangerine": peel, 皮).
[[nodiscard]] std::vector<EnglishWord> findEnglishWords(std::span<const DictionaryEntry> dictionary,
                                                        const WordList& words,
                                                        std::span<const std::u16string_view> names);

} // namespace vekkiro::tools
