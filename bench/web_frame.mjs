// The browser frame benchmark: one frame of the built site at a client area of 834 x 441, at device
// pixel ratios 1 and 2, in headless Chromium, beside a floor of the same size measured in the same
// page (the canvas filled, and one off-screen canvas of its size copied onto it):
//
//   node bench/web_frame.mjs SITE
//
// Every frame ends with a one-pixel read of the canvas, which makes the browser carry out the
// drawing it has queued, so a frame counts what a player waits for; the floor ends the same way.
// Each figure is the median of 15 rounds of 100 frames.
import {launchBrowser, serveSite} from '../tests/e2e/web/site.mjs';

const [site] = process.argv.slice(2);
const client = {width: 834, height: 441};
const goal = 1.0;

function measure(rounds, frames) {
  const canvas = document.getElementById('board');
  const context = canvas.getContext('2d');
  const median = (draw) => {
    const times = [];
    for (let round = 0; round < rounds; round++) {
      const start = performance.now();
      for (let i = 0; i < frames; i++) {
        draw(i);
        context.getImageData(0, 0, 1, 1);
      }
      times.push((performance.now() - start) / frames);
    }
    times.sort((a, b) => a - b);
    return times[Math.floor(rounds / 2)];
  };
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  copy.getContext('2d').drawImage(canvas, 0, 0);
  const floor = median(() => {
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = '#7f7f7f';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(copy, 0, 0);
  });
  const idle = median(() => _WebPaint());
  // A press on the player's man at row 5, column 0 picks it up; the pointer then moves to and fro.
  _WebPointerDown(27, 5 * 55 + 27);
  const drag = median((i) => {
    _WebPointerMove(100 + (i % 2) * 40, 200);
    _WebPaint();
  });
  return {size: [canvas.width, canvas.height], floor, idle, drag};
}

const {server, origin} = await serveSite(site);
const browser = await launchBrowser();
try {
  console.log(
    '| device pixel ratio | canvas pixels | frame, idle / during a drag | fill-and-copy floor | goal |',
  );
  console.log('|---|---|---|---|---|');
  for (const ratio of [1, 2]) {
    const page = await browser.newPage();
    await page.setViewport({...client, deviceScaleFactor: ratio});
    await page.goto(`${origin}/`, {waitUntil: 'load'});
    // The game has started once its canvas spans the page, which the browser's default size does
    // not.
    await page.waitForFunction(
      () => document.getElementById('board').getBoundingClientRect().width === window.innerWidth,
    );
    // The client area is the viewport less the menu bar above it.
    const menu = await page.$eval('#menubar', (bar) => bar.getBoundingClientRect().height);
    await page.setViewport({
      width: client.width,
      height: client.height + menu,
      deviceScaleFactor: ratio,
    });
    await page.waitForFunction(
      (height) => document.getElementById('board').getBoundingClientRect().height === height,
      {},
      client.height,
    );
    const result = await page.evaluate(measure, 15, 100);
    const ms = (value) => value.toFixed(3);
    console.log(
      `| ${ratio} | ${result.size.join(' x ')} | ${ms(result.idle)} / ${ms(result.drag)} ms | ${ms(result.floor)} ms | ${ratio === 1 ? `≤ ${goal} ms` : '—'} |`,
    );
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
