// Facts about the game that the browser test and the benchmark check against, read from the source
// that defines them rather than copied: the frame's colours (render/appearance.h), the window's
// texts (app/common/shell.h), the turn controller's texts (game/turn.h), the tune of each sound
// kind (app/web/web_frontend.cpp) and the family the site ships the score panel's font under
// (app/web/CMakeLists.txt).
import {readFileSync} from 'node:fs';
import {join} from 'node:path';

export function readFacts(root) {
  const source = (path) => readFileSync(join(root, path), 'utf8');
  const find = (text, pattern, what) => {
    const found = text.match(pattern);
    if (!found) {
      throw new Error(`the source has no ${what}`);
    }
    return found[1];
  };
  const unescape = (text) => text.replace(/\\n/g, '\n');

  const appearance = source('render/appearance.h');
  const colour = (name) => {
    const hex = find(appearance, new RegExp(` ${name} = 0xFF([0-9A-Fa-f]{6});`), `colour ${name}`);
    return [0, 2, 4].map((at) => parseInt(hex.slice(at, at + 2), 16));
  };

  const shell = source('app/common/shell.h');
  const shellText = (name) =>
    find(shell, new RegExp(`#define KORDAVELMIX_${name} "([^"]*)"`), `text ${name}`).replace(
      '&',
      '',
    );

  const turn = source('game/turn.h');
  const turnText = (name) =>
    unescape(find(turn, new RegExp(`${name} = "([^"]*)";`), `text ${name}`));

  // Each sound kind's tune as its waveform and first pitch, which tell the kinds apart.
  const tunes = {};
  for (const [, kind, waveform, pitch] of source('app/web/web_frontend.cpp').matchAll(
    /\{Sound::(\w+), "(\w+)", \{\{([\d.]+)f/g,
  )) {
    tunes[kind] = {waveform, frequency: Number(pitch)};
  }
  if (Object.keys(tunes).length !== 4) {
    throw new Error('app/web/web_frontend.cpp does not give four tunes');
  }

  const scoreFont = find(
    source('app/web/CMakeLists.txt'),
    /set\(font_family "([^"]*)"\)/,
    "the score panel's font family",
  );

  return {
    scoreFont,
    colours: Object.fromEntries(
      ['White', 'Dark', 'Panel', 'Path', 'Heading', 'Count'].map((name) => [name, colour(name)]),
    ),
    minPanelWidth: Number(find(shell, /kMinPanelWidth = (\d+);/, 'minimum panel width')),
    title: shellText('TITLE'),
    menu: {
      game: shellText('MENU_GAME'),
      newGame: shellText('MENU_NEW_GAME'),
      exit: shellText('MENU_EXIT'),
      help: shellText('MENU_HELP'),
      about: shellText('MENU_ABOUT'),
    },
    question: shellText('NEW_GAME_QUESTION'),
    questionCaption: shellText('NEW_GAME_CAPTION'),
    yes: shellText('YES'),
    no: shellText('NO'),
    ok: shellText('OK'),
    aboutCaption: shellText('ABOUT_CAPTION'),
    exited: shellText('EXITED'),
    playAgain: shellText('PLAY_AGAIN'),
    errorCaption: turnText('kErrorCaption'),
    mustCapture: turnText('kMustCapture'),
    tunes,
  };
}
