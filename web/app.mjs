// The dictionary explorer. Every answer comes from the kodownik package
// running in the page; the state of a view lives in the address
// (?d=ID&q=WORDS&kod=CODE&data=YYYY-MM-DD&widok=szukaj|kod|sprawdz|tytul),
// so any view can be shared by its URL. The UI speaks Polish.
import { EDITIONS, load } from './kodownik/index.mjs';

const $ = (id) => document.getElementById(id);
const form = $('zapytanie');
const out = $('wynik');
const fields = { d: $('slownik'), q: $('szukaj'), kod: $('kod'), data: $('data') };
const VIEWS = ['szukaj', 'kod', 'sprawdz', 'tytul'];
const DEFAULT_ID = 10004;
let k = null;
let known = new Map(); // dictionary id -> name

// The footer names the editions of the code lists the module carries.
const EDITIONS_TEXT = {
  snapshot: 'Wydania list kodów: snapshot (stan wzorcowy list).',
  current: 'Wydania list kodów: current (listy z datami zmian do 2026 r.).',
};
$('wydania').textContent = EDITIONS_TEXT[EDITIONS] || `Wydania list kodów: ${EDITIONS}.`;

// h('p', { class: 'x' }, 'text', child...): an element; texts are never parsed as HTML.
function h(tag, attrs, ...children) {
  const el = document.createElement(tag);
  for (const [name, value] of Object.entries(attrs || {})) {
    if (value === false || value === null || value === undefined) continue;
    el.setAttribute(name, value === true ? '' : String(value));
  }
  for (const c of children.flat()) {
    if (c === null || c === undefined || c === false) continue;
    el.append(c instanceof Node ? c : String(c));
  }
  return el;
}

const period = (from, to) => `${from} – ${to === '9999-12-31' ? 'bezterminowo' : to}`;

// ---- the address

function stateFromUrl() {
  const p = new URLSearchParams(location.search);
  const widok = p.get('widok');
  return {
    d: p.get('d') || '',
    q: p.get('q') || '',
    kod: p.get('kod') || '',
    data: p.get('data') || '',
    widok: VIEWS.includes(widok) ? widok : '',
  };
}

function urlOf(state) {
  const p = new URLSearchParams();
  for (const key of ['d', 'q', 'kod', 'data', 'widok']) if (state[key]) p.set(key, state[key]);
  const query = p.toString();
  return query ? `?${query}` : location.pathname;
}

function stateFromForm(widok) {
  return { d: fields.d.value, q: fields.q.value.trim(), kod: fields.kod.value.trim(), data: fields.data.value.trim(), widok };
}

function fillForm(state) {
  if (state.d && known.has(Number(state.d))) fields.d.value = state.d;
  fields.q.value = state.q;
  fields.kod.value = state.kod;
  fields.data.value = state.data;
}

// A link to another view: a real address (open in a new tab works), followed in place.
function link(state, ...text) {
  const a = h('a', { href: urlOf(state) }, ...text);
  a.addEventListener('click', (event) => {
    if (event.button !== 0 || event.ctrlKey || event.metaKey || event.shiftKey || event.altKey) return;
    event.preventDefault();
    go(state, true);
  });
  return a;
}

// ---- checks of the input, with the message a person needs

class UserError extends Error {}

function dictionaryOf(state) {
  const text = state.d || String(DEFAULT_ID);
  const id = /^[0-9]{1,9}$/.test(text) ? Number(text) : NaN;
  if (!known.has(id)) {
    throw new UserError(`Nieznany słownik „${text}”. Wybierz słownik z listy: numery od 10001 do 10049, np. 10004 (kody zawodów).`);
  }
  return id;
}

function dateOf(state, fallbackToday) {
  if (!state.data) return fallbackToday ? k.today() : null;
  if (/^[0-9]{4}-[0-9]{2}-[0-9]{2}$/.test(state.data)) {
    const [y, m, d] = state.data.split('-');
    if (y !== '0000' && k.raw.sl_PoprawnaData_DDMMRRRR(d + m + y) === 0) return state.data;
  }
  throw new UserError(`Nieprawidłowa data „${state.data}”. Podaj istniejący dzień w formacie RRRR-MM-DD, np. 2003-01-01.`);
}

function needCode(state) {
  if (!state.kod) throw new UserError('Wpisz kod, np. 011101.');
  return state.kod;
}

const dictionaryLabel = (id) => `słownik ${id}${known.get(id) ? ` „${known.get(id)}”` : ''}`;

// ---- the views

