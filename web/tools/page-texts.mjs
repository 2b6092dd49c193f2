// The browser page's texts for the catalogues, and the catalogues for the
// browser page: one set of translations/*.ts serves the desktop and the page.
//
//   node page-texts.mjs --source DIR --marks FILE
//       every text the page shows, as marks lupdate reads (its own parser
//       cannot read the page's modules): the elements of index.html marked
//       data-tr (their text, and the attributes data-tr-attr names), and the
//       literal texts of every tr() and trIn() call in web/*.js
//   node page-texts.mjs --source DIR --site DIR
//       each catalogue's finished translations as SITE/i18n/LANG.json,
//       { "context\u0004source": "translation" }

import { readdirSync, readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { parse as parseJs } from 'acorn';
import { simple as walk } from 'acorn-walk';
import { parse as parseHtml } from 'parse5';
import { DOMParser } from '@xmldom/xmldom';
import { BROWSER, oneLine } from '../i18n.js';

function elementTexts(html) {
  const found = [];
  const visit = (node) => {
    const attrs = Object.fromEntries((node.attrs ?? []).map((a) => [a.name, a.value]));
    if ('data-tr' in attrs) {
      const context = attrs['data-tr'] || BROWSER;
      if (!(node.childNodes ?? []).some((child) => child.tagName)) found.push([context, oneLine(textOf(node))]);
      for (const name of (attrs['data-tr-attr'] ?? '').split(/\s+/).filter(Boolean))
        found.push([context, oneLine(attrs[name])]);
    }
    for (const child of node.content?.childNodes ?? node.childNodes ?? []) visit(child);
  };
  visit(parseHtml(html));
  return found;
}

function textOf(node) {
  if (node.nodeName === '#text') return node.value;
  return (node.childNodes ?? []).map(textOf).join('');
}

function callTexts(code, file) {
  const found = [];
  // A string literal, or literals joined by +.
  const literal = (node, call) => {
    if (node?.type === 'Literal' && typeof node.value === 'string') return node.value;
    if (node?.type === 'BinaryExpression' && node.operator === '+') return literal(node.left, call) + literal(node.right, call);
    throw new Error(`${file}:${call.loc.start.line}: tr() and trIn() take plain string literals`);
  };
  walk(parseJs(code, { ecmaVersion: 'latest', sourceType: 'module', locations: true }), {
    CallExpression(call) {
      if (call.callee.type !== 'Identifier') return;
      if (call.callee.name === 'tr') found.push([BROWSER, literal(call.arguments[0], call)]);
      if (call.callee.name === 'trIn') found.push([literal(call.arguments[0], call), literal(call.arguments[1], call)]);
    },
  });
  return found;
}

function pageTexts(source) {
  const web = join(source, 'web');
  const texts = elementTexts(readFileSync(join(web, 'index.html'), 'utf8'));
  // i18n.js is the machinery, its calls pass texts on; sw.js, a template
  // filled when the site is built, shows nothing.
  const modules = readdirSync(web).filter((n) => n.endsWith('.js') && n !== 'i18n.js' && n !== 'sw.js');
  for (const name of modules.sort())
    texts.push(...callTexts(readFileSync(join(web, name), 'utf8'), name));
  // Options the site's build fills in (@KIND_OPTIONS@) are no text.
  return texts.filter(([, text]) => text !== '' && !/^@[A-Z_]+@$/.test(text));
}

const cString = (s) => JSON.stringify(s); // a C string literal for these texts: quotes, backslashes, \n

function writeMarks(source, file) {
  const lines = pageTexts(source).map(([context, text]) => `QT_TRANSLATE_NOOP(${cString(context)}, ${cString(text)});`);
  writeFileSync(file, `${lines.join('\n')}\n`);
}

function writeCatalogues(source, site) {
  mkdirSync(join(site, 'i18n'), { recursive: true });
  const folder = join(source, 'translations');
  for (const name of readdirSync(folder).filter((n) => /^gridora_[a-z]+\.ts$/.test(n))) {
    const ts = new DOMParser().parseFromString(readFileSync(join(folder, name), 'utf8'), 'text/xml');
    const words = {};
    for (const context of Array.from(ts.getElementsByTagName('context'))) {
      const contextName = context.getElementsByTagName('name')[0].textContent;
      for (const message of Array.from(context.getElementsByTagName('message'))) {
        const translation = message.getElementsByTagName('translation')[0];
        if (translation.getAttribute('type') || !translation.textContent) continue; // unfinished or gone
        words[`${contextName}\u0004${message.getElementsByTagName('source')[0].textContent}`] = translation.textContent;
      }
    }
    const language = ts.documentElement.getAttribute('language');
    writeFileSync(join(site, 'i18n', `${language}.json`), JSON.stringify(words));
  }
}

const { values: opt } = parseArgs({ options: { source: { type: 'string' }, marks: { type: 'string' }, site: { type: 'string' } } });
if (opt.marks) writeMarks(opt.source, opt.marks);
if (opt.site) writeCatalogues(opt.source, opt.site);
