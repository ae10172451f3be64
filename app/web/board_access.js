// The board for assistive technology: a grid of cells over the canvas's squares, each named by
// what its square holds, with the cursor's cell focused, the score panel's lines as text, and a
// live region that speaks each turn's words. The board's keys, and a screen reader's moves and
// taps on a cell, go to the game.
'use strict';

(() => {
  const grid = shared.grid;
  const score = document.getElementById('score');
  const moves = document.getElementById('moves');
  const liveRegion = document.getElementById('turn');

  // The board's cells for assistive technology, row by row, the one the cursor is on, and the keys
  // the board takes, by the names the browser gives them.
  const cells = [];
  let cursor = -1;
  const boardKeys = new Map();
  // Words just told, which a box opened by the same release waits for.
  let told = null;

  // Resolves after the browser has drawn the given number of frames, or after a tenth of a second
  // where it draws none (a hidden tab).
  function afterFrames(count) {
    const frames = new Promise((resolve) => {
      const next = (left) => (left === 0 ? resolve() : requestAnimationFrame(() => next(left - 1)));
      next(count);
    });
    return Promise.race([frames, new Promise((resolve) => setTimeout(resolve, 100))]);
  }

  // The keyboard's focus to the board, on the cell under the cursor, unless the game has ended.
  function focusBoard() {
    if (shared.started && !shared.ended && cursor >= 0) {
      cells[cursor].focus({preventScroll: true});
    }
  }

  // The words just told, for a box to wait for, or null; a box waits for them once.
  function takeWordsTold() {
    const words = told;
    told = null;
    return words;
  }

  // The board's keys go to the game while one of its cells has the focus; with Alt, Ctrl or the
  // command key held they are the browser's.
  grid.addEventListener('keydown', (event) => {
    const key = boardKeys.get(event.key);
    if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    event.preventDefault();
    if (shared.started) {
      shared.callWaiting('WebKey', [key]);
    }
  });
  const square = (cell) => {
    const index = cells.indexOf(cell);
    return index < 0
      ? null
      : [Math.floor(index / grid.children.length), index % grid.children.length];
  };
  // A screen reader moves the focus to a cell, or activates it (VoiceOver's and TalkBack's double
  // tap arrive as a click): the cursor goes there, and an activated square is as if Enter were
  // pressed on it.
  grid.addEventListener('click', (event) => {
    const at = square(event.target.closest('[role=gridcell]'));
    if (shared.started && at !== null) {
      shared.callWaiting('WebSquare', [...at, 1]);
    }
  });
  grid.addEventListener('focusin', (event) => {
    const at = square(event.target);
    if (!shared.started || at === null) {
      return;
    }
    if (!grid.contains(event.relatedTarget)) {
      _WebBoardFocus(1, event.target.matches(':focus-visible') ? 1 : 0);
    }
    if (cells.indexOf(event.target) !== cursor) {
      _WebSquare(...at, 0);
    }
  });
  grid.addEventListener('focusout', (event) => {
    if (shared.started && !grid.contains(event.relatedTarget)) {
      _WebBoardFocus(0, 0);
    }
  });

  Object.assign(shared, {focusBoard, takeWordsTold});
  Object.assign(Page, {
    // The grid of side x side cells over the board's squares, each named by the text it holds,
    // and the name of the list of the game's moves.
    buildBoard(name, side, movesName) {
      grid.setAttribute('aria-label', name);
      moves.setAttribute('aria-label', movesName);
      for (let row = 0; row < side; row++) {
        const line = document.createElement('div');
        line.setAttribute('role', 'row');
        for (let col = 0; col < side; col++) {
          const cell = document.createElement('div');
          cell.setAttribute('role', 'gridcell');
          cell.setAttribute('aria-selected', 'false');
          cell.tabIndex = -1;
          const label = document.createElement('span');
          label.className = 'visually-hidden';
          cell.append(label);
          line.append(cell);
          cells.push(cell);
        }
        grid.append(line);
      }
    },
    addBoardKey(name, key) {
      boardKeys.set(name, key);
    },
    // The squares' names, the cursor's cell (the board's one Tab stop, focused while the board has
    // the focus), the held piece's cell (selected, or -1) and the score panel's lines.
    showBoard(names, at, held, lines) {
      names.forEach((name, i) => {
        const label = cells[i].firstChild;
        if (label.textContent !== name) {
          label.textContent = name;
        }
      });
      cells.forEach((cell, i) => {
        const selected = String(i === held);
        if (cell.getAttribute('aria-selected') !== selected) {
          cell.setAttribute('aria-selected', selected);
        }
      });
      if (at !== cursor) {
        if (cursor >= 0) {
          cells[cursor].tabIndex = -1;
        }
        cells[at].tabIndex = 0;
        cursor = at;
        if (grid.contains(document.activeElement)) {
          cells[at].focus({preventScroll: true});
        }
      }
      while (score.children.length < lines.length) {
        score.append(document.createElement('p'));
      }
      lines.forEach((line, i) => {
        if (score.children[i].textContent !== line) {
          score.children[i].textContent = line;
        }
      });
    },
    // The game's moves, one item each, after the score's lines; only the items that changed are
    // touched.
    showMoves(lines) {
      while (moves.children.length > lines.length) {
        moves.lastChild.remove();
      }
      lines.forEach((line, i) => {
        if (i === moves.children.length) {
          moves.append(document.createElement('li'));
        }
        if (moves.children[i].textContent !== line) {
          moves.children[i].textContent = line;
        }
      });
    },
    // The turn's words, in a new line of the live region, so that words told twice running are
    // spoken twice.
    announce(words) {
      const line = document.createElement('p');
      line.textContent = words;
      liveRegion.replaceChildren(line);
      told = afterFrames(2);
    },
  });
})();