function viewSearch(state) {
  const id = dictionaryOf(state);
  if (!state.q) throw new UserError('Wpisz słowa do wyszukania, np. programista.');
  const hits = k.search(id, state.q);
  const items = hits.slice(0, 300).map((hit) => h('li', {},
    link({ d: String(id), kod: hit.code, data: state.data, widok: 'kod' }, h('span', { class: 'kod-nr' }, hit.code)),
    hit.description || hit.shortText || '',
    ' ', h('span', { class: 'okres' }, `(${period(hit.validFrom, hit.validTo)})`)));
  return [
    h('h2', {}, `Wyniki wyszukiwania „${state.q}”: ${dictionaryLabel(id)}`),
    hits.length
      ? h('p', { class: 'komunikat' }, `Znaleziono kodów: ${hits.length}${hits.length > 300 ? ' (pokazano 300 pierwszych)' : ''}.`)
      : h('p', { class: 'blad' }, `Żaden kod słownika ${id} nie zawiera wszystkich słów „${state.q}”.`),
    h('ol', { class: 'trafienia', 'aria-label': 'Znalezione kody' }, items),
  ];
}

function codeList(id, codes, state, label) {
  return h('ul', { class: 'kody', 'aria-label': label }, codes.map((c) => h('li', {},
    link({ d: String(id), kod: c.code, data: state.data, widok: 'kod' }, h('span', { class: 'kod-nr' }, c.code)),
    c.description || c.shortText || '')));
}

function viewCode(state) {
  const id = dictionaryOf(state);
  const code = needCode(state);
  const date = dateOf(state, true);
  const editions = k.entries(id, code);
  const below = k.children(id, code);
  if (!editions.length && !below.length && !/^[0-9]+$/.test(code)) {
    // A code written with letters on documents (01R, PL, K): its digit code.
    const written = k.codesWritten(id, code);
    if (written.length === 1) {
      return [h('p', { class: 'komunikat' }, `„${code}” to zapis kodu ${written[0]}.`), ...viewCode({ ...state, kod: written[0] })];
    }
    if (written.length > 1) {
      return [h('h2', {}, `Kody zapisywane jako „${code}”: ${dictionaryLabel(id)}`),
        codeList(id, written.map((c) => ({ code: c, description: (k.entries(id, c)[0] || {}).description })), state, 'Kody')];
    }
  }
  if (!editions.length && !below.length) {
    throw new UserError(`Słownik ${id} nie zawiera kodu „${code}”. Kody tego słownika znajdziesz wyszukiwaniem słów.`);
  }
  const parts = [];
  const above = k.parents(id, code);
  if (above.length) {
    parts.push(h('nav', { class: 'okruszki', 'aria-label': 'Nagłówki nad kodem' },
      h('ol', {}, above.map((p) => h('li', {}, link({ d: String(id), kod: p.code, data: state.data, widok: 'kod' }, p.code))))));
  }
  parts.push(h('h2', {}, `Kod ${code}: ${dictionaryLabel(id)}`));
  if (editions.length) {
    const current = k.entry(id, code, date);
    const same = (e) => current && e.validFrom === current.validFrom && e.validTo === current.validTo &&
      e.description === current.description;
    parts.push(h('p', { class: 'komunikat' }, current
      ? `Wyróżniono brzmienie obowiązujące w dniu ${date}.`
      : `W dniu ${date} żadne brzmienie kodu nie obowiązywało.`));
    const rows = editions.map((e) => h('tr', same(e) ? { class: 'w-mocy', 'aria-current': 'true' } : {},
      h('td', {}, e.validFrom), h('td', {}, e.openEnd ? 'bezterminowo' : e.validTo),
      h('td', {}, e.description || '—', same(e) ? h('span', { class: 'sr' }, ' (obowiązuje)') : null),
      h('td', {}, e.shortText || '—'), h('td', {}, String(e.attribute))));
    parts.push(h('div', { class: 'przewijanie' }, h('table', { id: 'brzmienia' },
      h('caption', { class: 'sr' }, `Wszystkie brzmienia kodu ${code}`),
      h('thead', {}, h('tr', {}, ['Od', 'Do', 'Opis', 'Skrót', 'Atrybut'].map((t) => h('th', { scope: 'col' }, t)))),
      h('tbody', {}, rows))));
  } else {
    parts.push(h('p', { class: 'komunikat' }, `„${code}” nie jest kodem słownika, lecz początkiem dłuższych kodów.`));
  }
  if (below.length) {
    parts.push(h('h3', {}, `Kody podrzędne (${below.length})`));
    parts.push(codeList(id, below, state, 'Kody podrzędne'));
  }
  return parts;
}

