// A plain script in the page's head, run before anything is drawn: it tells
// the page that scripts run (so it says "Loading…" until the core is there,
// and <noscript> speaks otherwise), puts the remembered choices in the Paper
// panel the moment the parser has made it, and says so if the page's own
// script cannot be had from the server.

import { PAGE_BOXES, showChoice } from './page-settings.js';

document.documentElement.dataset.script = 'on';

// Mutation records are delivered before the browser next draws, so the
// boxes never show a default first. The download button follows the boxes:
// once it is there, they are whole.
const panelParsed = new MutationObserver(() => {
  if (!document.getElementById('download')) return;
  panelParsed.disconnect();
  for (const id of PAGE_BOXES) showChoice(document.getElementById(id));
});
panelParsed.observe(document.documentElement, { childList: true, subtree: true });

addEventListener('error', (event) => {
  const script = event.target;
  if (!(script instanceof HTMLScriptElement) || !/\/gridora\.js(\?|$)/.test(script.src)) return;
  const tell = () => {
    document.querySelector('main').hidden = true;
    document.getElementById('core-failed-reason').textContent =
      'Gridora could not be loaded from the server: gridora.js did not arrive.';
    document.getElementById('core-failed').hidden = false;
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', tell);
  else tell();
}, true);
