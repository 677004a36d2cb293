#include "segmenter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vekkiro::tools {

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

bool isNounTag(const QString& tag) {
    return tag.startsWith('n') || tag == QLatin1String("vn") || tag == QLatin1String("j");
}

} // namespace

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

} // namespace vekkiro::tools
