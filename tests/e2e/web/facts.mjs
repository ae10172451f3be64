// Facts about the game that the browser test and the benchmarks check against, read from
// facts.json, where the game's build reads them too: the frame's colours, the narrowest score
// panel the size rule allows, and the family the site ships the score panel's font under.
import {readFileSync} from 'node:fs';
import {join} from 'node:path';

export function readFacts(root) {
  const {appearance, window, web} = JSON.parse(readFileSync(join(root, 'facts.json'), 'utf8'));
  // A colour "#RRGGBB" as [red, green, blue].
  const rgb = (hex) => [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));
  return {
    scoreFont: web.scoreFontFamily,
    colours: Object.fromEntries(
      Object.entries(appearance.colours).map(([name, hex]) => [name, rgb(hex)]),
    ),
    minPanelWidth: window.minPanelWidth,
  };
}
