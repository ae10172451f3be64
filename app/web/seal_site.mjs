// Seals the site: copies the staged site into its published folder with every file a browser
// keeps named by its content ("images/Black.1a2b3c4d5e.png"), so that a browser or a cache on the
// way may keep it as long as it likes and a new build can never be mixed with an old one. The
// entry points keep their names: the page (index.html), which names the sealed files, and the
// service worker (sw.js), which is given this version's name and the list of its files to keep
// for offline play. Files no page loads (the font's licence) keep theirs too. The same staged
// files always seal into the same bytes.
//
//   node seal_site.mjs STAGE SITE
//
// Also imported by the browser test, which seals a changed build of its own to see it replace the
// old one.
import {createHash} from 'node:crypto';
import {mkdirSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync} from 'node:fs';
import {dirname, extname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

// Files that keep their names: the two entry points, and what no page loads.
const unsealed = new Set(['index.html', 'sw.js', 'fonts/LICENSE.txt']);
const hashLength = 10;

function hash(bytes) {
  return createHash('sha256').update(bytes).digest('hex');
}

// Every file below the folder, as paths with '/' relative to it, in a fixed order.
function filesBelow(folder, prefix = '') {
  const found = [];
  for (const name of readdirSync(join(folder, prefix)).sort()) {
    const path = prefix ? `${prefix}/${name}` : name;
    if (statSync(join(folder, path)).isDirectory()) {
      found.push(...filesBelow(folder, path));
    } else {
      found.push(path);
    }
  }
  return found;
}

function sealedName(path, bytes) {
  const extension = extname(path);
  return `${path.slice(0, path.length - extension.length)}.${hash(bytes).slice(0, hashLength)}${extension}`;
}

// The page's href and src attributes that name a staged file, renamed to the sealed files.
function sealPage(html, names) {
  return html.replace(/\b(href|src)="([^"]+)"/g, (whole, attribute, value) =>
    names.has(value) ? `${attribute}="${names.get(value)}"` : whole,
  );
}

export function sealSite(stage, site) {
  const files = filesBelow(stage);
  const read = (path) => readFileSync(join(stage, path));
  const names = new Map();
  const contents = new Map();
  // The manifest names its icons, so it is sealed after them.
  const manifests = files.filter((path) => extname(path) === '.webmanifest');
  for (const path of files.filter((path) => !unsealed.has(path) && !manifests.includes(path))) {
    contents.set(path, read(path));
    names.set(path, sealedName(path, contents.get(path)));
  }
  for (const path of manifests) {
    const manifest = JSON.parse(read(path));
    for (const icon of manifest.icons ?? []) {
      icon.src = names.get(icon.src) ?? icon.src;
    }
    const bytes = Buffer.from(`${JSON.stringify(manifest, null, 2)}\n`);
    contents.set(path, bytes);
    names.set(path, sealedName(path, bytes));
  }
  const page = Buffer.from(sealPage(read('index.html').toString(), names));

  // The version is named by everything the service worker keeps, the page included.
  const kept = [...names].sort(([, a], [, b]) => (a < b ? -1 : 1));
  const version = hash(
    [
      `./ ${hash(page)}`,
      ...kept.map(([path, sealed]) => `${sealed} ${hash(contents.get(path))}`),
    ].join('\n'),
  ).slice(0, 16);
  const worker = Buffer.from(
    `const site = ${JSON.stringify({version, files: ['./', ...kept.map(([, sealed]) => sealed)]})};\n${read('sw.js')}`,
  );

  rmSync(site, {recursive: true, force: true});
  const write = (path, bytes) => {
    mkdirSync(dirname(join(site, path)), {recursive: true});
    writeFileSync(join(site, path), bytes);
  };
  for (const [path, sealed] of names) {
    write(sealed, contents.get(path));
  }
  write('index.html', page);
  write('sw.js', worker);
  for (const path of files.filter(
    (path) => unsealed.has(path) && !/^(index\.html|sw\.js)$/.test(path),
  )) {
    write(path, read(path));
  }
  return {version, files: kept.map(([, sealed]) => sealed)};
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [stage, site] = process.argv.slice(2);
  if (!stage || !site) {
    console.error('usage: node seal_site.mjs STAGE SITE');
    process.exit(2);
  }
  const {version, files} = sealSite(stage, site);
  console.log(`Sealed ${files.length + 2} files as version ${version}`);
}
