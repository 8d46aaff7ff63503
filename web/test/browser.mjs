// The explorer in a real browser: headless Chromium (the system's binary)
// driven by puppeteer-core opens the page from the local server and goes
// through what a person does: search 10004 for "programista", open 011101,
// check it on 2003-01-01 and on 2002-12-31, open title 011000 on 2026-12-01,
// share views by their address, and meet the messages for an unknown
// dictionary, an unknown code and a malformed date; the page is also looked
// at on a phone's width. Screenshots go to build/web/.
//
//   node web/test/browser.mjs http://127.0.0.1:PORT/
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const base = process.argv[2];
if (!base) {
  console.error('usage: node web/test/browser.mjs URL');
  process.exit(2);
}
const shots = fileURLToPath(new URL('../../build/web/', import.meta.url));
mkdirSync(shots, { recursive: true });
const profile = mkdtempSync(join(tmpdir(), 'kodownik-chromium-'));
const executablePath = process.env.CHROMIUM || '/usr/bin/chromium';

const browser = await puppeteer.launch({
  executablePath,
  headless: true,
  userDataDir: profile,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage'],
});

let failures = 0;
let passes = 0;
async function step(name, body) {
  try {
    await body();
    ++passes;
    console.log(`ok    ${name}`);
  } catch (e) {
    ++failures;
    console.log(`FAIL  ${name}\n      ${String(e.message).split('\n').join('\n      ')}`);
  }
}

const page = await browser.newPage();
const errors = [];
page.on('pageerror', (e) => errors.push(String(e)));
page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
await page.setViewport({ width: 1100, height: 900 });

const text = (selector) => page.$eval(selector, (el) => el.textContent.replace(/\s+/g, ' ').trim());
const answer = () => text('#wynik');
const params = () => Object.fromEntries(new URL(page.url()).searchParams);
async function settled() {
  await page.waitForFunction(() => document.querySelector('#wynik').getAttribute('aria-busy') === 'false');
}
async function setField(selector, value) {
  await page.$eval(selector, (el) => { el.value = ''; });
  await page.type(selector, value);
}
async function press(button) {
  const before = await page.$eval('#wynik', (el) => el.innerHTML);
  await page.click(button);
  await page.waitForFunction((b) => document.querySelector('#wynik').innerHTML !== b, {}, before);
}

await step('the page loads and answers', async () => {
  await page.goto(base, { waitUntil: 'load' });
  await settled();
  const options = await page.$$eval('#slownik option', (o) => o.map((x) => x.value));
  assert.ok(options.length >= 40, `${options.length} dictionaries in the list`);
  assert.ok(options.includes('10004'));
  const first = await page.evaluate(() => document.body.dataset.pierwszaOdpowiedzMs);
  console.log(`      first answer ${first} ms after the start of navigation`);
  assert.match(await answer(), /Jak korzystać/);
  // the footer says which editions the module carries, as the package does
  const { EDITIONS } = await import('../../js/index.mjs');
  assert.match(await page.$eval('#wydania', (el) => el.textContent), new RegExp(`Wydania list kodów: ${EDITIONS} `));
});

await step('search 10004 for "programista" with the keyboard', async () => {
  await page.select('#slownik', '10004');
  await setField('#szukaj', 'programista');
  const before = await page.$eval('#wynik', (el) => el.innerHTML);
  await page.focus('#szukaj');
  await page.keyboard.press('Enter');
  await page.waitForFunction((b) => document.querySelector('#wynik').innerHTML !== b, {}, before);
  const hits = await page.$$eval('ol.trafienia li', (li) => li.map((x) => x.textContent.replace(/\s+/g, ' ').trim()));
  assert.ok(hits.some((h) => h.startsWith('213201') && h.includes('Programista')), hits.join(' | '));
  assert.deepEqual([params().d, params().q, params().widok], ['10004', 'programista', 'szukaj']);
  await page.screenshot({ path: join(shots, '1-search.png'), fullPage: true });
});

