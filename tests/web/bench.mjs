// node tests/web/bench.mjs [PAGE]: the page's size and its times in headless Chromium (its first
// paint against the least page that shows the same title: first_paint.mjs).
import {readFileSync, statSync} from 'node:fs';
import zlib, {brotliCompressSync} from 'node:zlib';
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {expectShown, find, hamiltonEdges, jotterInk, press, toMenu, until} from './journeys.mjs';

const file = resolve(process.argv[2] ?? resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web/quillon.html'));
const median = list => [...list].sort((a, b) => a - b)[list.length >> 1];
const ms = v => `${v.toFixed(2)} ms`;
// The page's size as it is stored and as a web host sends it, and what it is made of.
const html = readFileSync(file, 'utf8');
const brotli = text => brotliCompressSync(Buffer.from(text), {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
const kb = n => `${(n / 1000).toFixed(1)} kB`;
console.log(`quillon.html: ${kb(statSync(file).size)}, ${kb(brotli(html))} with brotli`);
const parts = {
  fonts: [...html.matchAll(/\["Quillon [^"]+", "\w+", "[^"]*"\]/g)],
  pictures: [...html.matchAll(/<script[^>]*data-file="[^"]*">[^<]*<|data:image\/jpeg;base64,[^"]*/g)],
  code: [...html.matchAll(/id="program">[^<]*</g)],
  glue: [...html.matchAll(/id="glue">[\s\S]*?<\/script>/g)],
};
for (const [name, found] of Object.entries(parts))
  console.log(`  ${name}: ${kb(found.reduce((n, m) => n + m[0].length, 0))}, ${kb(brotli(found.map(m => m[0]).join('')))} with brotli`);

const d = await open('chrome', pathToFileURL(file).href);
const page = d.page;
const see = (...screens) => expectShown(d, ...screens);
console.log(`engine: ${d.version} headless`);

// The first frame after the program is ready with its title in the page, from navigation start.
await page.evaluateOnNewDocument(() => {
  const look = () => window.Quillon?.ready && document.querySelector('.window[data-screen=Titlefrm]')
    ? requestAnimationFrame(() => { window.titlePainted = performance.now(); }) : requestAnimationFrame(look);
  requestAnimationFrame(look);
});
const loads = [];
for (let i = 0; i < 5; i++) {
  await d.load();
  loads.push(await until(() => d.evaluate(() => window.titlePainted), 'the title painted'));
}
console.log(`navigation to the painted title: median ${ms(median(loads))} of 5 (${loads.map(v => v.toFixed(0)).join(', ')})`);

// From the input event to the end of the page's handler (the model and the elements), and to
// the frame that shows it: the task after the next animation frame runs once it is painted.
await d.evaluate(() => {
  window.timings = {pointerdown: [], pointermove: []};
  window.timing = true;
  const start = {};
  for (const type of ['pointerdown', 'pointermove']) {
    addEventListener(type, () => { start[type] = performance.now(); }, true);
    document.addEventListener(type, () => {
      if (!timing) return;
      const t0 = start[type], handled = performance.now();
      requestAnimationFrame(() => {
        const c = new MessageChannel();
        c.port1.onmessage = () => timings[type].push([handled - t0, performance.now() - t0]);
        c.port2.postMessage(0);
      });
    });
  }
});
const taken = type => d.evaluate(type => timings[type].length, type);
async function measure(type, input, count = 50) {
  await d.evaluate(type => { timings[type] = []; }, type);
  for (let i = 0; i < count; i++) {
    await input(i);
    await until(async () => await taken(type) > i, `${type} ${i} timed`);
  }
  const t = await d.evaluate(type => timings[type], type);
  return `handler ${ms(median(t.map(x => x[0])))}, to the frame ${ms(median(t.map(x => x[1])))} (median of ${count})`;
}

await toMenu(d, see, 1);
await press(d, 'menu1', null, {text: 'Hamiltonian Circuits'});
await see('menu1', 'hamilton');
const [edge] = await hamiltonEdges(d);
const centre = [(edge.a[0] + edge.b[0]) / 2, (edge.a[1] + edge.b[1]) / 2];
console.log(`hamilton edge click: ${await measure('pointerdown', () => page.mouse.click(...centre))}`);
await press(d, 'hamilton', 'cmdexit');

await toMenu(d, see, 5);
await press(d, 'menu5', null, {text: 'Reflections'});
await see('menu5', 'reflections');
const cross = await find(d, 'reflections', 'Labelblack');
await page.mouse.move(cross.x, cross.y);
await page.mouse.down();
console.log(`reflections cross drag step: ${await measure('pointermove', i => page.mouse.move(cross.x - 3 * (i + 1), cross.y - 2 * (i + 1)))}`);
await page.mouse.up();

await press(d, 'reflections', 'cmdjotter');
await see('menu5', 'reflections', 'jotter');
const pad = await d.evaluate(() => {
  const r = document.querySelector('[data-screen=jotter] .client').getBoundingClientRect();
  return {x: r.left + 20, y: r.top + 20, w: r.width - 40, h: 150};
});
// Segments made fast: moves with the left button held, dispatched in the page itself.
const scribble = (count, from) => d.evaluate((count, from, pad) => {
  timing = false;
  const client = document.querySelector('[data-screen=jotter] .client');
  const t0 = performance.now();
  for (let i = from; i < from + count; i++)
    client.dispatchEvent(new PointerEvent('pointermove', {bubbles: true, buttons: 1, pointerId: 1,
      clientX: pad.x + (i * 7) % pad.w, clientY: pad.y + (i * 13) % pad.h}));
  timing = true;
  return (performance.now() - t0) / count;
}, count, from, pad);
await page.mouse.move(pad.x, pad.y);
await page.mouse.down();
let made = 0;
for (const target of [100, 100000]) {
  let perMove = 0;
  const ink = await jotterInk(d);
  while (made < target) { const n = Math.min(20000, target - made); perMove = await scribble(n, made); made += n; }
  if (await jotterInk(d) === ink) throw new Error('the synthetic moves drew nothing: the figures would time nothing');
  const moves = await measure('pointermove', i => page.mouse.move(pad.x + (i % 2 ? 200 : 40), pad.y + 10 + i));
  console.log(`jotter move after ${target} segments: ${moves}; in-page cost of the last synthetic moves ${(perMove * 1000).toFixed(1)} µs each`);
}
await page.mouse.up();
const errors = await d.evaluate(() => window.quillonErrors);
await d.close();
if (errors.length) { console.log(`page errors: ${errors.join(' | ')}`); process.exit(1); }

// The desktop's figures beside them, from the Qt benchmark where the build has it.
const desktop = resolve(dirname(fileURLToPath(import.meta.url)), '../../build/bench/projector_bench');
try {
  const {execFileSync} = await import('node:child_process');
  const out = execFileSync(desktop, ['--benchmark_filter=projector:0'], {encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore']});
  console.log(`\ndesktop (Qt, offscreen), ${out.slice(out.indexOf('Medians'))}`);
} catch {
  console.log(`\n(no desktop figures: build ${desktop} with ./setup.sh test)`);
}
