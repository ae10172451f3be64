// Where the site keeps each of its files. A built site names its files by their content, so that a
// browser may keep them as long as it likes; the page lists each file the program loads under its
// plain name, in a preload link that also fetches it early. A file the page does not list, as in
// a site not yet sealed, is found under its plain name. Put before the Emscripten loader, which
// finds its .wasm file through it.
'use strict';

function siteFile(name) {
  const link = document.querySelector(`link[data-file="${name}"]`);
  return link ? link.getAttribute('href') : name;
}

Module['locateFile'] = (path) => siteFile(path);