const REASONS = {
  notDigits: (r, id) => `kody słownika ${id} składają się z cyfr`,
  unknownCode: (r) => 'brak takiego kodu w słowniku' + (r.written && r.written.length ? ` (kody zapisuje się: ${r.written.join(', ')})` : ''),
  onlyPrefix: (r) => `brak takiego kodu w słowniku; to tylko początek dłuższych kodów, np. ${r.example}`,
  heading: (r, id, on) => `to nagłówek grupy dłuższych kodów obowiązujących${on} (np. ${r.example}); wpisz jeden z nich`,
  notInForce: (r, id, on) => `kod nie obowiązuje${on}; okresy obowiązywania: ${r.periods.map((p) => period(p.validFrom, p.validTo)).join(', ')}`,
  notBranch: () => 'kod oddziału to dwie cyfry i litera, np. 01R',
  unknownName: () => 'żadna nazwa w słowniku nie brzmi tak (nazwy zapisuje się wielkimi literami)',
  notTitleCode: () => 'kod tytułu ubezpieczenia ma sześć cyfr: tytuł, cyfrę prawa do emerytury lub renty i cyfrę niepełnosprawności',
  noRules: () => 'brak zasad podlegania ubezpieczeniom dla tego kodu tytułu',
  rulesNotInForce: (r, id, on) => `żadna z zasad podlegania ubezpieczeniom dla tego tytułu nie obowiązuje${on}`,
  noCheckRule: (r, id) => `ze słownika ${id} nie wpisuje się kodów (brak reguły sprawdzania)`,
  noCodeList: (r, id) => `słownik ${id} nie ma listy kodów`,
  other: () => 'słownik nie podaje innego powodu',
};

function viewCheck(state) {
  const id = dictionaryOf(state);
  const code = needCode(state);
  const date = dateOf(state, false);
  const answer = k.explain(id, code, date);
  const when = date ? `w dniu ${date}` : 'bez daty (w dowolnym dniu)';
  const parts = [
    h('h2', {}, `Sprawdzenie kodu ${code}: ${dictionaryLabel(id)}`),
    h('p', { class: `odpowiedz ${answer.admissible ? 'tak' : 'nie'}`, id: 'odpowiedz' },
      answer.admissible ? `Kod ${code} jest dopuszczalny ${when}.` : `Kod ${code} jest niedopuszczalny ${when}.`),
  ];
  if (!answer.admissible) {
    parts.push(h('p', { id: 'powod' }, 'Powód: ', REASONS[answer.reason.kind](answer.reason, id, date ? ` w dniu ${date}` : '')));
  }
  parts.push(h('p', { class: 'komunikat' }, `Wynik funkcji fb_KVDKodSprawdzArkusze: ${answer.result}.`));
  if (answer.admissible || ['notInForce', 'heading'].includes(answer.reason.kind)) {
    parts.push(h('p', {}, link({ d: String(id), kod: code, data: state.data, widok: 'kod' }, `Pokaż wszystkie brzmienia kodu ${code}`)));
  }
  return parts;
}

const INSURANCES = [['pension', 'emerytalne'], ['disability', 'rentowe'], ['sickness', 'chorobowe'],
  ['accident', 'wypadkowe'], ['health', 'zdrowotne']];
const STATUSES = [['obligatory', 'obowiązkowe'], ['voluntary', 'dobrowolne'], ['notSubject', 'nie podlega']];

function viewTitle(state) {
  const code = needCode(state);
  if (!/^[0-9]{6}$/.test(code)) {
    throw new UserError(`„${code}” nie jest kodem tytułu ubezpieczenia: podaj sześć cyfr, np. 011000 (tytuł 0110, cyfra prawa do emerytury lub renty 0, cyfra niepełnosprawności 0).`);
  }
  const date = dateOf(state, true);
  const t = k.title(code, date);
  const month = date.slice(0, 7);
  const parts = [h('h2', {}, `Kod tytułu ubezpieczenia ${code} w dniu ${date}`)];
  parts.push(h('p', {}, t.description ? `Tytuł: ${t.description}` : 'Tytułu nie ma w słowniku 10015 w tym dniu.'));
  if (!t.hasRules) parts.push(h('p', { class: 'blad' }, `Brak zasad podlegania ubezpieczeniom dla kodu ${code}.`));
  else if (!t.rulesInForce) parts.push(h('p', { class: 'blad' }, `Żadna z zasad podlegania ubezpieczeniom dla kodu ${code} nie obowiązuje w dniu ${date}.`));
  parts.push(h('h3', {}, 'Ubezpieczenia'));
  parts.push(h('div', { class: 'przewijanie' }, h('table', { id: 'ubezpieczenia' },
    h('caption', { class: 'sr' }, `Podleganie ubezpieczeniom: kod ${code}, ${date}`),
    h('thead', {}, h('tr', {}, h('th', { scope: 'col' }, h('span', { class: 'szeroki' }, 'Ubezpieczenie')), STATUSES.map(([, label]) => h('th', { scope: 'col' }, label)))),
    h('tbody', {}, INSURANCES.map(([key, label]) => h('tr', { 'data-ubezpieczenie': key },
      h('th', { scope: 'row' }, label),
      STATUSES.map(([status]) => t.insurances[key].includes(status)
        ? h('td', { class: 'znak' }, h('span', { 'aria-hidden': 'true' }, '✓'), h('span', { class: 'sr' }, 'tak'))
        : h('td', { class: 'znak' }, h('span', { 'aria-hidden': 'true' }, '–'), h('span', { class: 'sr' }, 'nie')))))))));
  parts.push(h('h3', {}, 'Formularze'));
  parts.push(h('p', { id: 'formularze' }, t.forms.length ? `Kod przyjmują w tym dniu: ${t.forms.join(', ')}.` : 'Żaden formularz nie przyjmuje kodu w tym dniu.'));
  if (t.formsAtOtherTimes.length) parts.push(h('p', { class: 'komunikat' }, `W innych okresach: ${t.formsAtOtherTimes.join(', ')}.`));
  parts.push(h('h3', {}, `Kody świadczeń i przerw dozwolone w miesiącu ${month}`));
  parts.push(t.benefitCodes.length
    ? h('ul', { class: 'kody-sw', id: 'kody-swiadczen', 'aria-label': 'Kody świadczeń i przerw' }, t.benefitCodes.map((c) => h('li', {}, c)))
    : h('p', { id: 'kody-swiadczen' }, t.benefitCodesListed.length ? 'Żaden w tym miesiącu.' : 'Słownik 10001 nie wymienia żadnego dla tego kodu.'));
  return parts;
}

