// Writes the tables that let the suggestion list read Chinese the way people type it: the pinyin
// readings of every character in the catalogue and of the common characters that sound like
// them, the traditional forms whose simplified form the catalogue uses, and for every catalogue
// name the readings of each of its characters, and the radical of every common character, by
// which the list tells a slip of the eye from a wrong word. They come from Unicode's Unihan
// database as Debian's unicode-data package ships it, so no reading is ever typed by hand.
//
//   unihan_tables <Unihan_Readings.txt[.bz2]> <Unihan_Variants.txt[.bz2]>
//                 <Unihan_IRGSources.txt[.bz2]> <output.cpp>
#include <vekkiro/dictionary.h>
#include <vekkiro/item_catalogue.h>

#include <algorithm>
#include <bzlib.h>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vekkiro::ItemCatalogue;

[[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why);
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The whole file, decompressed when its name ends in .bz2 (as Debian ships Unihan).
std::string readData(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        fail("cannot read " + path + ": install Debian's unicode-data package");
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(file, &std::fclose);
    std::string data;
    char buffer[1 << 16];
    if (!endsWith(path, ".bz2")) {
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            data.append(buffer, got);
        return data;
    }
    int status = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&status, file, 0, 0, nullptr, 0);
    if (status != BZ_OK)
        fail(path + " is not a bzip2 file");
    while (status == BZ_OK) {
        const int got = BZ2_bzRead(&status, bz, buffer, sizeof buffer);
        if (status == BZ_OK || status == BZ_STREAM_END)
            data.append(buffer, static_cast<std::size_t>(got));
    }
    BZ2_bzReadClose(&status, bz);
    if (data.empty())
        fail(path + " could not be decompressed");
    return data;
}

// "U+4E0D" to 0x4E0D.
char32_t codePoint(std::string_view field) {
    if (field.size() < 6 || field.substr(0, 2) != "U+")
        fail("not a code point: " + std::string(field));
    return static_cast<char32_t>(std::stoul(std::string(field.substr(2)), nullptr, 16));
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto at = text.find(separator);
        if (at != 0)
            parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    return parts;
}

// Calls `take(character, field, value)` for every data line of a Unihan file.
template <typename Take> void forEachEntry(const std::string& data, Take take) {
    for (const std::string_view line : split(data, '\n')) {
        if (line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = split(line, '\t');
        if (fields.size() != 3)
            fail("unexpected Unihan line: " + std::string(line));
        take(codePoint(fields[0]), fields[1], fields[2]);
    }
}

// A reading with its tone marks taken off, as people type it: "lǜ" becomes "lv", "ǹg" "ng".
std::string toneless(std::string_view reading) {
    std::string plain;
    for (std::size_t at = 0; at < reading.size();) {
        const auto lead = static_cast<unsigned char>(reading[at]);
        char32_t c = lead;
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4, c = lead & 0x07U;
        else if (lead >= 0xE0)
            length = 3, c = lead & 0x0FU;
        else if (lead >= 0xC0)
            length = 2, c = lead & 0x1FU;
        if (at + length > reading.size())
            fail("broken UTF-8 in reading " + std::string(reading));
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(reading[at + k]) & 0x3FU);
        at += length;

        if (c >= U'a' && c <= U'z') {
            plain += static_cast<char>(c);
            continue;
        }
        if (c >= 0x300 && c <= 0x36F)
            continue; // a combining tone mark
        static const std::map<char32_t, char> bases = {
            {U'ā', 'a'}, {U'á', 'a'}, {U'ǎ', 'a'}, {U'à', 'a'}, {U'ē', 'e'}, {U'é', 'e'},
            {U'ě', 'e'}, {U'è', 'e'}, {U'ê', 'e'}, {U'ī', 'i'}, {U'í', 'i'}, {U'ǐ', 'i'},
            {U'ì', 'i'}, {U'ō', 'o'}, {U'ó', 'o'}, {U'ǒ', 'o'}, {U'ò', 'o'}, {U'ū', 'u'},
            {U'ú', 'u'}, {U'ǔ', 'u'}, {U'ù', 'u'}, {U'ü', 'v'}, {U'ǖ', 'v'}, {U'ǘ', 'v'},
            {U'ǚ', 'v'}, {U'ǜ', 'v'}, {U'ń', 'n'}, {U'ň', 'n'}, {U'ǹ', 'n'}, {U'ḿ', 'm'},
        };
        const auto base = bases.find(c);
        if (base == bases.end())
            fail("unexpected letter in reading " + std::string(reading));
        plain += base->second;
    }
    return plain;
}

void addOnce(std::vector<std::string>& list, std::string item) {
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(std::move(item));
}

struct Unihan {
    std::map<char32_t, std::vector<std::string>> modern;   // kXHC1983, toneless
    std::map<char32_t, std::vector<std::string>> mandarin; // kMandarin, toneless
    std::map<char32_t, std::vector<char32_t>> simplified;  // kSimplifiedVariant
    std::map<char32_t, int> radical;                       // kRSUnicode, the first
};

