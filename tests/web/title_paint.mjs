// The title the page shows before the program has started: the program's own first paint of it,
// kept with the page (web/title_paint.json), where the model will place it, and replaced by the
// program's with no change a pupil could see. node tests/web/title_paint.mjs [PAGE] writes it anew.
import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {decode} from '../compare/png.mjs';
import {check, noErrors, until} from './journeys.mjs';

const here = dirname(fileURLToPath(import.meta.url));

// The program's whole paint of its title at scale 1, one device pixel to a pixel, and its frame's
// markup with nothing of the program's own in it: what the page keeps.
async function programsTitle(page, url) {
  await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
  await page.goto(url);
  await until(() => page.evaluate(() => window.Quillon?.ready && !!document.querySelector('[data-screen=Titlefrm]')), 'the title');
  return page.evaluate(async () => {
    const w = document.querySelector('[data-screen=Titlefrm]'), paint = Quillon.paint;
    let caught = null;
    Quillon.paint = (p, n, s, k) => {
      if (p.g.canvas.closest('[data-screen=Titlefrm]') && n[1] === 0) caught ??= {numbers: [...n], strings: s};
      paint(p, n, s, k);
    };
    Module._quillon_repaint();
    await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
    Quillon.paint = paint;
    const design = w.querySelector('.design'), client = ['width', 'height'].map(k => Math.round(parseFloat(design.style[k]) * 15));
    const frame = w.cloneNode(true);
    for (const a of ['style', 'data-window', 'data-screen', 'inert', 'class']) frame.removeAttribute(a);
    frame.className = 'window';
    for (const part of ['.design', '.tabs']) frame.querySelector(part).replaceChildren();
    for (const a of ['width', 'height', 'style']) frame.querySelector('canvas').removeAttribute(a);
    frame.querySelector('.design').removeAttribute('style');
    return {frame: frame.outerHTML, client, ...caught};
  });
}

// The page with the program held before it starts, until the test lets it go.
async function held(page, url, width, height, deviceScaleFactor) {
  await page.goto('about:blank');
  await page.setViewport({width, height, deviceScaleFactor, hasTouch: true});
  const hold = await page.evaluateOnNewDocument(() => {
    const instantiate = WebAssembly.instantiate;
    const go = new Promise(r => { window.letGo = r; });
    WebAssembly.instantiate = (...a) => go.then(() => instantiate(...a));
  });
  await page.goto(url);
  await page.removeScriptToEvaluateOnNewDocument(hold.identifier);
  await until(() => page.evaluate(() => document.getElementById('title') && document.fonts.status === 'loaded' &&
    [...document.querySelectorAll('#title img')].every(i => i.complete)), 'the kept title on view');
  // The page's listeners are in once the title is on view.
  await page.evaluate(() => titleShown.then(() => true));
}

// What a window's client area shows, in device pixels, and where the window stands.
async function seen(page, selector) {
  const {frame, client} = await page.evaluate(selector => {
    const w = document.querySelector(selector), c = w.querySelector('.client').getBoundingClientRect();
    return {frame: JSON.stringify(w.getBoundingClientRect()), client: {x: c.x, y: c.y, width: c.width, height: c.height}};
  }, selector);
  return {frame, pixels: decode(await page.screenshot({clip: client}))};
}

// Pixels of the program's title with no pixel within three device pixels of the same place in the
// kept title that is within 32 of it in every colour, out of all: the program lays text out at
// the scale's own whole font size and on whole pixels, so a word may lie a little from where the
// kept title, scaled from the design's size, has it; nothing may be missing or moved further.
// And whether the two frames stand in the same place at the same size.
async function swap(page) {
  const kept = await seen(page, '#title');
  await page.evaluate(() => { window.keptTitle = document.getElementById('title'); letGo(); });
  await until(() => page.evaluate(() => window.Quillon?.ready && !keptTitle.isConnected), 'the program\'s title alone');
  await page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
  const own = await seen(page, '[data-screen=Titlefrm]');
  const [a, b] = [own.pixels, kept.pixels];
  if (a.width !== b.width || a.height !== b.height) return {moved: true, share: 1};
  const reach = 3, near = (i, j) => [0, 1, 2].every(k => Math.abs(a.data[i + k] - b.data[j + k]) <= 32);
  let differ = 0;
  for (let y = 0; y < a.height; y++)
    for (let x = 0; x < a.width; x++) {
      const i = 4 * (y * a.width + x);
      let found = false;
      for (let dy = -reach; dy <= reach && !found; dy++)
        for (let dx = -reach; dx <= reach && !found; dx++) {
          const [u, v] = [x + dx, y + dy];
          found = u >= 0 && v >= 0 && u < a.width && v < a.height && near(i, 4 * (v * a.width + u));
        }
      if (!found) differ++;
    }
  return {moved: own.frame !== kept.frame, share: differ / (a.width * a.height)};
}

const sizes = [[1024, 768, 1], [1920, 1080, 1], [3840, 2160, 1], [768, 1024, 2], [390, 844, 3], [1366, 768, 1.25], [333, 301, 1]];

export const titleJourneys = {
  'the title kept with the page is the program\'s own': async d => {
    try {
      const now = await programsTitle(d.page, d.url);
      const kept = JSON.parse(readFileSync(resolve(here, '../../web/title_paint.json'), 'utf8'));
      check(JSON.stringify(now) === JSON.stringify(kept), 'the kept title is not the program\'s: node tests/web/title_paint.mjs writes it anew');
    } finally {
      await d.page.setViewport({width: 1024, height: 768});
      await d.load();
    }
  },
  'the kept title gives way to the program\'s where it stands, as it looks': async (d, see, log) => {
    try {
      for (const [width, height, ratio] of sizes) {
        await held(d.page, d.url, width, height, ratio);
        const {moved, share} = await swap(d.page);
        log(`${width}x${height} at ${ratio}: ${(share * 100).toFixed(2)}% of pixels differ beyond a small shift`);
        check(!moved, `at ${width}x${height} the program's title stands where the kept one stood`);
        check(share < 0.01, `at ${width}x${height} the program's title looks as the kept one did`);
      }
      // A tap on OK before the program is ready is kept, and meets the program's title.
      await held(d.page, d.url, 768, 1024, 2);
      const ok = await d.evaluate(() => {
        const r = document.querySelector('#title .client').getBoundingClientRect(), k = r.width / 364;
        return {x: r.left + (1320 + 1335 / 2) / 15 * k, y: r.top + (6000 - 90 + 375 / 2) / 15 * k};
      });
      await d.page.touchscreen.tap(Math.round(ok.x), Math.round(ok.y));
      await d.evaluate(() => letGo());
      await see('intro0');
      await noErrors(d);
    } finally {
      await d.page.setViewport({width: 1024, height: 768});
      await d.load();
    }
  },
};

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const {default: puppeteer} = await import('puppeteer-core');
  const {chromeArgs} = await import('./drivers.mjs');
  const page = resolve(process.argv[2] ?? resolve(here, '../../build-web/quillon.html'));
  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, args: chromeArgs});
  const title = await programsTitle(await browser.newPage(), pathToFileURL(page).href);
  await browser.close();
  writeFileSync(resolve(here, '../../web/title_paint.json'), `${JSON.stringify(title)}\n`);
  console.log(`web/title_paint.json: ${title.numbers.length / 20 | 0} primitives`);
}
