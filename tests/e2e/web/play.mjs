// What the browser test's cases share: a page of the site opened at a viewport, with the game's
// geometry as the page laid it out; the board and the colours read from the canvas's device
// pixels; the mouse, a finger and the keys moved on it; the tunes it started, the words it told a
// screen reader and the accessibility tree Chromium gives one; axe-core's rules run on it.
//
// A page is opened for a site: {browser, origin, pages, problems, colours, minPanelWidth, tunes},
// the browser and the server the cases share, the pages the running case has opened (closed after
// it), what the pages logged or loaded that a player's page must not show, the frame's colours,
// the narrowest panel, and each sound kind's tune as {waveform, frequency} of its first note; the
// site keeps the next page's tab too, opened in the background (spare).
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {PNG} from 'pngjs';

// Every wait for the page is bounded by this many milliseconds.
export const wait = 5000;

export class Failure extends Error {}
export function check(condition, message) {
  if (!condition) {
    throw new Failure(message);
  }
}
export const same = (a, b) => a.length === b.length && a.every((value, i) => value === b[i]);

// A square of a move written "row col - row col", at its start or its end.
export const square = (move, end) => {
  const [from, to] = move.split('-');
  const at = end === 'to' ? to : from;
  return {row: Number(at[0]), col: Number(at[1])};
};
// A square's name as a player reads it: c3 for row 5, column 2.
export const squareName = ({row, col}) => `${'abcdefgh'[col]}${8 - row}`;

// --- Scripts run in the page before any of its own ----------------------------------------------

// Records every oscillator the page starts.
export function recordTunes() {
  window.kordavelmixNotes = [];
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function () {
    window.kordavelmixNotes.push({
      waveform: this.type,
      frequency: this.frequency.value,
    });
    return start.apply(this, arguments);
  };
}

// A violation of the page's security policy, reported as a console error.
export function reportPolicyViolations() {
  document.addEventListener('securitypolicyviolation', (event) =>
    console.error(`security policy violation: ${event.violatedDirective} ${event.blockedURI}`),
  );
}

// Logs, in order, every text the live region takes and every dialog that opens.
export function recordAnnouncements() {
  window.kordavelmixTold = [];
  document.addEventListener('DOMContentLoaded', () => {
    new MutationObserver((changes) => {
      for (const change of changes) {
        const target = change.target;
        if (change.type === 'childList' && target.id === 'turn') {
          window.kordavelmixTold.push(`words ${target.textContent}`);
        } else if (change.type === 'attributes' && target.open) {
          window.kordavelmixTold.push(`box ${target.querySelector('h2').textContent}`);
        }
      }
    }).observe(document.body, {subtree: true, childList: true, attributeFilter: ['open']});
  });
}

// --- A page of the site -------------------------------------------------------------------------

