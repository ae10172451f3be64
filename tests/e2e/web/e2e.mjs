// Plays the built site end to end in Debian's Chromium, headless, with real input events, as a
// player would:
//
//   node e2e.mjs --site SITE --stage STAGE --source REPOSITORY [--artifacts DIR] [--screenshot FILE]
//                [--keyboard-screenshot KEYS] [--phone-screenshot PHONE]
//
// SITE is the built site (build-web/site), REPOSITORY the source tree, which gives the colours,
// the narrowest panel and the score's font checked (facts.mjs); the texts and the tunes checked
// are written here. DIR receives a screenshot of each page on a failure; FILE, if given, the
// README's screenshot after the first move, KEYS the one of a man carried with the keys, and PHONE
// the one of a phone held upright after the first move.
//
// On a desktop-sized page it checks the title, the canvas as the client area and the frame drawn
// on it; plays a scripted game with the mouse, whose moves step, capture and crown and whose
// computer replies are fixed by its rules, checking that the dragged piece follows the pointer,
// the computer's path is red until the next press, a release off the canvas is refused, the
// forced-capture box shows its text and keeps the board from any input, and every release plays
// the tunes of its sound kinds, read by wrapping the page's Web Audio calls; then the menu with
// the mouse and the keyboard, the About box's shortcuts, the new-game question and Exit. On a
// narrow page it checks the scaled client area by playing a move on it, on a wide one the panel's
// width, and on a phone held sideways a move dragged with a finger at a device pixel ratio of 2.
// From a fresh load it plays a whole game with the keyboard alone, as a player without a mouse or
// without sight does, reading the board from Chromium's accessibility tree and the turns from the
// live region, and has axe-core look for accessibility faults on the page at start, with the menu,
// the About box and a message box open. No console error, failed request or request to another origin is allowed. Every wait is
// bounded; the browser and the server are stopped on exit.
import {appendFileSync, cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import {parseArgs} from 'node:util';
import {inflateSync} from 'node:zlib';
import {launchBrowser, serveSite} from './site.mjs';
import {readFacts} from './facts.mjs';

const {values: options} = parseArgs({
  options: {
    site: {type: 'string'},
    stage: {type: 'string'},
    source: {type: 'string'},
    artifacts: {type: 'string'},
    screenshot: {type: 'string'},
    'keyboard-screenshot': {type: 'string'},
    'phone-screenshot': {type: 'string'},
  },
});
if (!options.site || !options.stage || !options.source) {
  console.error(
    'usage: node e2e.mjs --site SITE --stage STAGE --source REPOSITORY [--artifacts DIR] [--screenshot FILE] [--keyboard-screenshot KEYS] [--phone-screenshot PHONE]',
  );
  process.exit(2);
}
// The frame's colours, the narrowest panel and the score panel's font family, read from the source.
const {scoreFont, colours, minPanelWidth} = readFacts(options.source);
// The texts the page shows, as app/common/shell.h and game/turn.h give them; the page shows the
// menu's texts without the '&' that marks their accelerator there.
const texts = {
  title: 'Kordavelmix',
  menu: {
    game: 'Игра',
    newGame: 'Новая игра',
    exit: 'Выход',
    help: 'Справка',
    about: 'О программе...',
  },
  question: 'Вы хотите начать новую игру?',
  questionCaption: 'Новая игра',
  yes: 'Да',
  no: 'Нет',
  aboutCaption: 'О программе Kordavelmix',
  exited: 'Игра завершена.',
  playAgain: 'Играть снова',
  errorCaption: 'Ошибка',
  mustCapture: 'Неверный ход.\nВы должны бить шашку противника.',
};
// Each sound kind's tune as its waveform and first pitch, which tell the kinds apart, as
// app/web/web_frontend.cpp plays them.
const tunes = {
  Exclamation: {waveform: 'square', frequency: 392},
  Asterisk: {waveform: 'sine', frequency: 1175},
  Question: {waveform: 'triangle', frequency: 523},
  SimpleBeep: {waveform: 'sawtooth', frequency: 880},
};
const wait = 5000;
const started = Date.now();
// The whole run is bounded, whatever hangs.
const deadline = setTimeout(() => {
  console.error('e2e (web): no end after 110 s');
  process.exit(1);
}, 110000);

class Failure extends Error {}
function check(condition, message) {
  if (!condition) {
    throw new Failure(message);
  }
}
const same = (a, b) => a.length === b.length && a.every((value, i) => value === b[i]);

// The player's men of the scripted game, as "row col - row col" of the squares dragged between.
const opening = [
  ['54-43', ['Asterisk']],
  ['63-54', ['Asterisk']],
  // The computer answers by taking three men in one chain; then a capture is compulsory.
  ['43-34', ['Asterisk', 'SimpleBeep']],
];
const forcedQuietMove = '56-45';
const rest = [
  ['50-32', ['SimpleBeep']],
  ['32-10', ['SimpleBeep']],
  ['56-45', ['Asterisk']],
  ['10-01', ['Question']],
];
// The board of a new game, as readBoard reads it.
// prettier-ignore
const expectedStart = [
  '-b-b-b-b', 'b-b-b-b-', '-b-b-b-b', '.-.-.-.-',
  '-.-.-.-.', 'w-w-w-w-', '-w-w-w-w', 'w-w-w-w-',
];
const square = (move, end) => {
  const [from, to] = move.split('-');
  const at = end === 'to' ? to : from;
  return {row: Number(at[0]), col: Number(at[1])};
};

// Everything the page logs or loads that a player's page must not show.
const problems = [];
function watch(page, origin, name) {
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

// Records every oscillator the page starts, before any of its scripts runs.
function recordTunes() {
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
function reportPolicyViolations() {
  document.addEventListener('securitypolicyviolation', (event) =>
    console.error(`security policy violation: ${event.violatedDirective} ${event.blockedURI}`),
  );
}

// One page of the site at a viewport, in the browser or one of its contexts, with its geometry as
// the page laid it out.
async function openPage(browser, origin, name, viewport) {
  const page = await browser.newPage();
  page.setDefaultTimeout(wait);
  watch(page, origin, name);
  await page.evaluateOnNewDocument(recordTunes);
  await page.evaluateOnNewDocument(reportPolicyViolations);
  await page.setViewport(viewport);
  await page.goto(`${origin}/`, {waitUntil: 'load'});
  return layOut(page, name, viewport);
}

// The game on a page that has just loaded, with its geometry as the page laid it out.
async function layOut(page, name, viewport) {
  await waitForGame(page, viewport.width);
  const game = {page, name, ratio: viewport.deviceScaleFactor ?? 1};
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
    game.width = Math.max(game.innerWidth, game.height + minPanelWidth);
    game.scale = game.innerWidth / game.width;
    game.cell = Math.floor(game.height / 8);
  }
  return game;
}

// Waits until the game has started and laid its canvas out across the page's width: until then the
// canvas has a browser's default size. The viewport may reach the page only after its first
// layout; the canvas then follows it.
async function waitForGame(page, width) {
  await page.waitForFunction(
    (wanted) =>
      window.innerWidth === wanted &&
      Math.abs(document.getElementById('board').getBoundingClientRect().width - wanted) < 1,
    {},
    width,
  );
}

// Lets the page handle what is pending and paint its next frame.
async function settle(game) {
  await game.page.evaluate(
    () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))),
  );
}

