// Debian's Chromium and Firefox ESR, headless, driven by puppeteer-core (no
// browser download: the system's own browsers).

import puppeteer from 'puppeteer-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const BROWSERS = ['chromium', 'firefox'];

// Each browser gets a profile and a home of its own, writable whoever runs
// it, removed again when the browser has closed.
//
// `coarsePointer` makes Firefox report a touch screen's pointer to every page
// ((pointer: coarse)), as a tablet does: its remote protocol cannot emulate
// touch page by page (puppeteer's hasTouch sends emulation.setTouchOverride,
// which Firefox ESR 153 does not know), so it is set for the whole run.
// Chromium emulates touch page by page (page.setViewport's hasTouch).
export async function launch(name, { coarsePointer = false } = {}) {
  const home = mkdtempSync(join(tmpdir(), `gridora-${name}-`));
  const browser = await start(name, home, coarsePointer).catch((error) => {
    rmSync(home, { recursive: true, force: true });
    throw error;
  });
  browser.process().once('exit', () => rmSync(home, { recursive: true, force: true, maxRetries: 5 }));
  return browser;
}

function start(name, home, coarsePointer) {
  const env = { ...process.env, HOME: home };
  if (name === 'chromium') {
    return puppeteer.launch({
      executablePath: '/usr/bin/chromium', headless: true, env, userDataDir: join(home, 'profile'),
      args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
        '--disable-default-apps', '--disable-sync', '--no-first-run', '--disable-gpu'],
    });
  }
  return puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, env,
    userDataDir: join(home, 'profile'),
    extraPrefsFirefox: {
      'browser.shell.checkDefaultBrowser': false, 'app.update.enabled': false,
      ...(coarsePointer ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {}),
    },
  });
}
