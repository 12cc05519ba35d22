import {open} from './drivers.mjs';
const d = await open('chrome', 'file:///work/wt-web/build-web/quillon.html');
console.log(await d.evaluate(() => {
  const c = Object.assign(document.createElement('canvas'), {width: 800, height: 600}), g = c.getContext('2d');
  const run = (name, f) => { const t = performance.now(); for (let i = 0; i < 1000; i++) f(i); return `${name} ${((performance.now() - t)).toFixed(2)} µs`; };
  return [
    run('clip only', i => { g.save(); g.beginPath(); g.rect(10, 10, 100, 20); g.clip(); g.restore(); }),
    run('font 100x', i => { g.save(); g.font = "normal 1100px 'Quillon Tahoma'"; g.restore(); }),
    run('font 1x', i => { g.save(); g.font = "normal 11px 'Quillon Tahoma'"; g.restore(); }),
    run('text 100x', i => { g.save(); g.font = "normal 1100px 'Quillon Tahoma'"; g.scale(0.01, 0.01); g.fillText('-' + (i % 9), 1000, 2000); g.restore(); }),
    run('text 1x', i => { g.save(); g.font = "normal 11px 'Quillon Tahoma'"; g.fillText('-' + (i % 9), 10, 20); g.restore(); }),
    run('line', i => { g.save(); g.lineWidth = 1; g.strokeStyle = 'rgb(1,2,3)'; g.setLineDash([]); g.beginPath(); g.moveTo(0, 5.5); g.lineTo(300, 5.5); g.stroke(); g.restore(); }),
  ].join(' | ');
}));
await d.close();
