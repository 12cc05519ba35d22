// The round trips a class makes all day long, in the page, and a count of what the page holds
// alive: for the soak (soak.mjs) and the test that a trip leaves nothing behind (leftovers.mjs).
// Chromium only: the counts come from its DevTools protocol.
import {readFileSync} from 'node:fs';
import {drag, expectShown, press, until} from './journeys.mjs';

// As the desktop's trips: from the menu into the activity, some work, the Jotter opened and drawn
// on where the row says, and out by the exit button to the menu again.
export const trips = [
  {name: 'HamiltonOpenAndExit', menu: 'menu1', topic: 'Hamiltonian Circuits', activity: 'hamilton', work: []},
  {name: 'HamiltonWorked', menu: 'menu1', topic: 'Hamiltonian Circuits', activity: 'hamilton', work: ['cmdgo', 'Cmdcheckit', 'cmdsoln'], jotter: true},
  {name: 'SurdsWorked', menu: 'menu1', topic: 'Surds', activity: 'surds', work: ['cmdgo', 'cmdsoln', 'cmdgo'], jotter: true},
  {name: 'ReflectionsWorked', menu: 'menu5', topic: 'Reflections', activity: 'reflections', work: ['cmdgo', 'cmdsoln'], jotter: true},
];

export async function takeTrip(d, trip) {
  await press(d, trip.menu, null, {text: trip.topic});
  await expectShown(d, trip.menu, trip.activity);
  for (const button of trip.work) await press(d, trip.activity, button);
  if (trip.jotter) {
    await press(d, trip.activity, 'cmdjotter');
    await expectShown(d, trip.menu, trip.activity, 'jotter');
    const pad = await d.evaluate(() => document.querySelector('[data-screen=jotter] .client').getBoundingClientRect().toJSON());
    await drag(d, {x: pad.x + 40, y: pad.y + 40}, {x: pad.x + 200, y: pad.y + 120}, 4);
  }
  await press(d, trip.activity, 'cmdexit');
  await expectShown(d, trip.menu);
}

// Each kind of trip alone, then every kind in turn as a school day mixes them, moving between
// the menus by their tabs. A round starts and ends on its first trip's menu.
export const rounds = [...trips.map(trip => ({name: trip.name, trips: [trip]})), {name: 'EveryKindInTurn', trips}]
  .map(round => ({...round, menu: round.trips[0].menu}));

async function changeMenu(d, from, to) {
  if (from === to) return;
  await press(d, from, null, {text: `Menu ${to.slice(-1)}`});
  await expectShown(d, to);
}

export async function takeRound(d, round) {
  let at = round.menu;
  for (const trip of round.trips) {
    await changeMenu(d, at, trip.menu);
    await takeTrip(d, trip);
    at = trip.menu;
  }
  await changeMenu(d, at, round.menu);
}

// Run before the page's own script: every object address made and not yet revoked, with the
// bytes behind it.
export const watchObjectAddresses = () => {
  const live = window.liveObjectAddresses = new Map();
  const make = URL.createObjectURL, revoke = URL.revokeObjectURL;
  URL.createObjectURL = object => { const url = make.call(URL, object); live.set(url, object.size ?? 0); return url; };
  URL.revokeObjectURL = url => { live.delete(url); revoke.call(URL, url); };
};

// Loads the page afresh with its object addresses watched.
export async function loadWatched(d) {
  await d.page.evaluateOnNewDocument(watchObjectAddresses);
  await d.load();
  // The title the page kept while the program started is no part of what a round leaves.
  await until(() => d.evaluate(() => !document.querySelector('.window:not([data-window])')), 'the kept title gone');
}

const sessions = new WeakMap();

// What the page holds alive once garbage is collected: the JS heap, the top of the wasm heap
// (where a fresh block well beyond any freed one lands), object addresses and their bytes, DOM
// nodes and listeners, the pictures decoded.
export async function pageCensus(d) {
  if (!sessions.has(d.page)) sessions.set(d.page, await d.page.target().createCDPSession());
  const cdp = sessions.get(d.page);
  await cdp.send('HeapProfiler.collectGarbage');
  const {usedSize} = await cdp.send('Runtime.getHeapUsage');
  const {nodes, jsEventListeners} = await cdp.send('Memory.getDOMCounters');
  const inPage = await d.evaluate(() => {
    const block = Module._malloc(16 << 20);
    Module._free(block);
    const live = window.liveObjectAddresses;
    return {wasmHeapTop: block, addresses: live.size,
      addressBytes: [...live.values()].reduce((a, b) => a + b, 0), pictures: Quillon.images.size};
  });
  return {jsHeap: usedSize, nodes, listeners: jsEventListeners, ...inPage};
}

// The resident memory of the renderer that runs the page, and how much of it is shared with the
// compositor, in KiB: of the browser's renderers (a spare, the first blank tab), the one that has
// worked hardest.
export async function renderer(d) {
  const cdp = await d.page.browser().target().createCDPSession();
  const {processInfo} = await cdp.send('SystemInfo.getProcessInfo');
  await cdp.detach();
  const busiest = processInfo.filter(p => p.type === 'renderer').reduce((a, b) => b.cpuTime > a.cpuTime ? b : a);
  const status = readFileSync(`/proc/${busiest.id}/status`, 'utf8');
  const kib = field => +new RegExp(`${field}:\\s*(\\d+)`).exec(status)[1];
  return {resident: kib('VmRSS'), shared: kib('RssShmem')};
}