await step('diacritics do not matter: "ŚLĄSKA" and "slaska" find the same codes', async () => {
  const codesFor = async (q) => {
    await page.goto(`${base}?d=10014&q=${encodeURIComponent(q)}&widok=szukaj`, { waitUntil: 'load' });
    await settled();
    return page.$$eval('ol.trafienia .kod-nr', (s) => s.map((x) => x.textContent));
  };
  const plain = await codesFor('slaska');
  assert.deepEqual(plain, ['01', '12']);
  assert.deepEqual(await codesFor('ŚLĄSKA'), plain);
});

await step('open 011101 on 2003-01-01: every edition, the one in force highlighted', async () => {
  await page.goto(base, { waitUntil: 'load' });
  await settled();
  await page.select('#slownik', '10004');
  await setField('#kod', '011101');
  await setField('#data', '2003-01-01');
  await press('#przycisk-kod');
  const rows = await page.$$eval('#brzmienia tbody tr', (tr) => tr.map((r) => ({
    current: r.getAttribute('aria-current') === 'true', cells: [...r.cells].map((c) => c.textContent.trim()) })));
  assert.equal(rows.length, 2);
  assert.deepEqual(rows.map((r) => [r.cells[0], r.cells[1]]), [['2005-01-01', 'bezterminowo'], ['2003-01-01', '2004-12-31']]);
  assert.deepEqual(rows.map((r) => r.current), [false, true]);
  assert.match(rows[1].cells[2], /Żołnierz zawodowy w służbie kontraktowej/);
  const highlighted = await page.$eval('#brzmienia tr.w-mocy td', (td) => getComputedStyle(td).backgroundColor);
  assert.notEqual(highlighted, 'rgba(0, 0, 0, 0)');
  const headings = await page.$$eval('nav.okruszki a', (a) => a.map((x) => x.textContent));
  assert.deepEqual(headings, ['0', '01', '011', '0111']);
  await page.screenshot({ path: join(shots, '2-code.png'), fullPage: true });
});

await step('headings and child codes are links: up to 0111 and down to 011102', async () => {
  await Promise.all([page.waitForFunction(() => new URL(location.href).searchParams.get('kod') === '0111'),
    page.click('nav.okruszki li:last-child a')]);
  const children = await page.$$eval('ul.kody .kod-nr', (s) => s.map((x) => x.textContent));
  assert.deepEqual(children, ['011101', '011102']);
  await Promise.all([page.waitForFunction(() => new URL(location.href).searchParams.get('kod') === '011102'),
    page.click('ul.kody li:last-child a')]);
  assert.match(await text('#wynik h2'), /Kod 011102/);
  await page.goBack();
  await page.waitForFunction(() => new URL(location.href).searchParams.get('kod') === '0111');
  assert.match(await text('#wynik h2'), /Kod 0111:/);
});

await step('a code written with letters opens its digit code: PL in 10047', async () => {
  await page.goto(`${base}?d=10047&kod=PL&widok=kod`, { waitUntil: 'load' });
  await settled();
  assert.match(await answer(), /„PL” to zapis kodu \d+/);
  assert.ok((await page.$$('#brzmienia tbody tr')).length >= 1);
  await page.goto(`${base}?d=10004&widok=kod`, { waitUntil: 'load' });
  await settled();
  await setField('#kod', '011101');
});

await step('check 011101 on 2003-01-01: admissible', async () => {
  await setField('#kod', '011101');
  await setField('#data', '2003-01-01');
  await press('#przycisk-sprawdz');
  assert.equal(await text('#odpowiedz'), 'Kod 011101 jest dopuszczalny w dniu 2003-01-01.');
  assert.equal(await page.$('#powod'), null);
  await page.screenshot({ path: join(shots, '3-check-2003-01-01.png'), fullPage: true });
});

await step('check 011101 on 2002-12-31: not admissible, with the reason', async () => {
  await setField('#data', '2002-12-31');
  await press('#przycisk-sprawdz');
  assert.equal(await text('#odpowiedz'), 'Kod 011101 jest niedopuszczalny w dniu 2002-12-31.');
  assert.equal(await text('#powod'),
    'Powód: kod nie obowiązuje w dniu 2002-12-31; okresy obowiązywania: 2005-01-01 – bezterminowo, 2003-01-01 – 2004-12-31');
  assert.deepEqual([params().kod, params().data, params().widok], ['011101', '2002-12-31', 'sprawdz']);
  await page.screenshot({ path: join(shots, '4-check-2002-12-31.png'), fullPage: true });
});

