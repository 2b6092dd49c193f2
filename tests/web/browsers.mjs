// Debian's Chromium and Firefox ESR, headless, driven by puppeteer-core (no
// browser download: the system's own browsers).

import puppeteer from 'puppeteer-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const BROWSERS = ['chromium', 'firefox'];

// Each browser gets a profile and a home of its own, writable whoever runs
// it, removed again when the browser has closed.
export async function launch(name) {
  const home = mkdtempSync(join(tmpdir(), `gridora-${name}-`));
  const browser = await start(name, home).catch((error) => {
    rmSync(home, { recursive: true, force: true });
    throw error;
  });
  browser.process().once('exit', () => rmSync(home, { recursive: true, force: true, maxRetries: 5 }));
  return browser;
}

function start(name, home) {
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
