// One small interface over three engines, so every journey is written once:
// load(), evaluate(fn, ...args), pointer(x, y, 'down'|'move'|'up'), key(name), screenshot(path), close().
import {spawn} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';
import puppeteer from 'puppeteer-core';
import {Builder, Key, Origin} from 'selenium-webdriver';

export const chromeArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--no-first-run', '--disable-component-update', '--disable-sync'];
const viewport = {width: 1024, height: 768};
const sleep = ms => new Promise(r => setTimeout(r, ms));
// Two frames after a change, the change is on the screen.
const twoFrames = () => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(true))));
const ready = () => !!(window.Quillon && Quillon.ready);

async function waitReady(evaluate) {
  for (const end = Date.now() + 20000; Date.now() < end; await sleep(50))
    if (await evaluate(ready)) return;
  throw new Error('the page never became ready');
}

async function viaPuppeteer(browser, url) {
  const b = await puppeteer.launch(browser === 'firefox'
    ? {browser: 'firefox', executablePath: '/usr/bin/firefox', headless: true}
    : {executablePath: '/usr/bin/chromium', headless: true, args: chromeArgs});
  const page = await b.newPage();
  await page.setViewport(viewport);
  const evaluate = (fn, ...args) => page.evaluate((source, args) => (0, eval)(`(${source})`)(...args), String(fn), args);
  let moves = Promise.resolve(), at = null;
  return {
    name: browser, version: await b.version(), page, url,
    evaluate,
    async load() { await page.goto(url); await waitReady(evaluate); },
    // Chromium holds each move until the next frame: a move goes on its way unawaited, and the
    // press or release after it, queued behind it, is what is awaited.
    async pointer(x, y, kind) {
      const move = at === `${x},${y}` ? Promise.resolve() : page.mouse.move(x, y);
      at = `${x},${y}`;
      if (kind === 'move') { (moves = Promise.all([moves, move])).catch(() => {}); return; }
      await page.mouse[kind]();
      await Promise.all([moves, move]);
      moves = Promise.resolve();
    },
    key: name => page.keyboard.press(name),
    async screenshot(path) { await evaluate(twoFrames); await page.screenshot({path}); },
    close: () => b.close(),
  };
}

const freePort = () => new Promise(resolve => {
  const s = createServer().listen(0, '127.0.0.1', () => { const {port} = s.address(); s.close(() => resolve(port)); });
});

// WebKitGTK's driver runs under its own X server; the timeout inside xvfb-run ends the whole
// group (driver, browser, server) if anything hangs.
async function viaWebDriver(url, {limit = 240} = {}) {
  const port = await freePort();
  const group = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24', 'timeout', String(limit),
    '/usr/bin/WebKitWebDriver', `--port=${port}`], {detached: true, stdio: 'ignore'});
  const server = `http://127.0.0.1:${port}`;
  for (let i = 0; ; i++) {
    if (await fetch(server + '/status').then(r => r.ok, () => false)) break;
    if (i > 200) { process.kill(-group.pid); throw new Error('WebKitWebDriver did not start'); }
    await sleep(50);
  }
  const d = await new Builder().usingServer(server).withCapabilities({browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': {binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation']}}).build();
  await d.manage().window().setRect(viewport);
  const evaluate = (fn, ...args) => d.executeScript(`return (${fn})(...arguments)`, ...args);
  const keys = {PageDown: Key.PAGE_DOWN, ArrowRight: Key.ARROW_RIGHT, F11: Key.F11, Escape: Key.ESCAPE, Tab: Key.TAB,
    Enter: Key.ENTER, ' ': Key.SPACE, ArrowLeft: Key.ARROW_LEFT, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN};
  return {
    name: 'webkit', version: 'MiniBrowser ' + (await d.getCapabilities()).get('browserVersion'),
    evaluate,
    async load() { await d.get(url); await waitReady(evaluate); },
    async pointer(x, y, kind) {
      const a = d.actions({async: true}).move({x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT});
      await (kind === 'down' ? a.press() : kind === 'up' ? a.release() : a).perform();
    },
    key: name => d.actions({async: true}).keyDown(keys[name]).keyUp(keys[name]).perform(),
    async screenshot(path) { await evaluate(twoFrames); writeFileSync(path, await d.takeScreenshot(), 'base64'); },
    // Ending timeout ends its group, the driver and the browser; xvfb-run then ends its server.
    async close() {
      await d.quit().catch(() => {});
      const exited = new Promise(r => group.once('exit', r));
      try {
        for (const pid of readFileSync(`/proc/${group.pid}/task/${group.pid}/children`, 'utf8').trim().split(' '))
          if (readFileSync(`/proc/${pid}/comm`, 'utf8').trim() === 'timeout') process.kill(+pid);
      } catch { /* already gone */ }
      await Promise.race([exited, sleep(5000)]);
    },
  };
}

export async function open(engine, url) {
  const d = engine === 'webkit' ? await viaWebDriver(url) : await viaPuppeteer(engine, url);
  await d.load();
  return d;
}
