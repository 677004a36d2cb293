// Writes the web page that lists every classifiable item, straight from the compiled-in
// catalogue, so the page can never disagree with the program: the bins' sections, each item
// with its readings and other words for the page's filter, filled into the page's template,
// style and script (page.html, page.css and page.js in the template folder).
//
//   item_page <template folder> <output.html>
#include "html_text.h"

#include <vekkiro/bins.h>
#include <vekkiro/classification.h>
#include <vekkiro/dictionary.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vekkiro::Category;
using vekkiro::ItemCatalogue;

void replace(std::string& text, std::string_view marker, const std::string& by) {
    const auto at = text.find(marker);
    if (at == std::string::npos)
        throw std::runtime_error("the template has no " + std::string(marker));
    text.replace(at, marker.size(), by);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "#rrggbb".
std::string cssColour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
    return text;
}

// An ideograph as UTF-8 (it needs no escaping in the page's script).
std::string utf8(char16_t unit) {
    return vekkiro::escapedHtml(std::u16string_view(&unit, 1));
}

// A name's readings for the page's filter: characters apart by spaces, a character's readings
// by "/"; a letter or digit stands for itself, in lower case.
std::string readingsOf(std::u16string_view name) {
    std::string readings;
    for (const char16_t unit : name) {
        if (!readings.empty())
            readings += ' ';
        if (unit < 0x80) {
            readings += static_cast<char>(unit >= u'A' && unit <= u'Z' ? unit + 32 : unit);
            continue;
        }
        const vekkiro::Pinyin pinyin = vekkiro::pinyinOf(unit);
        for (std::size_t k = 0; k < pinyin.size(); ++k) {
            if (k > 0)
                readings += '/';
            readings += pinyin[k];
        }
    }
    return readings;
}

// Other words for a name, for the page's filter, apart by spaces.
std::string otherNamesIn(std::u16string_view name) {
    std::string others;
    for (const std::u16string& other : vekkiro::otherNamesOf(name)) {
        if (!others.empty())
            others += ' ';
        others += vekkiro::escapedHtml(other);
    }
    return others;
}

// The bins' sections, in the order they stand in the artwork, each headed in its bin's colour
// for text, with how to put things out in it; printed, each is banded in the bin's own colour.
std::string sectionsOf(const std::vector<std::vector<std::u16string_view>>& names) {
    std::string sections;
    for (const vekkiro::Bin& bin : vekkiro::bins) {
        const std::string id(bin.identifier);
        const std::string label(bin.label);
        const auto& items = names[static_cast<std::size_t>(bin.category)];
        sections += "<section id=\"" + id + "\" style=\"--bin: " + cssColour(bin.textColour) +
                    "; --band: " + cssColour(bin.colour) + "\" aria-labelledby=\"h-" + id + "\">\n";
        sections += "<h2 id=\"h-" + id + "\">" + label + "<span class=\"n\">" +
                    std::to_string(items.size()) + "</span></h2>\n";
        sections += "<p class=\"how\">" + std::string(bin.howToPutOut) + "</p>\n<ul>\n";
        for (const auto name : items) {
            sections += "<li data-py=\"" + readingsOf(name) + '"';
            if (const std::string others = otherNamesIn(name); !others.empty())
                sections += " data-aka=\"" + others + '"';
            sections += ">" + vekkiro::escapedHtml(name) + "</li>\n";
        }
        sections += "</ul>\n<p class=\"none\" hidden>没有匹配的" + label + "。</p>\n</section>\n";
    }
    return sections;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: item_page <template folder> <output.html>\n";
        return 2;
    }
    try {
        const std::string templates = argv[1];
        std::vector<std::vector<std::u16string_view>> names(vekkiro::bins.size());
        int total = 0;
        for (int p = 1; p <= ItemCatalogue::size; ++p) {
            if (const auto category = ItemCatalogue::categoryOf(p)) {
                names[static_cast<std::size_t>(*category)].push_back(ItemCatalogue::entry(p));
                ++total;
            }
        }
        std::string pairs;
        for (const vekkiro::Simplification& pair : vekkiro::simplifications())
            pairs += utf8(pair.traditional) + utf8(pair.simplified);
        std::string script = readFile(templates + "/page.js");
        replace(script, "@SIMPLIFIED@", pairs);

        std::string page = readFile(templates + "/page.html");
        replace(page, "@STYLE@", readFile(templates + "/page.css"));
        replace(page, "@TOTAL@", std::to_string(total));
        replace(page, "@SECTIONS@", sectionsOf(names));
        replace(page, "@SCRIPT@", script);

        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << page;
        out.close();
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "item_page: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
