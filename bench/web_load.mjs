// The browser load benchmark: what the built site costs a player who opens it.
//
//   node bench/web_load.mjs SITE
//
// 1. Everything the page transfers on a first visit, the service worker's copy of the site for
//    offline play included, compressed as a static host serves it (the site served with Brotli or
//    gzip, entity tags and ten minutes' freshness, as the browser accepts): at most 150 KB.
// 2. From navigation to the first frame of the board in headless Chromium on 127.0.0.1, on a first
//    visit (a new browser profile: nothing kept) and on a repeat visit (the site kept by its
//    service worker): at most 150 ms and at most 1.5 x a bare page that paints one canvas
//    rectangle, measured side by side in the same run. The game marks its first frame once it is
//    painted (performance mark kordavelmix-first-frame); the bare page marks its rectangle the
//    same way. Medians of 15 visits each.
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {launchBrowser, serveSite} from '../tests/e2e/web/site.mjs';

const [site] = process.argv.slice(2);
if (!site) {
  console.error('usage: node bench/web_load.mjs SITE');
  process.exit(2);
}
const budgetKb = 150;
const firstFrameGoalMs = 150;
const bareRatioGoal = 1.5;
const visits = 15;

// The bare page: one canvas, one rectangle painted at the first animation frame, and the mark.
const bare = mkdtempSync(join(tmpdir(), 'kordavelmix-bare-'));
writeFileSync(
  join(bare, 'index.html'),
  '<!DOCTYPE html><html lang="ru"><head><meta charset="utf-8"><title>bare</title>' +
    '<script src="bare.js" defer></script></head><body><canvas id="c" width="834" height="441">' +
    '</canvas></body></html>\n',
);
writeFileSync(
  join(bare, 'bare.js'),
  "requestAnimationFrame(() => {\n  const context = document.getElementById('c').getContext('2d');\n" +
    "  context.fillStyle = '#7f7f7f';\n  context.fillRect(0, 0, 834, 441);\n" +
    "  performance.mark('kordavelmix-first-frame');\n});\n",
);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const firstFrame = (page) =>
  page
    .waitForFunction(() => performance.getEntriesByName('kordavelmix-first-frame')[0]?.startTime, {
      timeout: 10000,
    })
    .then((handle) => handle.jsonValue());

// Opens the page in a new profile, then again in it once the service worker (if any) keeps the
// site; resolves with both times to the first frame.
async function visit(browser, origin, kept) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({width: 850, height: 504});
    await page.goto(`${origin}/`);
    const first = await firstFrame(page);
    if (kept) {
      await page.waitForFunction(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        return registration?.active?.state === 'activated';
      });
    }
    await page.goto(`${origin}/`);
    const repeat = await firstFrame(page);
    return [first, repeat];
  } finally {
    await context.close();
  }
}

// What one first visit transfers, until the service worker has kept the site and the page has
// had a moment more for anything the browser fetches of its own accord (the manifest's icon).
async function transferred(browser) {
  const host = await serveSite(site, {compress: true});
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({width: 850, height: 504});
    await page.goto(`${host.origin}/`);
    await firstFrame(page);
    await page.waitForFunction(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      return registration?.active?.state === 'activated';
    });
    await new Promise((resolve) => setTimeout(resolve, 1000));
    return host.sent;
  } finally {
    await context.close();
    host.server.close();
  }
}

const game = await serveSite(site, {compress: true});
const bareHost = await serveSite(bare, {compress: true});
const browser = await launchBrowser();
let status = 0;
try {
  const sent = await transferred(browser);
  const total = sent.reduce((sum, {bytes}) => sum + bytes, 0);
  console.log('Transferred on a first visit, compressed as a static host serves it:');
  for (const {path, bytes} of sent) {
    console.log(`  ${String(bytes).padStart(7)} B  ${path}`);
  }
  const kb = total / 1024;
  const met = kb <= budgetKb;
  console.log(
    `  ${kb.toFixed(1)} KB in ${sent.length} requests  goal: <= ${budgetKb} KB  ${met ? 'MET' : 'MISSED'}`,
  );
  status |= met ? 0 : 1;

  // Alternating the two pages, so that both meet the machine in the same state.
  const times = {game: [[], []], bare: [[], []]};
  for (let i = 0; i < visits; i++) {
    for (const [name, origin, kept] of [
      ['game', game.origin, true],
      ['bare', bareHost.origin, false],
    ]) {
      const [first, repeat] = await visit(browser, origin, kept);
      times[name][0].push(first);
      times[name][1].push(repeat);
    }
  }
  console.log(`Navigation to the first frame, medians of ${visits} visits:`);
  for (const [index, what] of [
    [0, 'first visit'],
    [1, 'repeat visit'],
  ]) {
    const ms = median(times.game[index]);
    const bareMs = median(times.bare[index]);
    const ratio = ms / bareMs;
    const met = ms <= firstFrameGoalMs && ratio <= bareRatioGoal;
    console.log(
      `  ${what.padEnd(12)} ${ms.toFixed(1)} ms, bare page ${bareMs.toFixed(1)} ms (${ratio.toFixed(2)} x)` +
        `  goal: <= ${firstFrameGoalMs} ms and <= ${bareRatioGoal} x  ${met ? 'MET' : 'MISSED'}`,
    );
    status |= met ? 0 : 1;
  }
} finally {
  await browser.close();
  game.server.close();
  bareHost.server.close();
  rmSync(bare, {recursive: true, force: true});
}
process.exit(status);
