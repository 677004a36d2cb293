#pragma once

// Words as jieba splits a text into them, and the words that stand for a catalogue name.

#include "sources.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace vekkiro::tools {

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

/// The words that stand for a catalogue name: the name itself, and its first and last words
/// where they name a thing ("土豆" of 土豆皮, "塑料杯" of 一次性塑料杯).
[[nodiscard]] QSet<QString> catalogueWordsOf(const QString& name, const Segmenter& segmenter,
                                             const WordList& words);

} // namespace vekkiro::tools
