// The page's skin around the game compiled to WebAssembly. It offers the C++ side one small
// function per thing a page can do (draw on the canvas, play a tune, show a dialog, build the menu,
// keep the board's grid and live region for assistive technology) and hands the canvas's pointer
// events, the keys, the menu and the window's size to the few functions the game exports. Every
// decision and every text is the game's; nothing here knows the rules. Appended to the Emscripten
// loader, so the page loads one script.
'use strict';

var Page = (() => {
  const byId = (id) => document.getElementById(id);
  const menubar = byId('menubar');
  const client = byId('client');
  const canvas = byId('board');
  const context = canvas.getContext('2d', {alpha: false});
  const grid = byId('squares');
  const score = byId('score');
  const liveRegion = byId('turn');

  let started = false;
  let ended = false;
  // An exported call that may wait for a dialog is in progress: no other input reaches the game.
  let busy = false;
  // The animation frame requested for the next paint, or 0.
  let frameRequest = 0;
  let shown = false;
  let images = [];
  let audio = null;
  let pointer = null;
  const colours = new Map();
  const ascents = new Map();
  // The board's cells for assistive technology, row by row, the one the cursor is on, and the keys
  // the board takes, by the names the browser gives them.
  const cells = [];
  let cursor = -1;
  const boardKeys = new Map();
  // Words just told, which a box opened by the same release waits for.
  let told = null;

  // Resolves with the decoded image at an address, or null if it cannot be had.
  async function decodeImage(url) {
    const image = new Image();
    image.src = url;
    try {
      await image.decode();
      return image;
    } catch {
      return null;
    }
  }

  // The images the page preloads start decoding at once, while the WebAssembly is still compiling,
  // so that the first frame does not wait for them afterwards.
  const decoding = new Map(
    [...document.querySelectorAll('link[rel="preload"][as="image"]')].map((link) => [
      link.dataset.file,
      decodeImage(link.getAttribute('href')),
    ]),
  );

  // Calls an exported function that may open a dialog and so return only once it is closed.
  function callWaiting(name, args) {
    if (busy || ended) {
      return;
    }
    busy = true;
    ccall(
      name,
      null,
      args.map(() => 'number'),
      args,
      {async: true},
    ).finally(() => {
      busy = false;
    });
  }

  function colour(argb) {
    let css = colours.get(argb);
    if (css === undefined) {
      const value = argb >>> 0;
      css = `rgba(${(value >>> 16) & 255},${(value >>> 8) & 255},${value & 255},${(value >>> 24) / 255})`;
      colours.set(argb, css);
    }
    return css;
  }

  // Once the first frame is on the screen: it is marked for the load benchmark, and only then is
  // the service worker that keeps the site for offline play registered, so that it never delays
  // the board. A browser that offers none, or a page served from elsewhere than a secure origin,
  // plays online only.
  function firstFrameShown() {
    performance.mark('kordavelmix-first-frame');
    if ('serviceWorker' in navigator && window.isSecureContext) {
      navigator.serviceWorker.register('sw.js');
    }
  }

  // A rectangle of the game's pixels with its edges moved to the nearest device pixels, so that
  // where the game's pixels are scaled by a fraction, squares that touch share an edge and no
  // blended seam shows between them.
  let pixelScale = 1;
  function devicePixels(x, y, width, height) {
    const left = Math.round(x * pixelScale);
    const top = Math.round(y * pixelScale);
    const right = Math.round((x + width) * pixelScale);
    const bottom = Math.round((y + height) * pixelScale);
    return [left, top, right - left, bottom - top].map((value) => value / pixelScale);
  }

  // Paints the client area and brings the board's cells for assistive technology up to date.
  function paintFrame() {
    frameRequest = 0;
    _WebPaint();
    if (!shown) {
      shown = true;
      firstFrameShown();
    }
  }

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
    if (started && !ended && cursor >= 0) {
      cells[cursor].focus({preventScroll: true});
    }
  }

  // --- Sound ------------------------------------------------------------------------------------

  // Browsers allow audio only after the player's first press or key.
  function unlockAudio() {
    if (audio === null && typeof AudioContext === 'function') {
      audio = new AudioContext();
    }
    if (audio !== null && audio.state === 'suspended') {
      audio.resume();
    }
  }

  // --- The menu bar -----------------------------------------------------------------------------

  const menus = [];

  function menuItems(menu) {
    return [...menu.popup.querySelectorAll('[role=menuitem]')];
  }

  function closeMenus() {
    for (const menu of menus) {
      menu.title.setAttribute('aria-expanded', 'false');
      menu.popup.hidden = true;
    }
  }

  function openMenu(index, focusItem) {
    closeMenus();
    const menu = menus[(index + menus.length) % menus.length];
    menu.title.setAttribute('aria-expanded', 'true');
    menu.popup.hidden = false;
    const items = menuItems(menu);
    if (focusItem !== null && items.length > 0) {
      items[(focusItem + items.length) % items.length].focus();
    } else {
      menu.title.focus();
    }
  }

  function focusTitle(index) {
    const menu = menus[(index + menus.length) % menus.length];
    for (const other of menus) {
      other.title.tabIndex = other === menu ? 0 : -1;
    }
    menu.title.focus();
  }

  function runCommand(command) {
    closeMenus();
    if (started) {
      callWaiting('WebCommand', [command]);
    }
  }

  // Arrow keys move along the bar and within a menu, Enter, Space and the down arrow open a menu,
  // Esc closes it; as in a desktop program's menu bar.
  function menuKey(event, index) {
    const menu = menus[index];
    const open = !menu.popup.hidden;
    const items = menuItems(menu);
    const at = items.indexOf(document.activeElement);
    const keys = {
      ArrowRight: () => (open ? openMenu(index + 1, 0) : focusTitle(index + 1)),
      ArrowLeft: () => (open ? openMenu(index - 1, 0) : focusTitle(index - 1)),
      ArrowDown: () => openMenu(index, at < 0 ? 0 : at + 1),
      ArrowUp: () => openMenu(index, at < 0 ? -1 : at - 1),
      Home: () => open && items[0].focus(),
      End: () => open && items[items.length - 1].focus(),
      // The first Esc closes the menu, the next leaves the menu bar for the board.
      Escape: () => {
        if (open) {
          closeMenus();
          focusTitle(index);
        } else {
          focusBoard();
        }
      },
    };
    if (at < 0) {
      keys.Enter = keys[' '] = keys.ArrowDown;
    }
    const action = keys[event.key];
    if (action) {
      event.preventDefault();
      event.stopPropagation();
      action();
    }
  }

  document.addEventListener('pointerdown', (event) => {
    if (!menubar.contains(event.target)) {
      closeMenus();
    }
  });

  // --- Dialogs ----------------------------------------------------------------------------------

  const box = byId('box');
  const about = byId('about');

  const defaultButtons = new Map();

  // Shows a modal dialog until one of its buttons or Esc closes it, and resolves with what closed
  // it: the button's value, or '' for Esc. The words of the turn that opened it are passed on to
  // assistive technology first: once the dialog is open, the page behind it is inert and a screen
  // reader would not speak them. When it closes, the keyboard's focus goes back to the board.
  async function runDialog(dialog, focus) {
    if (told !== null) {
      const words = told;
      told = null;
      await words;
    }
    // A frame still to be painted is painted now, so that the board's focus is on the cursor's
    // cell when the dialog opens: keys pressed faster than the frames may have moved the cursor
    // since the last one, and the focus returns to that cell when the dialog closes.
    if (frameRequest !== 0) {
      cancelAnimationFrame(frameRequest);
      paintFrame();
    }
    defaultButtons.set(dialog, focus);
    return new Promise((resolve) => {
      dialog.returnValue = '';
      dialog.addEventListener(
        'close',
        () => {
          focusBoard();
          resolve(dialog.returnValue);
        },
        {once: true},
      );
      dialog.showModal();
      focus.focus();
    });
  }

  // An open box keeps the keyboard, as a desktop box stays the active window: a press beside its
  // buttons, on the board behind it too, leaves its default button focused, so that Enter and Esc
  // still answer it.
  for (const dialog of [box, about]) {
    dialog.addEventListener('mousedown', (event) => {
      if (!event.target.closest('button')) {
        event.preventDefault();
      }
    });
    dialog.addEventListener('focus', () => {
      if (defaultButtons.has(dialog)) {
        defaultButtons.get(dialog).focus();
      }
    });
  }

  function button(label, value) {
    const element = document.createElement('button');
    element.textContent = label;
    element.value = value;
    return element;
  }

  // A question can only be answered: Esc does not close it, as a desktop yes/no box ignores it.
  box.addEventListener('cancel', (event) => {
    if (box.classList.contains('question')) {
      event.preventDefault();
    }
  });

  // --- Pointer, keys and size -------------------------------------------------------------------

  function point(event) {
    const rect = canvas.getBoundingClientRect();
    return [event.clientX - rect.left, event.clientY - rect.top];
  }

  // The space under the menu bar, within the screen's safe area (the page's padding), is the
  // game's.
  function resize() {
    if (!started || ended) {
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
    unlockAudio();
    if (!started || busy || !event.isPrimary || event.button !== 0) {
      return;
    }
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    pointer = event.pointerId;
    focusBoard();
    _WebPointerDown(...point(event));
  });
  canvas.addEventListener('pointermove', (event) => {
    if (started && !busy && event.isPrimary && (pointer === null || event.pointerId === pointer)) {
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
    unlockAudio();
    if (!started || busy || ended || document.querySelector('dialog[open]')) {
      return;
    }
    if (event.key === 'F10' && menus.length > 0) {
      event.preventDefault();
      focusTitle(0);
      return;
    }
    const command =
      event.key.length === 1 ? _WebShortcut(event.key.charCodeAt(0), event.altKey) : 0;
    if (command !== 0) {
      event.preventDefault();
      runCommand(command);
    }
  });
  window.addEventListener('resize', resize);

  // The board's keys go to the game while one of its cells has the focus; with Alt, Ctrl or the
  // command key held they are the browser's.
  grid.addEventListener('keydown', (event) => {
    const key = boardKeys.get(event.key);
    if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    event.preventDefault();
    if (started) {
      callWaiting('WebKey', [key]);
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
    if (started && at !== null) {
      callWaiting('WebSquare', [...at, 1]);
    }
  });
  grid.addEventListener('focusin', (event) => {
    const at = square(event.target);
    if (!started || at === null) {
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
    if (started && !grid.contains(event.relatedTarget)) {
      _WebBoardFocus(0, 0);
    }
  });

  return {
    // The drawing primitives: a frame of width x height game pixels, scale device pixels each.
    beginFrame(width, height, scale) {
      const pixelWidth = Math.round(width * scale);
      const pixelHeight = Math.round(height * scale);
      if (canvas.width !== pixelWidth || canvas.height !== pixelHeight) {
        canvas.width = pixelWidth;
        canvas.height = pixelHeight;
      }
      context.setTransform(scale, 0, 0, scale, 0, 0);
      context.imageSmoothingEnabled = false;
      pixelScale = scale;
    },
    fillRect(x, y, width, height, argb) {
      context.fillStyle = colour(argb);
      context.fillRect(...devicePixels(x, y, width, height));
    },
    drawLine(x1, y1, x2, y2, argb, width) {
      context.strokeStyle = colour(argb);
      context.lineWidth = width;
      context.lineCap = 'butt';
      context.beginPath();
      context.moveTo(x1, y1);
      context.lineTo(x2, y2);
      context.stroke();
    },
    drawImage(index, x, y, width, height) {
      if (images[index]) {
        context.drawImage(images[index], ...devicePixels(x, y, width, height));
      }
    },
    // The text's top-left corner at (x, y): its baseline lies one ascent of the face lower.
    drawText(text, family, pixels, bold, italic, argb, x, y) {
      context.font = `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${pixels}px "${family}"`;
      context.textBaseline = 'alphabetic';
      let ascent = ascents.get(context.font);
      if (ascent === undefined) {
        ascent = context.measureText('').fontBoundingBoxAscent;
        ascents.set(context.font, ascent);
      }
      context.fillStyle = colour(argb);
      context.fillText(text, x, y + ascent);
    },
    // The canvas at a size in CSS pixels, and the board's grid over its squares.
    placeCanvas(width, height, boardSide) {
      canvas.style.width = `${width}px`;
      canvas.style.height = `${height}px`;
      grid.style.width = grid.style.height = `${boardSide}px`;
    },
    requestFrame() {
      if (frameRequest === 0) {
        frameRequest = requestAnimationFrame(paintFrame);
      }
    },

    // The piece images and the score face; resolves with whether the face loaded.
    async loadAssets(paths, family, file) {
      const load = (path) => decoding.get(path) ?? decodeImage(siteFile(path));
      const face = new FontFace(family, `url(${siteFile(file)})`, {
        style: 'italic',
        weight: 'bold',
      });
      const [loaded, faceLoaded] = await Promise.all([
        Promise.all(paths.map(load)),
        face.load().then(
          () => true,
          () => false,
        ),
      ]);
      images = loaded;
      if (faceLoaded) {
        document.fonts.add(face);
      }
      return faceLoaded;
    },

    // A tune of notes {frequency, start, length}, started at once; silent until audio is allowed.
    playTune(waveform, notes, volume) {
      if (audio === null || audio.state !== 'running') {
        return;
      }
      const now = audio.currentTime;
      for (const note of notes) {
        const oscillator = audio.createOscillator();
        const gain = audio.createGain();
        const start = now + note.start;
        const end = start + note.length;
        oscillator.type = waveform;
        oscillator.frequency.value = note.frequency;
        gain.gain.setValueAtTime(0, start);
        gain.gain.linearRampToValueAtTime(volume, start + 0.005);
        gain.gain.exponentialRampToValueAtTime(0.001, end);
        oscillator.connect(gain).connect(audio.destination);
        oscillator.start(start);
        oscillator.stop(end);
      }
    },

    // A message box (reject null: one button) or a question; resolves with 1 for the first button.
    async showBox(text, caption, accept, reject) {
      box.querySelector('h2').textContent = caption;
      box.querySelector('p').textContent = text;
      const first = button(accept, '1');
      const buttons = [first];
      if (reject !== null) {
        buttons.push(button(reject, '0'));
      }
      box.querySelector('.buttons').replaceChildren(...buttons);
      box.classList.toggle('question', reject !== null);
      return (await runDialog(box, first)) === '1' ? 1 : 0;
    },

    buildAbout(caption, version, copyright, ok) {
      about.querySelector('h2').textContent = caption;
      about.querySelector('.version').textContent = version;
      about.querySelector('.copyright').textContent = copyright;
      about.querySelector('.body button').textContent = ok;
    },
    // A text's width in the dialog font, and the font's height, from which the program works out
    // the dialog units.
    measureDialogText(text) {
      const style = getComputedStyle(about);
      const measure = document.createElement('canvas').getContext('2d');
      measure.font = `${style.fontSize} ${style.fontFamily}`;
      const metrics = measure.measureText(text);
      return {
        width: metrics.width,
        height: metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent,
      };
    },
    // Part -1 is the box's client area; 0 to 3 the icon, the two lines and the button.
    placeAboutPart(part, x, y, width, height) {
      const body = about.querySelector('.body');
      const element = part < 0 ? body : body.children[part];
      Object.assign(element.style, {
        left: `${x}px`,
        top: `${y}px`,
        width: `${width}px`,
        height: `${height}px`,
      });
    },
    async runAbout() {
      await runDialog(about, about.querySelector('.body button'));
    },

    // --- The board for assistive technology ---------------------------------------------------

    // The grid of side x side cells over the board's squares, each named by the text it holds.
    buildBoard(name, side) {
      grid.setAttribute('aria-label', name);
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
    // The turn's words, in a new line of the live region, so that words told twice running are
    // spoken twice.
    announce(words) {
      const line = document.createElement('p');
      line.textContent = words;
      liveRegion.replaceChildren(line);
      told = afterFrames(2);
    },

    // The caption's close boxes, named for a screen reader.
    labelCloseBoxes(label) {
      for (const close of document.querySelectorAll('dialog .close')) {
        close.setAttribute('aria-label', label);
        close.title = label;
      }
    },

    addMenu(title) {
      const index = menus.length;
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      const heading = document.createElement('button');
      heading.textContent = title;
      heading.id = `menu-${index}`;
      heading.setAttribute('role', 'menuitem');
      heading.setAttribute('aria-haspopup', 'menu');
      heading.setAttribute('aria-expanded', 'false');
      heading.tabIndex = index === 0 ? 0 : -1;
      const popup = document.createElement('ul');
      popup.setAttribute('role', 'menu');
      popup.setAttribute('aria-labelledby', heading.id);
      popup.hidden = true;
      entry.append(heading, popup);
      menubar.append(entry);
      menus.push({title: heading, popup});
      heading.addEventListener('click', () =>
        popup.hidden ? openMenu(index, null) : closeMenus(),
      );
      heading.addEventListener('pointerenter', () => {
        if (menus.some((menu) => !menu.popup.hidden) && popup.hidden) {
          openMenu(index, null);
        }
      });
      entry.addEventListener('keydown', (event) => menuKey(event, index));
      return index;
    },
    addMenuItem(menu, text, command) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      const item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.textContent = text;
      item.addEventListener('click', () => runCommand(command));
      entry.append(item);
      menus[menu].popup.append(entry);
    },
    addSeparator(menu) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'separator');
      menus[menu].popup.append(entry);
    },

    // The game has ended: an installed app's window closes; a tab, which a page may not close,
    // shows that the game has ended and one way to start again: the page loaded afresh, as the
    // program started again.
    endGame(text, again) {
      if (window.matchMedia('(display-mode: standalone)').matches) {
        window.close();
      }
      ended = true;
      const notice = byId('ended');
      notice.querySelector('p').textContent = text;
      const restart = notice.querySelector('button');
      restart.textContent = again;
      restart.addEventListener('click', () => location.reload(), {once: true});
      menubar.hidden = client.hidden = true;
      notice.hidden = false;
      restart.focus();
    },

    start() {
      started = true;
      resize();
    },
  };
})();
