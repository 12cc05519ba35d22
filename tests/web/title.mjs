// node tests/web/title.mjs [--engines chrome,firefox] [PAGE]
// The title painted before the program has started: the program's own takes its place with no
// visible change at several viewport sizes, and a press on it before the program is ready
// reaches the program. The program is held back by holding its compilation until told.
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';
import {decode} from '../compare/png.mjs';
import {chromeArgs} from './drivers.mjs';
import {check, expectShown, until} from './journeys.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const args = process.argv.slice(2);
const option = (name, fallback) => { const i = args.indexOf(name); return i < 0 ? fallback : args.splice(i, 2)[1]; };
const engines = option('--engines', 'chrome,firefox').split(',');
const page = resolve(args[0] ?? resolve(root, 'build-web/quillon.html'));

function hold() {
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = (...a) => new Promise(go => { window.startProgram = () => go(instantiate.apply(WebAssembly, a)); });
}
const work = mkdtempSync(join(tmpdir(), 'title-'));
const html = readFileSync(page, 'utf8'), head = /<head[^>]*>/.exec(html);
writeFileSync(join(work, 'held.html'), html.replace(head[0], `${head[0]}<script>(${hold})();</script>`));
const url = pathToFileURL(join(work, 'held.html')).href;

// The static title once its faces and its picture are in, as a pupil sees it; the program's
// once the static one has gone.
const staticOnView = tab => until(() => tab.evaluate(() => window.startProgram && document.fonts.status === 'loaded' &&
  document.querySelector('#title img').complete), 'the static title on view', 10000);
const programOnView = tab => until(() => tab.evaluate(() => window.Quillon?.ready && !document.getElementById('title')),
  "the program's own title on view", 10000);
const rectOf = (tab, selector) => tab.evaluate(s => document.querySelector(s).getBoundingClientRect().toJSON(), selector);
// Share of a rectangle's pixels that no pixel of the other picture within one pixel matches
// within 96 in each channel: glyphs anti-aliased apart, or a canvas scaled as a picture beside
// vectors drawn at the scaled size, match; a word or a line out of place does not.
const differing = (a, b, {x, y, width, height}) => {
  const matches = (p, i, q, k) => [0, 1, 2].every(c => Math.abs(p.data[i + c] - q.data[k + c]) <= 96);
  const alone = (p, q, row, column) => {
    for (let r = row - 1; r <= row + 1; r++)
      for (let c = column - 1; c <= column + 1; c++)
        if (r >= 0 && c >= 0 && r < q.height && c < q.width && matches(p, (row * p.width + column) * 4, q, (r * q.width + c) * 4)) return false;
    return true;
  };
  const top = Math.round(y), left = Math.round(x), rows = Math.round(height), columns = Math.round(width);
  let n = 0;
  for (let row = top; row < top + rows; row++)
    for (let column = left; column < left + columns; column++)
      if (alone(a, b, row, column) || alone(b, a, row, column)) n++;
  return n / (rows * columns);
};

const handovers = [
  {viewport: [1024, 768], why: 'the size the tests use'},
  {viewport: [1920, 1080], why: "a projector's display"},
  {viewport: [640, 480], why: 'a desktop scaled down to a small viewport'},
];
// When OK is released: before the program is ready, or after.
const presses = ['before', 'after'];

let failed = 0;
const step = async (what, run) => {
  try { console.log(`  ok   ${what}${await run()}`); } catch (e) { failed++; console.log(`  FAIL ${what}\n       ${e.message}`); }
};
try {
  for (const engine of engines) {
    const browser = await puppeteer.launch(engine === 'firefox'
      ? {browser: 'firefox', executablePath: '/usr/bin/firefox', headless: true}
      : {executablePath: '/usr/bin/chromium', headless: true, args: chromeArgs});
    const tab = await browser.newPage();
    console.log(`${engine}: ${await browser.version()}`);
    for (const {viewport: [width, height], why} of handovers) {
      await step(`${width}x${height} (${why}): the program's title takes the static one's place unseen`, async () => {
        await tab.setViewport({width, height});
        await tab.goto(url);
        await staticOnView(tab);
        const before = await rectOf(tab, '#title'), shotBefore = decode(await tab.screenshot());
        await tab.evaluate(() => startProgram());
        await programOnView(tab);
        const after = await rectOf(tab, '[data-screen=Titlefrm]'), shotAfter = decode(await tab.screenshot());
        const moved = ['x', 'y', 'width', 'height'].some(k => Math.abs(before[k] - after[k]) > 0.5);
        check(!moved, `the title moved: ${JSON.stringify(before)} became ${JSON.stringify(after)}`);
        const share = differing(shotBefore, shotAfter, after);
        check(share < 0.001, `${(share * 100).toFixed(2)}% of the pixels changed`);
        check(!(await tab.evaluate(() => quillonErrors)).length, 'the page recorded errors');
        return `, ${(share * 100).toFixed(2)}% of its pixels apart`;
      });
    }
    await tab.setViewport({width: 1024, height: 768});
    for (const released of presses) {
      await step(`OK pressed before the program is ready and released ${released} opens the introduction`, async () => {
        await tab.goto(url);
        await staticOnView(tab);
        // OK's centre, where the design puts it in the client area (364 x 438 pixels).
        const ok = await tab.evaluate(() => {
          const r = document.querySelector('#title .area').getBoundingClientRect();
          return [r.x + (88 + 89 / 2) * r.width / 364, r.y + (394 + 25 / 2) * r.height / 438];
        });
        await tab.mouse.move(...ok);
        await tab.mouse.down();
        if (released === 'before') await tab.mouse.up();
        await tab.evaluate(() => startProgram());
        await until(() => tab.evaluate(() => window.Quillon?.ready), 'the program ready');
        if (released === 'after') await tab.mouse.up();
        await expectShown({evaluate: (fn, ...a) => tab.evaluate(fn, ...a)}, 'intro0');
        return '';
      });
    }
    await browser.close();
  }
} finally {
  rmSync(work, {recursive: true, force: true});
}
console.log(failed ? `${failed} failed` : 'all passed');
process.exit(failed ? 1 : 0);
