// In Chromium, round trips into every activity leave no object address, DOM node, listener or
// decoded picture behind in the page. A journey for run.mjs, or on its own:
// node tests/web/leftovers.mjs [PAGE]
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {check, expectShown, toMenu} from './journeys.mjs';
import {loadWatched, pageCensus, rounds, takeRound} from './trips.mjs';

const warmUpRounds = 2;
const countedRounds = 3;

export const leftoverJourneys = {
  async 'round trips leave no object address, DOM node or listener behind'(d, see) {
    await loadWatched(d);
    for (const round of rounds) {
      await toMenu(d, see, +round.menu.slice(-1));
      for (let i = 0; i < warmUpRounds; i++) await takeRound(d, round);
      const before = await pageCensus(d);
      for (let i = 0; i < countedRounds; i++) await takeRound(d, round);
      const after = await pageCensus(d);
      for (const count of ['addresses', 'addressBytes', 'nodes', 'listeners', 'pictures'])
        check(after[count] === before[count], `${round.name}: ${count} ${before[count]} before ${countedRounds} rounds, ${after[count]} after`);
    }
  },
};

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const page = resolve(process.argv[2] ?? resolve(dirname(fileURLToPath(import.meta.url)), '../../build-web/quillon.html'));
  const d = await open('chrome', pathToFileURL(page).href);
  let failed = false;
  for (const [name, journey] of Object.entries(leftoverJourneys)) {
    const t = Date.now();
    try { await journey(d, (...screens) => expectShown(d, ...screens)); console.log(`  ok   ${name} (${Date.now() - t} ms)`); }
    catch (e) { failed = true; console.log(`  FAIL ${name}\n       ${e.message}`); }
  }
  await d.close();
  process.exit(failed ? 1 : 0);
}