// Everything the page logs or loads that a player's page must not show, kept in problems.
function watch(page, origin, name, problems) {
  page.on('console', (message) => {
    if (message.type() === 'error') {
      problems.push(`${name}: console error: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`${name}: page error: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`${name}: failed request ${request.url()}`));
  page.on('request', (request) => {
    if (!request.url().startsWith(`${origin}/`)) {
      problems.push(`${name}: request to another origin: ${request.url()}`);
    }
  });
  page.on('response', (response) => {
    if (response.status() >= 400) {
      problems.push(`${name}: ${response.status()} for ${response.url()}`);
    }
  });
}

// One page of the site at a viewport, loaded afresh in a tab of its own, with the game's geometry
// as the page laid it out. The scripts run before the page's own; origin is the site's unless
// given.
export async function openPage(
  site,
  name,
  viewport,
  {origin = site.origin, scripts = [recordTunes, reportPolicyViolations]} = {},
) {
  const page = await freshTab(site);
  site.pages.push(page);
  page.setDefaultTimeout(wait);
  watch(page, origin, name, site.problems);
  for (const script of scripts) {
    await page.evaluateOnNewDocument(script);
  }
  await page.setViewport(viewport);
  await page.goto(`${origin}/`, {waitUntil: 'load'});
  return layOut(site, page, name, viewport);
}

// A tab that has shown nothing yet, brought to the front, where the browser paints. Opening one
// takes a good part of a second on a busy machine, so the next is opened in the background while
// this one plays: site.spare.
async function freshTab(site) {
  const page = await (site.spare ?? site.browser.newPage());
  site.spare = site.browser.newPage({background: true});
  // A failure to open it is the next page's, which awaits it.
  site.spare.catch(() => {});
  await page.bringToFront();
  return page;
}

// The game on a page that has just loaded, with its geometry as the page laid it out.
export async function layOut(site, page, name, viewport) {
  await waitForGame(page, viewport.width);
  const game = {site, page, name, ratio: viewport.deviceScaleFactor ?? 1};
  await settle(game);
  Object.assign(
    game,
    await page.evaluate(() => {
      const canvas = document.getElementById('board');
      const rect = canvas.getBoundingClientRect();
      return {
        left: rect.left,
        top: rect.top,
        cssWidth: rect.width,
        cssHeight: rect.height,
        pixelWidth: canvas.width,
        pixelHeight: canvas.height,
        menuHeight: document.getElementById('menubar').getBoundingClientRect().height,
        innerWidth: window.innerWidth,
        innerHeight: window.innerHeight,
      };
    }),
  );
  // The game's client area: as high as the space under the menu bar, and at least that height
  // plus the narrowest panel wide; the canvas shows it scaled to the page's width. Where the space
  // is taller than wide, the board is as wide as the space, in whole cells scaled up to its width,
  // and the panel lies below it.
  const space = game.innerHeight - game.menuHeight;
  game.upright = space > game.innerWidth;
  if (game.upright) {
    game.cell = Math.floor(game.innerWidth / 8);
    game.width = 8 * game.cell;
    game.scale = game.innerWidth / game.width;
    game.height = Math.floor(space / game.scale);
  } else {
    game.height = space;
    game.width = Math.max(game.innerWidth, game.height + site.minPanelWidth);
    game.scale = game.innerWidth / game.width;
    game.cell = Math.floor(game.height / 8);
  }
  return game;
}

// Waits until the game has started and laid its canvas out across the page's width: until then the
// canvas has a browser's default size. The viewport may reach the page only after its first
// layout; the canvas then follows it.
export async function waitForGame(page, width) {
  await page.waitForFunction(
    (wanted) =>
      window.innerWidth === wanted &&
      Math.abs(document.getElementById('board').getBoundingClientRect().width - wanted) < 1,
    {},
    width,
  );
}

// Lets the page handle what is pending and paint its next frame.
export async function settle(game) {
  await game.page.evaluate(
    () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))),
  );
}

// --- What the canvas shows ----------------------------------------------------------------------

// CSS pixels of the page for a point of the game's client area.
function pagePoint(game, x, y) {
  return {x: game.left + x * game.scale, y: game.top + y * game.scale};
}
export function squareCentre(game, {row, col}) {
  const half = Math.floor(game.cell / 2);
  return pagePoint(game, col * game.cell + half, row * game.cell + half);
}

// The colours of the canvas at points of the game's client area, read from its device pixels.
export async function pixels(game, points) {
  const k = game.scale * game.ratio;
  return game.page.evaluate(
    (devicePoints) => {
      const context = document.getElementById('board').getContext('2d');
      return devicePoints.map(([x, y]) => [...context.getImageData(x, y, 1, 1).data.slice(0, 3)]);
    },
    points.map(([x, y]) => [Math.floor(x * k), Math.floor(y * k)]),
  );
}

// How many device pixels of a rectangle of the client area have exactly the colour.
export async function countColour(game, [x, y, width, height], rgb) {
  const k = game.scale * game.ratio;
  return game.page.evaluate(
    (rect, wanted) => {
      const data = document
        .getElementById('board')
        .getContext('2d')
        .getImageData(...rect).data;
      let count = 0;
      for (let i = 0; i < data.length; i += 4) {
        count += data[i] === wanted[0] && data[i + 1] === wanted[1] && data[i + 2] === wanted[2];
      }
      return count;
    },
    [x, y, width, height].map((v) => Math.floor(v * k)),
    rgb,
  );
}

// The board as eight strings of '.' (empty dark square), 'w' (a white piece) and 'b' (a black
// piece), read a quarter cell right of each square's centre, clear of the computer's path, which
// joins the centres diagonally; light squares show as '-' when they are.
export async function readBoard(game) {
  const {colours} = game.site;
  await settle(game);
  const half = Math.floor(game.cell / 2);
  const aside = Math.floor(game.cell / 4);
  const points = [];
  for (let row = 0; row < 8; row++) {
    for (let col = 0; col < 8; col++) {
      points.push([col * game.cell + half + aside, row * game.cell + half]);
    }
  }
  const found = await pixels(game, points);
  const rows = [];
  for (let row = 0; row < 8; row++) {
    let text = '';
    for (let col = 0; col < 8; col++) {
      const rgb = found[row * 8 + col];
      if ((row + col) % 2 === 0) {
        text += same(rgb, colours.White) ? '-' : '?';
      } else if (same(rgb, colours.Dark)) {
        text += '.';
      } else {
        text += rgb[0] + rgb[1] + rgb[2] < 330 ? 'b' : 'w';
      }
    }
    rows.push(text);
  }
  return rows;
}
export const pieceAt = (board, {row, col}) => board[row][col];

