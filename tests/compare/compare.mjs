// node tests/compare/compare.mjs [--engines chrome,firefox,webkit] [--threshold PERCENT]
//   [--desktop PROGRAM] [--out DIR] [PAGE]
// Every state of states.json drawn by the desktop (PROGRAM, on Qt's offscreen platform) and by
// the page, each reached from a fresh start by the same clicks and drags with the same clock;
// prints each state's share of pixels that differ by more than 32 in a channel, writes the
// pictures and their differences to DIR, and fails when a share passes the threshold or a
// state's labels read differently.
import {spawnSync} from 'node:child_process';
import {mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from '../web/drivers.mjs';
import {click, drag, sleep, until} from '../web/journeys.mjs';
import webdriver from '../web/node_modules/selenium-webdriver/lib/webdriver.js';
import {crop, decode, encode} from './png.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '../..');
const args = process.argv.slice(2);
const option = (name, fallback) => { const i = args.indexOf(name); return i < 0 ? fallback : args.splice(i, 2)[1]; };
const engines = option('--engines', 'chrome,firefox,webkit').split(',');
const threshold = +option('--threshold', 1);
const program = resolve(option('--desktop', resolve(root, 'build/tests/compare/quillon_desktop_states')));
const out = resolve(option('--out', resolve(here, 'out')));
const page = resolve(args[0] ?? resolve(root, 'build-web/quillon.html'));
const table = JSON.parse(readFileSync(resolve(here, 'states.json'), 'utf8'));
// The browser's window, larger than any window drawn.
const display = {width: 1280, height: 1024};
// The page fits its windows to its desktop: one a standard window wide (and tall enough for the
// upright Jotter) keeps every window at the design size, as the desktop draws it.
const designDesktop = '<style>#desktop { right: auto; bottom: auto; width: 800px; height: 834px; }</style>';
const tolerance = 32;
// The drivers open each engine at 1024x768, too small for the portrait Jotter; a full screen is
// the display: Firefox's headless one, WebKit's virtual one.
const setRect = webdriver.Window.prototype.setRect;
webdriver.Window.prototype.setRect = function (rect) { return setRect.call(this, {...rect, ...display}); };
process.env.MOZ_HEADLESS_WIDTH = display.width;
process.env.MOZ_HEADLESS_HEIGHT = display.height;

// Each state's steps from a fresh start: its "after" state's, then its own.
const steps = new Map();
for (const s of table.states) steps.set(s.name, [...(steps.get(s.after) ?? []), ...s.steps]);

const desktopDir = resolve(out, 'desktop');
mkdirSync(desktopDir, {recursive: true});
const desktop = spawnSync(program, [resolve(here, 'states.json'), desktopDir], {cwd: root, encoding: 'utf8',
  env: {...process.env, QT_QPA_PLATFORM: `offscreen:configfile=${resolve(here, 'display.json')}`}});
if (desktop.status !== 0) {
  console.log(`the desktop's states failed (${desktop.error ?? desktop.status}):\n${desktop.stderr}`);
  process.exit(1);
}
const desktopTexts = JSON.parse(readFileSync(resolve(desktopDir, 'texts.json'), 'utf8'));

// The page with its clock stopped before the program starts: its ticks are microseconds made
// from Date.now()'s milliseconds.
const html = readFileSync(page, 'utf8');
const head = /<head[^>]*>/.exec(html);
if (!head) throw new Error(`${page} has no <head> to stop the clock in`);
const stopped = resolve(out, 'quillon.html');
writeFileSync(stopped, html.replace(head[0], `${head[0]}<script>Date.now = () => ${table.clockTicks / 1000};</script>${designDesktop}`));
const url = pathToFileURL(stopped).href;

const windowOf = screen => `.window[data-screen="${screen}"]`;
const rectOf = (d, selector) => d.evaluate(selector => {
  const e = document.querySelector(selector);
  if (!e || !e.getClientRects().length) return null;
  const {x, y, width, height} = e.getBoundingClientRect();
  return {x, y, width, height};
}, selector);

async function run(d, [verb, screen, ...rest]) {
  if (verb === 'press') {
    const [name, index] = rest;
    const selector = `${windowOf(screen)} .client [data-name="${name}"]${index === undefined ? '' : `[data-index="${index}"]`}`;
    const r = await until(() => rectOf(d, selector), `${screen} ${name} ${index ?? ''} on view`);
    await click(d, r.x + r.width / 2, r.y + r.height / 2);
  } else if (verb === 'drag') {
    const c = await until(() => rectOf(d, `${windowOf(screen)} .client`), `${screen} on view`);
    const [x1, y1, x2, y2] = rest.map(t => t / 15);
    await drag(d, {x: c.x + x1, y: c.y + y1}, {x: c.x + x2, y: c.y + y2}, 10);
  } else throw new Error(`no such step: ${verb}`);
}

// The numbered labels on view, by name and index, as the desktop lists them.
const pageTexts = (d, screen) => d.evaluate(selector => Object.fromEntries(
  [...document.querySelectorAll(`${selector} .client [data-name]`)]
    .filter(e => /^Label\d+$/.test(e.dataset.name) && e.getClientRects().length)
    .map(e => [e.dataset.index === undefined ? e.dataset.name : `${e.dataset.name}[${e.dataset.index}]`,
      e.textContent.trim()])
    .filter(([, text]) => text)), windowOf(screen));

function textsDiffer(want, got) {
  const keys = [...new Set([...Object.keys(want), ...Object.keys(got)])].sort();
  return keys.filter(k => want[k] !== got[k]).map(k => `${k}: desktop "${want[k] ?? ''}", page "${got[k] ?? ''}"`);
}

// The share of the union of both pictures where they differ; red marks it in the picture written.
function difference(a, b) {
  const width = Math.max(a.width, b.width), height = Math.max(a.height, b.height);
  const diff = {width, height, data: Buffer.alloc(width * height * 4)};
  let differing = 0;
  for (let y = 0; y < height; y++) for (let x = 0; x < width; x++) {
    const at = (y * width + x) * 4;
    const pa = x < a.width && y < a.height ? (y * a.width + x) * 4 : -1;
    const pb = x < b.width && y < b.height ? (y * b.width + x) * 4 : -1;
    const differs = pa < 0 || pb < 0 || [0, 1, 2].some(c => Math.abs(a.data[pa + c] - b.data[pb + c]) > tolerance);
    if (differs) { differing++; diff.data.set([255, 0, 0, 255], at); continue; }
    const grey = (a.data[pa] + a.data[pa + 1] + a.data[pa + 2]) / 12 + 160;
    diff.data.set([grey, grey, grey, 255], at);
  }
  return {share: 100 * differing / (width * height), diff};
}

// A fresh start, the steps, and the window's client area once it has stopped changing.
async function shoot(d, state, path) {
  await d.load();
  for (const step of steps.get(state.name)) await run(d, step);
  const client = `${windowOf(state.window)} .client`;
  let last = null;
  await until(async () => {
    const now = JSON.stringify(await rectOf(d, client));
    const still = now !== 'null' && now === last;
    last = now;
    return still || (await sleep(100), false);
  }, `${state.window} to stop changing`);
  await d.screenshot(path);
  const shot = decode(readFileSync(path));
  const r = JSON.parse(last);
  const x = Math.max(0, Math.round(r.x)), y = Math.max(0, Math.round(r.y));
  const image = crop(shot, x, y, Math.min(Math.round(r.width), shot.width - x), Math.min(Math.round(r.height), shot.height - y));
  writeFileSync(path, encode(image));
  return image;
}

const results = new Map(table.states.map(s => [s.name, {}]));
let failed = false;
for (const engine of engines) {
  const dir = resolve(out, engine);
  mkdirSync(dir, {recursive: true});
  let d;
  try {
    d = await open(engine, url);
    if (d.page) await d.page.setViewport(display);
  } catch (e) {
    console.log(`${engine} did not start: ${e.message}`);
    failed = true;
    continue;
  }
  console.log(`${engine}: ${d.version}`);
  for (const state of table.states) {
    const cell = results.get(state.name);
    try {
      const path = resolve(dir, `${state.name}.png`);
      const got = await shoot(d, state, path);
      const want = decode(readFileSync(resolve(desktopDir, `${state.name}.png`)));
      const {share, diff} = difference(want, got);
      writeFileSync(resolve(dir, `${state.name}-diff.png`), encode(diff));
      const mismatch = textsDiffer(desktopTexts[state.name], await pageTexts(d, state.window));
      if (mismatch.length) console.log(`  ${state.name}: labels read differently\n    ${mismatch.join('\n    ')}`);
      cell[engine] = {share, size: `${got.width}x${got.height}`, texts: !mismatch.length};
      cell.size = `${want.width}x${want.height}`;
      failed ||= share > threshold || !!mismatch.length;
    } catch (e) {
      console.log(`  ${state.name}: ${e.message}`);
      cell[engine] = null;
      failed = true;
    }
  }
  await d.close().catch(() => {});
}

const pad = (s, n) => String(s).padEnd(n);
console.log(`\n${pad('state', 22)}${pad('desktop', 10)}${engines.map(e => pad(e, 22)).join('')}`);
for (const [name, cell] of results) {
  const shown = engines.map(e => {
    const r = cell[e];
    if (!r) return pad('failed', 22);
    return pad(`${r.share.toFixed(2)}%${r.size === cell.size ? '' : ` ${r.size}`}${r.texts ? '' : ' texts!'}`, 22);
  });
  console.log(`${pad(name, 22)}${pad(cell.size ?? '?', 10)}${shown.join('')}`);
}
console.log(`\nthreshold ${threshold}%; pictures and differences in ${out}`);
process.exit(failed ? 1 : 0);
