// The accessibility audit of a generated site: every page listed in pages.txt is opened in one
// headless chromium at a desktop width and a phone width, and axe-core checks it against the
// WCAG 2.1 A and AA rules. At the phone width nothing may stick out sideways except inside a
// table's own scrolling box. Prints each problem with its page; exits 1 when there is any.
//
// Usage: node audit.js WEB_ROOT PAGES_FILE [SCREENSHOT_DIR]
//   With SCREENSHOT_DIR, each page is also saved there at the phone width as
//   site-<name of its line>.png (the first screen of the page).
// CHROMIUM names the browser (default /usr/bin/chromium).

'use strict';

const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');
const axe = require('axe-core');

const kWidths = [
  {name: 'desktop', width: 1280, height: 900},
  {name: 'phone', width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 1},
];
const kRules = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'];
// Rules outside those levels that the pages keep too: header cells have a text.
const kAlsoRules = {'empty-table-header': {enabled: true}};

// The table of page kinds: "path-below-the-web-root  name  description...", "#" comments. A
// "*" in the path matches any characters; the first matching file in name order is audited.
function readPageTable(file) {
  return fs.readFileSync(file, 'utf8').split('\n')
      .map((line) => line.trim())
      .filter((line) => line && !line.startsWith('#'))
      .map((line) => {
        const [pattern, name] = line.split(/\s+/);
        return {pattern, name};
      });
}

function findPage(root, pattern) {
  const dir = path.dirname(pattern);
  const base = path.basename(pattern);
  const re = new RegExp('^' + base.replace(/[.+?^${}()|[\]\\]/g, '\\$&').replace(/\*/g, '.*') + '$');
  const names = fs.existsSync(path.join(root, dir)) ? fs.readdirSync(path.join(root, dir)) : [];
  const found = names.filter((n) => re.test(n)).sort()[0];
  return found === undefined ? null : path.join(root, dir, found);
}

// What sticks out of the window at its width, outside a box that scrolls on its own.
function overflowOutsideScrollBoxes() {
  const width = document.documentElement.clientWidth;
  if (document.documentElement.scrollWidth <= width) return [];
  const scrolls = (e) => {
    for (let p = e.parentElement; p; p = p.parentElement) {
      const o = getComputedStyle(p).overflowX;
      if (o === 'auto' || o === 'scroll' || o === 'hidden') return true;
    }
    return false;
  };
  return [...document.body.querySelectorAll('*')]
      .filter((e) => e.getBoundingClientRect().right > width + 1 && !scrolls(e))
      .slice(0, 5)
      .map((e) => e.outerHTML.replace(/\s+/g, ' ').slice(0, 100));
}

async function auditPage(tab, file, width) {
  await tab.setViewport(width);
  await tab.goto('file://' + file, {waitUntil: 'load'});
  await tab.addScriptTag({content: axe.source});
  const result = await tab.evaluate(
      (tags, rules) => window.axe.run(document, {runOnly: {type: 'tag', values: tags}, rules}),
      kRules, kAlsoRules);
  const problems = result.violations.map((v) =>
    `${v.id} (${v.impact}): ${v.help}; ${v.nodes.length} element(s), e.g. ` +
      v.nodes[0].html.replace(/\s+/g, ' ').slice(0, 120));
  if (width.isMobile) {
    const laidOut = await tab.evaluate(() => document.documentElement.clientWidth);
    if (laidOut > width.width) problems.push(`laid out ${laidOut} px wide: no phone viewport`);
    for (const html of await tab.evaluate(overflowOutsideScrollBoxes)) {
      problems.push(`wider than ${width.width} px outside a table's box: ${html}`);
    }
  }
  return problems;
}

async function main() {
  const [root, table, shots] = process.argv.slice(2);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--allow-file-access-from-files'],
  });
  let failures = 0;
  try {
    const tab = await browser.newPage();
    for (const {pattern, name} of readPageTable(table)) {
      const file = findPage(path.resolve(root), pattern);
      if (file === null) {
        console.log(`FAIL ${name}: no page ${pattern}`);
        ++failures;
        continue;
      }
      for (const width of kWidths) {
        const problems = await auditPage(tab, file, width);
        failures += problems.length;
        const where = `${name} at ${width.width} px (${path.relative(root, file)})`;
        console.log((problems.length ? 'FAIL ' : 'ok   ') + where);
        problems.forEach((p) => console.log('     ' + p));
      }
      if (shots) await tab.screenshot({path: path.join(shots, `site-${name}.png`)});
    }
  } finally {
    await browser.close();
  }
  console.log(failures ? `${failures} problem(s)` : 'No problems.');
  process.exitCode = failures ? 1 : 0;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
