// node tests/web/offline.mjs [SITE]
// The site (build-web/site) served from a web host, opened once, then opened again with the host
// gone: the service worker's copy starts the program and shows its title.
import {createServer} from 'node:http';
import {readFileSync} from 'node:fs';
import {dirname, extname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';
import {chromeArgs} from './drivers.mjs';
import {until} from './journeys.mjs';

const site = resolve(process.argv[2] ?? resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web/site'));
const types = {'.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.txt': 'text/plain'};
const host = createServer((request, response) => {
  const file = join(site, new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html'));
  try {
    const body = readFileSync(file);
    response.writeHead(200, {'content-type': types[extname(file)] ?? 'application/octet-stream'}).end(body);
  } catch { response.writeHead(404).end(); }
});
await new Promise(r => host.listen(0, '127.0.0.1', r));
const url = `http://127.0.0.1:${host.address().port}/`;

const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true, args: chromeArgs});
let failure = null;
try {
  const tab = await browser.newPage();
  const titleShown = () => until(() => tab.evaluate(() => window.Quillon?.ready && !!document.querySelector('[data-screen=Titlefrm] canvas')),
    "the program's title", 20000);
  await tab.goto(url);
  await titleShown();
  await until(() => tab.evaluate(() => navigator.serviceWorker.ready.then(r => !!r.active)), 'the service worker active', 20000);
  await new Promise(r => host.close(r));
  host.closeAllConnections();
  await tab.reload();
  await titleShown();
  const errors = await tab.evaluate(() => quillonErrors);
  if (errors.length) throw new Error(`the page recorded errors: ${errors.join(' | ')}`);
  console.log('ok   the site opens with no web host once it has been opened');
} catch (e) {
  failure = e;
  console.log(`FAIL the site opens with no web host once it has been opened\n     ${e.message}`);
} finally {
  await browser.close();
  host.close();
}
process.exit(failure ? 1 : 0);
