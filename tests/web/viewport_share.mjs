// node tests/web/viewport_share.mjs [PAGE]: how much of the viewport an activity takes in
// headless Chromium at the classroom's sizes, and whether any window reaches outside it.
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {until} from './journeys.mjs';

const file = resolve(process.argv[2] ?? resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web/quillon.html'));
const sizes = [[1920, 1080], [3840, 2160], [1366, 768], [1024, 768], [768, 1024], [390, 844]];
const d = await open('chrome', pathToFileURL(file).href);
console.log(`engine: ${d.version} headless; hamilton opened by its lesson link`);
console.log('viewport    window          width   height  limiting side  outside');
for (const [width, height] of sizes) {
  await d.page.setViewport({width, height});
  await d.page.goto('about:blank');
  await d.page.goto(`${d.url}#hamilton`);
  const r = await until(() => d.evaluate(() => {
    const w = [...document.querySelectorAll('[data-window]')].filter(e => e.getClientRects().length).map(e => e.getBoundingClientRect());
    const h = document.querySelector('.window[data-screen=hamilton]');
    if (!window.Quillon?.ready || !h) return null;
    const box = h.getBoundingClientRect();
    return {box: box.toJSON(), outside: w.filter(r => r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight).length};
  }), 'hamilton on view');
  const across = 100 * r.box.width / width, down = 100 * r.box.height / height;
  console.log(`${`${width}x${height}`.padEnd(12)}${`${Math.round(r.box.width)}x${Math.round(r.box.height)}`.padEnd(16)}` +
    `${across.toFixed(1).padStart(5)}%  ${down.toFixed(1).padStart(5)}%  ${Math.max(across, down).toFixed(1).padStart(6)}%        ${r.outside}`);
}
await d.close();
