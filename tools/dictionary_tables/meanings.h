#pragma once

// What the dictionary's words mean, as the other words and the English are derived from it.

#include "sources.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <span>

namespace vekkiro::tools {

// What a word means as a noun: the glosses of its first entry (CC-CEDICT lists the commonest
// first), without the senses that only a region or register gives it after its main one, and
// those of every sense of every entry. A word whose first sense is a verb ("to pester") or
// that only points to other entries has no first meaning.
struct Meaning {
    QString main; // the first gloss of the first sense
    QSet<QString> first;
    QSet<QString> all;
};

[[nodiscard]] QHash<QString, Meaning> meaningsOf(std::span<const DictionaryEntry> dictionary);

// Glosses sorted, so that what is written from them is the same on every run.
[[nodiscard]] QStringList inOrder(const QSet<QString>& glosses);

} // namespace vekkiro::tools
