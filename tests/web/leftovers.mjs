// In Chromium, round trips into every activity leave no object address, DOM node, listener or
// decoded picture behind in the page. A journey for run.mjs, or on its own:
// node tests/web/leftovers.mjs [PAGE]
import {dirname, resolve} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {open} from './drivers.mjs';
import {check, expectShown, toMenu} from './journeys.mjs';
import {loadWatched, pageCensus, takeTrip, trips} from './trips.mjs';

const warmUpTrips = 2;
const countedTrips = 5;

export const leftoverJourneys = {
  async 'round trips leave no object address, DOM node or listener behind'(d, see) {
    await loadWatched(d);
    for (const trip of trips) {
      await toMenu(d, see, +trip.menu.slice(-1));
      for (let i = 0; i < warmUpTrips; i++) await takeTrip(d, trip);
      const before = await pageCensus(d);
      for (let i = 0; i < countedTrips; i++) await takeTrip(d, trip);
      const after = await pageCensus(d);
      for (const count of ['addresses', 'addressBytes', 'nodes', 'listeners', 'pictures'])
        check(after[count] === before[count], `${trip.name}: ${count} ${before[count]} before ${countedTrips} trips, ${after[count]} after`);
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
