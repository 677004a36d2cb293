// How good the list is, measured as search is: on texts people type, what it finds and what it
// wrongly offers. A row shows its bin, so a first row of another bin than the thing's is a wrong
// answer, worse than no row.
//
// Arguments are tab-separated files with a header line, each read by its header:
//  - "text	meant…": texts for a catalogue name; prints how many reach it on the first row and
//    within the list, and how many put a name of another bin first;
//  - "text	bin…": things the catalogue does not hold, with the bin the catalogue files their
//    kin in; prints how many get a first row of their bin, of another bin, or no row;
//  - "text	kind…": texts that name no item at all; prints how many offer anything, every row a
//    wrong answer.
// With --leave-one-out, every catalogue name in turn is typed with that name left out of the
// catalogue, a thing the catalogue lacks whose bin is known; prints how many get a first row of
// its bin, of another bin, or no row.
// With --list, every text follows with its first rows.
#include "utf8_text.h"

#include <vekkiro/bins.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/suggestions.h>
#include <vekkiro/suggestions_measure.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vekkiro::testing::fromUtf8;
using vekkiro::testing::utf8;

constexpr std::size_t listRows = 8;

std::optional<vekkiro::Category> binNamed(std::string_view label) {
    for (const vekkiro::Bin& bin : vekkiro::bins)
        if (bin.label == label)
            return bin.category;
    return std::nullopt;
}

// The bin of a catalogue name, none for a text that is none.
std::optional<vekkiro::Category> categoryNamed(std::u16string_view name) {
    const auto& entries = vekkiro::ItemCatalogue::entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == name)
            return vekkiro::ItemCatalogue::categoryOf(static_cast<int>(i) + 1);
    return std::nullopt;
}

vekkiro::Category binOf(int position) {
    return vekkiro::ItemCatalogue::categoryOf(position).value_or(vekkiro::Category::OtherWaste);
}

std::string rowsOf(const std::vector<vekkiro::Suggestion>& rows, std::size_t shown) {
    std::string out;
    for (std::size_t i = 0; i < rows.size() && i < shown; ++i) {
        const int position = rows[i].position;
        out += (i > 0 ? " · " : "") + utf8(vekkiro::ItemCatalogue::entry(position)) + " " +
               std::string(vekkiro::binOf(binOf(position)).label.substr(0, 6));
    }
    return out.empty() ? "—" : out;
}

struct Row {
    std::u16string text;
    std::string second; // the name meant, or the bin
};

std::vector<Row> readRows(const char* path, std::string& header) {
    std::ifstream in(path);
    std::vector<Row> rows;
    std::string line;
    if (!std::getline(in, header))
        return rows;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string text, second;
        std::getline(fields, text, '\t');
        std::getline(fields, second, '\t');
        if (!text.empty())
            rows.push_back({fromUtf8(text), second});
    }
    return rows;
}

