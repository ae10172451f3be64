// Lighthouse's audit of the built site, served as a static host serves it on 127.0.0.1, in Debian's
// Chromium, headless, under Lighthouse's mobile emulation (a slow phone on a slow network):
//
//   node bench/web/lighthouse.mjs SITE [REPORT.json]
//
// Prints the score of each category beside the goal of 100, and every audit that falls short of
// a full score with its title and what Lighthouse found. REPORT.json, if given, receives the whole
// report.
import {writeFileSync} from 'node:fs';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import {serveSite} from '../../tests/e2e/web/site.mjs';

const [site, report] = process.argv.slice(2);
if (!site) {
  console.error('usage: node bench/web/lighthouse.mjs SITE [REPORT.json]');
  process.exit(2);
}
const categories = ['performance', 'accessibility', 'best-practices', 'seo'];

const host = await serveSite(site, {compress: true});
const chrome = await chromeLauncher.launch({
  chromePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  chromeFlags: [
    '--headless=new',
    '--no-sandbox',
    '--no-first-run',
    '--disable-background-networking',
  ],
});
let status = 0;
try {
  const result = await lighthouse(`${host.origin}/`, {
    port: chrome.port,
    output: 'json',
    logLevel: 'error',
    onlyCategories: categories,
  });
  const {lhr} = result;
  if (report) {
    writeFileSync(report, result.report);
  }
  console.log(`Lighthouse ${lhr.lighthouseVersion}, ${lhr.configSettings.formFactor} emulation:`);
  for (const name of categories) {
    const category = lhr.categories[name];
    const score = category.score === null ? 'no score' : Math.round(category.score * 100);
    console.log(`  ${category.title.padEnd(16)} ${String(score).padStart(8)}  goal: 100`);
    for (const {id} of category.auditRefs) {
      const audit = lhr.audits[id];
      if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode !== 'informative') {
        console.log(
          `    short: ${id} (${audit.title})${audit.displayValue ? `: ${audit.displayValue}` : ''}`,
        );
      }
    }
  }
  for (const metric of [
    'first-contentful-paint',
    'largest-contentful-paint',
    'total-blocking-time',
    'cumulative-layout-shift',
    'speed-index',
  ]) {
    console.log(`  ${lhr.audits[metric].title}: ${lhr.audits[metric].displayValue}`);
  }
  if (lhr.runtimeError) {
    console.log(`  runtime error: ${lhr.runtimeError.code} ${lhr.runtimeError.message}`);
    status = 1;
  }
} finally {
  await chrome.kill();
  host.server.close();
}
process.exit(status);
