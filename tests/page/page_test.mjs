// The page of all classifiable items in a real browser (Debian's Chromium, headless): the four
// sections and their counts, the filter as a user types (names, pinyin, initials, traditional
// characters, other words), a filter given in the address, the full list when JavaScript is
// off, and the page printed to PDF as a sheet to pin up (read back with poppler's pdftotext).
//   node page_test.mjs <qbljfl.html> [screenshot.png]
import { chromium } from "playwright-core";
import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [pagePath, screenshot] = process.argv.slice(2);
const pageUrl = pathToFileURL(pagePath).href;
let failures = 0;
let passes = 0;
function check(condition, what) {
  if (condition) { passes++; console.log(`PASS   : ${what}`); }
  else { failures++; console.log(`FAIL!  : ${what}`); }
}
function same(actual, expected, what) {
  check(JSON.stringify(actual) === JSON.stringify(expected),
        `${what} (got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)})`);
}

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-quic"],
});

const visibleCounts = (page) => page.$$eval("section", (sections) =>
  sections.map((s) => [s.querySelector("h2").firstChild.textContent,
                       [...s.querySelectorAll("li")].filter((li) => !li.hidden).length]));

try {
  const context = await browser.newContext({ viewport: { width: 1000, height: 900 } });
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(String(e)));
  const requests = [];
  page.on("request", (r) => requests.push(r.url()));
  await page.goto(pageUrl);

  same(await page.getAttribute("html", "lang"), "zh-CN", "the page is in Simplified Chinese");
  same(await visibleCounts(page),
       [["可回收物", 30], ["厨余垃圾", 602], ["其他垃圾", 905], ["有害垃圾", 10]],
       "four sections in the bins' order hold every item");
  same(await page.$$eval("h2 .n", (n) => n.map((e) => e.textContent)), ["30", "602", "905", "10"],
       "each heading shows its count");
  same(await page.$$eval("h2", (h) => h.map((e) => getComputedStyle(e).color)),
       ["rgb(31, 111, 209)", "rgb(43, 128, 61)", "rgb(148, 106, 0)", "rgb(217, 48, 37)"],
       "headings are in their bins' colours");
  same(await page.$$eval("li", (l) => [l[0].textContent, l[29].textContent, l[30].textContent,
                                       l[1546].textContent]),
       ["旧家电", "放大镜", "鲜花", "Quorvith中学"], "items keep catalogue order within their sections");
  check(!(await page.$$eval("li", (l) => l.some((e) => e.textContent === "更多"))),
        "the sentinel is not listed");
  check(requests.every((u) => u.startsWith("file:")), "the page loads nothing from elsewhere");

  await page.fill("#q", "电池");
  same(await visibleCounts(page),
       [["可回收物", 0], ["厨余垃圾", 0], ["其他垃圾", 6], ["有害垃圾", 1]],
       "typing 电池 narrows every list to the names containing it");
  check((await page.textContent("#count")).includes("7 / 1547"), "the count of matches shows");
  check(new URL(page.url()).hash === "#q=" + encodeURIComponent("电池"),
        "the address records the filter");
  const visibleNames = (p) => p.$$eval("li", (l) => l.filter((e) => !e.hidden).map((e) => e.textContent));
  for (const [typed, what] of [["dianchi", "pinyin"], ["Dian Chi", "pinyin with a capital and a space"],
                               ["dian'chi", "pinyin with an apostrophe"], ["電池", "traditional characters"]]) {
    await page.fill("#q", typed);
    same(await visibleCounts(page),
         [["可回收物", 0], ["厨余垃圾", 0], ["其他垃圾", 6], ["有害垃圾", 1]],
         `${what} (${typed}) finds the same names as 电池`);
  }
  for (const [typed, name, what] of [["kch", "快餐盒", "initials"], ["kuaican", "快餐盒", "the first syllables"],
                                     ["xietang", "血糖试纸", "another reading of a character"],
                                     ["lvzhi", "滤纸", "ü typed as v"], ["ph", "PH试纸", "letters in either case"],
                                     ["衛生紙", "卫生纸", "a name in traditional characters"],
                                     ["冰激凌", "冰淇淋", "another word for a name"],
                                     ["洋芋", "土豆皮", "another word for a part of a name"]]) {
    await page.fill("#q", typed);
    check((await visibleNames(page)).includes(name), `${what}: ${typed} shows ${name}`);
  }
  await page.fill("#q", "hello");
  same((await visibleCounts(page)).map((c) => c[1]), [0, 0, 0, 0], "an English word shows nothing");
  await page.fill("#q", "");
  same((await visibleCounts(page)).map((c) => c[1]), [30, 602, 905, 10], "clearing the box shows all");

  await page.goto(pageUrl + "#q=" + encodeURIComponent("牛奶"));
  await page.reload();
  same(await page.inputValue("#q"), "牛奶", "a filter in the address fills the box");
  same(await visibleCounts(page),
       [["可回收物", 1], ["厨余垃圾", 1], ["其他垃圾", 2], ["有害垃圾", 0]],
       "a filter in the address narrows the lists");
  same(errors, [], "no script errors");

  const phone = await browser.newContext({ viewport: { width: 375, height: 740 }, isMobile: true });
  const small = await phone.newPage();
  await small.goto(pageUrl);
  same(await small.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), true,
       "on a phone-sized screen nothing scrolls sideways");
  if (screenshot) {
    await page.goto(pageUrl + "#q=");
    await page.screenshot({ path: screenshot });
    await small.screenshot({ path: screenshot.replace(/\.png$/, "-phone.png") });
  }

  // Printed: each bin starts a page with its name and how to put things out, no filter box or
  // hint, every name once and on one line; with a filter, only what it shows.
  const pdfFolder = mkdtempSync(join(tmpdir(), "vekkiro-page-"));
  try {
    const printed = async (query) => {
      await page.goto(pageUrl + (query ? "#q=" + encodeURIComponent(query) : ""));
      await page.reload();
      const pdf = join(pdfFolder, "page.pdf");
      await page.pdf({ path: pdf, format: "A4" });
      const count = Number(/Pages:\s+(\d+)/.exec(execFileSync("pdfinfo", [pdf]).toString())[1]);
      const pages = [];
      for (let p = 1; p <= count; p++)
        pages.push(execFileSync("pdftotext", ["-layout", "-f", String(p), "-l", String(p), pdf, "-"])
          .toString().split("\n").map((l) => l.trim()).filter((l) => l !== ""));
      return pages;
    };
    const names = await page.$$eval("li", (l) => l.map((e) => e.textContent));
    const bins = await page.$$eval("section", (s) => s.map((e) => [e.querySelector("h2").firstChild.textContent,
                                                                  e.querySelector(".how").textContent]));
    const pages = await printed("");
    const starts = bins.map(([label]) => pages.findIndex((lines) => lines.some((l) => l.startsWith(label + " "))));
    check(starts.every((p, i) => p >= 0 && (i === 0 || p > starts[i - 1])), `the four bins start pages in order (${starts})`);
    check(starts.slice(1).every((p) => pages[p][0].startsWith(bins[starts.indexOf(p)][0])),
          "every bin but the first heads its page; the first shares the title's");
    bins.forEach(([label, how], i) => {
      const lines = pages[starts[i]];
      const at = lines.findIndex((l) => l.startsWith(label + " "));
      check(lines[at + 1]?.startsWith(how.slice(0, 10)), `how to put out ${label} is printed under its name`);
    });
    const text = pages.flat().join("\n");
    check(!text.includes("筛选") && !text.includes("Ctrl+P"), "no filter box and no printing hint on paper");
    check(text.includes("当地主管部门"), "the page says that local rules hold");
    const tokens = text.split(/\s+/);
    const counts = new Map();
    for (const t of tokens) counts.set(t, (counts.get(t) ?? 0) + 1);
    const notOnce = names.filter((n) => counts.get(n) !== 1);
    same(notOnce, [], `each of the ${names.length} names is printed once, whole on its line`);
    console.log(`printed: ${pages.length} pages; first lines: ${pages.map((l) => l[0]).join(" | ")}`);
    const filtered = (await printed("电池")).flat().join("\n").split(/\s+/);
    check(filtered.includes("电池") && filtered.includes("碱性电池") && !filtered.includes("鲜花"),
          "with a filter in effect, only the names it shows are printed");
  } finally {
    rmSync(pdfFolder, { recursive: true, force: true });
  }

  const noScript = await browser.newContext({ javaScriptEnabled: false });
  const plain = await noScript.newPage();
  await plain.goto(pageUrl + "#q=" + encodeURIComponent("电池"));
  same((await visibleCounts(plain)).map((c) => c[1]), [30, 602, 905, 10],
       "without JavaScript the full list shows");
  check(await plain.$eval("#filter", (f) => f.hidden), "without JavaScript no dead filter box shows");
} finally {
  await browser.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
