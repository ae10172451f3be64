// The canvas the game draws its frames on: the drawing primitives the C++ side paints a frame
// with, the paint at the browser's next frame, and the piece images and score face it draws with.
'use strict';

(() => {
  const canvas = shared.canvas;
  const grid = shared.grid;
  const context = canvas.getContext('2d', {alpha: false});

  // The animation frame requested for the next paint, or 0.
  let frameRequest = 0;
  let shown = false;
  let images = [];
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

  function colour(argb) {
    let css = colours.get(argb);
    if (css === undefined) {
      const value = argb >>> 0;
      css = `rgba(${(value >>> 16) & 255},${(value >>> 8) & 255},${value & 255},${(value >>> 24) / 255})`;
      colours.set(argb, css);
    }
    return css;
  }

  // The system's high contrast: forced colours (a Windows contrast theme, which the browser
  // follows) give the system's own colours, read from the page's style, since a canvas given a
  // system colour's name does not resolve it to the forced palette; a request for more contrast
  // gives black on white. Followed as either changes, and as the forced palette turns light or
  // dark; the frame is drawn again in the palette the game makes of them.
  const forced = matchMedia('(forced-colors: active)');
  const more = matchMedia('(prefers-contrast: more)');
  const dark = matchMedia('(prefers-color-scheme: dark)');
  const systemColours = ['Canvas', 'CanvasText', 'Highlight', 'HighlightText', 'GrayText', 'LinkText'];
  const probe = document.createElement('span');
  probe.hidden = true;
  probe.style.forcedColorAdjust = 'none';
  document.body.append(probe);

  function systemColour(name) {
    probe.style.color = name;
    const [red, green, blue] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
    return (0xff000000 | (red << 16) | (green << 8) | blue) >>> 0;
  }

  function followContrast() {
    const request = forced.matches ? 1 : more.matches ? 2 : 0;
    _WebContrast(request, ...systemColours.map((name) => (request === 1 ? systemColour(name) : 0)));
  }
  for (const query of [forced, more, dark]) {
    query.addEventListener('change', () => shared.started && followContrast());
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

  // The frame requested and not painted yet, if there is one, painted at once.
  function paintRequestedFrame() {
    if (frameRequest !== 0) {
      cancelAnimationFrame(frameRequest);
      paintFrame();
    }
  }

  Object.assign(shared, {followContrast, paintRequestedFrame});
  Object.assign(Page, {
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
  });
})();
