// node tests/web/run.mjs [--engines chrome,firefox,webkit] [--monkey N] [--seed S] [PAGE]
// The painter's primitives, the journeys (by pointer and by keys) and the label fit in every engine; axe, touch at the
// classroom's sizes, the title kept with the page, round trips that leave nothing behind, the keys-only journey and the monkey in Chromium; non-zero on a failure.
import {mkdirSync} from 'node:fs';
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {chromeJourneys} from './access.mjs';
import {classroomJourneys} from './classroom.mjs';
import {open} from './drivers.mjs';
import {expectShown, journeys, overflowingLabels} from './journeys.mjs';
import {keyJourneys} from './keys.mjs';
import {leftoverJourneys} from './leftovers.mjs';
import {monkey} from './monkey.mjs';
import {paintJourneys} from './paint.mjs';
import {titleJourneys} from './title_paint.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const option = (name, fallback) => { const i = args.indexOf(name); return i < 0 ? fallback : args.splice(i, 2)[1]; };
const engines = option('--engines', 'chrome,firefox,webkit').split(',');
const events = +option('--monkey', 5000);
const seed = option('--seed', undefined);
const url = pathToFileURL(resolve(args[0] ?? resolve(here, '../../build-web/quillon.html'))).href;
const out = resolve(here, 'out');
mkdirSync(out, {recursive: true});

let passed = 0, failed = 0;
const report = (ok, what, detail = '') => {
  ok ? passed++ : failed++;
  console.log(`  ${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? `\n       ${detail.replace(/\n/g, '\n       ')}` : ''}`);
};
// A hung browser ends the step, not the run.
const within = (ms, promise) => Promise.race([promise,
  new Promise((_, no) => setTimeout(() => no(new Error(`no answer in ${ms / 1000} s`)), ms).unref())]);

for (const engine of engines) {
  const started = Date.now();
  let d;
  try { d = await within(60000, open(engine, url)); }
  catch (e) { console.log(`${engine}: did not start`); report(false, `${engine} starts`, e.message); continue; }
  console.log(`${engine}: ${d.version}`);
  const overflow = new Map();
  const see = async (...screens) => {
    await expectShown(d, ...screens);
    for (const label of await overflowingLabels(d)) overflow.set(label.split(':')[0], label);
  };
  for (const [name, journey] of Object.entries({...paintJourneys, ...journeys, ...(engine === 'chrome' ? {...chromeJourneys, ...classroomJourneys, ...leftoverJourneys, ...titleJourneys} : {}), ...keyJourneys})) {
    const t = Date.now();
    try {
      await within(60000, journey(d, see, m => console.log(`       ${m}`)));
      report(true, `${name} (${Date.now() - t} ms)`);
    } catch (e) {
      const shot = `${out}/${engine}-${name.replace(/\W+/g, '-')}.png`;
      await within(10000, d.screenshot(shot)).catch(() => {});
      report(false, name, `${e.message}\n(screen: ${shot})`);
      await within(30000, d.load()).catch(() => {});
    }
  }
  report(!overflow.size, `labels fit on every screen reached (${engine})`, [...overflow.values()].join('\n'));
  if (engine === 'chrome' && events > 0) {
    const t = Date.now();
    try {
      await d.load();
      const {restarts, visits} = await within(600000, monkey(d, {events, seed: seed === undefined ? undefined : +seed, log: m => console.log(`  ${m}`)}));
      report(true, `monkey, ${events} events, ${restarts} restarts (${Date.now() - t} ms)`,
        `events by screen: ${Object.entries(visits).map(([k, v]) => `${k} ${v}`).join(', ')}`);
    } catch (e) { report(false, 'monkey', e.message); }
  }
  await within(20000, d.close()).catch(() => {});
  console.log(`  ${engine} took ${((Date.now() - started) / 1000).toFixed(1)} s`);
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
