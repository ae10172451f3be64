// The page's modal dialogs, which the C++ side waits on as on a desktop box: the message box or
// question, and the About box.
'use strict';

(() => {
  const box = document.getElementById('box');
  const about = document.getElementById('about');

  const defaultButtons = new Map();

  // Shows a modal dialog until one of its buttons or Esc closes it, and resolves with what closed
  // it: the button's value, or '' for Esc. The words of the turn that opened it are passed on to
  // assistive technology first: once the dialog is open, the page behind it is inert and a screen
  // reader would not speak them. When it closes, the keyboard's focus goes back to the board.
  async function runDialog(dialog, focus) {
    const words = shared.takeWordsTold();
    if (words !== null) {
      await words;
    }
    // A frame still to be painted is painted now, so that the board's focus is on the cursor's
    // cell when the dialog opens: keys pressed faster than the frames may have moved the cursor
    // since the last one, and the focus returns to that cell when the dialog closes.
    shared.paintRequestedFrame();
    defaultButtons.set(dialog, focus);
    return new Promise((resolve) => {
      dialog.returnValue = '';
      dialog.addEventListener(
        'close',
        () => {
          shared.focusBoard();
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

  Object.assign(Page, {
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

    // The caption's close boxes, named for a screen reader.
    labelCloseBoxes(label) {
      for (const close of document.querySelectorAll('dialog .close')) {
        close.setAttribute('aria-label', label);
        close.title = label;
      }
    },
  });
})();
