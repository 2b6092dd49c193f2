// The Paper panel's choices: each remembered by the browser once the user has
// made it; until then the paper is the one usual in the browser's region.
// first-paint.js puts them in the boxes before the page is first drawn.

const SETTINGS_KEY = 'gridora.page';
export const PAGE_BOXES = ['paper', 'orientation', 'dpi'];

// Where Letter is the ordinary paper; everywhere else it is A4. The core's
// page module keeps the same list for the desktop (usualPaperIn); this one
// serves the first paint, before the core has loaded.
const LETTER_REGIONS = new Set(['US', 'CA', 'MX', 'PH', 'BZ', 'CL', 'CO', 'CR', 'GT', 'NI', 'PA', 'PR', 'SV', 'VE']);

/** 'letter' or 'a4': the paper usual where the browser's first language is spoken. */
export function regionPaper(languages = navigator.languages) {
  const first = languages?.[0] ?? navigator.language;
  try {
    // A language alone stands for its likely region: en is en-US, fil is fil-PH.
    return LETTER_REGIONS.has(new Intl.Locale(first).maximize().region) ? 'letter' : 'a4';
  } catch {
    return 'a4';
  }
}


function saved() {
  try {
    const settings = JSON.parse(localStorage.getItem(SETTINGS_KEY));
    return settings && typeof settings === 'object' ? settings : {};
  } catch {
    return {}; // storage switched off, or unreadable: the defaults
  }
}

// What a box shows until the user chooses: the region's paper, and
// otherwise the entry the page marks (the core's usual resolution).
function defaultChoice(box) {
  if (box.id === 'paper') return regionPaper();
  return [...box.options].find((o) => o.defaultSelected)?.value;
}

/** Puts the remembered choice, or the default, in one of the Paper panel's boxes. */
export function showChoice(box) {
  const offered = (value) => [...box.options].some((o) => o.value === value);
  box.value = [String(saved()[box.id]), defaultChoice(box)].find(offered) ?? box.options[0]?.value ?? '';
}

/** Remembers the choice just made in `box`, and only that one. */
export function rememberChoice(box) {
  const settings = saved();
  settings[box.id] = box.id === 'dpi' ? Number(box.value) : box.value;
  try {
    localStorage.setItem(SETTINGS_KEY, JSON.stringify(settings));
  } catch {
    // Storage switched off: the choice holds for this visit only.
  }
}
