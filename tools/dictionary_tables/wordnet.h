#pragma once

// English the dictionary's glosses do not give: WordNet's other words for the same thing, its
// kinds of the thing, and irregular plurals.

#include "english_glosses.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace vekkiro::tools {

/// WordNet's nouns as the writer reads them: each word's senses, commonest first as far as
/// WordNet knows, each sense's words and its kinds (hyponyms), and irregular plurals.
struct WordNet {
    struct Synset {
        QStringList words; // as WordNet writes them: "hair_dryer", "Peel"
        QStringList kinds; // the offsets of its hyponyms
    };
    QHash<QString, QStringList> senses; // a word in lower case → the offsets of its synsets
    QHash<QString, Synset> synsets;     // by offset
    QHash<QString, QString> singulars;  // an irregular plural → its singular
};

/// Reads index.noun, data.noun and noun.exc as Debian's wordnet-base ships them; throws
/// std::runtime_error on a line of another shape.
[[nodiscard]] WordNet readWordNet(const QByteArray& indexNoun, const QByteArray& dataNoun,
                                  const QByteArray& nounExceptions);

/// English for the catalogue's names that `english` lacks, from WordNet. For the English of a
/// whole name (a word inside a name may mean something else there: 眼线 in 眼线笔 is no
/// informer), in the sense it has for the name: the other words of that sense (cell phone:
/// cellphone; garbage: refuse, food waste), the words of its kinds two levels down that end with
/// the English's last word (bottle: beer bottle, water bottle) where there are few enough kinds
/// to be kinds of one thing, and the irregular plurals of all of it (teeth). The sense is the
/// English's only one, or the first whose words hold another English of the same name (garbage:
/// the one with refuse, which 垃圾 means too); English of several senses and no such sense adds
/// nothing (fan: a follower or a device). Only English that no entry of `english` has already
/// is added, so a word the dictionary gives keeps what it leads to.
[[nodiscard]] std::vector<EnglishGloss>
findEnglishThroughWordNet(const WordNet& wordnet, std::span<const std::u16string_view> names,
                          std::span<const EnglishGloss> english);

/// The single words of WordNet's index files (index.noun, index.verb, index.adj, index.adv as
/// read), lower-case letters only.
[[nodiscard]] QStringList wordsOfIndexes(std::span<const QByteArray> indexes);

/// Of `words`, those that a reader of typed English would take for a slip of the fingers from a
/// word of `english` (vekkiro/slips.h), themselves or their singular, though they are words of
/// their own ("please" for "pease", "lease"); at least shortestMistypedText letters long, not
/// the dictionary's own, in the order of `words`. The list leaves them as typed.
[[nodiscard]] QStringList wordsOfTheirOwn(const QStringList& words,
                                          std::span<const EnglishGloss> english);

} // namespace vekkiro::tools
