// The classroom's screens in Chromium, by touch alone: an upright tablet, a phone and a 4K
// board, each opened by a lesson link.
import {check, expectShown, find, fitted, hamiltonEdges, noErrors, projector, until} from './journeys.mjs';

const sizes = [['an upright tablet', 768, 1024], ['a phone', 390, 844], ['a 4K board', 3840, 2160]];

// The page afresh at an address: a change of its hash alone would not start it again.
async function open(d, hash) {
  await d.page.goto('about:blank');
  await d.page.goto(`${d.url}${hash}`);
  await until(() => d.evaluate(() => window.Quillon?.ready), 'the page ready');
}

async function tap(d, at, what) {
  check(at, `${what} on view`);
  await d.page.touchscreen.tap(Math.round(at.x), Math.round(at.y));
}

const centreOf = (d, selector) => d.evaluate(selector => {
  const r = document.querySelector(selector).getBoundingClientRect();
  return {x: r.x + r.width / 2, y: r.y + r.height / 2};
}, selector);

export const classroomJourneys = Object.fromEntries(sizes.map(([name, width, height]) => [
  `by touch on ${name} (${width}x${height}), from a lesson link`, async (d, see) => {
    await d.page.setViewport({width, height, hasTouch: true});
    try {
      await open(d, '#hamilton');
      await see('menu1', 'hamilton');
      check(await fitted(d, 'hamilton'), 'hamilton whole on view, filling a side');
      check(await d.evaluate(() => Module.FS.analyzePath('/opening/start000.jpg').exists), 'the title\'s picture kept for a start again');
      const [e] = await hamiltonEdges(d);
      await tap(d, {x: (e.a[0] + e.b[0]) / 2, y: (e.a[1] + e.b[1]) / 2}, 'an edge');
      await until(async () => (await hamiltonEdges(d)).find(x => x.index === e.index).stroke !== e.stroke, `edge ${e.index} chosen by a tap`);
      // Projector mode by the caption's box, on and off again.
      const box = '.window[data-screen=hamilton] .projector';
      await tap(d, await centreOf(d, box), 'the projector box');
      await until(async () => await projector(d, 'hamilton') === 'true', 'projector mode on by a tap');
      await until(() => fitted(d, 'hamilton'), 'hamilton whole on view in projector mode');
      await tap(d, await centreOf(d, box), 'the projector box');
      await until(async () => await projector(d, 'hamilton') === 'false', 'projector mode off by a tap');
      await tap(d, await find(d, 'hamilton', 'cmdexit'), 'Exit');
      await see('menu1');
      check(await fitted(d, 'menu1'), 'menu 1 whole on view, filling a side');
      // A link to no activity opens the title.
      await open(d, '#nowhere');
      await see('Titlefrm');
      await tap(d, await find(d, 'Titlefrm', 'Command1'), 'OK');
      await see('intro0');
      await noErrors(d);
    } finally {
      await d.page.setViewport({width: 1024, height: 768});
      await d.load();
    }
  }]));
