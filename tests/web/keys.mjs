// Each activity opened, solved and left with keys alone, reading only what a screen reader
// would say: the focus's name, the names on view and the live region. After every key the focus
// is in the window in use, the only one in the tree, and no group is without a name.
import {check, click, until, waitFor} from './journeys.mjs';

// What a screen reader meets now: where the focus is ("screen" for a window itself, "screen:
// name" for one of its controls), the windows in the tree, and the groups there without a name.
const reader = d => d.evaluate(() => {
  const f = document.activeElement, w = f?.closest?.('.window');
  const inTree = [...document.querySelectorAll('[data-window]')].filter(w => w.style.display !== 'none' && !w.inert);
  return {
    focus: !w ? (f === document.body || !f ? 'body' : f.id) : f === w ? w.dataset.screen
      : `${w.dataset.screen}: ${f.getAttribute('aria-label') || f.textContent.trim()}`,
    inTree: inTree.map(w => w.dataset.screen),
    windowName: inTree.map(w => w.getAttribute('aria-label')).join(),
    unnamed: inTree.flatMap(w => [...w.querySelectorAll('[role=group]')]).filter(g => g.getClientRects().length &&
      !g.getAttribute('aria-label')?.trim()).map(g => g.dataset.name),
  };
});

async function expectReader(d, after) {
  const r = await reader(d);
  check(r.focus !== 'body', `the focus on the page's body after ${after}`);
  check(r.inTree.length === 1 && r.focus.split(':')[0] === r.inTree[0],
    `after ${after}: the focus on ${r.focus}, the windows in the tree ${r.inTree}`);
  check(r.windowName.trim(), `after ${after}: the window ${r.inTree} without a name`);
  check(!r.unnamed.length, `after ${after}: groups without a name: ${r.unnamed}`);
  return r;
}

// The driver, with the reader's view checked after every key.
const heard = d => ({...d, async key(name) { await d.key(name); await expectReader(d, JSON.stringify(name)); }});

// The focused element's id and the name it is read by.
const focus = d => d.evaluate(() => {
  const e = document.activeElement;
  return {id: e.id, name: e.getAttribute('aria-label') || e.textContent.trim()};
});

const matches = (want, name) => typeof want === 'string' ? name === want : want.test(name);

// Tab until the focus is read as `want`; a full lap without it fails, naming what was passed.
async function tabTo(d, want) {
  const passed = [];
  for (let i = 0; i < 80; i++) {
    await d.key('Tab');
    const f = await focus(d);
    if (matches(want, f.name)) return f.name;
    if (passed.length && passed[0].id === f.id) break;
    passed.push(f);
  }
  throw new Error(`Tab never reached ${want}; passed ${passed.map(f => `"${f.name}"`).join(', ')}`);
}

// Names of one full Tab lap.
async function tabLap(d) {
  const lap = [];
  for (;;) {
    await d.key('Tab');
    const f = await focus(d);
    if ((lap.length && lap[0].id === f.id) || lap.length >= 80) return lap.map(f => f.name);
    lap.push(f);
  }
}

// A key on the focus, then the focus read until it says `want`.
async function keyUntilFocus(d, key, want) {
  await d.key(key);
  return until(async () => { const {name} = await focus(d); return matches(want, name) && name; }, `${JSON.stringify(key)} to leave the focus read as ${want}`);
}

const names = (d, screen, pattern) => d.evaluate((screen, source) =>
  [...document.querySelectorAll(`.window[data-screen="${screen}"] [aria-label]`)].filter(e => e.getClientRects().length)
    .map(e => e.getAttribute('aria-label')).filter(n => new RegExp(source).test(n)), screen, pattern.source);

const said = d => d.evaluate(() => document.getElementById('said').textContent);

async function pressAndHear(d, button, verdict) {
  check(await said(d) !== verdict, `"${verdict}" said before ${button} was pressed`);
  await tabTo(d, button);
  await d.key('Enter');
  await waitFor(d, want => document.getElementById('said').textContent === want, [verdict], `"${verdict}" in the live region`);
}

