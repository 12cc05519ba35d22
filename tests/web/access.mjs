// What a screen reader and a keyboard meet, in Chromium: axe on every state a pupil reaches,
// and a journey with keys only.
import {createRequire} from 'node:module';
import {check, find, press, shownScreens, toMenu, until, waitFor} from './journeys.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'];
// The colours are the design's: their contrast is reported, not failed.
const allowed = new Set(['color-contrast']);
const colourNames = {'#ffff00': 'yellow', '#ffffff': 'white', '#3187d6': 'blue', '#3187d7': 'blue'};

async function audit(d) {
  if (!await d.evaluate(() => !!window.axe)) await d.page.addScriptTag({path: axePath});
  return d.evaluate(async tags => (await axe.run(document, {runOnly: {type: 'tag', values: tags}})).violations.map(v => ({
    id: v.id, targets: v.nodes.map(n => {
      const e = document.querySelector(n.target[0]);
      return e?.dataset.name ? `${e.closest('[data-screen]').dataset.screen} ${e.dataset.name}${e.dataset.index ?? ''}` : n.target.join(' ');
    }),
    contrasts: v.nodes.map(n => n.any.map(c => c.data).find(x => x && x.contrastRatio)).filter(Boolean)})), tags);
}

const verdictShown = (d, screen) => waitFor(d, screen => {
  const e = document.querySelector(`.window[data-screen="${screen}"] [data-name=Label4]`);
  return e && e.getClientRects().length && e.textContent.trim();
}, [screen], `${screen} verdict on view`);

// Each state a pupil reaches, in an order that walks from one to the next.
const states = (d, see) => [
  ['title', () => see('Titlefrm')],
  ['introduction', async () => { await press(d, 'Titlefrm', 'Command1'); await see('intro0'); }],
  ...[1, 2, 3, 4, 5].map(n => [`menu ${n}`, () => toMenu(d, see, n)]),
  ['hamilton', async () => { await toMenu(d, see, 1); await press(d, 'menu1', null, {text: 'Hamiltonian Circuits'}); await see('menu1', 'hamilton'); }],
  ...[1, 2, 3, 4, 5].flatMap(k => [
    [`hamilton solid ${k}`, () => press(d, 'hamilton', `Option${k}`)],
    [`hamilton solid ${k} checked`, async () => { await press(d, 'hamilton', 'Cmdcheckit'); await verdictShown(d, 'hamilton'); }]]),
  ['surds question', async () => { await press(d, 'hamilton', 'cmdexit'); await press(d, 'menu1', null, {text: 'Surds'}); await press(d, 'surds', 'Option1'); await see('menu1', 'surds'); }],
  ['surds answer', async () => { await press(d, 'surds', 'cmdsoln'); await waitFor(d, () =>
    !!document.querySelector('[data-screen=surds] [data-caption=Answer]')?.getClientRects().length, [], 'a surds answer'); }],
  ['reflections level 1', async () => { await press(d, 'surds', 'cmdexit'); await toMenu(d, see, 5); await press(d, 'menu5', null, {text: 'Reflections'}); await see('menu5', 'reflections'); }],
  ['reflections level 2', () => press(d, 'reflections', 'Option2')],
  ['jotter', async () => { await press(d, 'reflections', 'cmdjotter'); await see('menu5', 'reflections', 'jotter'); }],
];

// The model's ring is on the focus alone, and painted there: two pixels white, then two black,
// at the edge of the box it is drawn in (a box thinner than the ring is given room, so only
// larger ones are read).
const focusedNow = d => d.evaluate(async () => {
  // The page paints at the next frame: two frames on, what changed is on the canvas.
  await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
  const e = document.activeElement, c = e.closest?.('.window')?.querySelector('canvas');
  const rings = document.querySelectorAll('.window.active [data-ring]').length;
  let paint = '';
  if (c && e.hasAttribute('data-ring')) {
    const cr = c.getBoundingClientRect(), r = e.getBoundingClientRect(), k = c.width / cr.width;
    const at = dx => ({'255,255,255': 'W', '0,0,0': 'B'})[[...c.getContext('2d').getImageData(Math.floor((Math.floor(r.left - cr.left) + dx) * k),
      Math.floor((r.top + r.height / 2 - cr.top) * k), 1, 1).data].slice(0, 3).join()] ?? '.';
    paint = r.width < 16 || r.height < 16 ? 'WWBB' : Array.from({length: 16}, (_, i) => at(i - 10)).join('');
  }
  return {name: e.dataset?.name ?? e.id, text: e.textContent, rings, painted: paint,
    ring: rings === 1 && /^[^W]*WWBB/.test(paint)};
});