await step('open title 011000 on 2026-12-01: five insurances, forms, benefit codes', async () => {
  await setField('#kod', '011000');
  await setField('#data', '2026-12-01');
  await press('#przycisk-tytul');
  const table = await page.$$eval('#ubezpieczenia tbody tr', (tr) => tr.map((r) => [r.cells[0].textContent,
    ...[...r.cells].slice(1).map((c) => c.querySelector('.sr').textContent)]));
  assert.deepEqual(table, [
    ['emerytalne', 'tak', 'nie', 'nie'], ['rentowe', 'tak', 'nie', 'nie'], ['chorobowe', 'tak', 'nie', 'nie'],
    ['wypadkowe', 'tak', 'nie', 'nie'], ['zdrowotne', 'tak', 'nie', 'nie']]);
  assert.equal(await text('#formularze'), 'Kod przyjmują w tym dniu: ZUS RCA, ZUS RNA, ZUS ZUA.');
  const benefits = await page.$$eval('#kody-swiadczen li', (li) => li.map((x) => x.textContent));
  assert.ok(benefits.includes('311') && benefits.includes('350') && !benefits.includes('100'), benefits.join(' '));
  assert.match(await answer(), /pracownik podlegający ubezpieczeniom społecznym i ubezpieczeniu zdrowotnemu/);
  await page.screenshot({ path: join(shots, '5-title-011000.png'), fullPage: true });
});

await step('a view shared by its address opens the same in a new tab', async () => {
  const url = page.url();
  const before = await answer();
  const other = await browser.newPage();
  await other.goto(url, { waitUntil: 'load' });
  await other.waitForFunction(() => document.querySelector('#wynik').getAttribute('aria-busy') === 'false');
  assert.equal(await other.$eval('#wynik', (el) => el.textContent.replace(/\s+/g, ' ').trim()), before);
  assert.equal(await other.$eval('#kod', (el) => el.value), '011000');
  await other.close();
});

await step('clear messages for an unknown dictionary, an unknown code and a malformed date', async () => {
  const cases = [
    ['?d=12345&kod=1&widok=kod', /Nieznany słownik „12345”/],
    ['?d=abc&q=x&widok=szukaj', /Nieznany słownik „abc”/],
    ['?d=10004&kod=999999&widok=kod', /Słownik 10004 nie zawiera kodu „999999”/],
    ['?d=10004&kod=011101&data=2003-13-45&widok=sprawdz', /Nieprawidłowa data „2003-13-45”/],
    ['?d=10004&kod=011101&data=31.12.2002&widok=kod', /Nieprawidłowa data „31.12.2002”/],
    ['?kod=01100&widok=tytul', /nie jest kodem tytułu ubezpieczenia/],
    ['?d=10004&widok=sprawdz', /Wpisz kod/],
  ];
  for (const [query, message] of cases) {
    await page.goto(base + query, { waitUntil: 'load' });
    await settled();
    const shown = await text('#wynik [role=alert]');
    assert.match(shown, message, query);
    if (query.includes('2003-13-45')) await page.screenshot({ path: join(shots, '6-message-date.png'), fullPage: true });
  }
});

await step('on a phone\'s width nothing runs off the screen', async () => {
  await page.setViewport({ width: 375, height: 812, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  for (const query of ['?d=10004&kod=011101&data=2003-01-01&widok=kod', '?kod=011000&data=2026-12-01&widok=tytul']) {
    await page.goto(base + query, { waitUntil: 'load' });
    await settled();
    const [scroll, width] = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    assert.ok(scroll <= width, `${query}: page ${scroll} px wide on a ${width} px screen`);
  }
  await page.screenshot({ path: join(shots, '7-phone-title.png'), fullPage: true });
});

await step('every field has a label; no script errors', async () => {
  const unlabelled = await page.$$eval('input, select', (els) => els.filter((el) => !el.labels || el.labels.length === 0).map((el) => el.id));
  assert.deepEqual(unlabelled, []);
  assert.deepEqual(errors, []);
});

await browser.close();
rmSync(profile, { recursive: true, force: true });
console.log(`browser: ${passes} passed, ${failures} failed (screenshots in build/web/)`);
process.exit(failures ? 1 : 0);