async function open(d, see, menu, topic, screen) {
  await d.load();
  await see('Titlefrm');
  await tabTo(d, 'OK');
  await d.key('Enter');
  await see('intro0');
  await tabTo(d, `Menu ${menu}`);
  await d.key('Enter');
  await see(`menu${menu}`);
  await tabTo(d, topic);
  await d.key('Enter');
  await see(`menu${menu}`, screen);
}

// Tab to a control read as `name` and press Enter on it.
async function pressKey(d, name) {
  await tabTo(d, name);
  await d.key('Enter');
}

// A press and release on a window, in front of the others or not.
async function pressOn(d, screen, name) {
  const at = await uncovered(d, screen, name);
  check(at, `${screen} ${name ?? ''} is covered`);
  await click(d, at.x, at.y);
}

async function leave(d, see, menu) {
  await tabTo(d, 'Exit');
  await d.key('Enter');
  await see(`menu${menu}`);
}

// The edges of a closed walk through every vertex once, found by trying each order of the vertices.
function hamiltonianCircuit(edges) {
  const vertices = [...new Set(edges.flat())];
  const edge = (a, b) => edges.find(([p, q]) => (p === a && q === b) || (p === b && q === a));
  const extend = path => {
    if (path.length === vertices.length) return edge(path[path.length - 1], path[0]) ? path : null;
    for (const v of vertices)
      if (!path.includes(v) && edge(path[path.length - 1], v)) { const found = extend([...path, v]); if (found) return found; }
    return null;
  };
  const path = extend([vertices[0]]);
  return path && path.map((v, i) => edge(v, path[(i + 1) % path.length]));
}

// The image of a grid point in the mirror line the question names.
function reflect(question, [x, y]) {
  const [, axis, k] = /line ([xy])=(-?\d+|x|-x)\./.exec(question) ?? [];
  if (k === 'x') return [y, x];
  if (k === '-x') return [-y, -x];
  if (axis === 'x') return [2 * k - x, y];
  if (axis === 'y') return [x, 2 * k - y];
  throw new Error(`no mirror line in "${question}"`);
}

// The middle of a control (or of the client area) of a window, where no window in front covers it.
const uncovered = (d, screen, name) => d.evaluate((screen, name) => {
  const mine = document.querySelector(`.window[data-screen="${screen}"]`);
  const r = mine.querySelector(name ? `[data-name="${name}"]` : '.client').getBoundingClientRect();
  const [x, y] = [r.left + r.width / 2, r.top + r.height / 2];
  const covered = [...document.querySelectorAll('[data-window]')].some(w => w.style.display !== 'none' && +w.style.zIndex > +mine.style.zIndex &&
    (q => x >= q.left && x < q.right && y >= q.top && y < q.bottom)(w.getBoundingClientRect()));
  return covered ? null : {x, y};
}, screen, name);

