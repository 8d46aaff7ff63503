// The explorer's first answer in headless Chromium: loads the page RUNS
// times (a fresh profile, so nothing is cached between runs of the script)
// and prints the median times from the start of navigation and from the
// module's first line to the first answer shown.
//
//   node bench/wasm/browser.mjs URL [RUNS]
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from '../../web/test/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js';

const [url, runsText] = process.argv.slice(2);
const runs = Number(runsText || 7);
const profile = mkdtempSync(join(tmpdir(), 'kodownik-bench-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
const page = await browser.newPage();
const nav = [];
const fromStart = [];
const loadOnly = [];
for (let i = 0; i < runs; ++i) {
  await page.goto(`${url}?d=10004&kod=011101&data=2002-12-31&widok=sprawdz`, { waitUntil: 'load' });
  await page.waitForFunction(() => document.body.dataset.pierwszaOdpowiedzMs);
  const m = await page.evaluate(() => {
    const at = (n) => performance.getEntriesByName(n)[0].startTime;
    return [at('kodownik-answer'), at('kodownik-answer') - at('kodownik-start'), at('kodownik-loaded') - at('kodownik-start')];
  });
  nav.push(m[0]);
  fromStart.push(m[1]);
  loadOnly.push(m[2]);
}
await browser.close();
rmSync(profile, { recursive: true, force: true });
const median = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)].toFixed(0);
console.log(`browser_navigation ${median(nav)}`);
console.log(`browser_from_script ${median(fromStart)}`);
console.log(`browser_load ${median(loadOnly)}`);
