// The page's skin around the game compiled to WebAssembly. It offers the C++ side one small
// function per thing a page can do (draw on the canvas, play a tune, show a dialog, build the menu,
// keep the board's grid and live region for assistive technology) and hands the canvas's pointer
// events, the keys, the menu and the window's size to the few functions the game exports. Every
// decision and every text is the game's; nothing here knows the rules. Its scripts are appended to
// the Emscripten loader, so the page loads one script.
//
// This one holds what the page's scripts share, the pointer, the keys and the window's size, and
// the game's start and end. The others follow it in this order, one job each: canvas.js draws,
// sound.js plays the tunes, menu_bar.js keeps the menu bar, dialogs.js shows the dialogs and
// board_access.js keeps the board's grid and live region.
'use strict';

// The calls the C++ side makes on the page; each script adds those of its job.
var Page = {};

// What the page's scripts share: the elements more than one of them uses, whether the game has
// started or ended and whether it waits for a dialog, and the calls one script makes on another's
// job, which each script adds as it loads. A script takes each of them by name (`const canvas =
// shared.canvas`), not by destructuring: the optimizer of Debian's Emscripten, which minifies the
// whole script, drops a destructuring declaration whose value involves no call.
const shared = {
  menubar: document.getElementById('menubar'),
  canvas: document.getElementById('board'),
  grid: document.getElementById('squares'),
  started: false,
  ended: false,
  // An exported call that may wait for a dialog is in progress: no other input reaches the game.
  busy: false,
};

(() => {
  const menubar = shared.menubar;
  const canvas = shared.canvas;
  const client = document.getElementById('client');
  let pointer = null;
  const storedGameKey = 'kordavelmix-game';

  // Calls an exported function that may open a dialog and so return only once it is closed.
  function callWaiting(name, args) {
    if (shared.busy || shared.ended) {
      return;
    }
    shared.busy = true;
    ccall(
      name,
      null,
      args.map(() => 'number'),
      args,
      {async: true},
    ).finally(() => {
      shared.busy = false;
    });
  }

  function point(event) {
    const rect = canvas.getBoundingClientRect();
    return [event.clientX - rect.left, event.clientY - rect.top];
  }

  // The space under the menu bar, within the screen's safe area (the page's padding), is the
  // game's.
  function resize() {
    if (!shared.started || shared.ended) {
      return;
    }
    const style = getComputedStyle(document.body);
    const inset = (side) => parseFloat(style[`padding${side}`]) || 0;
    const width = window.innerWidth - inset('Left') - inset('Right');
    const height =
      window.innerHeight - inset('Top') - inset('Bottom') - menubar.getBoundingClientRect().height;
    _WebResize(Math.max(0, width), Math.max(0, height), window.devicePixelRatio || 1);
  }

  // The press takes the pointer, so that its release reaches the game wherever it happens, as
  // the desktop program's mouse capture does; off the canvas it is judged off the board.
  canvas.addEventListener('pointerdown', (event) => {
    shared.unlockAudio();
    if (!shared.started || shared.busy || !event.isPrimary || event.button !== 0) {
      return;
    }
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    pointer = event.pointerId;
    shared.focusBoard();
    _WebPointerDown(...point(event));
  });
  canvas.addEventListener('pointermove', (event) => {
    if (
      shared.started &&
      !shared.busy &&
      event.isPrimary &&
      (pointer === null || event.pointerId === pointer)
    ) {
      _WebPointerMove(...point(event));
    }
  });
  const release = (event, where) => {
    if (event.pointerId === pointer) {
      pointer = null;
      callWaiting('WebPointerUp', where);
    }
  };
  canvas.addEventListener('pointerup', (event) => release(event, point(event)));
  // A gesture the browser took over ends the drag off the board.
  canvas.addEventListener('pointercancel', (event) => release(event, [-1, -1]));
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  document.addEventListener('keydown', (event) => {
    shared.unlockAudio();
    if (!shared.started || shared.busy || shared.ended || document.querySelector('dialog[open]')) {
      return;
    }
    if (event.key === 'F10' && shared.focusMenuBar()) {
      event.preventDefault();
      return;
    }
    const command =
      event.key.length === 1 ? _WebShortcut(event.key.charCodeAt(0), event.altKey) : 0;
    if (command !== 0) {
      event.preventDefault();
      shared.runCommand(command);
    }
  });
  window.addEventListener('resize', resize);
  // A page hidden may be frozen or discarded, or be leaving for good (a reload): the game is kept
  // in the tab as it stands. A game ended with Exit leaves nothing to keep.
  const keepGame = () => {
    if (shared.started && !shared.ended) {
      _WebPageHidden();
    }
  };
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') {
      keepGame();
    }
  });
  window.addEventListener('pagehide', keepGame);

  Object.assign(shared, {callWaiting});
  Object.assign(Page, {
    // The game has ended: an installed app's window closes; a tab, which a page may not close,
    // shows that the game has ended and one way to start again: the page loaded afresh, as the
    // program started again.
    endGame(text, again) {
      if (window.matchMedia('(display-mode: standalone)').matches) {
        window.close();
      }
      shared.ended = true;
      const notice = document.getElementById('ended');
      notice.querySelector('p').textContent = text;
      const restart = notice.querySelector('button');
      restart.textContent = again;
      restart.addEventListener('click', () => location.reload(), {once: true});
      menubar.hidden = client.hidden = true;
      notice.hidden = false;
      restart.focus();
    },

    // The game kept in the tab's own storage, which the browser keeps for the tab's life, over a
    // reload or a discard; a browser that keeps none (storage turned off) plays without.
    storeGame(text) {
      try {
        sessionStorage.setItem(storedGameKey, text);
      } catch {}
    },
    forgetGame() {
      try {
        sessionStorage.removeItem(storedGameKey);
      } catch {}
    },
    storedGame() {
      try {
        return sessionStorage.getItem(storedGameKey) ?? '';
      } catch {
        return '';
      }
    },

    start() {
      shared.started = true;
      shared.followContrast();
      resize();
    },
  });
})();