Unihan readUnihan(const std::string& readingsPath, const std::string& variantsPath,
                  const std::string& sourcesPath) {
    Unihan unihan;
    forEachEntry(readData(readingsPath),
                 [&](char32_t c, std::string_view field, std::string_view value) {
                     if (field == "kXHC1983") {
                         // "0098.030:bù 0098.030*:bú": a dictionary place, then the reading.
                         for (const std::string_view entry : split(value, ' ')) {
                             const auto colon = entry.find(':');
                             if (colon == std::string_view::npos)
                                 fail("unexpected kXHC1983 value: " + std::string(value));
                             addOnce(unihan.modern[c], toneless(entry.substr(colon + 1)));
                         }
                     } else if (field == "kMandarin") {
                         for (const std::string_view reading : split(value, ' '))
                             addOnce(unihan.mandarin[c], toneless(reading));
                     }
                 });
    forEachEntry(readData(variantsPath),
                 [&](char32_t c, std::string_view field, std::string_view value) {
                     if (field != "kSimplifiedVariant")
                         return;
                     for (const std::string_view target : split(value, ' '))
                         unihan.simplified[c].push_back(codePoint(target));
                 });
    forEachEntry(readData(sourcesPath),
                 [&](char32_t c, std::string_view field, std::string_view value) {
                     if (field != "kRSUnicode")
                         return;
                     // "120'.3": radical 120 in its simplified form (纟), 3 strokes more. The
                     // simplified form is the same part for the eye: 红 and 紅 alike.
                     const std::string number(value.substr(0, value.find_first_of(".'")));
                     unihan.radical[c] = std::stoi(number);
                 });
    if (unihan.modern.empty() || unihan.mandarin.empty() || unihan.simplified.empty() ||
        unihan.radical.empty())
        fail("the Unihan files hold no readings, simplified variants or radicals");
    return unihan;
}

// A character's modern readings: the modern dictionary's (kXHC1983) where it has the character,
// else the common one (kMandarin). The common reading comes first: the list ranks a name spelled
// in the first readings of its characters above one that needs a rarer reading.
std::vector<std::string> modernReadings(const Unihan& unihan, char32_t c) {
    const auto modern = unihan.modern.find(c);
    const auto mandarin = unihan.mandarin.find(c);
    const bool hasMandarin = mandarin != unihan.mandarin.end();
    if (modern == unihan.modern.end())
        return hasMandarin ? mandarin->second : std::vector<std::string>{};
    const std::vector<std::string>& all = modern->second;
    std::vector<std::string> list;
    if (hasMandarin && std::find(all.begin(), all.end(), mandarin->second.front()) != all.end())
        list.push_back(mandarin->second.front());
    for (const std::string& reading : all)
        addOnce(list, reading);
    return list;
}

// Where the table of radicals starts; the table it writes says so to the code that reads it.
constexpr char32_t firstRadicalCharacter = 0x3400;

bool isAscii(char32_t c) {
    return c < 0x80;
}