function viewStart() {
  const id = known.has(DEFAULT_ID) ? DEFAULT_ID : [...known.keys()][0];
  return [
    h('h2', {}, 'Jak korzystać'),
    h('ul', {},
      h('li', {}, 'Wybierz słownik i wpisz słowa, np. ', link({ d: String(id), q: 'programista', widok: 'szukaj' }, 'programista'), '.'),
      h('li', {}, 'Wpisz kod i datę, aby zobaczyć jego brzmienia, np. ', link({ d: '10004', kod: '011101', data: '2003-01-01', widok: 'kod' }, '011101'), '.'),
      h('li', {}, '„Sprawdź kod” mówi, czy kod można wpisać w deklaracji w danym dniu, i dlaczego nie.'),
      h('li', {}, '„Tytuł ubezpieczenia” pokazuje ubezpieczenia, formularze i kody świadczeń, np. ',
        link({ kod: '011000', data: k.today(), widok: 'tytul' }, '011000'), '.')),
  ];
}

// ---- rendering

let answered = false;

function render(state, moveFocus) {
  let parts;
  try {
    if (state.widok === 'szukaj') parts = viewSearch(state);
    else if (state.widok === 'kod') parts = viewCode(state);
    else if (state.widok === 'sprawdz') parts = viewCheck(state);
    else if (state.widok === 'tytul') parts = viewTitle(state);
    else parts = viewStart();
  } catch (e) {
    const text = e instanceof UserError ? e.message : `Błąd: ${e.message}`;
    parts = [h('p', { class: 'blad', role: 'alert' }, text)];
  }
  out.replaceChildren(...parts);
  out.setAttribute('aria-busy', 'false');
  document.title = `${(out.querySelector('h2') || { textContent: 'Kodownik' }).textContent} – Kodownik`;
  if (!answered) {
    answered = true;
    performance.mark('kodownik-answer');
    document.body.dataset.pierwszaOdpowiedzMs = performance.now().toFixed(1);
  }
  if (moveFocus) out.focus();
}

function go(state, push) {
  fillForm(state);
  if (push) history.pushState(null, '', urlOf(state));
  render(state, push);
}

form.addEventListener('submit', (event) => {
  event.preventDefault();
  if (!k) return;
  let widok = event.submitter && event.submitter.dataset.widok;
  // Enter in a field: the search field searches, the others open the code.
  if (!widok) widok = document.activeElement === fields.q ? 'szukaj' : 'kod';
  go(stateFromForm(widok), true);
});
window.addEventListener('popstate', () => {
  if (k) go(stateFromUrl(), false);
});

async function start() {
  try {
    performance.mark('kodownik-start');
    k = await load();
    performance.mark('kodownik-loaded');
  } catch (e) {
    out.replaceChildren(h('p', { class: 'blad', role: 'alert' }, `Nie udało się wczytać biblioteki: ${e.message}`));
    out.setAttribute('aria-busy', 'false');
    return;
  }
  known = new Map(k.dictionaries().map((d) => [d.id, d.name]));
  fields.d.replaceChildren(...[...known].map(([id, name]) => h('option', { value: id }, `${id} – ${name || '(bez nazwy)'}`)));
  fields.d.value = String(DEFAULT_ID);
  const state = stateFromUrl();
  fillForm(state);
  render(state, false);
}

start();
