// The page in the reader's language: the first of the browser's languages
// (navigator.languages) that Gridora speaks, or the one chosen in the page's
// language menu, which the browser remembers; English, Gridora's own, for any
// other. The words come from the desktop program's catalogues
// (translations/*.ts), turned into i18n/LANG.json when the site is built.
//
// A text of the page is marked where it is written: an element of index.html
// with data-tr (its text; the attributes data-tr-attr names; the context is
// data-tr's value, "Browser" when empty, and data-tr-args fills %1, %2, …
// split at "|"; an element holding other elements has only its attributes
// translated), or a call tr('…') or trIn('context', '…') with plain string
// literals, which web/tools/page-texts.mjs hands to lupdate.

export const BROWSER = 'Browser';
/** Every language the page speaks, each by its own name, as the menu lists them. */
export const LANGUAGES = { en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español' };
const CHOICE_KEY = 'gridora.language';

let words = {};
let language = 'en';
let numberLocale = 'en';

/** A text as the catalogues hold it: its white space runs made one space. */
export const oneLine = (text) => text.replace(/\s+/g, ' ').trim();

const primary = (tag) => String(tag).toLowerCase().split('-')[0];

/** The first of `preferred` (language tags, most wanted first) the page speaks; English when none. */
export function chooseLanguage(preferred) {
  return preferred.map(primary).find((p) => p in LANGUAGES) ?? 'en';
}

/** `text` of `context` in the page's language, with %1, %2, … filled from `args`. */
const wordsOf = (context, text) => words[`${context}\u0004${text}`] ?? text;

export function trIn(context, text, ...args) {
  const said = wordsOf(context, text);
  return said.replace(/%([1-9])/g, (mark, n) => (n <= args.length ? String(args[n - 1]) : mark));
}

/**
 * A message of the core (src/texts/message.h: { context, text, args }) in
 * the page's language: its words looked up in the catalogue, each %N filled
 * in turn from args, plain text (no context: a file's name) as it is.
 */
export function sayMessage({ context, text, args }) {
  if (!context) return text;
  const words = wordsOf(context, text);
  return words.replace(/%([1-9])/g, (mark, n) => (n <= args.length ? sayMessage(args[n - 1]) : mark));
}

/** A kind's name or size label from the core's table, which holds them in English, in the page's language. */
export const kindText = (english) => (english ? wordsOf('Kinds', english) : english);

/** A text of the page's own ("Browser") in the page's language. */
export function tr(text, ...args) {
  return trIn(BROWSER, text, ...args);
}

/** `value` with `digits` decimals, as the page's language writes it: "0,61" in German. */
export function decimal(value, digits) {
  return new Intl.NumberFormat(numberLocale, {
    minimumFractionDigits: digits, maximumFractionDigits: digits, useGrouping: false,
  }).format(value);
}

/** The decimal separator of the page's language: "," in German. */
export const decimalSeparator = () => decimal(0.5, 1).replace(/\d/g, '');

/** The page's language code, "en", "de", "fr" or "es". */
export const pageLanguage = () => language;

function storedChoice() {
  try {
    const chosen = localStorage.getItem(CHOICE_KEY);
    return chosen in LANGUAGES ? chosen : null;
  } catch {
    return null; // storage switched off: the browser's languages decide
  }
}

// A caption with an access key, "&Print": the letter after "&" underlined
// and made the element's access key.
function showWithAccessKey(element, text) {
  const at = text.indexOf('&');
  if (at < 0 || at + 1 >= text.length) {
    element.textContent = text;
    return;
  }
  const key = document.createElement('span');
  key.className = 'access';
  key.textContent = text[at + 1];
  element.replaceChildren(text.slice(0, at), key, text.slice(at + 2));
  element.accessKey = text[at + 1].toLowerCase();
}

function translatePage() {
  for (const element of document.querySelectorAll('[data-tr]')) {
    const context = element.dataset.tr || BROWSER;
    const args = element.dataset.trArgs?.split('|') ?? [];
    for (const name of (element.dataset.trAttr ?? '').split(/\s+/).filter(Boolean))
      element.setAttribute(name, trIn(context, oneLine(element.getAttribute(name)), ...args));
    // An element that holds others (a select's options) has no text of its own.
    if (element.childElementCount === 0 && oneLine(element.textContent) !== '')
      showWithAccessKey(element, trIn(context, oneLine(element.textContent), ...args));
  }
}

function wireMenu(menu) {
  for (const [code, name] of Object.entries(LANGUAGES)) menu.add(new Option(name, code, false, code === language));
  menu.addEventListener('change', () => {
    try {
      localStorage.setItem(CHOICE_KEY, menu.value);
    } catch {
      // Storage switched off: the choice holds for this visit only.
    }
    location.search = `?lang=${menu.value}`;
  });
}

/**
 * Chooses the page's language, fetches its words and translates the page's
 * marked elements. A language asked for in the address (?lang=de, what the
 * menu does when storage is off) comes first, then the menu's remembered
 * choice, then the browser's languages.
 */
export async function startLanguage(menu) {
  const asked = new URLSearchParams(location.search).get('lang');
  const chosen = asked in LANGUAGES ? asked : storedChoice();
  const preferred = chosen ? [chosen] : [...(navigator.languages ?? []), navigator.language ?? 'en'];
  language = chooseLanguage(preferred);
  numberLocale = preferred.find((tag) => primary(tag) === language) ?? language;
  if (language !== 'en') {
    try {
      // From the page's own release, as the bundle that runs this is.
      const release = new URL(import.meta.url).search;
      const response = await fetch(new URL(`i18n/${language}.json${release}`, import.meta.url));
      if (!response.ok) throw new Error(`${response.status}`);
      words = await response.json();
    } catch {
      language = 'en'; // the words cannot be had: English rather than a mixture
      numberLocale = 'en';
    }
  }
  document.documentElement.lang = language;
  translatePage();
  if (menu) wireMenu(menu);
}