// How many pixels of a screenshot of the page are the page's default white.
export async function whitePixels(page) {
  const {data} = PNG.sync.read(Buffer.from(await page.screenshot({optimizeForSpeed: true})));
  let count = 0;
  for (let i = 0; i < data.length; i += 4) {
    count += data[i] === 255 && data[i + 1] === 255 && data[i + 2] === 255;
  }
  return count;
}

// The bands of rows of the canvas below the board where the panel's text shows, top to bottom, as
// {colour, top, bottom} in the game's pixels: a band is a run of rows holding the heading's green
// or the count lines' blue.
export async function panelBands(game) {
  const {colours} = game.site;
  const k = game.scale * game.ratio;
  const bands = await game.page.evaluate(
    (top, wanted) => {
      const canvas = document.getElementById('board');
      const {data, width, height} = canvas
        .getContext('2d')
        .getImageData(0, top, canvas.width, canvas.height - top);
      const colours = Object.entries(wanted);
      const found = [];
      for (let y = 0; y < height; y++) {
        let colour = null;
        for (let x = 0; x < width && colour === null; x++) {
          const at = 4 * (y * width + x);
          for (const [name, rgb] of colours) {
            if (data[at] === rgb[0] && data[at + 1] === rgb[1] && data[at + 2] === rgb[2]) {
              colour = name;
            }
          }
        }
        const last = found[found.length - 1];
        if (colour !== null && last?.colour === colour && last.bottom >= top + y - 2) {
          last.bottom = top + y;
        } else if (colour !== null) {
          found.push({colour, top: top + y, bottom: top + y});
        }
      }
      return found;
    },
    Math.ceil(8 * game.cell * k),
    {heading: colours.Heading, count: colours.Count},
  );
  return bands.map((band) => ({...band, top: band.top / k, bottom: band.bottom / k}));
}

// --- The sounds ---------------------------------------------------------------------------------

// The sound kinds whose tunes the page started since the last call, in order: a tune's first note
// is told by its waveform and pitch, which no later note of any tune shares.
export async function heardSounds(game) {
  const {tunes} = game.site;
  const notes = await game.page.evaluate(() => window.kordavelmixNotes.splice(0));
  const kinds = [];
  for (const note of notes) {
    const kind = Object.keys(tunes).find(
      (name) =>
        tunes[name].waveform === note.waveform &&
        Math.abs(tunes[name].frequency - note.frequency) < 0.5,
    );
    if (kind) {
      kinds.push(kind);
    }
  }
  return kinds;
}

export async function expectSounds(game, wanted, what) {
  const heard = await heardSounds(game);
  check(same(heard, wanted), `${what}: heard [${heard}], expected [${wanted}]`);
}

// --- The mouse and a finger ---------------------------------------------------------------------

// Drags with the mouse from one point of the page to another in steps, as a hand does.
export async function drag(game, from, to, whileHeld) {
  const {mouse} = game.page;
  await mouse.move(from.x, from.y);
  await mouse.down();
  await mouse.move((from.x + to.x) / 2, (from.y + to.y) / 2, {steps: 4});
  if (whileHeld) {
    await whileHeld((from.x + to.x) / 2, (from.y + to.y) / 2);
  }
  await mouse.move(to.x, to.y, {steps: 4});
  await mouse.up();
  await settle(game);
}

export async function play(game, move) {
  await drag(
    game,
    squareCentre(game, square(move, 'from')),
    squareCentre(game, square(move, 'to')),
  );
}

// Drags with a finger from one point of the page to another in steps; whileHeld runs with the
// finger down, before it moves on to the end, and may change the page's layout and give the end
// again in it.
export async function fingerDrag(game, from, to, whileHeld) {
  const {touchscreen} = game.page;
  await touchscreen.touchStart(from.x, from.y);
  await touchscreen.touchMove(from.x + 4, from.y - 4);
  let end = to;
  if (whileHeld) {
    end = await whileHeld();
  }
  for (let i = 1; i <= 6; i++) {
    await touchscreen.touchMove(
      from.x + ((end.x - from.x) * i) / 6,
      from.y + ((end.y - from.y) * i) / 6,
    );
  }
  await touchscreen.touchEnd();
  await settle(game);
}

