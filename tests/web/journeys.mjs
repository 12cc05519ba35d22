// A pupil's journeys through the page, written once against the driver interface.
export const sleep = ms => new Promise(r => setTimeout(r, ms));

export function check(ok, what) { if (!ok) throw new Error(what); }

// Polls until `get` gives something truthy, and gives it.
export async function until(get, what, ms = 5000) {
  let last;
  for (const end = Date.now() + ms; Date.now() < end; await sleep(40)) if ((last = await get())) return last;
  throw new Error(`timed out: ${what} (last: ${JSON.stringify(last)})`);
}

export const waitFor = (d, fn, args, what, ms) => until(() => d.evaluate(fn, ...args), what, ms);

export const shownScreens = d => d.evaluate(() =>
  [...document.querySelectorAll('[data-window]')].filter(w => w.style.display !== 'none').map(w => w.dataset.screen).sort());

export const expectShown = (d, ...names) => waitFor(d, want =>
  [...document.querySelectorAll('[data-window]')].filter(w => w.style.display !== 'none').map(w => w.dataset.screen).sort().join() === want,
  [names.sort().join()], `shown screens to be ${names}`);

// A rendered control by name (and index) or by its exact text: its centre and text.
export const find = (d, screen, name, index = null, text = null) => d.evaluate((screen, name, index, text) => {
  const w = document.querySelector(`.window[data-screen="${screen}"]`);
  if (!w || w.style.display === 'none') return null;
  const el = [...w.querySelectorAll('.design [data-name]')].find(e => text !== null ? e.textContent === text
    : e.dataset.name === name && (index === null || e.dataset.index === String(index)));
  if (!el || !el.getClientRects().length) return null;
  const r = el.getBoundingClientRect();
  return {x: r.left + r.width / 2, y: r.top + r.height / 2, text: el.textContent};
}, screen, name, index, text);

export async function click(d, x, y) { await d.pointer(x, y, 'down'); await d.pointer(x, y, 'up'); }

export async function drag(d, from, to, steps = 6) {
  await d.pointer(from.x, from.y, 'down');
  for (let i = 1; i <= steps; i++)
    await d.pointer(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps, 'move');
  await d.pointer(to.x, to.y, 'up');
}

// Waits for the control to be on view, then clicks its centre as a mouse would.
export async function press(d, screen, name, {index = null, text = null} = {}) {
  const at = await until(() => find(d, screen, name, index, text), `${screen} ${name ?? text} on view`);
  await click(d, at.x, at.y);
}

const verdict = (d, screen, want) => waitFor(d, (screen, want) => {
  const el = document.querySelector(`.window[data-screen="${screen}"] [data-name=Label4]`);
  return el && el.getClientRects().length && el.textContent === want;
}, [screen, want], `${screen} verdict "${want}"`);

// Texts the model laid out beyond their clip on every shown screen ("screen name[index]: text"),
// measured by the page's own canvas.
export const overflowingLabels = d => d.evaluate(() =>
  Module.UTF8ToString(Module._quillon_overflowing_texts()).split('\n').filter(Boolean));

// A shown window's client area lies whole inside the viewport and fills at least 95% of the side
// that limits it.
export const fitted = (d, screen) => d.evaluate(screen => {
  const r = document.querySelector(`.window[data-screen="${screen}"]`).getBoundingClientRect();
  return r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight &&
    Math.max(r.width / innerWidth, r.height / innerHeight) >= 0.95;
}, screen);

// Whether the window's projector box says projector mode is on.
export const projector = (d, screen) => d.evaluate(screen =>
  document.querySelector(`.window[data-screen="${screen}"] .projector`).getAttribute('aria-pressed'), screen);

export const noErrors = async d => {
  const errors = await d.evaluate(() => window.quillonErrors);
  check(!errors.length, `page errors: ${errors.join(' | ')}`);
};

