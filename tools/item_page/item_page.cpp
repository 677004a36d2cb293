// Writes the web page that lists every classifiable item, straight from the compiled-in
// catalogue, so the page can never disagree with the program.
//
//   item_page <output.html>
#include "html_text.h"

#include <vekkiro/classification.h>
#include <vekkiro/hanzi.h>
#include <vekkiro/item_catalogue.h>
#include <vekkiro/other_words.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vekkiro::Category;
using vekkiro::ItemCatalogue;

struct Section {
    Category category;
    const char* id;
    const char* colour;
};

// In the order the bins stand in the artwork, each in its bin's colour (darkened where the
// bin's own colour is too light to read on white).
constexpr std::array sections = {
    Section{Category::Recyclable, "recyclable", "#1f6fd1"},
    Section{Category::KitchenWaste, "kitchen", "#2a8a3e"},
    Section{Category::OtherWaste, "other", "#9a6d00"},
    Section{Category::HazardousWaste, "hazardous", "#d93025"},
};

constexpr std::string_view head = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="description" content="Vekkiro 能分类的全部垃圾名称，按可回收物、厨余垃圾、其他垃圾、有害垃圾列出。">
<title>全部可分类垃圾 · Vekkiro</title>
<style>
:root { color-scheme: light; --ink: #1d2b36; --muted: #5b6b78; --line: #dde6ee; }
* { box-sizing: border-box; }
body { margin: 0; font-family: "Noto Sans CJK SC", "Source Han Sans SC", "PingFang SC",
       "Microsoft YaHei", "WenQuanYi Zen Hei", sans-serif; color: var(--ink);
       background: linear-gradient(#e4f4fc, #f8f6e4 320px, #fff 600px) no-repeat, #fff; line-height: 1.5; }
header { padding: 24px 16px 8px; max-width: 1100px; margin: 0 auto; }
h1 { margin: 0 0 4px; font-size: 1.6rem; color: #145c8a; }
header p { margin: 0 0 12px; color: var(--muted); }
.filter { display: flex; flex-wrap: wrap; gap: 8px 12px; align-items: center; }
.filter input { flex: 1 1 260px; max-width: 420px; font: inherit; font-size: 1.05rem; padding: 8px 14px;
                border: 2px solid #008000; border-radius: 999px; outline: none; }
.filter input:focus { box-shadow: 0 0 0 3px rgba(0, 128, 0, .25); }
#count { color: var(--muted); }
main { max-width: 1100px; margin: 0 auto; padding: 0 16px 32px; }
section { margin-top: 20px; background: #fff; border: 1px solid var(--line);
          border-top: 6px solid var(--bin); border-radius: 10px; padding: 4px 16px 12px; }
h2 { color: var(--bin); font-size: 1.25rem; margin: 8px 0; }
h2 .n { font-size: .95rem; color: var(--muted); font-weight: normal; margin-left: 6px; }
ul { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: 6px 8px; }
li { padding: 2px 10px; border-radius: 999px; background: #f1f5f8; border: 1px solid var(--line); }
[hidden] { display: none !important; }
.none { color: var(--muted); margin: 4px 0 8px; }
footer { max-width: 1100px; margin: 0 auto; padding: 0 16px 24px; color: var(--muted); font-size: .9rem; }
@media (max-width: 480px) { h1 { font-size: 1.3rem; } li { font-size: .95rem; } }
</style>
</head>
<body>
<header>
<h1>全部可分类垃圾</h1>
<p>Vekkiro 能分类的全部 <strong>@TOTAL@</strong> 种垃圾。在程序中输入与下面完全相同的名称，即可看到它属于哪一类。</p>
<div class="filter" id="filter" hidden>
<label for="q">筛选</label>
<input id="q" type="search" autocomplete="off" placeholder="名称、拼音或首字母，如：电池、dianchi、dc" aria-describedby="count">
<span id="count" aria-live="polite"></span>
</div>
</header>
<main>
)";

constexpr std::string_view tail = R"(</main>
<footer>输入垃圾即可分类，让城市更加文明。</footer>
<script>
(function () {
  "use strict";
  var filter = document.getElementById("filter");
  var input = document.getElementById("q");
  var count = document.getElementById("count");
  var sections = Array.prototype.slice.call(document.querySelectorAll("section"));
  var total = document.querySelectorAll("section li").length;

  // Traditional characters and their simplified forms, in pairs, for those the names use.
  var simplified = {};
  var pairs = "@SIMPLIFIED@";
  for (var p = 0; p < pairs.length; p += 2) simplified[pairs[p]] = pairs[p + 1];

  // The text as the names are written: no spaces or apostrophes, half-width, simplified.
  function folded(query) {
    return query.replace(/[\s'\u2019]/g, "").replace(/[\uFF01-\uFF5E]/g, function (c) {
      return String.fromCharCode(c.charCodeAt(0) - 0xFEE0);
    }).replace(/./g, function (c) { return simplified[c] || c; });
  }

  // Whether letters spell a name's characters from `start` on, all of the letters used: each
  // character by one of its readings (data-py: readings split by "/", characters by spaces),
  // the last one perhaps unfinished; with `cut`, any reading may be cut short, as initials are.
  function spells(readings, start, letters, cut) {
    var places = [0];
    for (var at = start; at < readings.length && places.length > 0; at++) {
      var next = [];
      for (var k = 0; k < places.length; k++) {
        var from = places[k];
        var syllables = readings[at];
        for (var s = 0; s < syllables.length; s++) {
          var syllable = syllables[s];
          var n = 0;
          while (n < syllable.length && from + n < letters.length &&
                 (letters[from + n] === syllable[n] ||
                  (syllable[n] === "v" && letters[from + n] === "u"))) n++;
          if (n === 0) continue;
          if (from + n === letters.length) return true;
          if (n === syllable.length && next.indexOf(from + n) === -1) next.push(from + n);
          for (var m = 1; cut && m <= n && m < syllable.length; m++)
            if (next.indexOf(from + m) === -1) next.push(from + m);
        }
      }
      places = next;
    }
    return false;
  }

  // A name matches when it or another word for it (data-aka) holds the text, or when the text,
  // all letters, spells part of it in pinyin or its start in initials ("kch": 快餐盒).
  function matches(item, text, letters) {
    if (item.textContent.toLowerCase().indexOf(text) !== -1) return true;
    if ((item.getAttribute("data-aka") || "").indexOf(text) !== -1) return true;
    if (letters === "") return false;
    var readings = item.getAttribute("data-py").split(" ").map(function (r) {
      return r.split("/");
    });
    if (spells(readings, 0, letters, true)) return true;
    for (var start = 1; start < readings.length; start++)
      if (spells(readings, start, letters, false)) return true;
    return false;
  }

  function apply(query) {
    var shown = 0;
    var text = folded(query).toLowerCase();
    var letters = /^[a-z0-9]*[a-z][a-z0-9]*$/.test(text) ? text : "";
    sections.forEach(function (section) {
      var items = section.querySelectorAll("li");
      var inSection = 0;
      for (var i = 0; i < items.length; i++) {
        var match = query === "" || matches(items[i], text, letters);
        items[i].hidden = !match;
        if (match) inSection++;
      }
      section.querySelector(".n").textContent = query === "" ? String(items.length)
                                                             : inSection + " / " + items.length;
      section.querySelector(".none").hidden = inSection !== 0;
      shown += inSection;
    });
    count.textContent = query === "" ? "共 " + total + " 项" : "找到 " + shown + " / " + total + " 项";
  }

  function queryFromAddress() {
    var match = /(?:^#|&)q=([^&]*)/.exec(location.hash);
    if (!match) return "";
    try { return decodeURIComponent(match[1].replace(/\+/g, " ")); } catch (e) { return ""; }
  }

  function fromAddress() {
    input.value = queryFromAddress();
    apply(input.value.trim());
  }

  input.addEventListener("input", function () {
    var query = input.value.trim();
    apply(query);
    var hash = query === "" ? "" : "#q=" + encodeURIComponent(query);
    history.replaceState(null, "", hash === "" ? location.pathname + location.search : hash);
  });
  window.addEventListener("hashchange", fromAddress);
  filter.hidden = false;
  fromAddress();
})();
</script>
</body>
</html>
)";

void replace(std::string& text, std::string_view marker, const std::string& by) {
    text.replace(text.find(marker), marker.size(), by);
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: item_page <output.html>\n";
        return 2;
    }
    std::vector<std::vector<std::u16string_view>> names(sections.size());
    int total = 0;
    for (int p = 1; p <= ItemCatalogue::size; ++p) {
        const auto category = ItemCatalogue::categoryOf(p);
        if (!category)
            continue; // the sentinel names no item
        for (std::size_t s = 0; s < sections.size(); ++s)
            if (sections[s].category == *category)
                names[s].push_back(ItemCatalogue::entry(p));
        ++total;
    }

    std::string page(head);
    replace(page, "@TOTAL@", std::to_string(total));
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::string label(vekkiro::binLabel(sections[s].category));
        page += "<section id=\"" + std::string(sections[s].id) +
                "\" style=\"--bin: " + sections[s].colour + "\" aria-labelledby=\"h-" +
                sections[s].id + "\">\n";
        page += "<h2 id=\"h-" + std::string(sections[s].id) + "\">" + label + "<span class=\"n\">" +
                std::to_string(names[s].size()) + "</span></h2>\n<ul>\n";
        for (const auto name : names[s]) {
            page += "<li data-py=\"" + readingsOf(name) + '"';
            if (const std::string others = otherNamesIn(name); !others.empty())
                page += " data-aka=\"" + others + '"';
            page += ">" + vekkiro::escapedHtml(name) + "</li>\n";
        }
        page += "</ul>\n<p class=\"none\" hidden>没有匹配的" + label + "。</p>\n</section>\n";
    }
    std::string pairs;
    for (const vekkiro::Simplification& pair : vekkiro::simplifications())
        pairs += utf8(pair.traditional) + utf8(pair.simplified);
    std::string script(tail);
    replace(script, "@SIMPLIFIED@", pairs);
    page += script;

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << page;
    out.close();
    if (!out) {
        std::cerr << "item_page: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
