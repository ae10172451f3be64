// The page's skin around the game compiled to WebAssembly. It offers the C++ side one small
// function per thing a page can do (draw on the canvas, play a tune, show a dialog, build the menu)
// and hands the canvas's pointer events, the keys, the menu and the window's size to the few
// functions the game exports. Every decision and every text is the game's; nothing here knows the
// rules. Appended to the Emscripten loader, so the page loads one script.
'use strict';

var Page = (() => {
  const byId = (id) => document.getElementById(id);
  const menubar = byId('menubar');
  const client = byId('client');
  const canvas = byId('board');
  const context = canvas.getContext('2d', {alpha: false});

  let started = false;
  let ended = false;
  // An exported call that may wait for a dialog is in progress: no other input reaches the game.
  let busy = false;
  let frameRequested = false;
  let shown = false;
  let images = [];
  let audio = null;
  let pointer = null;
  const colours = new Map();
  const ascents = new Map();

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
      Escape: () => {
        closeMenus();
        focusTitle(index);
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

  // Shows a modal dialog until one of its buttons or Esc closes it, and resolves with what closed
  // it: the button's value, or '' for Esc.
  function runDialog(dialog, focus) {
    return new Promise((resolve) => {
      dialog.returnValue = '';
      dialog.addEventListener('close', () => resolve(dialog.returnValue), {once: true});
      dialog.showModal();
      focus.focus();
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

  function resize() {
    if (!started || ended) {
      return;
    }
    const height = window.innerHeight - menubar.getBoundingClientRect().height;
    _WebResize(window.innerWidth, Math.max(0, height), window.devicePixelRatio || 1);
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
    },
    fillRect(x, y, width, height, argb) {
      context.fillStyle = colour(argb);
      context.fillRect(x, y, width, height);
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
        context.drawImage(images[index], x, y, width, height);
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
    placeCanvas(width, height) {
      canvas.style.width = `${width}px`;
      canvas.style.height = `${height}px`;
    },
    requestFrame() {
      if (!frameRequested) {
        frameRequested = true;
        requestAnimationFrame(() => {
          frameRequested = false;
          _WebPaint();
          if (!shown) {
            shown = true;
            firstFrameShown();
          }
        });
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
    // The dialog font's units: a quarter of its average Latin letter's width, an eighth of its
    // height.
    dialogUnits() {
      const style = getComputedStyle(about);
      const measure = document.createElement('canvas').getContext('2d');
      measure.font = `${style.fontSize} ${style.fontFamily}`;
      const letters = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
      const metrics = measure.measureText(letters);
      const height = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
      return {x: metrics.width / letters.length / 4, y: height / 8};
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
