// Seeded random clicks, drags and keys on whatever the page shows; after every event the page
// must hold no error and exactly one of the title, the introduction and the menus (or the end).
import {click, drag} from './journeys.mjs';

// mulberry32: a small generator whose seed replays a whole run.
const generator = seed => () => {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};

// What the page shows, with one window and one of its controls picked by the two numbers given.
const state = (pickWindow, pickControl) => {
  const windows = [...document.querySelectorAll('[data-window]')].filter(w => w.style.display !== 'none');
  const box = e => { const r = e.getBoundingClientRect(); return {x: r.left, y: r.top, w: r.width, h: r.height}; };
  const w = windows[Math.floor(pickWindow * windows.length)];
  const controls = w ? [...w.querySelectorAll('.design [data-name]')].filter(e => e.getClientRects().length) : [];
  const c = controls[Math.floor(pickControl * controls.length)];
  return {
    errors: window.quillonErrors,
    ended: getComputedStyle(document.getElementById('ended')).display !== 'none',
    bases: windows.map(w => w.dataset.screen).filter(s => /^(Titlefrm|intro0|menu\d)$/.test(s)),
    w: w && {screen: w.dataset.screen, client: box(w.querySelector('.client')),
      close: w.querySelector('.caption .close')?.getClientRects().length && box(w.querySelector('.caption .close')),
      control: c && {...box(c), name: c.dataset.name}},
  };
};

export async function monkey(d, {events = 5000, seed = Date.now() % 1e9, log = console.log} = {}) {
  log(`monkey: seed ${seed}, ${events} events (replay: --monkey ${events} --seed ${seed})`);
  const random = generator(seed);
  const pick = list => list[Math.floor(random() * list.length)];
  const inside = b => ({x: b.x + 2 + random() * Math.max(b.w - 4, 1), y: b.y + 2 + random() * Math.max(b.h - 4, 1)});
  // The maker's web address would open a tab: the monkey stays on this page.
  await d.evaluate(() => { window.open = () => null; });
  const recent = [];
  const visits = {};
  let restarts = 0;
  for (let n = 0; ; n++) {
    const s = await d.evaluate(state, random(), random());
    const fault = s.errors.length ? `page errors: ${s.errors.join(' | ')}`
      : !s.ended && s.bases.length !== 1 ? `${s.bases.length} of title, introduction and menus shown: ${s.bases}` : null;
    if (fault) throw new Error(`monkey seed ${seed}, after event ${n}: ${fault}\n  last events: ${recent.join('; ')}`);
    if (n === events) return {restarts, visits};
    const w = s.w;
    if (w) visits[w.screen] = (visits[w.screen] ?? 0) + 1;
    const r = random();
    let did;
    if (s.ended) { await click(d, 500, 380); did = 'click the end'; restarts++; }
    else if (!w) did = 'nothing on view';
    else if (r < 0.5 && w.control) {
      const c = w.control;
      await click(d, c.x + c.w / 2, c.y + c.h / 2);
      did = `click ${w.screen} ${c.name}`;
    } else if (r < 0.7) { const p = inside(w.client); await click(d, p.x, p.y); did = `click ${w.screen} at ${p.x | 0},${p.y | 0}`; }
    else if (r < 0.88) {
      const a = inside(w.client), b = inside(w.client);
      await drag(d, a, b, 1 + Math.floor(random() * 5));
      did = `drag ${w.screen} ${a.x | 0},${a.y | 0} to ${b.x | 0},${b.y | 0}`;
    } else if (r < 0.97 || !w.close) { did = pick(['PageDown', 'ArrowRight']); await d.key(did); }
    else { await click(d, w.close.x + w.close.w / 2, w.close.y + w.close.h / 2); did = `close ${w.screen}`; }
    recent.push(did);
    if (recent.length > 12) recent.shift();
  }
}