double percent(std::size_t part, std::size_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

void measureMeant(const char* path, const std::vector<Row>& rows, bool list) {
    std::size_t first = 0, within = 0, wrongFirst = 0, none = 0, unknown = 0;
    for (const Row& row : rows) {
        const std::u16string meant = fromUtf8(row.second);
        const std::optional<vekkiro::Category> meantBin = categoryNamed(meant);
        if (!meantBin) {
            ++unknown;
            continue;
        }
        const auto suggested = vekkiro::suggest(row.text, listRows);
        std::optional<std::size_t> at;
        for (std::size_t i = 0; i < suggested.size(); ++i)
            if (vekkiro::ItemCatalogue::entry(suggested[i].position) == meant)
                at = at.value_or(i);
        first += at == std::size_t{0} ? 1 : 0;
        within += at ? 1 : 0;
        none += suggested.empty() ? 1 : 0;
        wrongFirst += !suggested.empty() && binOf(suggested[0].position) != *meantBin;
        if (list)
            std::cout << "  " << (at ? "+" : "-") << " " << utf8(row.text) << " → " << row.second
                      << ": " << rowsOf(suggested, 3) << '\n';
    }
    const std::size_t n = rows.size() - unknown;
    std::printf("%s: %zu texts for a catalogue name%s\n", path, n,
                unknown > 0 ? " (some name no catalogue name and are left out)" : "");
    std::printf("  the name on the first row     %4zu  %5.1f %%\n", first, percent(first, n));
    std::printf("  the name within %zu rows        %4zu  %5.1f %%\n", listRows, within,
                percent(within, n));
    std::printf("  first row of another bin      %4zu  %5.1f %%\n", wrongFirst,
                percent(wrongFirst, n));
    std::printf("  no row                        %4zu  %5.1f %%\n", none, percent(none, n));
}

void measureLeavingOut(bool list) {
    std::size_t right = 0, wrong = 0, none = 0;
    for (int position = 1; position <= vekkiro::ItemCatalogue::itemCount; ++position) {
        const std::u16string_view name = vekkiro::ItemCatalogue::entry(position);
        const auto suggested = vekkiro::suggestItemsLeavingOut(name, listRows, position);
        const vekkiro::Category bin = binOf(position);
        if (suggested.empty())
            ++none;
        else if (binOf(suggested[0]) == bin)
            ++right;
        else
            ++wrong;
        if (list && !suggested.empty()) {
            std::string rows;
            for (std::size_t i = 0; i < suggested.size() && i < 3; ++i)
                rows += (i > 0 ? " · " : "") + utf8(vekkiro::ItemCatalogue::entry(suggested[i])) +
                        " " + std::string(vekkiro::binOf(binOf(suggested[i])).label.substr(0, 6));
            std::cout << "  " << (binOf(suggested[0]) == bin ? "+" : "-") << " " << utf8(name)
                      << " (" << vekkiro::binOf(bin).label << "): " << rows << '\n';
        }
    }
    const std::size_t n = static_cast<std::size_t>(vekkiro::ItemCatalogue::itemCount);
    std::printf("each catalogue name, itself left out: %zu names\n", n);
    std::printf("  first row of its bin          %4zu  %5.1f %%\n", right, percent(right, n));
    std::printf("  first row of another bin      %4zu  %5.1f %%\n", wrong, percent(wrong, n));
    std::printf("  no row                        %4zu  %5.1f %%\n", none, percent(none, n));
}

void measureBins(const char* path, const std::vector<Row>& rows, bool list) {
    std::size_t right = 0, wrong = 0, none = 0, unknown = 0;
    for (const Row& row : rows) {
        const auto bin = binNamed(row.second);
        if (!bin) {
            ++unknown;
            continue;
        }
        const auto suggested = vekkiro::suggest(row.text, listRows);
        if (suggested.empty())
            ++none;
        else if (binOf(suggested[0].position) == *bin)
            ++right;
        else
            ++wrong;
        if (list)
            std::cout << "  "
                      << (suggested.empty()                      ? " "
                          : binOf(suggested[0].position) == *bin ? "+"
                                                                 : "-")
                      << " " << utf8(row.text) << " (" << row.second
                      << "): " << rowsOf(suggested, 3) << '\n';
    }
    const std::size_t n = rows.size() - unknown;
    std::printf("%s: %zu things the catalogue lacks\n", path, n);
    std::printf("  first row of their bin        %4zu  %5.1f %%\n", right, percent(right, n));
    std::printf("  first row of another bin      %4zu  %5.1f %%\n", wrong, percent(wrong, n));
    std::printf("  no row                        %4zu  %5.1f %%\n", none, percent(none, n));
}

void measureNothing(const char* path, const std::vector<Row>& rows, bool list) {
    std::size_t offering = 0;
    for (const Row& row : rows) {
        const auto suggested = vekkiro::suggest(row.text, listRows);
        offering += suggested.empty() ? 0 : 1;
        if (list && !suggested.empty())
            std::cout << "  - " << utf8(row.text) << ": " << rowsOf(suggested, 3) << '\n';
    }
    std::printf("%s: %zu texts that name no item\n", path, rows.size());
    std::printf("  offer something               %4zu  %5.1f %%\n", offering,
                percent(offering, rows.size()));
}

} // namespace

int main(int argc, char** argv) {
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0) {
            list = true;
            continue;
        }
        if (std::strcmp(argv[i], "--leave-one-out") == 0) {
            measureLeavingOut(list);
            continue;
        }
        std::string header;
        const std::vector<Row> rows = readRows(argv[i], header);
        if (header.starts_with("text\tmeant"))
            measureMeant(argv[i], rows, list);
        else if (header.starts_with("text\tbin"))
            measureBins(argv[i], rows, list);
        else if (header.starts_with("text\tkind"))
            measureNothing(argv[i], rows, list);
        else
            std::fprintf(stderr, "%s: its header is none of text/meant, text/bin, text/kind\n",
                         argv[i]);
    }
}
