// node tests/web/jotter_memory.mjs [PAGE]: what a Jotter with 200,000 segments costs in memory in
// headless Chromium: the top of the wasm heap (the wasm memory, which never shrinks, stays at
// least that large), the JS heap, DOM nodes and the renderer's resident memory after drawing them
// against before, and once the Jotter is closed again. In the same run, the Jotter after 100 and
// 50,000 segments, and the desktop's figures from its benchmark where the build has it.
import {execFileSync} from 'node:child_process';
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {expectShown, jotterInk, press, toMenu} from './journeys.mjs';
import {loadWatched, pageCensus, renderer} from './trips.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const page = resolve(process.argv[2] ?? resolve(here, '../../build-web/quillon.html'));
const d = await open('chrome', pathToFileURL(page).href);
const see = (...screens) => expectShown(d, ...screens);
await loadWatched(d);
console.log(`engine: ${d.version} headless`);

await toMenu(d, see, 1);
await press(d, 'menu1', null, {text: 'Hamiltonian Circuits'});
await see('menu1', 'hamilton');
await press(d, 'hamilton', 'cmdjotter');
await see('menu1', 'hamilton', 'jotter');
const pad = await d.evaluate(() => {
  const r = document.querySelector('[data-screen=jotter] .client').getBoundingClientRect();
  return {x: r.left + 20, y: r.top + 20, w: r.width - 40, h: 150};
});
// Segments made fast: moves with the left button held, dispatched in the page itself.
const scribble = (count, from) => d.evaluate((count, from, pad) => {
  const client = document.querySelector('[data-screen=jotter] .client');
  for (let i = from; i < from + count; i++)
    client.dispatchEvent(new PointerEvent('pointermove', {bubbles: true, buttons: 1, pointerId: 1,
      clientX: pad.x + (i * 7) % pad.w, clientY: pad.y + (i * 13) % pad.h}));
}, count, from, pad);

const measured = async () => ({...await pageCensus(d), ...await renderer(d)});
await d.page.mouse.move(pad.x, pad.y);
await d.page.mouse.down();
const before = await measured();
const ink = await jotterInk(d);
const mib = bytes => `${bytes >= 0 ? '+' : ''}${(bytes / 1048576).toFixed(2)} MiB`;
console.log('The Jotter\'s memory in the page, once drawn on:');
const report = async what => {
  const now = await measured();
  const grown = k => now[k] - before[k];
  console.log(`  ${what}: wasm heap top ${mib(grown('wasmHeapTop'))}, ` +
    `JS heap ${mib(grown('jsHeap'))}, DOM nodes ${grown('nodes') >= 0 ? '+' : ''}${grown('nodes')}, renderer resident ${mib(grown('resident') * 1024)} ` +
    `(shared with the compositor ${mib(grown('shared') * 1024)})`);
};
let made = 0;
for (const target of [100, 50000, 200000]) {
  while (made < target) { const n = Math.min(1000, target - made); await scribble(n, made); made += n; }
  await report(`${String(target).padStart(6)} segments`);
}
await d.page.mouse.up();
const drew = await jotterInk(d) !== ink;
// What stays for the rest of the day once the Jotter is closed.
await press(d, 'jotter', 'Command1');
await see('menu1', 'hamilton');
await report('  then closed');
const errors = await d.evaluate(() => window.quillonErrors);
await d.close();
if (!drew) { console.log('the synthetic moves drew nothing: the figures measure nothing'); process.exit(1); }
if (errors.length) { console.log(`page errors: ${errors.join(' | ')}`); process.exit(1); }

const desktop = resolve(here, '../../build/bench/jotter_memory_bench');
try {
  const out = execFileSync(desktop, {encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore']});
  console.log(`\ndesktop (Qt, offscreen): ${out.slice(out.indexOf('The Jotter'))}`);
} catch {
  console.log(`\n(no desktop figures: build ${desktop} with -DQUILLON_BENCH=ON)`);
}