// C++ text for an initialiser list, printf-style. Plain string concatenation would do, but
// GCC 12 misreads it in optimised builds (a false -Wrestrict).
template <typename... Values> std::string formatted(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

class Writer {
public:
    explicit Writer(std::ostream& out)
        : m_out(out) {}

    template <typename Items, typename Format>
    void array(std::string_view type, std::string_view name, const Items& items, Format format,
               int perLine) {
        m_out << "constexpr " << type << ' ' << name << "[] = {";
        int column = 0;
        for (const auto& item : items) {
            m_out << (column++ % perLine == 0 ? "\n    " : " ") << format(item) << ',';
        }
        m_out << "\n};\n\n";
    }

private:
    std::ostream& m_out;
};

void writeTables(const Unihan& unihan, std::ostream& out) {
    // Every character the catalogue's names use, and what each reads as.
    std::set<char32_t> catalogueCharacters;
    for (const std::u16string_view name : ItemCatalogue::entries())
        for (const char16_t unit : name)
            if (!isAscii(unit))
                catalogueCharacters.insert(unit);
    std::map<char32_t, std::vector<std::string>> readings;
    std::set<std::string> catalogueSyllables;
    for (const char32_t c : catalogueCharacters) {
        if (c >= 0xD800 && c <= 0xDFFF)
            fail("a catalogue name uses a character outside the Basic Multilingual Plane");
        const std::vector<std::string> list = modernReadings(unihan, c);
        if (list.empty()) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            fail(std::string("Unihan gives no reading for the catalogue's character ") + code);
        }
        readings[c] = list;
        catalogueSyllables.insert(list.begin(), list.end());
    }
    // Characters of the modern dictionary that a user may type for a catalogue character of
    // the same sound; only the readings that some catalogue character shares are of use.
    for (const auto& entry : unihan.modern) {
        const char32_t c = entry.first;
        if (c > 0xFFFF || catalogueCharacters.count(c) != 0)
            continue;
        std::vector<std::string> shared;
        for (const std::string& syllable : modernReadings(unihan, c))
            if (catalogueSyllables.count(syllable) != 0)
                shared.push_back(syllable);
        if (!shared.empty())
            readings[c] = shared;
    }

    // Traditional forms whose simplified form the catalogue or the other words for its names use
    // (馬鈴薯 is 马铃薯, another word for 土豆). A character that is its own simplified form as
    // well (乾, 著), or that a catalogue name uses, is left as it is.
    std::set<char32_t> simplifiedCharacters = catalogueCharacters;
    for (const vekkiro::OtherWord& other : vekkiro::otherWords())
        for (const char16_t unit : other.word)
            if (!isAscii(unit))
                simplifiedCharacters.insert(unit);
    std::map<char32_t, char32_t> simplifications;
    for (const auto& [c, targets] : unihan.simplified) {
        if (c > 0xFFFF || catalogueCharacters.count(c) != 0 ||
            std::find(targets.begin(), targets.end(), c) != targets.end())
            continue;
        for (const char32_t target : targets)
            if (simplifiedCharacters.count(target) != 0) {
                simplifications[c] = target;
                break;
            }
    }

    // The radical of every character from the first block of CJK ideographs to the end of the
    // unified ones, 0 for a code without one.
    std::vector<int> radicals;
    for (char32_t c = firstRadicalCharacter; c <= 0x9FFF; ++c) {
        const auto radical = unihan.radical.find(c);
        radicals.push_back(radical == unihan.radical.end() ? 0 : radical->second);
    }

    const std::vector<std::string> syllables(catalogueSyllables.begin(), catalogueSyllables.end());
    const auto syllableNumber = [&](const std::string& syllable) {
        return std::lower_bound(syllables.begin(), syllables.end(), syllable) - syllables.begin();
    };
    std::vector<long> readingSyllables;
    std::vector<std::string> characterRows;
    std::map<char32_t, std::size_t> rowOf;
    for (const auto& [c, list] : readings) {
        rowOf[c] = characterRows.size();
        characterRows.push_back(formatted("{u'\\x%04X', %zu, %zu}", static_cast<unsigned>(c),
                                          readingSyllables.size(), list.size()));
        for (const std::string& syllable : list)
            readingSyllables.push_back(syllableNumber(syllable));
    }
    std::vector<std::size_t> nameUnitStart{0};
    std::vector<std::string> nameUnitReadings;
    for (const std::u16string_view name : ItemCatalogue::entries()) {
        for (const char16_t unit : name)
            nameUnitReadings.push_back(isAscii(unit) ? "noReadings"
                                                     : std::to_string(rowOf.at(unit)));
        nameUnitStart.push_back(nameUnitReadings.size());
    }

    out << "// Generated by tools/unihan_tables from Unicode's Unihan database; do not edit.\n"
           "#include \"hanzi_tables.h\"\n\n"
           "namespace vekkiro::detail {\n\n"
        << formatted("static_assert(firstRadicalCharacter == 0x%X);\n\n",
                     static_cast<unsigned>(firstRadicalCharacter))
        << "namespace {\n\n";
    Writer writer(out);
    writer.array(
        "std::string_view", "syllables", syllables,
        [](const std::string& s) { return '"' + s + '"'; }, 10);
    writer.array(
        "std::uint16_t", "readingSyllables", readingSyllables,
        [](long n) { return std::to_string(n); }, 16);
    writer.array(
        "CharacterReadings", "characterReadings", characterRows,
        [](const std::string& row) { return row; }, 4);
    writer.array(
        "Simplification", "simplifications", simplifications,
        [](const auto& pair) {
            return formatted("{u'\\x%04X', u'\\x%04X'}", static_cast<unsigned>(pair.first),
                             static_cast<unsigned>(pair.second));
        },
        4);
    writer.array(
        "std::uint16_t", "nameUnitStart", nameUnitStart,
        [](std::size_t n) { return std::to_string(n); }, 16);
    writer.array(
        "std::uint16_t", "nameUnitReadings", nameUnitReadings,
        [](const std::string& n) { return n; }, 12);
    writer.array(
        "std::uint8_t", "radicals", radicals, [](int n) { return std::to_string(n); }, 20);
    out << "} // namespace\n\n"
           "constinit const HanziTables hanziTables{syllables,     readingSyllables, "
           "characterReadings,\n"
           "                                        simplifications, nameUnitStart,   "
           "nameUnitReadings,\n"
           "                                        radicals};\n\n"
           "} // namespace vekkiro::detail\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::cerr << "usage: unihan_tables <Unihan_Readings.txt[.bz2]> "
                     "<Unihan_Variants.txt[.bz2]> <Unihan_IRGSources.txt[.bz2]> <output.cpp>\n";
        return 2;
    }
    try {
        const Unihan unihan = readUnihan(argv[1], argv[2], argv[3]);
        std::ostringstream text;
        writeTables(unihan, text);
        std::ofstream out(argv[4], std::ios::binary | std::ios::trunc);
        out << text.str();
        out.close();
        if (!out)
            fail(std::string("cannot write ") + argv[4]);
    } catch (const std::exception& error) {
        std::cerr << "unihan_tables: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
