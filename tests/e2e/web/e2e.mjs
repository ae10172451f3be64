// Plays the built site end to end in Debian's Chromium, headless, with real input events, as a
// player would:
//
//   node --test-reporter=spec e2e.mjs --site SITE --stage STAGE --source REPOSITORY
//        [--artifacts DIR] [--screenshot FILE] [--keyboard-screenshot KEYS]
//        [--phone-screenshot PHONE] [--contrast-screenshot CONTRAST]
//
// SITE is the built site (build-web/site), STAGE the build's staged files (build-web/stage), from
// which the case of the kept site seals a copy of its own, and REPOSITORY the source tree, which
// gives the colours, the narrowest panel and the score's font checked (facts.mjs); the texts and
// the tunes checked are written here. DIR receives, for each failed case, a screenshot of each page
// it had open; FILE, if given, the README's screenshot after the first move, KEYS the one of a man
// carried with the keys, PHONE the one of a phone held upright after three moves, with the game's
// moves below the score, and CONTRAST the one of the first move in dark forced colours.
//
// Each scenario is a case of Node's test runner (node:test), run in the order written below: the
// cases share the browser and the server, and each opens and loads the pages it plays on, so that
// a failed case is reported alone and the others still run. The runner prints each case's result
// and a summary naming the failed ones (--test-reporter=spec; TAP where the output is no
// terminal and no reporter is given), and exits with 1 if any failed. Every wait is bounded; the
// browser and the server are stopped at the end.
import {after, before, describe, test} from 'node:test';
import {appendFileSync, cpSync, mkdirSync, mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import {parseArgs} from 'node:util';
import {launchBrowser, serveSite} from './site.mjs';
import {readFacts} from './facts.mjs';
import {
  accessibleBoard,
  arrowsTo,
  check,
  closed,
  countColour,
  cursorAt,
  dialogOpen,
  drag,
  expectNoAxeViolations,
  expectSounds,
  fingerDrag,
  focusedName,
  framed,
  heardSounds,
  keyMove,
  layOut,
  menuItems,
  openPage,
  panelBands,
  pieceAt,
  pixels,
  play,
  readBoard,
  recordAnnouncements,
  recordTunes,
  same,
  settle,
  square,
  squareCentre,
  squareName,
  told,
  waitForGame,
  whitePixels,
} from './play.mjs';

const {values: options} = parseArgs({
  options: {
    site: {type: 'string'},
    stage: {type: 'string'},
    source: {type: 'string'},
    artifacts: {type: 'string'},
    screenshot: {type: 'string'},
    'keyboard-screenshot': {type: 'string'},
    'phone-screenshot': {type: 'string'},
    'contrast-screenshot': {type: 'string'},
  },
});
if (!options.site || !options.stage || !options.source) {
  console.error(
    'usage: node e2e.mjs --site SITE --stage STAGE --source REPOSITORY [--artifacts DIR] [--screenshot FILE] [--keyboard-screenshot KEYS] [--phone-screenshot PHONE] [--contrast-screenshot CONTRAST]',
  );
  process.exit(2);
}

// --- What the game must show, and the games played --------------------------------------------

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

// The player's men of the scripted game, as "row col - row col" of the squares dragged between,
// each with the sound kinds its release plays.
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
// The first move of every game here, e3-d4.
const [firstMove, firstSounds] = opening[0];
// The board of a new game, as readBoard reads it.
// prettier-ignore
const expectedStart = [
  '-b-b-b-b', 'b-b-b-b-', '-b-b-b-b', '.-.-.-.-',
  '-.-.-.-.', 'w-w-w-w-', '-w-w-w-w', 'w-w-w-w-',
];

// A game lost on purpose in eleven moves, whose replies the computer's rules fix; before its fifth
// move a capture is compulsory, and a quiet move then is refused with the «Ошибка» box.
// prettier-ignore
const lostGame = [
  '54-43', '65-54', '43-32', '67-56', '74-56', '52-41', '76-65', '61-52', '50-32', '70-61', '72-63',
];
const quietWhileCaptureIsDue = '50-41';
const squareWords = {w: 'белая шашка', b: 'черная шашка', '.': 'пусто', '-': 'светлое поле'};

// The Linux program's client area: 850 x 481 under its menu bar.
const desktop = {width: 850, height: 504};
// The pages of the keyboard's and axe-core's cases record the live region's words too; unlike the
// others, they do not report the security policy's violations.
const keyboardScripts = [recordTunes, recordAnnouncements];

// --- The browser and the server, shared by every case -----------------------------------------

// The site the pages are opened for (play.mjs): the pages of the running case, closed after it,
// and every problem any page showed, checked by the last case.
const site = {
  browser: null,
  origin: null,
  spare: null,
  pages: [],
  problems: [],
  colours,
  minPanelWidth,
  tunes,
};
let server = null;
before(async () => {
  ({server, origin: site.origin} = await serveSite(options.site));
  site.browser = await launchBrowser();
});
after(async () => {
  await site.browser?.close();
  server?.close();
});

// A case: its body plays on pages it opens itself, which are closed after it; on its failure each
// one still open is first shot into the artifacts folder, as CASE-N.png.
function testCase(name, body) {
  test(name, async () => {
    site.pages = [];
    try {
      await body();
    } catch (error) {
      await keepScreenshots(name, site.pages);
      throw error;
    } finally {
      await Promise.all(site.pages.map((page) => page.close().catch(() => {})));
    }
  });
}

async function keepScreenshots(name, pages) {
  if (!options.artifacts) {
    return;
  }
  mkdirSync(options.artifacts, {recursive: true});
  const stem = name
    .toLowerCase()
    .replace(/[^a-z0-9]+/g, '-')
    .replace(/^-|-$/g, '');
  for (const [i, page] of pages.entries()) {
    if (!page.isClosed()) {
      await page.screenshot({path: join(options.artifacts, `${stem}-${i}.png`)}).catch(() => {});
    }
  }
}

// --- What several cases do ----------------------------------------------------------------------

// The new-game question, open, with its caption, text and buttons.
async function expectQuestion(page) {
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
}

// Wide pages: the board as high as the client area, the panel taking all the rest, its heading
// where the desktop's window draws it, and no white.
async function widePage(viewport) {
  const game = await openPage(site, `wide ${viewport.width}`, viewport);
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
}

// Phones and a tablet held upright.
const upright = {
  small: {width: 360, height: 780, deviceScaleFactor: 3},
  phone: {width: 390, height: 844, deviceScaleFactor: 3},
  tablet: {width: 768, height: 1024, deviceScaleFactor: 2},
};
const touch = (viewport) => ({...viewport, isMobile: true, hasTouch: true});

// A page held upright: the board as wide as the screen with squares a finger can hit, the panel's
// lines below it, nothing white, and a move dragged with a finger. Resolves with the game.
async function uprightPage(viewport) {
  const size = `${viewport.width} x ${viewport.height}`;
  const game = await openPage(site, `upright ${size}`, touch(viewport));
  const boardWidth = 8 * game.cell * game.scale;
  check(
    game.upright && Math.abs(boardWidth - viewport.width) <= 1 && game.cell * game.scale >= 44,
    `upright at ${size}, the board is ${boardWidth} wide in squares of ${game.cell * game.scale}`,
  );
  const menuItem = await game.page.$eval('#menubar button', (b) => ({
    height: b.getBoundingClientRect().height,
  }));
  check(menuItem.height >= 44, `upright at ${size}, the menu's items are ${menuItem.height} high`);
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
  await fingerMove(game, board, `upright at ${size}`);
  return game;
}

// The first move dragged with a finger on a page held upright: it lands, and the computer answers.
async function fingerMove(game, board, where) {
  await fingerDrag(
    game,
    squareCentre(game, square(firstMove, 'from')),
    squareCentre(game, square(firstMove, 'to')),
  );
  const after = await readBoard(game);
  check(
    pieceAt(after, square(firstMove, 'to')) === 'w' &&
      after.slice(0, 4).join() !== board.slice(0, 4).join(),
    `${where}, the finger's move did not land or the computer did not answer:\n${after.join('\n')}`,
  );
}

// =================================================================================================
// The cases
// =================================================================================================

describe('a desktop page, 850 x 504', () => {
  testCase('the title, the language, the canvas as the client area and its frame', async () => {
    const game = await openPage(site, 'desktop', desktop);
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
    // The panel's text is drawn in the face the site ships, which had loaded before the first
    // frame.
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
  });

  testCase('the scripted game with the mouse: drags, refused drops, boxes, sounds', async () => {
    const game = await openPage(site, 'desktop game', desktop);
    const {page} = game;
    const initial = await readBoard(game);
    const side = 8 * game.cell;

    // The first move: the piece follows the pointer, its square shows empty, and the computer
    // answers with its path in red.
    await drag(
      game,
      squareCentre(game, square(firstMove, 'from')),
      squareCentre(game, square(firstMove, 'to')),
      async (x, y) => {
        await settle(game);
        const held = await readBoard(game);
        check(
          pieceAt(held, square(firstMove, 'from')) === '.',
          'the dragged piece stays on its square',
        );
        const [under] = await pixels(game, [[x - game.left, y - game.top]]);
        check(
          !same(under, colours.White) && !same(under, colours.Dark),
          'no piece under the pointer during the drag',
        );
      },
    );
    let board = await readBoard(game);
    check(
      pieceAt(board, square(firstMove, 'to')) === 'w' &&
        pieceAt(board, square(firstMove, 'from')) === '.',
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

    // A press on one of the player's pieces hides the path; let go on the same square, the drop
    // is refused.
    const landed = squareCentre(game, square(firstMove, 'to'));
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
    await page.setViewport(desktop);
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

    // The rest: two captures, a step and the crowning, each with its first sound.
    for (const [move, sounds] of rest) {
      await play(game, move);
      const heard = await heardSounds(game);
      check(
        heard[0] === sounds[0],
        `the move ${move}: heard [${heard}], expected ${sounds[0]} first`,
      );
    }
  });

  testCase('the menu bar with the mouse and the keys, and the new-game question', async () => {
    const game = await openPage(site, 'desktop menu', desktop);
    const {page} = game;
    // A game in progress, with the computer's path shown.
    await play(game, firstMove);
    const titles = await page.$$eval('#menubar > li > [role=menuitem]', (all) =>
      all.map((t) => t.textContent),
    );
    check(same(titles, [texts.menu.game, texts.menu.help]), `the menu bar shows ${titles}`);

    // With the mouse: Игра, Новая игра, Нет keeps the position.
    const before = await readBoard(game);
    await page.click('#menu-0');
    const gameItems = await menuItems(page);
    check(
      same(gameItems, [texts.menu.newGame, '---', texts.menu.exit]),
      `the game menu shows ${gameItems}`,
    );
    await page.click(`#menubar [role=menu]:not([hidden]) button`);
    await expectQuestion(page);
    await page.click('#box .buttons button[value="0"]');
    await closed(game, 'box');
    check(same(await readBoard(game), before), 'No to the new-game question changed the board');

    // With the keyboard: F10 to the menu bar, the arrows to Справка and back, Enter on Новая
    // игра, Enter again answers Да, which sets up a new game.
    await page.keyboard.press('F10');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowDown');
    check(same(await menuItems(page), [texts.menu.about]), 'the arrows do not open the help menu');
    await page.keyboard.press('ArrowLeft');
    check(
      same(await menuItems(page), [texts.menu.newGame, '---', texts.menu.exit]),
      'the left arrow does not go back to the game menu',
    );
    await page.keyboard.press('Enter');
    await expectQuestion(page);
    await page.keyboard.press('Enter');
    await closed(game, 'box');
    check(
      same(await readBoard(game), expectedStart),
      'Yes to the new-game question did not set up a new game',
    );
    const red = await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path);
    check(red > 0, "a new game hid the computer's last path before the next press");
  });

  testCase('the About box from the menu, and by Alt+/ and Alt+?', async () => {
    const game = await openPage(site, 'desktop about', desktop);
    const {page} = game;
    // From the menu by keyboard, closed by Esc; by Alt+/ and Alt+?, closed by Enter, Esc and its
    // close box.
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
  });

  testCase('Exit ends the game in the tab, and one click starts it again', async () => {
    const game = await openPage(site, 'desktop exit', desktop);
    const {page} = game;
    // The tab stays, shows that the game has ended, and starts the game again at one click.
    await play(game, firstMove);
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
  });
});

describe('other sizes', () => {
  testCase('a narrow page, 600 x 500: scaled to fit, no scrolling, a move', async () => {
    const game = await openPage(site, 'narrow', {width: 600, height: 500});
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
    await play(game, firstMove);
    const after = await readBoard(game);
    check(
      pieceAt(after, square(firstMove, 'to')) === 'w',
      'a move on the scaled board did not land',
    );
  });

  testCase('a wide page, 1600 x 600', () => widePage({width: 1600, height: 600}));

  testCase('a wide page, 1280 x 800', () => widePage({width: 1280, height: 800}));

  testCase('a phone held sideways, 740 x 360 at ratio 2: crisp squares, a finger', async () => {
    const game = await openPage(site, 'phone', {
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
    // A move dragged with a finger neither scrolls nor zooms the page.
    const from = squareCentre(game, square(firstMove, 'from'));
    const to = squareCentre(game, square(firstMove, 'to'));
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
      pieceAt(board, square(firstMove, 'to')) === 'w' &&
        pieceAt(board, square(firstMove, 'from')) === '.',
      `the finger's move did not land:\n${board.join('\n')}`,
    );
    const view = await game.page.evaluate(() => [
      window.scrollX,
      window.scrollY,
      window.visualViewport.scale,
    ]);
    check(same(view, [0, 0, 1]), `the finger scrolled or zoomed the page: ${view}`);
    await expectSounds(game, ['Asterisk'], "the finger's step");
  });

  testCase('a phone held upright, 360 x 780 at ratio 3', () => uprightPage(upright.small));

  testCase('a phone held upright, 390 x 844 at ratio 3', () => uprightPage(upright.phone));

  testCase('a tablet held upright, 768 x 1024 at ratio 2', () => uprightPage(upright.tablet));

  testCase('a phone turned sideways and back mid-game, with a piece held', async () => {
    // The phone held upright, 390 x 844, after the first move with a finger.
    const viewport = upright.phone;
    let game = await openPage(site, 'turned', touch(viewport));
    const {page} = game;
    await fingerMove(game, await readBoard(game), 'before turning');

    // Turned sideways: the position and the computer's path survive.
    const sideways = {
      ...viewport,
      width: viewport.height,
      height: viewport.width,
      isMobile: true,
      hasTouch: true,
      isLandscape: true,
    };
    const before = await readBoard(game);
    await page.setViewport(sideways);
    game = await layOut(site, page, 'turned sideways', sideways);
    check(!game.upright, 'turned sideways, the layout stays upright');
    check(same(await readBoard(game), before), 'turned sideways, the position changed');
    check(
      (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) > 100,
      "turned sideways, the computer's path is gone",
    );
    // f2 held, turned upright again, carried to e3 and let go there: the drop is judged on the
    // square under the finger.
    const next = lostGame[1];
    const from = square(next, 'from');
    const to = square(next, 'to');
    await fingerDrag(game, squareCentre(game, from), null, async () => {
      await page.setViewport(touch(viewport));
      game = await layOut(site, page, 'turned upright', viewport);
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
  });
});

describe('the keyboard and assistive technology', () => {
  testCase('a whole game with the keys alone, the accessibility tree and live region', async () => {
    const game = await openPage(site, 'keyboard', desktop, {scripts: keyboardScripts});
    const {page} = game;

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

    // A quiet move while a capture is due, its keys pressed faster than the frames: the «Ошибка»
    // box, with no words before it. A press on the board beside it leaves its button focused,
    // Enter closes it, and the focus is the board's, on the cursor's cell, the square of the
    // refused drop.
    await keyMove(game, quietWhileCaptureIsDue);
    await page.waitForSelector('#box[open]');
    check(
      (await page.$eval('#box h2', (h) => h.textContent)) === texts.errorCaption,
      'a quiet move with the keys while a capture was due did not show «Ошибка»',
    );
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
      (await focusedName(page)) === 'b4, пусто',
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
    await page.keyboard.press('Escape');
    await closed(game, 'about');
    check(
      (await focusedName(page)).includes(', '),
      `after the About box the focus is on ${await focusedName(page)}`,
    );
  });

  testCase('axe-core: no fault at start, with a message box, the menu or About open', async () => {
    const game = await openPage(site, 'axe', desktop, {scripts: keyboardScripts});
    const {page} = game;
    await expectNoAxeViolations(page, 'at start');

    // The «Ошибка» box: the scripted game's opening, then a quiet move while a capture is due.
    for (const [move] of opening) {
      await play(game, move);
    }
    await play(game, forcedQuietMove);
    await page.waitForSelector('#box[open]');
    check(
      (await page.$eval('#box h2', (h) => h.textContent)) === texts.errorCaption,
      'a quiet move while a capture was due did not show «Ошибка»',
    );
    await expectNoAxeViolations(page, 'with a message box open');
    await page.keyboard.press('Enter');
    await closed(game, 'box');

    await page.keyboard.press('F10');
    await page.keyboard.press('ArrowDown');
    await expectNoAxeViolations(page, 'with the menu open');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');

    await page.keyboard.down('Alt');
    await page.keyboard.press('/');
    await page.keyboard.up('Alt');
    await page.waitForSelector('#about[open]');
    await expectNoAxeViolations(page, 'with the About box open');
    await page.keyboard.press('Escape');
    await closed(game, 'about');
  });
});

// The contrast ratio of two colours [r, g, b] as WCAG counts it.
function contrast(a, b) {
  const luminance = (rgb) =>
    rgb
      .map((channel) => channel / 255)
      .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
      .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
  const [high, low] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (high + 0.05) / (low + 0.05);
}

// The pairs of a frame after the first move whose contrast counts: the two squares, the
// computer's man on b8 against its square, the score's text against the panel, and the path of the
// computer's reply (b6-a5) against either square.
async function frameContrast(game) {
  const {cell} = game;
  const half = Math.floor(cell / 2);
  const [light, darkSquare, piece, path] = await pixels(game, [
    [half, half],
    [cell + 2, 4 * cell + half],
    [cell + Math.floor(cell / 8) + 2, half],
    [Math.floor((cell + half + half) / 2), Math.floor((2 * cell + half + 3 * cell + half) / 2)],
  ]);
  const side = 8 * cell;
  const [panel] = await pixels(game, [[game.width - 2, game.height - 2]]);
  const text = await game.page.evaluate(
    (rect, k) => {
      const data = document
        .getElementById('board')
        .getContext('2d')
        .getImageData(...rect.map((v) => Math.floor(v * k))).data;
      const counts = new Map();
      for (let i = 0; i < data.length; i += 4) {
        const key = `${data[i]},${data[i + 1]},${data[i + 2]}`;
        counts.set(key, (counts.get(key) ?? 0) + 1);
      }
      return [...counts.entries()].sort((a, b) => b[1] - a[1]).map(([key]) => key.split(',').map(Number));
    },
    [side + 5, 70, 200, 90],
    game.scale * game.ratio,
  );
  const ink = text.find((rgb) => !same(rgb, panel));
  return {
    squares: contrast(light, darkSquare),
    piece: contrast(piece, darkSquare),
    text: contrast(ink, panel),
    path: Math.min(contrast(path, light), contrast(path, darkSquare)),
    light,
  };
}

describe('high contrast', () => {
  testCase('forced colours, light and dark, and more contrast, mid-game; then the game\'s own', async () => {
    const game = await openPage(site, 'high contrast', desktop);
    const {page} = game;
    await play(game, firstMove);
    const cdp = await page.createCDPSession();
    const emulate = (features) => cdp.send('Emulation.setEmulatedMedia', {features});
    for (const features of [
      [{name: 'forced-colors', value: 'active'}],
      [
        {name: 'forced-colors', value: 'active'},
        {name: 'prefers-color-scheme', value: 'dark'},
      ],
      [{name: 'prefers-contrast', value: 'more'}],
    ]) {
      await emulate(features);
      await settle(game);
      const ratios = await frameContrast(game);
      check(
        ratios.squares >= 3 && ratios.piece >= 3 && ratios.text >= 7 && ratios.path >= 3,
        `with ${JSON.stringify(features)} the frame's ratios are ${JSON.stringify(ratios)}`,
      );
      if (options['contrast-screenshot'] && features.length === 2) {
        await page.screenshot({path: options['contrast-screenshot']});
      }
    }
    await emulate([]);
    await settle(game);
    const [light] = await pixels(game, [[Math.floor(game.cell / 2), Math.floor(game.cell / 2)]]);
    check(same(light, colours.White), `back to the game's own colours, a light square is ${light}`);
    check(
      (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) > 100,
      "back to the game's own colours, the computer's path is not red",
    );
  });
});

// The game kept by its tab: what the page shows of it, to compare before and after the browser
// reloads or discards the tab.
async function keptGame(game) {
  const side = 8 * game.cell;
  const [score, moves, stored] = await game.page.evaluate(() => [
    [...document.querySelectorAll('#score p')].map((line) => line.textContent),
    [...document.querySelectorAll('#moves li')].map((move) => move.textContent),
    sessionStorage.getItem('kordavelmix-game'),
  ]);
  return {
    board: await readBoard(game),
    score,
    moves,
    stored,
    path: await countColour(game, [0, 0, side, side], colours.Path),
  };
}
const sameGame = (a, b) =>
  same(a.board, b.board) && same(a.score, b.score) && same(a.moves, b.moves) && a.path === b.path;
const describeGame = (game) =>
  `${game.board.join('\n')}\nscore ${game.score}, moves ${game.moves}, path ${game.path}`;

// Reloads the page, as the browser does after a discard or a pull to refresh, and lays it out.
async function reloaded(game, viewport) {
  await game.page.reload({waitUntil: 'load'});
  return layOut(site, game.page, `${game.name} reloaded`, viewport);
}

// A menu item of Игра, by its place: 0 New game, 2 Exit.
async function gameMenu(page, item) {
  await page.click('#menu-0');
  await page.click(`#menubar [role=menu]:not([hidden]) li:nth-child(${item + 1}) button`);
}

describe('a game kept by its tab', () => {
  testCase('a reload mid-game, a corrupt kept game, New game and Exit', async () => {
    const viewport = upright.phone;
    let game = await openPage(site, 'kept game', viewport);
    const {page} = game;
    for (const [move] of opening) {
      await play(game, move);
    }
    // After the computer's capture, its path shown: the same cells, score, path and moves after a
    // reload, the moves below the score.
    const before = await keptGame(game);
    check(
      before.path > 100 && before.moves.length === opening.length && before.moves[2].includes(':'),
      `before the reload: ${describeGame(before)}`,
    );
    game = await reloaded(game, viewport);
    const after = await keptGame(game);
    check(
      sameGame(after, before),
      `after a reload:\n${describeGame(after)}\nwas\n${describeGame(before)}`,
    );
    const bands = await panelBands(game);
    check(
      bands.length === 3 + before.moves.length &&
        bands.slice(3).every((band) => band.colour === 'count'),
      `after a reload the panel shows ${JSON.stringify(bands)}`,
    );
    if (options['phone-screenshot']) {
      // At two device pixels per CSS pixel, as large as a README shows it.
      const {width, height} = viewport;
      await page.screenshot({
        path: options['phone-screenshot'],
        clip: {x: 0, y: 0, width, height, scale: 2 / 3},
      });
    }

    // A kept game the rules refuse is forgotten: a new game, no page error, and a warning on the
    // console. It is spoilt after the page has kept it on its way out, before the page loads.
    const spoil = await page.evaluateOnNewDocument(() => {
      const kept = sessionStorage.getItem('kordavelmix-game');
      sessionStorage.setItem('kordavelmix-game', kept.replace('drops', 'drops a1a1'));
    });
    const warnings = [];
    page.on('console', (message) => {
      if (message.type() === 'warn' && message.text().startsWith('Kordavelmix')) {
        warnings.push(message.text());
      }
    });
    game = await reloaded(game, viewport);
    await page.removeScriptToEvaluateOnNewDocument(spoil.identifier);
    let kept = await keptGame(game);
    check(
      same(kept.board, expectedStart) && kept.moves.length === 0 && kept.stored === null,
      `after a corrupt kept game: ${describeGame(kept)}`,
    );
    check(
      warnings.length === 1 && warnings[0].includes('the rules refuse one of its drops'),
      `a corrupt kept game warned ${JSON.stringify(warnings)}`,
    );

    // A new game (after its question) and Exit leave nothing to bring back.
    await play(game, firstMove);
    await gameMenu(page, 0);
    await page.click('#box .buttons button[value="1"]');
    await closed(game, 'box');
    kept = await keptGame(game);
    check(kept.stored === null && kept.moves.length === 0, 'a new game left a game kept');
    await play(game, firstMove);
    await gameMenu(page, 2);
    await page.waitForSelector('#ended:not([hidden])');
    check(
      (await page.evaluate(() => sessionStorage.getItem('kordavelmix-game'))) === null,
      'Exit left a game kept',
    );
  });

  // A browser discards a background tab to save memory, and reloads it when it is shown again: a
  // browser of this case's own, with an extension of the test's that may discard tabs.
  testCase('a tab discarded by the browser and shown again goes on with the game', async () => {
    const extension = mkdtempSync(join(tmpdir(), 'kordavelmix-discard-'));
    writeFileSync(
      join(extension, 'manifest.json'),
      JSON.stringify({
        manifest_version: 3,
        name: 'Discards tabs for the test',
        version: '1',
        permissions: ['tabs'],
        background: {service_worker: 'worker.js'},
      }),
    );
    writeFileSync(join(extension, 'worker.js'), '');
    const browser = await launchBrowser([
      `--disable-extensions-except=${extension}`,
      `--load-extension=${extension}`,
    ]);
    try {
      const own = {...site, browser, spare: null};
      let game = await openPage(own, 'discarded', desktop);
      await play(game, firstMove);
      const before = await keptGame(game);
      const worker = await (
        await browser.waitForTarget((target) => target.type() === 'service_worker')
      ).worker();
      // Another tab in front; the game's discarded, then shown again.
      const front = await browser.newPage();
      await front.bringToFront();
      const discarded = await worker.evaluate(async (origin) => {
        const [tab] = await chrome.tabs.query({url: `${origin}/*`});
        const gone = await chrome.tabs.discard(tab.id);
        await chrome.tabs.update(gone.id, {active: true});
        return gone.discarded;
      }, site.origin);
      check(discarded, 'the browser did not discard the tab');
      const page = await (
        await browser.waitForTarget(
          (target) => target.type() === 'page' && target.url().startsWith(site.origin),
        )
      ).page();
      await page.waitForFunction(() => document.readyState === 'complete');
      check(
        await page.evaluate(() => document.wasDiscarded),
        'the page shown again was not the discarded one',
      );
      await page.setViewport(desktop);
      game = await layOut(own, page, 'discarded and shown again', desktop);
      const after = await keptGame(game);
      check(sameGame(after, before), `after a discard:\n${describeGame(after)}`);
      const [next] = opening[1];
      await play(game, next);
      const board = await readBoard(game);
      check(
        pieceAt(board, square(next, 'to')) === 'w',
        `after a discard, the next move did not land:\n${board.join('\n')}`,
      );
    } finally {
      await browser.close();
      rmSync(extension, {recursive: true, force: true});
    }
  });
});

// The site as a player keeps it: installable, played after a reload with the network cut, and
// replaced whole by a new build at the next load. It runs on a copy of the site of its own, sealed
// from the build's staged files as the build seals them, so that it can publish a changed build,
// and served by a server of its own, an origin of its own: nothing the other pages did is kept for
// it. (A private browser context would be, but the browser installs nothing from one.)
describe('a copy of the site, kept by the browser', () => {
  let sealSite = null;
  let work = null;
  let served = null;
  let first = null;
  let host = null;
  before(async () => {
    ({sealSite} = await import(pathToFileURL(join(options.source, 'app/web/seal_site.mjs'))));
    work = mkdtempSync(join(tmpdir(), 'kordavelmix-site-'));
    served = join(work, 'site');
    first = sealSite(options.stage, served);
    host = await serveSite(served);
  });
  // After the case has closed its page.
  after(() => {
    host?.server.close();
    if (work) {
      rmSync(work, {recursive: true, force: true});
    }
  });
  testCase('installable, played offline, and replaced whole by a new build', async () => {
    let game = await openPage(site, 'kept', desktop, {origin: host.origin});
    const {page} = game;
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
    game = await layOut(site, page, 'kept offline', desktop);
    await play(game, firstMove);
    const board = await readBoard(game);
    check(
      pieceAt(board, square(firstMove, 'to')) === 'w',
      `offline, the move did not land:\n${board.join('\n')}`,
    );
    check(
      (await countColour(game, [0, 0, 8 * game.cell, 8 * game.cell], colours.Path)) > 100,
      'offline, the computer did not answer',
    );
    await expectSounds(game, firstSounds, 'an offline step');
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
    game = await layOut(site, page, 'kept updated', desktop);
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
    game = await layOut(site, page, 'kept updated offline', desktop);
    check((await build()) === '2', 'offline after the update, the old build came back');
    check(
      ofVersion(await loaded(), second),
      'offline after the update, files of two builds loaded',
    );
    // The tab kept its game over the update.
    const kept = await readBoard(game);
    check(same(kept, board), `offline after the update the board is\n${kept.join('\n')}`);
    await setOffline(false);
  });
});

testCase('no console error, failed request or request to another origin', () => {
  check(site.problems.length === 0, site.problems.join('\n'));
});
