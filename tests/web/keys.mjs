// Each activity opened, solved and left with keys alone, reading only what a screen reader
// would say: the focus's name, the names on view and the live region.
import {check, until, waitFor} from './journeys.mjs';

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

export const keyJourneys = {
  async 'keys only: a tetrahedron circuit'(d, see, log) {
    await open(d, see, 1, 'Hamiltonian Circuits', 'hamilton');
    const edges = (await tabLap(d)).map(n => /^edge (\d+) to (\d+), not chosen$/.exec(n)).filter(Boolean).map(m => [+m[1], +m[2]]);
    check(edges.length === 6, `a tetrahedron has 6 edges, ${edges.length} read`);
    const circuit = hamiltonianCircuit(edges);
    check(circuit, `no circuit among the edges read: ${JSON.stringify(edges)}`);
    log(`circuit ${circuit.map(([a, b]) => `${a}-${b}`).join(', ')}`);
    for (const [a, b] of circuit) {
      await tabTo(d, `edge ${a} to ${b}, not chosen`);
      await keyUntilFocus(d, ' ', `edge ${a} to ${b}, chosen`);
    }
    await pressAndHear(d, 'Check', 'Correct, Well Done!');
    await leave(d, see, 1);
  },

  async 'keys only: a surds answer read in words'(d, see, log) {
    await open(d, see, 1, 'Surds', 'surds');
    const pictures = () => names(d, 'surds', /./).then(all => all.filter(n => /\broot\b/.test(n)));
    const before = await pictures();
    check(before.length, 'no question read with a root');
    await tabTo(d, 'Solution');
    await d.key('Enter');
    const answer = await until(async () => (await pictures()).find(n => !before.includes(n)), 'an answer box read after Solution');
    check(/^[a-z0-9 ,.-]+$/i.test(answer), `the answer is read as "${answer}", not in words`);
    log(`"${before[0]}" answered "${answer}"`);
    await leave(d, see, 1);
  },

  async 'keys only: a level-2 reflection'(d, see, log) {
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
