// Debian's Chromium and Firefox ESR, headless, driven by puppeteer-core (no
// browser download: the system's own browsers).

import puppeteer from 'puppeteer-core';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const BROWSERS = ['chromium', 'firefox'];

export async function launch(name) {
  // Each browser gets a profile and a home of its own, writable whoever runs it.
  const home = mkdtempSync(join(tmpdir(), `gridora-${name}-`));
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
    extraPrefsFirefox: { 'browser.shell.checkDefaultBrowser': false, 'app.update.enabled': false },
  });
}
