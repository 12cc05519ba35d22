// node tests/web/soak.mjs [--trips N] [PAGE]: a school day in headless Chromium. N round trips
// (1,000 unless told) of each kind, and as many of every kind in turn, after a warm-up, and what
// the page holds after them against before: the JS heap, the top of the wasm heap, live object addresses and their bytes, DOM nodes
// and listeners, and the renderer's resident memory. First, in the same run, the menu's own tab
// pressed as often, which leaves nothing: what the meters read for no growth.
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {expectShown, press, toMenu} from './journeys.mjs';
import {loadWatched, pageCensus, renderer, rounds, takeRound} from './trips.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => { const i = args.indexOf(name); return i < 0 ? fallback : args.splice(i, 2)[1]; };
const soakTrips = +option('--trips', 1000);
const page = resolve(args[0] ?? resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web/quillon.html'));

const d = await open('chrome', pathToFileURL(page).href);
const see = (...screens) => expectShown(d, ...screens);
await loadWatched(d);
console.log(`engine: ${d.version} headless; ${soakTrips} trips a row`);

// The renderer grows over its first few hundred events of any kind, the JS heap over the first
// trips of each kind, then both stay: the warm-up takes both.
// Each row's take is `tripsEach` trips; its warm-up is counted in trips.
const ownTab = {name: 'MenuOwnTab', menu: 'menu1', tripsEach: 1, warmUp: 500, take: () => press(d, 'menu1', null, {text: 'Menu 1'})};
const rows = [ownTab, ...rounds.map(round => ({name: round.name, menu: round.menu, tripsEach: round.trips.length, warmUp: 50, take: () => takeRound(d, round)}))];
const kib = bytes => `${(bytes / 1024).toFixed(1)} KiB`;
const perTrip = (a, b) => `${(b - a) / soakTrips >= 0 ? '+' : ''}${((b - a) / soakTrips).toFixed(1)} B a trip`;
for (const row of rows) {
  const started = Date.now();
  await toMenu(d, see, +row.menu.slice(-1));
  for (let i = 0; i < row.warmUp; i += row.tripsEach) await row.take();
  const before = {...await pageCensus(d), renderer: (await renderer(d)).resident};
  for (let i = 0; i < soakTrips; i += row.tripsEach) await row.take();
  const after = {...await pageCensus(d), renderer: (await renderer(d)).resident};
  const grown = k => after[k] - before[k];
  console.log(`${row.name}, after ${row.warmUp} trips to warm up (${((Date.now() - started) / 1000).toFixed(0)} s):
  JS heap ${kib(before.jsHeap)} -> ${kib(after.jsHeap)} (${perTrip(before.jsHeap, after.jsHeap)})
  wasm heap top ${kib(before.wasmHeapTop)} -> ${kib(after.wasmHeapTop)} (${perTrip(before.wasmHeapTop, after.wasmHeapTop)})
  object addresses ${before.addresses} -> ${after.addresses}, their bytes ${before.addressBytes} -> ${after.addressBytes}; pictures decoded ${before.pictures} -> ${after.pictures}
  DOM nodes ${before.nodes} -> ${after.nodes}, listeners ${before.listeners} -> ${after.listeners}
  together ${perTrip(0, grown('jsHeap') + grown('wasmHeapTop') + grown('addressBytes'))}; renderer resident ${(before.renderer / 1024).toFixed(1)} -> ${(after.renderer / 1024).toFixed(1)} MiB`);
}
const errors = await d.evaluate(() => window.quillonErrors);
await d.close();
if (errors.length) { console.log(`page errors: ${errors.join(' | ')}`); process.exit(1); }