// The smallest set of edges that visits every vertex once and closes: a Hamiltonian circuit.
function circuitOf(edges) {
  const vertices = [];
  const vertex = p => {
    let i = vertices.findIndex(v => Math.hypot(v[0] - p[0], v[1] - p[1]) < 2);
    if (i < 0) i = vertices.push(p) - 1;
    return i;
  };
  const ends = edges.map(e => [vertex(e.a), vertex(e.b)]);
  for (let mask = 0; mask < 1 << edges.length; mask++) {
    const chosen = ends.filter((_, i) => mask >> i & 1);
    if (chosen.length !== vertices.length) continue;
    const degree = vertices.map((_, v) => chosen.filter(e => e.includes(v)).length);
    if (degree.some(n => n !== 2)) continue;
    let at = 0, from = -1, steps = 0;
    do { const e = chosen.find(e => e.includes(at) && e !== chosen[from]); from = chosen.indexOf(e); at = e[0] === at ? e[1] : e[0]; steps++; }
    while (at !== 0);
    if (steps === vertices.length) return edges.filter((_, i) => mask >> i & 1);
  }
  throw new Error('no Hamiltonian circuit among the edges drawn');
}

// The window's canvas at a point of the page: its colour there as "r,g,b".
export const paintedAt = (d, screen, x, y) => d.evaluate(async (screen, x, y) => {
  // The page paints at the next frame: two frames on, what changed is on the canvas.
  await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
  const c = document.querySelector(`[data-screen=${screen}] canvas`), r = c.getBoundingClientRect();
  const k = c.width / r.width;
  return [...c.getContext('2d').getImageData(Math.floor((x - r.left) * k), Math.floor((y - r.top) * k), 1, 1).data].slice(0, 3).join();
}, screen, x, y);

// Each edge's ends on the page, as its element carries them, and the colour painted at its centre.
export const hamiltonEdges = async d => {
  const edges = await d.evaluate(() =>
    [...document.querySelectorAll('[data-screen=hamilton] [data-name=Line1]')].filter(s => s.getClientRects().length).map(s => {
      const r = s.getBoundingClientRect(), k = r.width / s.offsetWidth || r.height / s.offsetHeight || 1;
      const [x1, y1, x2, y2] = s.dataset.ends.split(' ').map(parseFloat);
      return {index: s.dataset.index, a: [r.left + x1 * k, r.top + y1 * k], b: [r.left + x2 * k, r.top + y2 * k]};
    }));
  for (const e of edges) e.stroke = await paintedAt(d, 'hamilton', (e.a[0] + e.b[0]) / 2, (e.a[1] + e.b[1]) / 2);
  return edges;
};

export const jotterInk = d => d.evaluate(async () => {
  // The page paints at the next frame: two frames on, what changed is on the canvas.
  await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
  const c = document.querySelector('[data-screen=jotter] canvas');
  if (!c || !c.getClientRects().length) return 0;
  const px = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let ink = 0;
  for (let i = 0; i < px.length; i += 4) if (px[i] !== px[0] || px[i + 1] !== px[1] || px[i + 2] !== px[2]) ink++;
  return ink;
});

// A menu from wherever the pupil stands: the title's OK, then the tab.
export async function toMenu(d, see, n) {
  const shown = await shownScreens(d);
  if (shown.includes(`menu${n}`)) return;
  if (shown.includes('Titlefrm')) { await press(d, 'Titlefrm', 'Command1'); await see('intro0'); }
  await press(d, shown.find(s => s.startsWith('menu')) ?? 'intro0', null, {text: `Menu ${n}`});
  await see(`menu${n}`);
}

