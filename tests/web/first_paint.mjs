// node tests/web/first_paint.mjs [--runs N] [--engines chrome,firefox] [PAGE] [PLAIN]
// The page's first paint against the least page that shows the same title (PLAIN, built from
// bench/first_paint/plain_title.html with the same fonts and picture), loaded alternately in
// each engine: from navigation to the frame that shows the title in its fonts with its picture,
// medians of N and their ratio; and for the page, the frame that shows the program's own title.
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';
import {chromeArgs} from './drivers.mjs';
import {until} from './journeys.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const args = process.argv.slice(2);
const option = (name, fallback) => { const i = args.indexOf(name); return i < 0 ? fallback : args.splice(i, 2)[1]; };
const runs = +option('--runs', 21);
const engines = option('--engines', 'chrome,firefox').split(',');
const [page = resolve(root, 'build-web/quillon.html'), plain = resolve(root, 'build-web/bench/plain_title.html')] = args;

// Runs in both pages before anything else. The title is on view when its four faces are in, every
// picture the page holds has arrived, and a title is on view: the plain page's, the one the page
// keeps (#title) once painted, or the program's own window. The time is the start of the frame
// that shows it: what the page does after that frame is no part of it.
function probe() {
  const faces = ['normal Quillon Serif', 'bold Quillon Serif', 'normal Quillon Sans', 'normal Quillon Tahoma'];
  const facesIn = () => faces.every(want => [...document.fonts].some(f =>
    `${f.weight === 'bold' || f.weight === '700' ? 'bold' : 'normal'} ${f.family.replace(/["']/g, '')}` === want && f.status === 'loaded'));
  const picturesIn = () => {
    const all = [...document.images, ...(window.Quillon?.images?.values() ?? [])];
    return all.length > 0 && all.every(i => i.complete && i.naturalWidth > 0);
  };
  const own = () => window.Quillon?.ready && document.querySelector('[data-screen=Titlefrm]');
  const shown = window.firstPaint = {};
  const look = () => {
    const ready = facesIn() && picturesIn(), now = performance.now();
    const title = document.getElementById('title');
    if (ready && (title && getComputedStyle(title).visibility === 'visible' || own())) shown.title ??= now;
    if (ready && own()) shown.own ??= now;
    if (!shown.own || !shown.title) requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
}

// Copies of both pages with the probe first in their heads.
const work = mkdtempSync(join(tmpdir(), 'first-paint-'));
const probed = (file, name) => {
  const html = readFileSync(file, 'utf8'), head = /<head[^>]*>/.exec(html);
  if (!head) throw new Error(`${file} has no <head> for the probe`);
  writeFileSync(join(work, name), html.replace(head[0], `${head[0]}<script>(${probe})();</script>`));
  return pathToFileURL(join(work, name)).href;
};
const pages = {plain: probed(plain, 'plain.html'), quillon: probed(page, 'quillon.html')};

const median = list => [...list].sort((a, b) => a - b)[list.length >> 1];
const row = list => `median ${median(list).toFixed(1)} ms (${list.map(v => v.toFixed(0)).join(' ')})`;
let failed = false;
try {
  for (const engine of engines) {
    const browser = await puppeteer.launch(engine === 'firefox'
      ? {browser: 'firefox', executablePath: '/usr/bin/firefox', headless: true}
      : {executablePath: '/usr/bin/chromium', headless: true, args: chromeArgs});
    const times = {plain: [], quillon: [], own: []}, errors = [];
    // Each load in a context of its own, as a first visit: nothing compiled is kept from the last.
    let context = null;
    const load = async name => {
      await context?.close();
      context = await browser.createBrowserContext();
      const tab = await context.newPage();
      await tab.setViewport({width: 1024, height: 768});
      await tab.goto(pages[name]);
      const key = name === 'plain' ? 'title' : 'own';
      const t = await until(() => tab.evaluate(key => window.firstPaint?.[key] && window.firstPaint, key), `${name}: the title on view`, 20000);
      times[name].push(t.title);
      if (name !== 'quillon') return;
      times.own.push(t.own);
      errors.push(...await tab.evaluate(() => quillonErrors));
    };
    // One more run than counted, to warm the engine's caches alike; the order alternates.
    for (let i = -1; i < runs; i++) {
      const order = i % 2 ? ['plain', 'quillon'] : ['quillon', 'plain'];
      for (const name of order) await load(name);
      if (i < 0) for (const list of Object.values(times)) list.length = 0;
    }
    console.log(`${engine} ${await browser.version()}, ${runs} loads of each, alternating:`);
    console.log(`  plain title:           ${row(times.plain)}`);
    console.log(`  Quillon's title:       ${row(times.quillon)}`);
    console.log(`  program's own title:   ${row(times.own)}`);
    console.log(`  ratio (Quillon/plain): ${(median(times.quillon) / median(times.plain)).toFixed(2)}`);
    if (errors.length) { console.log(`  page errors: ${errors.join(' | ')}`); failed = true; }
    await browser.close();
  }
} finally {
  rmSync(work, {recursive: true, force: true});
}
process.exit(failed ? 1 : 0);
