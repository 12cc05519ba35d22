import {open} from './drivers.mjs';
import {expectShown, press, toMenu, find} from './journeys.mjs';
const d = await open('chrome', 'file://' + (process.argv[2] ?? '/work/wt-web/build-web/quillon.html')); d.page.on('console', m => m.text().startsWith('list') && console.log(m.text()));
const see = (...s) => expectShown(d, ...s);
await toMenu(d, see, 5); await press(d, 'menu5', null, {text: 'Reflections'}); await see('menu5', 'reflections');
const cross = await find(d, 'reflections', 'Labelblack');
console.log(await d.evaluate((x, y) => {
  const client = document.querySelector('[data-screen=reflections] .client');
  let paint = 0, calls = 0, prims = 0, measure = 0, mcalls = 0; const p = Quillon.paint, m = Quillon.measure;
  Quillon.paint = (...a) => { const t = performance.now(); p(...a); paint += performance.now() - t; calls++; prims += (a[1].length - 2 - 4 * a[1][1]) / 20; };
  Quillon.measure = (...a) => { const t = performance.now(); const v = m(...a); measure += performance.now() - t; mcalls++; return v; };
  client.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, button: 0, buttons: 1, pointerId: 1, clientX: x, clientY: y}));
  const t0 = performance.now();
  for (let i = 0; i < 200; i++) client.dispatchEvent(new PointerEvent('pointermove', {bubbles: true, buttons: 1, pointerId: 1, clientX: x - (i % 50) * 3, clientY: y - (i % 50) * 2}));
  const all = performance.now() - t0;
  return `per move ${(all * 5).toFixed(1)} µs, paint ${(paint * 5).toFixed(1)} µs (${calls} calls, ${(prims / calls).toFixed(1)} primitives each), measure ${mcalls} calls ${(measure * 5).toFixed(1)} µs`;
}, cross.x, cross.y));
await d.close();