// Each journey takes the driver and `see(...screens)`: those screens must be the ones shown,
// and their labels must fit.
export const journeys = {
  async 'hamilton circuit and jotter'(d, see) {
    await see('Titlefrm');
    await toMenu(d, see, 1);
    await press(d, 'menu1', null, {text: 'Hamiltonian Circuits'});
    await see('menu1', 'hamilton');
    const edges = await hamiltonEdges(d);
    check(edges.length === 6, `a tetrahedron has 6 edges, ${edges.length} drawn`);
    const circuit = circuitOf(edges);
    for (const [n, e] of circuit.entries()) {
      if (n === circuit.length - 1) { await press(d, 'hamilton', 'Cmdcheckit'); await verdict(d, 'hamilton', 'Wrong, Try Again'); }
      await click(d, (e.a[0] + e.b[0]) / 2, (e.a[1] + e.b[1]) / 2);
      const now = (await hamiltonEdges(d)).find(x => x.index === e.index);
      check(now.stroke !== e.stroke, `edge ${e.index} kept its colour ${e.stroke} when clicked`);
    }
    await press(d, 'hamilton', 'Cmdcheckit');
    await verdict(d, 'hamilton', 'Correct, Well Done!');
    await see('menu1', 'hamilton');

    // Projector mode is the page in full screen with its windows fitted as ever: F11 turns it on,
    // Escape off, and the window stays whole on view and hit where it shows.
    await until(() => fitted(d, 'hamilton'), 'hamilton whole on view, filling a side');
    await d.key('F11');
    await until(async () => await projector(d, 'hamilton') === 'true', 'F11 to turn on projector mode');
    await until(() => fitted(d, 'hamilton'), 'hamilton whole on view in projector mode');
    const [e] = await hamiltonEdges(d);
    await click(d, (e.a[0] + e.b[0]) / 2, (e.a[1] + e.b[1]) / 2);
    check((await hamiltonEdges(d)).find(x => x.index === e.index).stroke !== e.stroke, `in projector mode edge ${e.index} kept its colour when clicked`);
    await d.key('Escape');
    await until(async () => await projector(d, 'hamilton') === 'false', 'Escape to leave projector mode');

    await press(d, 'hamilton', 'cmdjotter');
    await see('menu1', 'hamilton', 'jotter');
    // Hover text as on the desktop: the model's, for the button the pointer rests on.
    for (const [button, tip] of [['Write', 'Yellow'], ['Flip', 'New']]) {
      const at = await find(d, 'jotter', null, null, button);
      await d.pointer(at.x, at.y, 'move');
      await waitFor(d, tip => { const e = document.getElementById('tip'); return getComputedStyle(e).display !== 'none' && e.textContent === tip; },
        [tip], `the hover text "${tip}" on ${button}`);
    }
    const pad = await d.evaluate(() => document.querySelector('[data-screen=jotter] .client').getBoundingClientRect().toJSON());
    const before = await jotterInk(d);
    await drag(d, {x: pad.x + 40, y: pad.y + 40}, {x: pad.x + 300, y: pad.y + 150}, 10);
    const after = await jotterInk(d);
    check(after > before + 100, `drawing in the jotter changed ${after - before} pixels`);
    await press(d, 'jotter', 'Command1');
    await see('menu1', 'hamilton');
    await press(d, 'hamilton', 'cmdexit');
    await see('menu1');
    await noErrors(d);
  },

  async 'surds answers and next question'(d, see) {
    await toMenu(d, see, 1);
    await press(d, 'menu1', null, {text: 'Surds'});
    const answers = () => d.evaluate(() =>
      [...document.querySelectorAll('[data-screen=surds] [data-caption=Answer]')].filter(e => e.getClientRects().length).length);
    for (let kind = 1; kind <= 5; kind++) {
      await press(d, 'surds', `Option${kind}`);
      await see('menu1', 'surds');
      check(await answers() === 0, `kind ${kind}: an answer shows before it is asked for`);
      if (kind === 5) { check(!await find(d, 'surds', 'cmdsoln'), 'the puzzle sheet offers a solution'); break; }
      await press(d, 'surds', 'cmdsoln');
      await until(async () => await answers() === 1, `kind ${kind}: one answer after the solution button`);
      await see('menu1', 'surds');
      // The next question by its button, or by the clicker's keys.
      const next = [null, 'cmdgo', 'PageDown', 'ArrowRight', 'cmdgo'][kind];
      if (next === 'cmdgo') await press(d, 'surds', next); else await d.key(next);
      await until(async () => await answers() === 0, `kind ${kind}: the answer gone after ${next}`);
    }
    await press(d, 'surds', 'cmdexit');
    await see('menu1');
    await noErrors(d);
  },

  async 'reflections crosses snap and check'(d, see) {
    await toMenu(d, see, 5);
    await press(d, 'menu5', null, {text: 'Reflections'});
    await see('menu5', 'reflections');
    await press(d, 'reflections', 'cmdsoln');
    await verdict(d, 'reflections', 'Incorrect. Try again');
    // The grid as the page draws it: each numbered line's place, from the axis numbers' labels.
    const g = await d.evaluate(() => {
      const w = document.querySelector('[data-screen=reflections]');
      const centre = e => { const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; };
      const nearest = (table, at) => table.reduce((a, b) => Math.abs(b[1] - at) < Math.abs(a[1] - at) ? b : a);
      const numbered = (label, lines, axis) => [...w.querySelectorAll(`[data-name=${label}]`)].map(e => [+e.textContent,
        nearest([...w.querySelectorAll(`[data-name=${lines}]`)].map(l => [0, centre(l)[axis]]), centre(e)[axis])[1]]);
      const xs = numbered('Label1', 'xgrid', 0), ys = numbered('Label2', 'ygrid', 1);
      return {xs, ys, question: w.querySelector('[data-name=Label3]').textContent,
        shape: ['Shapeblack', 'Shapepink', 'Shapeblue', 'Shapered'].map(n => {
          const [x, y] = centre(w.querySelector(`[data-name=${n}]`));
          return [nearest(xs, x)[0], nearest(ys, y)[0]];
        })};
    });
    check(g.xs.length === 17 && g.ys.length === 15, `grid numbered ${g.xs.length} by ${g.ys.length}`);
    const place = ([x, y]) => ({x: g.xs.find(v => v[0] === x)[1], y: g.ys.find(v => v[0] === y)[1]});
    const mirror = /x-axis/.test(g.question) ? ([x, y]) => [x, -y] : /y-axis/.test(g.question) ? ([x, y]) => [-x, y] : null;
    check(mirror, `level 1 asks for an axis: "${g.question}"`);
    const unit = Math.abs(place([1, 0]).x - place([0, 0]).x);
    for (const [k, cross] of ['Labelblack', 'Labelpink', 'Labelblue', 'Labelred'].entries()) {
      const target = place(mirror(g.shape[k]));
      // The first cross is dropped off the grid point: it must snap there all the same.
      const drop = k === 0 ? {x: target.x + 0.3 * unit, y: target.y - 0.35 * unit} : target;
      await drag(d, await find(d, 'reflections', cross), drop);
      const now = await find(d, 'reflections', cross);
      check(Math.abs(now.x - target.x) <= 1 && Math.abs(now.y - target.y) <= 1,
        `${cross} dropped at ${drop.x},${drop.y} rests at ${now.x},${now.y}, not on the grid point ${target.x},${target.y}`);
    }
    await press(d, 'reflections', 'cmdsoln');
    await verdict(d, 'reflections', 'Well done');
    await see('menu5', 'reflections');
    // Its window's close box leaves as the exit button does.
    const close = await d.evaluate(() => document.querySelector('[data-screen=reflections] .caption .close').getBoundingClientRect().toJSON());
    await click(d, close.x + close.width / 2, close.y + close.height / 2);
    await see('menu5');
    await noErrors(d);
  },

  async 'exit ends and a click starts again'(d, see) {
    const menu = (await shownScreens(d)).find(s => s.startsWith('menu'));
    if (menu) { await press(d, menu, 'Command1'); await see('intro0'); }
    if ((await shownScreens(d)).includes('intro0')) { await press(d, 'intro0', 'Command1'); await see('Titlefrm'); }
    await press(d, 'Titlefrm', 'Command2');
    const ended = await waitFor(d, () => {
      const e = document.getElementById('ended');
      return getComputedStyle(e).display === 'flex' && e.textContent.trim();
    }, [], 'the ended overlay');
    check((await shownScreens(d)).length === 0, 'screens still on view after Exit');
    await click(d, 512, 384);
    await see('Titlefrm');
    check(await d.evaluate(() => getComputedStyle(document.getElementById('ended')).display === 'none'), `"${ended}" stays up`);
    check((await find(d, 'Titlefrm', 'Command1')).text === 'OK', 'a new start does not show the title afresh');
    await noErrors(d);
  },
};
