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