// CSS pixels of the page for a point of the game's client area.
function pagePoint(game, x, y) {
  return {x: game.left + x * game.scale, y: game.top + y * game.scale};
}
function squareCentre(game, {row, col}) {
  const half = Math.floor(game.cell / 2);
  return pagePoint(game, col * game.cell + half, row * game.cell + half);
}

// The colours of the canvas at points of the game's client area, read from its device pixels.
async function pixels(game, points) {
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
async function countColour(game, [x, y, width, height], rgb) {
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
async function readBoard(game) {
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
const pieceAt = (board, {row, col}) => board[row][col];

// The sound kinds whose tunes the page started since the last call, in order: a tune's first note
// is told by its waveform and pitch, which no later note of any tune shares.
async function heardSounds(game) {
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

async function expectSounds(game, wanted, what) {
  const heard = await heardSounds(game);
  check(same(heard, wanted), `${what}: heard [${heard}], expected [${wanted}]`);
}

// Drags with the mouse from one point of the page to another in steps, as a hand does.
async function drag(game, from, to, whileHeld) {
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

async function play(game, move) {
  await drag(
    game,
    squareCentre(game, square(move, 'from')),
    squareCentre(game, square(move, 'to')),
  );
}

// Waits until the dialog has closed and the game has finished the call that waited for it; until
// then the page passes on no input.
async function closed(game, id) {
  await game.page.waitForSelector(`#${id}:not([open])`);
  await settle(game);
}

async function dialogOpen(game, id) {
  return game.page.evaluate((which) => document.getElementById(which).open, id);
}

// --- The desktop-sized page ---------------------------------------------------------------------

async function desktopPage(browser, origin) {
  // The Linux program's client area: 850 x 481 under its menu bar.
  const game = await openPage(browser, origin, 'desktop', {width: 850, height: 504});
  const {page} = game;
  check((await page.title()) === texts.title, `the title is "${await page.title()}"`);
  check((await page.$eval('html', (html) => html.lang)) === 'ru', 'the page is not in Russian');

  check(
    game.left === 0 && game.top === game.menuHeight,
    'the canvas is not right under the menu bar',
  );
  check(
    game.cssWidth === game.innerWidth && game.cssHeight === game.height && game.scale === 1,
    `the canvas is ${game.cssWidth} x ${game.cssHeight}, not the client area`,
  );
  check(game.pixelWidth === game.innerWidth, 'the canvas does not have one pixel per CSS pixel');

  const initial = await readBoard(game);
  check(same(initial, expectedStart), `the first frame's board is\n${initial.join('\n')}`);
  // The board as high as the client area: its last row of squares ends in the canvas's last rows.
  const [bottomLeft, panel] = await pixels(game, [
    [1, 8 * game.cell - 2],
    [game.height + 20, game.height - 2],
  ]);
  check(
    !same(bottomLeft, colours.Panel) && same(panel, colours.Panel),
    'the board is not as high as the client area or the panel is not grey',
  );
  // The panel's text is drawn in the face the site ships, which had loaded before the first frame.
  const faces = await page.evaluate(() =>
    [...document.fonts].filter((face) => face.status === 'loaded').map((face) => face.family),
  );
  check(
    faces.some((family) => family.includes(scoreFont)),
    `the loaded faces are ${faces}`,
  );
  const side = 8 * game.cell;
  check(
    (await countColour(game, [side + 30, 10, 300, 60], colours.Heading)) > 200,
    'no green heading in the panel',
  );
  check(
    (await countColour(game, [side + 5, 70, 300, 100], colours.Count)) > 400,
    'no blue count lines in the panel',
  );

  // The first move: the piece follows the pointer, its square shows empty, and the computer
  // answers with its path in red.
  const [first, firstSounds] = opening[0];
  await drag(
    game,
    squareCentre(game, square(first, 'from')),
    squareCentre(game, square(first, 'to')),
    async (x, y) => {
      await settle(game);
      const held = await readBoard(game);
      check(pieceAt(held, square(first, 'from')) === '.', 'the dragged piece stays on its square');
      const [under] = await pixels(game, [[x - game.left, y - game.top]]);
      check(
        !same(under, colours.White) && !same(under, colours.Dark),
        'no piece under the pointer during the drag',
      );
    },
  );
  let board = await readBoard(game);
  check(
    pieceAt(board, square(first, 'to')) === 'w' && pieceAt(board, square(first, 'from')) === '.',
    `the first move did not land:\n${board.join('\n')}`,
  );
  check(board.slice(0, 4).join() !== initial.slice(0, 4).join(), 'the computer did not answer');
  check(
    (await countColour(game, [0, 0, side, side], colours.Path)) > 100,
    'no red path of the computer',
  );
  await expectSounds(game, firstSounds, 'a step');
  if (options.screenshot) {
    await page.screenshot({path: options.screenshot});
  }

  // A press on one of the player's pieces hides the path; let go on the same square, the drop is
  // refused.
  const landed = squareCentre(game, square(first, 'to'));
  await page.mouse.move(landed.x, landed.y);
  await page.mouse.down();
  await settle(game);
  check(
    (await countColour(game, [0, 0, side, side], colours.Path)) === 0,
    'the path stays after a press',
  );
  await page.mouse.up();
  await settle(game);
  await expectSounds(game, ['Exclamation'], 'a drop on the same square');

  // A release off the canvas, on the menu bar, is refused and leaves the board as it was.
  board = await readBoard(game);
  await drag(game, squareCentre(game, {row: 5, col: 6}), {x: 300, y: game.menuHeight / 2});
  check(same(await readBoard(game), board), 'a release off the canvas changed the board');
  await expectSounds(game, ['Exclamation'], 'a release off the canvas');

  for (const [move, sounds] of opening.slice(1)) {
    await play(game, move);
    await expectSounds(game, sounds, `the move ${move}`);
  }

  // A quiet move while a capture is compulsory: the box, with no input reaching the board while
  // it is open.
  board = await readBoard(game);
  await play(game, forcedQuietMove);
  await page.waitForSelector('#box[open]');
  const [caption, text] = await page.$eval('#box', (box) => [
    box.querySelector('h2').textContent,
    box.querySelector('p').textContent,
  ]);
  check(
    caption === texts.errorCaption && text === texts.mustCapture,
    `the box says "${caption}": "${text}"`,
  );
  await expectSounds(game, [], 'the forced-capture box');
  // The page still repaints while the turn waits for the box: a size change is drawn at once.
  await page.setViewport({width: 900, height: 504});
  await settle(game);
  const [widened] = await pixels(game, [[880, game.height - 2]]);
  check(same(widened, colours.Panel), 'a size change while the box was open was not painted');
  await page.setViewport({width: 850, height: 504});
  const capture = rest[0][0];
  await drag(
    game,
    squareCentre(game, square(capture, 'from')),
    squareCentre(game, square(capture, 'to')),
  );
  check(await dialogOpen(game, 'box'), 'the box closed under a drag on the board');
  await page.click('#box .buttons button');
  await closed(game, 'box');
  check(same(await readBoard(game), board), 'the board changed while the box was open');
  await expectSounds(game, [], 'a drag while the box was open');

  for (const [move, sounds] of rest) {
    await play(game, move);
    const heard = await heardSounds(game);
    check(
      heard[0] === sounds[0],
      `the move ${move}: heard [${heard}], expected ${sounds[0]} first`,
    );
  }
  await menus(game, expectedStart);
  await page.close();
}

// The menu with the mouse and the keyboard, the About box's shortcuts, the new-game question and
// Exit, on a game in progress.
async function menus(game, expectedStart) {
  const {page} = game;
  const items = () =>
    page.$$eval('#menubar [role=menu]:not([hidden]) > li', (entries) =>
      entries.map((entry) =>
        entry.getAttribute('role') === 'separator' ? '---' : entry.textContent,
      ),
    );
  const titles = await page.$$eval('#menubar > li > [role=menuitem]', (all) =>
    all.map((t) => t.textContent),
  );
  check(same(titles, [texts.menu.game, texts.menu.help]), `the menu bar shows ${titles}`);

  const openQuestion = async () => {
    await page.waitForSelector('#box[open]');
    const shown = await page.$eval('#box', (box) => [
      box.querySelector('h2').textContent,
      box.querySelector('p').textContent,
      ...[...box.querySelectorAll('.buttons button')].map((b) => b.textContent),
    ]);
    check(
      same(shown, [texts.questionCaption, texts.question, texts.yes, texts.no]),
      `the new-game question shows ${shown}`,
    );
  };

  // With the mouse: Игра, Новая игра, Нет keeps the position.
  const before = await readBoard(game);
  await page.click('#menu-0');
  const gameItems = await items();
  check(
    same(gameItems, [texts.menu.newGame, '---', texts.menu.exit]),
    `the game menu shows ${gameItems}`,
  );
  await page.click(`#menubar [role=menu]:not([hidden]) button`);
  await openQuestion();
  await page.click('#box .buttons button[value="0"]');
  await closed(game, 'box');
  check(same(await readBoard(game), before), 'No to the new-game question changed the board');

  // With the keyboard: F10 to the menu bar, the arrows to Справка and back, Enter on Новая игра,
  // Enter again answers Да, which sets up a new game.
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  check(same(await items(), [texts.menu.about]), 'the arrows do not open the help menu');
  await page.keyboard.press('ArrowLeft');
  check(
    same(await items(), [texts.menu.newGame, '---', texts.menu.exit]),
    'the left arrow does not go back to the game menu',
  );
  await page.keyboard.press('Enter');
  await openQuestion();
  await page.keyboard.press('Enter');
  await closed(game, 'box');
  check(
    same(await readBoard(game), expectedStart),
    'Yes to the new-game question did not set up a new game',
  );
  const red = await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path);
  check(red > 0, "a new game hid the computer's last path before the next press");

  // The About box: from the menu by keyboard, closed by Esc; by Alt+/ and Alt+?, closed by Enter,
  // Esc and its close box.
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#about[open]');
  check(
    (await page.$eval('#about h2', (h) => h.textContent)) === texts.aboutCaption,
    'the About box has the wrong caption',
  );
  await page.keyboard.press('Escape');
  await closed(game, 'about');
  for (const [key, close] of [
    ['/', () => page.keyboard.press('Enter')],
    ['?', () => page.keyboard.press('Escape')],
    ['/', () => page.click('#about .close')],
  ]) {
    await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    await page.keyboard.up('Alt');
    await page.waitForSelector('#about[open]');
    await close();
    await closed(game, 'about');
  }

  // Exit: the tab stays, shows that the game has ended, and starts the game again at one click.
  await play(game, opening[0][0]);
  await page.click('#menu-0');
  await page.click('#menubar [role=menu]:not([hidden]) li:last-child button');
  await page.waitForSelector('#ended:not([hidden])');
  const ended = await page.$eval('#ended', (e) => [
    e.querySelector('p').textContent,
    e.querySelector('button').textContent,
  ]);
  check(same(ended, [texts.exited, texts.playAgain]), `after Exit the page shows ${ended}`);
  check(await page.$eval('#client', (c) => c.hidden), 'after Exit the board is still shown');
  await Promise.all([page.waitForNavigation({waitUntil: 'load'}), page.click('#ended button')]);
  await waitForGame(page, game.innerWidth);
  const again = await readBoard(game);
  check(same(again, expectedStart), `starting again after Exit shows\n${again.join('\n')}`);
  check(
    (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) === 0,
    "starting again after Exit shows the last game's path",
  );
}

// --- Other viewports --------------------------------------------------------------------------

// A page too narrow for the board and the narrowest panel: the client area scaled to fit, with no
// scrolling, and a move played on it.
async function narrowPage(browser, origin) {
  const game = await openPage(browser, origin, 'narrow', {width: 600, height: 500});
  check(game.scale < 1, 'the narrow page is not scaled');
  check(
    Math.abs(game.cssWidth - game.innerWidth) < 1 &&
      Math.abs(game.cssHeight - game.height * game.scale) < 1,
    `the narrow page's canvas is ${game.cssWidth} x ${game.cssHeight}`,
  );
  const scroll = await game.page.evaluate(() => [
    document.documentElement.scrollWidth - window.innerWidth,
    document.documentElement.scrollHeight - window.innerHeight,
  ]);
  check(scroll[0] <= 0 && scroll[1] <= 0, 'the narrow page scrolls');
  const board = await readBoard(game);
  check(
    board.every((row) => !row.includes('?')),
    `the scaled board is\n${board.join('\n')}`,
  );
  await play(game, opening[0][0]);
  const after = await readBoard(game);
  check(
    pieceAt(after, square(opening[0][0], 'to')) === 'w',
    'a move on the scaled board did not land',
  );
  await game.page.close();
}

// Wide pages: the board as high as the client area, the panel taking all the rest, its heading
// where the desktop's window draws it.
async function widePage(browser, origin) {
  for (const viewport of [
    {width: 1600, height: 600},
    {width: 1280, height: 800},
  ]) {
    const game = await openPage(browser, origin, `wide ${viewport.width}`, viewport);
    check(
      !game.upright &&
        game.scale === 1 &&
        game.cssWidth === viewport.width &&
        game.cssHeight === game.height,
      `the ${viewport.width} x ${viewport.height} page's canvas is ${game.cssWidth} x ${game.cssHeight} under a menu bar ${game.menuHeight} high`,
    );
    const side = 8 * game.cell;
    const [bottomLeft, panelEnd] = await pixels(game, [
      [1, side - 2],
      [viewport.width - 1, game.height - 1],
    ]);
    check(
      same(bottomLeft, colours.Dark) && same(panelEnd, colours.Panel),
      `the ${viewport.width} x ${viewport.height} page's board or panel is out of place`,
    );
    check(
      (await countColour(game, [side + 30, 10, 300, 60], colours.Heading)) > 200,
      `the ${viewport.width} x ${viewport.height} page's heading is out of place`,
    );
    check((await whitePixels(game.page)) === 0, `the ${viewport.width} page shows white`);
    await game.page.close();
  }
}

// How many pixels of a screenshot of the page are the page's default white.
async function whitePixels(page) {
  const {data, channels} = decodePng(await page.screenshot({optimizeForSpeed: true}));
  let count = 0;
  for (let i = 0; i < data.length; i += channels) {
    count += data[i] === 255 && data[i + 1] === 255 && data[i + 2] === 255;
  }
  return count;
}

// The samples of a PNG as the browser's screenshots are made: eight bits a sample, RGB or RGBA,
// not interlaced; each row of the image data is unfiltered as the PNG specification tells
// (section 9, "Filtering").
function decodePng(png) {
  const bytes = Buffer.from(png.buffer, png.byteOffset, png.byteLength);
  const parts = [];
  let header = null;
  for (let at = 8; at < bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      header = {
        width: body.readUInt32BE(0),
        height: body.readUInt32BE(4),
        depth: body[8],
        colourType: body[9],
        interlace: body[12],
      };
    } else if (type === 'IDAT') {
      parts.push(body);
    }
    at += 12 + length;
  }
  const channels = {2: 3, 6: 4}[header?.colourType];
  check(
    header && header.depth === 8 && channels && header.interlace === 0,
    `a screenshot's PNG is not 8-bit RGB or RGBA: ${JSON.stringify(header)}`,
  );
  const {width, height} = header;
  const filtered = inflateSync(Buffer.concat(parts));
  const stride = width * channels;
  const data = new Uint8Array(stride * height);
  const none = new Uint8Array(stride);
  for (let y = 0; y < height; y++) {
    const filter = filtered[y * (stride + 1)];
    const raw = filtered.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const row = data.subarray(y * stride, (y + 1) * stride);
    const up = y > 0 ? data.subarray((y - 1) * stride, y * stride) : none;
    // Each sample is its byte plus a prediction from the sample to its left (a), the one above
    // (b) and the one above that (c); the typed array keeps the sum modulo 256.
    if (filter === 0) {
      row.set(raw);
    } else if (filter === 1) {
      for (let x = 0; x < stride; x++) {
        row[x] = raw[x] + (x < channels ? 0 : row[x - channels]);
      }
    } else if (filter === 2) {
      for (let x = 0; x < stride; x++) {
        row[x] = raw[x] + up[x];
      }
    } else if (filter === 3) {
      for (let x = 0; x < stride; x++) {
        row[x] = raw[x] + (((x < channels ? 0 : row[x - channels]) + up[x]) >> 1);
      }
    } else {
      check(filter === 4, `a screenshot's PNG has a row of filter ${filter}`);
      for (let x = 0; x < stride; x++) {
        const a = x < channels ? 0 : row[x - channels];
        const b = up[x];
        const c = x < channels ? 0 : up[x - channels];
        const pa = Math.abs(b - c);
        const pb = Math.abs(a - c);
        const pc = Math.abs(a + b - 2 * c);
        row[x] = raw[x] + (pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
      }
    }
  }
  return {width, height, channels, data};
}

// The bands of rows of the canvas below the board where the panel's text shows, top to bottom, as
// {colour, top, bottom} in the game's pixels: a band is a run of rows holding the heading's green
// or the count lines' blue.
async function panelBands(game) {
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

// Drags with a finger from one point of the page to another in steps; whileHeld runs with the
// finger down, before it moves on to the end, and may change the page's layout and give the end
// again in it.
async function fingerDrag(game, from, to, whileHeld) {
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

// Phones and a tablet held upright: the board as wide as the screen with squares a finger can hit,
// the panel's lines below it, nothing white, and a move dragged with a finger.
async function uprightPages(browser, origin) {
  for (const viewport of [
    {width: 360, height: 780, deviceScaleFactor: 3},
    {width: 390, height: 844, deviceScaleFactor: 3},
    {width: 768, height: 1024, deviceScaleFactor: 2},
  ]) {
    const size = `${viewport.width} x ${viewport.height}`;
    const game = await openPage(browser, origin, `upright ${size}`, {
      ...viewport,
      isMobile: true,
      hasTouch: true,
    });
    const boardWidth = 8 * game.cell * game.scale;
    check(
      game.upright && Math.abs(boardWidth - viewport.width) <= 1 && game.cell * game.scale >= 44,
      `upright at ${size}, the board is ${boardWidth} wide in squares of ${game.cell * game.scale}`,
    );
    const menuItem = await game.page.$eval('#menubar button', (b) => ({
      height: b.getBoundingClientRect().height,
    }));
    check(
      menuItem.height >= 44,
      `upright at ${size}, the menu's items are ${menuItem.height} high`,
    );
    const board = await readBoard(game);
    check(same(board, expectedStart), `upright at ${size}, the board is\n${board.join('\n')}`);
    const bands = await panelBands(game);
    const visible = (viewport.height - game.top) / game.scale;
    check(
      same(
        bands.map((band) => band.colour),
        ['heading', 'count', 'count'],
      ) &&
        bands[0].top > 8 * game.cell &&
        bands.every((band, i) => i === 0 || band.top > bands[i - 1].bottom) &&
        bands[2].bottom < visible,
      `upright at ${size}, the panel's lines are ${JSON.stringify(bands)}`,
    );
    check((await whitePixels(game.page)) === 0, `upright at ${size}, the screen shows white`);

    const move = opening[0][0];
    await fingerDrag(
      game,
      squareCentre(game, square(move, 'from')),
      squareCentre(game, square(move, 'to')),
    );
    const after = await readBoard(game);
    check(
      pieceAt(after, square(move, 'to')) === 'w' &&
        after.slice(0, 4).join() !== board.slice(0, 4).join(),
      `upright at ${size}, the finger's move did not land or the computer did not answer:\n${after.join('\n')}`,
    );
    if (viewport.width === 390) {
      if (options['phone-screenshot']) {
        // At two device pixels per CSS pixel, as large as a README shows it.
        await game.page.screenshot({
          path: options['phone-screenshot'],
          clip: {x: 0, y: 0, width: viewport.width, height: viewport.height, scale: 2 / 3},
        });
      }
      await turnedAbout(game, viewport);
    }
    await game.page.close();
  }
}

// Turned sideways and back in the middle of a game: the position and the computer's path survive,
// and so does a piece held by a finger, whose drop is then judged on the square under it.
async function turnedAbout(upright, viewport) {
  const {page} = upright;
  const sideways = {
    ...viewport,
    width: viewport.height,
    height: viewport.width,
    isMobile: true,
    hasTouch: true,
    isLandscape: true,
  };
  const before = await readBoard(upright);
  await page.setViewport(sideways);
  let game = await layOut(page, 'turned sideways', sideways);
  check(!game.upright, 'turned sideways, the layout stays upright');
  check(same(await readBoard(game), before), 'turned sideways, the position changed');
  check(
    (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) > 100,
    "turned sideways, the computer's path is gone",
  );
  // f2 held, turned upright again, carried to e3 and let go there.
  const next = lostGame[1];
  const from = square(next, 'from');
  const to = square(next, 'to');
  await fingerDrag(game, squareCentre(game, from), null, async () => {
    await page.setViewport({...viewport, isMobile: true, hasTouch: true});
    game = await layOut(page, 'turned upright', viewport);
    const held = await readBoard(game);
    check(
      pieceAt(held, from) === '.',
      `turned upright, the held piece went back:\n${held.join('\n')}`,
    );
    return squareCentre(game, to);
  });
  const board = await readBoard(game);
  check(
    pieceAt(board, to) === 'w' && pieceAt(board, from) === '.',
    `after turning, the drop was not judged under the finger:\n${board.join('\n')}`,
  );
}

// A phone held sideways at two device pixels per CSS pixel: crisp squares, and a move dragged with
// a finger that neither scrolls nor zooms the page.
async function phonePage(browser, origin) {
  const game = await openPage(browser, origin, 'phone', {
    width: 740,
    height: 360,
    deviceScaleFactor: 2,
    isMobile: true,
    hasTouch: true,
    isLandscape: true,
  });
  check(
    game.pixelWidth === Math.round(game.cssWidth * 2),
    'the canvas does not follow the device pixel ratio',
  );
  // A square's edge falls between two device pixels: no blended pixel on it.
  const edge = game.cell;
  const [light, dark] = await pixels(game, [
    [edge - 0.5, 1],
    [edge, 1],
  ]);
  check(
    same(light, colours.White) && same(dark, colours.Dark),
    `the square edge at ratio 2 is ${light} | ${dark}`,
  );
  const move = opening[0][0];
  const from = squareCentre(game, square(move, 'from'));
  const to = squareCentre(game, square(move, 'to'));
  const {touchscreen} = game.page;
  await touchscreen.touchStart(from.x, from.y);
  for (let i = 1; i <= 6; i++) {
    await touchscreen.touchMove(
      from.x + ((to.x - from.x) * i) / 6,
      from.y + ((to.y - from.y) * i) / 6,
    );
  }
  await touchscreen.touchEnd();
  const board = await readBoard(game);
  check(
    pieceAt(board, square(move, 'to')) === 'w' && pieceAt(board, square(move, 'from')) === '.',
    `the finger's move did not land:\n${board.join('\n')}`,
  );
  const view = await game.page.evaluate(() => [
    window.scrollX,
    window.scrollY,
    window.visualViewport.scale,
  ]);
  check(same(view, [0, 0, 1]), `the finger scrolled or zoomed the page: ${view}`);
  await expectSounds(game, ['Asterisk'], "the finger's step");
  await game.page.close();
}

// --- The keyboard and assistive technology -----------------------------------------------------

// A game lost on purpose in eleven moves, whose replies the computer's rules fix; before its fifth
// move a capture is compulsory, and a quiet move then is refused with the «Ошибка» box.
// prettier-ignore
const lostGame = [
  '54-43', '65-54', '43-32', '67-56', '74-56', '52-41', '76-65', '61-52', '50-32', '70-61', '72-63',
];
const quietWhileCaptureIsDue = '50-41';
const squareName = ({row, col}) => `${'abcdefgh'[col]}${8 - row}`;
const squareWords = {w: 'белая шашка', b: 'черная шашка', '.': 'пусто', '-': 'светлое поле'};

const axeSource = readFileSync(
  createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8',
);

// axe-core's rules on the page as it stands. It is evaluated over the DevTools protocol, which the
// page's security policy does not govern; nothing is fetched.
async function expectNoAxeViolations(page, when) {
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

// Logs, in order, every text the live region takes and every dialog that opens, before the page's
// scripts run.
function recordAnnouncements() {
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

const told = (page) => page.evaluate(() => window.kordavelmixTold.splice(0));
// The name of the element that has the keyboard's focus, or its tag where it has none.
const focusedName = (page) =>
  page.evaluate((el = document.activeElement) =>
    el.getAttribute('role') === 'gridcell' ? el.textContent : el.tagName,
  );
// The cell under the keyboard cursor, the board's one Tab stop.
const cursorAt = (page) =>
  page.evaluate(() => {
    const at = [...document.querySelectorAll('#squares [role=gridcell]')].findIndex(
      (cell) => cell.tabIndex === 0,
    );
    return {row: Math.floor(at / 8), col: at % 8};
  });

async function arrowsTo(game, to) {
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
async function keyMove(game, move) {
  await arrowsTo(game, square(move, 'from'));
  await game.page.keyboard.press('Space');
  await arrowsTo(game, square(move, 'to'));
  await game.page.keyboard.press('Enter');
  await settle(game);
}

// The grid as Chromium's accessibility tree gives it to a screen reader: its name, and each row's
// cells with their names and states.
async function accessibleBoard(page) {
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
async function framed(game, at) {
  await settle(game);
  const [corner] = await pixels(game, [[at.col * game.cell + 1, at.row * game.cell + 1]]);
  return same(corner, [0, 0, 0]);
}

async function keyboardPage(browser, origin) {
  const page = await browser.newPage();
  page.setDefaultTimeout(wait);
  watch(page, origin, 'keyboard');
  await page.evaluateOnNewDocument(recordTunes);
  await page.evaluateOnNewDocument(recordAnnouncements);
  const viewport = {width: 850, height: 504};
  await page.setViewport(viewport);
  await page.goto(`${origin}/`, {waitUntil: 'load'});
  const game = await layOut(page, 'keyboard', viewport);
  await expectNoAxeViolations(page, 'at start');

  // Tab reaches the board, on c3, and the cursor is framed there.
  const start = {row: 5, col: 2};
  for (let tabs = 0; tabs < 3 && (await focusedName(page)) !== 'c3, белая шашка'; tabs++) {
    await page.keyboard.press('Tab');
  }
  check((await focusedName(page)) === 'c3, белая шашка', 'Tab does not reach the board on c3');
  check(await framed(game, start), 'the board has the focus but the cursor is not framed');

  // The first move, e3-d4: Space picks the man up, the arrows carry it, and the focus follows.
  const [first] = lostGame;
  await arrowsTo(game, square(first, 'from'));
  await page.keyboard.press('Space');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowLeft');
  await settle(game);
  check((await focusedName(page)) === 'd4, пусто', `the focus is on ${await focusedName(page)}`);
  const held = await readBoard(game);
  check(
    pieceAt(held, square(first, 'from')) === '.' && pieceAt(held, square(first, 'to')) === 'w',
    `the man does not follow the cursor:\n${held.join('\n')}`,
  );
  if (options['keyboard-screenshot']) {
    await page.screenshot({path: options['keyboard-screenshot']});
  }
  const holding = await accessibleBoard(page);
  const selected = holding.cells.filter((cell) => cell.selected).map((cell) => cell.name);
  check(same(selected, ['e3, белая шашка']), `the selected cells are ${selected}`);
  await page.keyboard.press('Enter');
  await settle(game);
  await expectSounds(game, ['Asterisk'], 'a step with the keys');
  let words = await told(page);
  check(
    same(words, ['words Вы: e3-d4. Компьютер: b6-a5.']),
    `after the first move the live region said ${words}`,
  );

  // What a screen reader finds: the grid «Доска», its 64 cells named by the position drawn, the
  // focus on the cursor's, and a polite, atomic live region.
  const board = await readBoard(game);
  const tree = await accessibleBoard(page);
  const expected = board.flatMap((line, row) =>
    [...line].map((piece, col) => `${squareName({row, col})}, ${squareWords[piece]}`),
  );
  check(tree.name === 'Доска', `the grid is named ${tree.name}`);
  check(
    tree.cells.length === 64 && tree.cells.every((cell) => cell.role === 'gridcell'),
    `the grid has ${tree.cells.length} cells`,
  );
  const names = tree.cells.map((cell) => cell.name);
  check(same(names, expected), `the cells are named\n${names.join('\n')}`);
  const focused = tree.cells.filter((cell) => cell.focused).map((cell) => cell.name);
  check(same(focused, ['d4, белая шашка']), `the focused cells are ${focused}`);
  check(same(tree.live ?? [], ['polite', true]), `the live region is ${tree.live}`);

  for (const move of lostGame.slice(1, 4)) {
    await keyMove(game, move);
  }
  await told(page);

  // A quiet move while a capture is due: the «Ошибка» box, with no words before it. A press on
  // the board beside it leaves its button focused, Enter closes it, and the focus is the board's.
  await keyMove(game, quietWhileCaptureIsDue);
  await page.waitForSelector('#box[open]');
  check(
    (await page.$eval('#box h2', (h) => h.textContent)) === texts.errorCaption,
    'a quiet move with the keys while a capture was due did not show «Ошибка»',
  );
  await expectNoAxeViolations(page, 'with a message box open');
  await drag(game, squareCentre(game, {row: 5, col: 0}), squareCentre(game, {row: 3, col: 2}));
  check(
    await page.evaluate(
      () => document.activeElement === document.querySelector('#box button[value="1"]'),
    ),
    'a press beside the box took the focus from its button',
  );
  await page.keyboard.press('Enter');
  await closed(game, 'box');
  check(
    (await focusedName(page)).endsWith('белая шашка'),
    `after the box the focus is on ${await focusedName(page)}`,
  );
  words = await told(page);
  check(same(words, [`box ${texts.errorCaption}`]), `the refused move told ${words}`);

  for (const move of lostGame.slice(4, -1)) {
    await keyMove(game, move);
  }
  await told(page);
  // The last move by a screen reader's double tap on each square, which reaches the cell as a
  // click: the computer takes the last man, and the turn's words come before the box.
  const last = lostGame[lostGame.length - 1];
  for (const end of ['from', 'to']) {
    const {row, col} = square(last, end);
    await page.evaluate(
      (index) => document.querySelectorAll('#squares [role=gridcell]')[index].click(),
      row * 8 + col,
    );
  }
  await page.waitForSelector('#box[open]');
  words = await told(page);
  check(
    same(words, [
      'words Вы: c1-d2. Компьютер: a3:c1:e3. Дамка. Игрок: 0, AI: 10.',
      'box ИГРА ОКОНЧЕНА',
    ]),
    `the last move told ${words}`,
  );
  await page.keyboard.press('Enter');
  await closed(game, 'box');

  // The focus back on the board after a key shows the frame; a press of the pointer hides it.
  const cursor = await cursorAt(page);
  check(await framed(game, cursor), 'the cursor is not framed after the box closed on Enter');
  await page.mouse.click(game.left + game.cell / 2, game.top + game.cell / 2);
  check(!(await framed(game, cursor)), 'the cursor is still framed after a press of the pointer');

  // The menu and the About box from the keyboard, the focus back on the board when they close.
  await page.keyboard.press('F10');
  await page.keyboard.press('ArrowDown');
  await expectNoAxeViolations(page, 'with the menu open');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  check(
    (await focusedName(page)).includes(', '),
    `after Esc in the menu bar the focus is on ${await focusedName(page)}`,
  );
  await page.keyboard.down('Alt');
  await page.keyboard.press('/');
  await page.keyboard.up('Alt');
  await page.waitForSelector('#about[open]');
  await expectNoAxeViolations(page, 'with the About box open');
  await page.keyboard.press('Escape');
  await closed(game, 'about');
  check(
    (await focusedName(page)).includes(', '),
    `after the About box the focus is on ${await focusedName(page)}`,
  );
  await page.close();
}

// --- Installed, offline and updated -----------------------------------------------------------

// The site as a player keeps it: installable, played after a reload with the network cut, and
// replaced whole by a new build at the next load. It runs on a copy of the site of its own, sealed
// from the build's staged files as the build seals them, so that it can publish a changed build.
async function keptPage(browser) {
  const {sealSite} = await import(pathToFileURL(join(options.source, 'app/web/seal_site.mjs')));
  const work = mkdtempSync(join(tmpdir(), 'kordavelmix-site-'));
  const served = join(work, 'site');
  const first = sealSite(options.stage, served);
  // A server of its own is an origin of its own: nothing the other pages did is kept for it. (A
  // private browser context would be, but the browser installs nothing from one.)
  const host = await serveSite(served);
  let page = null;
  try {
    const viewport = {width: 850, height: 504};
    let game = await openPage(browser, host.origin, 'kept', viewport);
    ({page} = game);
    const cdp = await page.createCDPSession();

    // The browser finds the manifest valid and the page installable.
    const manifest = await cdp.send('Page.getAppManifest');
    check(
      manifest.errors.length === 0,
      `the manifest has errors: ${JSON.stringify(manifest.errors)}`,
    );
    const app = JSON.parse(manifest.data);
    check(
      app.name === texts.title && app.lang === 'ru' && app.display === 'standalone',
      `the manifest says ${manifest.data}`,
    );
    const icons = app.icons.map((icon) => `${icon.sizes} ${icon.purpose}`).sort();
    check(
      same(icons, ['192x192 any', '512x512 any', '512x512 maskable']),
      `the manifest's icons are ${icons}`,
    );
    await page.waitForFunction(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      return registration?.active?.state === 'activated' && navigator.serviceWorker.controller;
    });
    const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
    check(
      installabilityErrors.length === 0,
      `the page is not installable: ${JSON.stringify(installabilityErrors)}`,
    );

    // Cuts the network, or gives it back: DevTools' emulation for the page, and the server taken
    // off the network for the service worker, which fetches for the page on a network of its own.
    const setOffline = async (offline) => {
      await page.setOfflineMode(offline);
      await (offline ? host.stop() : host.restart());
    };

    // The files a page loaded, as paths of the site.
    const loaded = () =>
      page.evaluate(() =>
        performance
          .getEntriesByType('resource')
          .map((entry) => new URL(entry.name).pathname.slice(1)),
      );
    const ofVersion = (files, version) => files.every((file) => version.files.includes(file));

    // With the network cut, a reload plays a whole move, its sound and the computer's red path.
    await setOffline(true);
    await page.reload({waitUntil: 'load'});
    game = await layOut(page, 'kept offline', viewport);
    const move = opening[0][0];
    await play(game, move);
    const board = await readBoard(game);
    check(
      pieceAt(board, square(move, 'to')) === 'w',
      `offline, the move did not land:\n${board.join('\n')}`,
    );
    check(
      (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) > 100,
      'offline, the computer did not answer',
    );
    await expectSounds(game, opening[0][1], 'an offline step');
    check(ofVersion(await loaded(), first), 'offline, the page loaded files of no build');

    // A new build is published: one changed file. The next load is all of it, and the browser
    // then keeps only the new build.
    await setOffline(false);
    const update = join(work, 'stage');
    cpSync(options.stage, update, {recursive: true});
    appendFileSync(join(update, 'style.css'), ':root { --kordavelmix-build: 2; }\n');
    const second = sealSite(update, served);
    check(second.version !== first.version, 'a changed file did not make a new version');
    await page.reload({waitUntil: 'load'});
    game = await layOut(page, 'kept updated', viewport);
    const build = () =>
      page.evaluate(() =>
        getComputedStyle(document.documentElement).getPropertyValue('--kordavelmix-build').trim(),
      );
    check((await build()) === '2', 'the next load after a new build did not show it');
    check(ofVersion(await loaded(), second), 'the next load mixed files of two builds');
    await page.waitForFunction(
      (name) => caches.keys().then((keys) => keys.join() === name),
      {},
      `kordavelmix-${second.version}`,
    );
    // Offline again, the new build is what the browser kept, whole.
    await setOffline(true);
    await page.reload({waitUntil: 'load'});
    game = await layOut(page, 'kept updated offline', viewport);
    check((await build()) === '2', 'offline after the update, the old build came back');
    check(
      ofVersion(await loaded(), second),
      'offline after the update, files of two builds loaded',
    );
    const fresh = await readBoard(game);
    check(same(fresh, expectedStart), `offline after the update the board is\n${fresh.join('\n')}`);
    await setOffline(false);
  } finally {
    await page?.close();
    host.server.close();
    rmSync(work, {recursive: true, force: true});
  }
}

// --- The run ------------------------------------------------------------------------------------

const {server, origin} = await serveSite(options.site);
let browser = null;
let status = 0;
try {
  browser = await launchBrowser();
  for (const run of [
    desktopPage,
    narrowPage,
    widePage,
    phonePage,
    uprightPages,
    keyboardPage,
    keptPage,
  ]) {
    await run(browser, origin);
  }
  check(problems.length === 0, problems.join('\n'));
  console.log(`e2e (web): passed in ${((Date.now() - started) / 1000).toFixed(1)} s`);
} catch (error) {
  status = 1;
  console.error(`e2e (web): ${error instanceof Failure ? error.message : error.stack}`);
  if (problems.length > 0) {
    console.error(problems.join('\n'));
  }
  if (options.artifacts && browser) {
    mkdirSync(options.artifacts, {recursive: true});
    for (const [i, page] of (await browser.pages()).entries()) {
      await page.screenshot({path: join(options.artifacts, `page-${i}.png`)}).catch(() => {});
    }
  }
} finally {
  await browser?.close();
  server.close();
  clearTimeout(deadline);
}
process.exit(status);