// Tab until the focus stands on what `is` wants; Tab must keep the focus among the controls.
async function tabTo(d, is, what) {
  for (let i = 0; i < 40; i++) {
    await d.key('Tab');
    const f = await focusedNow(d);
    check(f.ring, `Tab ${i + 1} towards ${what}: focus on ${f.name} "${f.text}" without its ring alone (${f.rings} rings, painted ${f.painted})`);
    if (is(f)) return;
  }
  throw new Error(`Tab never reached ${what}`);
}

export const chromeJourneys = {
  async 'axe on every screen reached'(d, see, log) {
    const faults = [];
    for (const [state, reach] of states(d, see)) {
      await reach();
      const violations = await audit(d);
      const pairs = new Map();
      for (const c of violations.flatMap(v => v.contrasts))
        pairs.set(`${colourNames[c.fgColor] ?? c.fgColor} on ${colourNames[c.bgColor] ?? c.bgColor}`, c.contrastRatio);
      log(`${state}: ${violations.map(v => `${v.id} ${v.targets.length}`).join(', ') || 'no violations'}` +
        (pairs.size ? `; contrast ${[...pairs].map(([k, r]) => `${k} ${r}:1`).join(', ')}` : ''));
      for (const v of violations.filter(v => !allowed.has(v.id))) faults.push(`${state}: ${v.id} on ${v.targets.join(', ')}`);
    }
    check(!faults.length, faults.join('\n'));
  },

  async 'keys only: focus, ring, blank and the verdict said'(d, see) {
    await d.load();
    await see('Titlefrm');
    check((await focusedNow(d)).rings === 0, 'a focus ring before any key');
    await tabTo(d, f => f.text === 'OK', 'OK');
    await d.key('Enter');
    await see('intro0');
    await tabTo(d, f => f.text === 'Menu 1', 'the tab Menu 1');
    await d.key('Enter');
    await see('menu1');
    await tabTo(d, f => f.text === 'Hamiltonian Circuits', 'Hamiltonian Circuits');
    await d.key('Enter');
    await see('menu1', 'hamilton');

    // A click puts the ring away; the next key brings it back.
    await tabTo(d, () => true, 'a control on hamilton');
    const label = await find(d, 'hamilton', 'Label1');
    await d.pointer(label.x, label.y, 'down');
    await d.pointer(label.x, label.y, 'up');
    check((await focusedNow(d)).rings === 0, 'the focus ring stays after a click');

    // B blanks; the next key only brings the lesson back, the focus where it was.
    await tabTo(d, f => f.name === 'Option2', 'the cube');
    // Blank: every shown window's canvas black, two frames on.
  const blanked = () => d.evaluate(async () => {
    await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
    return [...document.querySelectorAll('[data-window]')].filter(w => w.style.display !== 'none').every(w => {
      const c = w.querySelector('canvas'), px = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let i = 0; i < px.length; i += 4) if (px[i] || px[i + 1] || px[i + 2]) return false;
      return true;
    });
  });
    await d.key('b');
    await until(blanked, 'B to blank the page');
    await d.key('Tab');
    await until(async () => !await blanked(), 'a key to end the blank');
    check((await focusedNow(d)).name === 'Option2', 'the key that ended the blank also moved the focus');

    await tabTo(d, f => f.name === 'Cmdcheckit', 'Check');
    await d.key('Enter');
    const verdict = await verdictShown(d, 'hamilton');
    await waitFor(d, want => document.getElementById('said').textContent === want, [verdict], `"${verdict}" in the live region`);
    check((await shownScreens(d)).includes('hamilton'), 'Enter on Check left the activity');
  },
};