export const keyJourneys = {
  async 'the focus and the tree on every change of window'(d, see) {
    d = heard(d);
    await d.load();
    await see('Titlefrm');
    const steps = [
      ['the start', null, 'Titlefrm'],
      ['OK', () => pressKey(d, 'OK'), 'intro0'],
      ['Menu 1', () => pressKey(d, 'Menu 1'), 'menu1'],
      ['Hamiltonian Circuits', () => pressKey(d, 'Hamiltonian Circuits'), 'hamilton'],
      ['Jotter', () => pressKey(d, 'Jotter'), 'jotter'],
      ['a press on the activity behind the Jotter', () => pressOn(d, 'hamilton', 'Label3'), 'hamilton: Jotter'],
      ['a press on the Jotter again', () => pressOn(d, 'jotter'), 'jotter'],
      ["the Jotter's Exit", () => pressKey(d, 'Exit'), 'hamilton: Jotter'],
      ["the activity's Exit", () => pressKey(d, 'Exit'), 'menu1: Hamiltonian Circuits'],
      ["the menu's Exit", () => pressKey(d, 'Exit'), 'intro0'],
    ];
    for (const [what, act, focus] of steps) {
      if (act) await act();
      const r = await until(async () => { const r = await expectReader(d, what); return r.focus.startsWith(focus.split(':')[0]) && r; }, `the window in use after ${what}`);
      check(r.focus === focus, `after ${what} the focus is on ${r.focus}, not ${focus}`);
    }
  },

  async 'keys only: a tetrahedron circuit'(d, see, log) {
    d = heard(d);
    await open(d, see, 1, 'Hamiltonian Circuits', 'hamilton');
    const edges = (await tabLap(d)).map(n => /^edge (\d+) to (\d+), not chosen$/.exec(n)).filter(Boolean).map(m => [+m[1], +m[2]]);
    check(edges.length === 6, `a tetrahedron has 6 edges, ${edges.length} read`);
    const circuit = hamiltonianCircuit(edges);
    check(circuit, `no circuit among the edges read: ${JSON.stringify(edges)}`);
    log(`circuit ${circuit.map(([a, b]) => `${a}-${b}`).join(', ')}`);
    for (const [a, b] of circuit) {
      await tabTo(d, `edge ${a} to ${b}, not chosen`);
      await keyUntilFocus(d, ' ', `edge ${a} to ${b}, chosen`);
      // A screen reader in a page says no new name: the live region says it.
      await waitFor(d, want => document.getElementById('said').textContent === want, [`edge ${a} to ${b}, chosen`], 'the new name in the live region');
    }
    await pressAndHear(d, 'Check', 'Correct, Well Done!');
    await leave(d, see, 1);
  },

  async 'keys only: a surds answer read in words'(d, see, log) {
    d = heard(d);
    await open(d, see, 1, 'Surds', 'surds');
    const pictures = () => names(d, 'surds', /./).then(all => all.filter(n => /\broot\b/.test(n)));
    const before = await pictures();
    check(before.length, 'no question read with a root');
    await tabTo(d, 'Solution');
    await d.key('Enter');
    const answer = await until(async () => (await pictures()).find(n => !before.includes(n)), 'an answer box read after Solution');
    check(/^[a-z0-9 ,.-]+$/i.test(answer), `the answer is read as "${answer}", not in words`);
    // ...and said, without going to look for it.
    await waitFor(d, want => document.getElementById('said').textContent === want, [`The answer is ${answer}`], 'the answer in the live region');
    log(`"${before[0]}" answered "${answer}"`);
    await leave(d, see, 1);
  },

  async 'keys only: a level-2 reflection'(d, see, log) {
    d = heard(d);
    await open(d, see, 5, 'Reflections', 'reflections');
    await tabTo(d, 'Level 2');
    await d.key(' ');
    const question = await waitFor(d, () => /reflection in the line/.test(document.getElementById('said').textContent) &&
      document.getElementById('said').textContent, [], 'a level-2 question said');
    const corners = await names(d, 'reflections', /^\w+ corner at -?\d+, -?\d+$/);
    check(corners.length === 4, `four corners read, not ${JSON.stringify(corners)}`);
    log(`${question} ${corners.join('; ')}`);
    for (const corner of corners) {
      const [, colour, x, y] = /^(\w+) corner at (-?\d+), (-?\d+)$/.exec(corner);
      const [tx, ty] = reflect(question, [+x, +y]);
      await tabTo(d, new RegExp(`^${colour} cross`));
      // The first arrow puts the cross on the grid; the rest walk it there, one point a key.
      let [cx, cy] = (/at (-?\d+), (-?\d+)$/.exec(await keyUntilFocus(d, 'ArrowLeft', / at -?\d+, -?\d+$/))).slice(1).map(Number);
      while (cx !== tx || cy !== ty) {
        const [key, nx, ny] = cx < tx ? ['ArrowRight', cx + 1, cy] : cx > tx ? ['ArrowLeft', cx - 1, cy]
          : cy < ty ? ['ArrowUp', cx, cy + 1] : ['ArrowDown', cx, cy - 1];
        await keyUntilFocus(d, key, `${colour} cross at ${nx}, ${ny}`);
        [cx, cy] = [nx, ny];
      }
    }
    await pressAndHear(d, 'Check', 'Well done');
    await leave(d, see, 5);
  },
};