// --- The page's dialogs and menus ---------------------------------------------------------------

// Waits until the dialog has closed and the game has finished the call that waited for it; until
// then the page passes on no input.
export async function closed(game, id) {
  await game.page.waitForSelector(`#${id}:not([open])`);
  await settle(game);
}

export async function dialogOpen(game, id) {
  return game.page.evaluate((which) => document.getElementById(which).open, id);
}

// The entries of the open menu, a separator as '---'.
export const menuItems = (page) =>
  page.$$eval('#menubar [role=menu]:not([hidden]) > li', (entries) =>
    entries.map((entry) =>
      entry.getAttribute('role') === 'separator' ? '---' : entry.textContent,
    ),
  );

// --- The keys and assistive technology ----------------------------------------------------------

const axeSource = readFileSync(
  createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8',
);

// axe-core's rules on the page as it stands. It is evaluated over the DevTools protocol, which the
// page's security policy does not govern; nothing is fetched.
export async function expectNoAxeViolations(page, when) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) {
    await page.evaluate(axeSource);
  }
  const violations = await page.evaluate(async () =>
    (await window.axe.run(document)).violations.map(
      (v) => `${v.id} (${v.nodes.map((node) => node.target.join(' ')).join(', ')})`,
    ),
  );
  check(violations.length === 0, `axe, ${when}: ${violations.join('; ')}`);
}

// What the live region and the dialogs told since the last call, as recordAnnouncements logs it.
export const told = (page) => page.evaluate(() => window.kordavelmixTold.splice(0));
// The name of the element that has the keyboard's focus, or its tag where it has none.
export const focusedName = (page) =>
  page.evaluate((el = document.activeElement) =>
    el.getAttribute('role') === 'gridcell' ? el.textContent : el.tagName,
  );
// The cell under the keyboard cursor, the board's one Tab stop.
export const cursorAt = (page) =>
  page.evaluate(() => {
    const at = [...document.querySelectorAll('#squares [role=gridcell]')].findIndex(
      (cell) => cell.tabIndex === 0,
    );
    return {row: Math.floor(at / 8), col: at % 8};
  });

export async function arrowsTo(game, to) {
  await settle(game);
  const from = await cursorAt(game.page);
  const vertical = to.row < from.row ? 'ArrowUp' : 'ArrowDown';
  const horizontal = to.col < from.col ? 'ArrowLeft' : 'ArrowRight';
  for (let i = 0; i < Math.abs(to.row - from.row); i++) {
    await game.page.keyboard.press(vertical);
  }
  for (let i = 0; i < Math.abs(to.col - from.col); i++) {
    await game.page.keyboard.press(horizontal);
  }
}

// A move with the keys: the cursor to the piece, Space picks it up, the cursor carries it, Enter
// drops it.
export async function keyMove(game, move) {
  await arrowsTo(game, square(move, 'from'));
  await game.page.keyboard.press('Space');
  await arrowsTo(game, square(move, 'to'));
  await game.page.keyboard.press('Enter');
  await settle(game);
}

// The grid as Chromium's accessibility tree gives it to a screen reader: its name, and each row's
// cells with their names and states.
export async function accessibleBoard(page) {
  const cdp = await page.createCDPSession();
  const {nodes} = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const grid = nodes.find((node) => node.role?.value === 'grid');
  const property = (node, name) =>
    node.properties?.find((p) => p.name === name)?.value.value ?? false;
  const rows = (grid?.childIds ?? [])
    .map((id) => byId.get(id))
    .filter((n) => n?.role?.value === 'row');
  const cells = rows.flatMap((row) => row.childIds.map((id) => byId.get(id)));
  const live = nodes.find((node) => node.role?.value === 'status');
  return {
    name: grid?.name?.value,
    cells: cells.map((cell) => ({
      role: cell.role?.value,
      name: cell.name?.value,
      focused: property(cell, 'focused'),
      selected: property(cell, 'selected'),
    })),
    live: live && [property(live, 'live'), property(live, 'atomic')],
  };
}

// Whether the keyboard cursor's frame is drawn on a square: its top-left corner, which no piece
// covers, in the frame's black.
export async function framed(game, at) {
  await settle(game);
  const [corner] = await pixels(game, [[at.col * game.cell + 1, at.row * game.cell + 1]]);
  return same(corner, [0, 0, 0]);
}
