// What the browser test and the frame benchmark share: the built site served on 127.0.0.1 and
// Debian's Chromium, headless, driven over the DevTools protocol.
import {createHash} from 'node:crypto';
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize} from 'node:path';
import {brotliCompressSync, gzipSync} from 'node:zlib';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
};

// Serves the folder's files on a free port of 127.0.0.1, as a static host would; resolves with
// the server, its address, what it has sent (each file's path and bytes), and a way to stop and
// restart it. With compress, it serves as the usual static host does: each file compressed as the
// browser accepts (Brotli, else gzip), with an entity tag, and fresh for ten minutes.
export async function serveSite(folder, {compress = false} = {}) {
  const sent = [];
  const compressed = new Map();
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    let body;
    try {
      body = await readFile(file);
    } catch {
      response.writeHead(404);
      response.end();
      return;
    }
    const headers = {'Content-Type': types[extname(file)] ?? 'application/octet-stream'};
    if (compress) {
      const tag = `"${createHash('sha256').update(body).digest('hex').slice(0, 16)}"`;
      Object.assign(headers, {'Cache-Control': 'max-age=600', ETag: tag, Vary: 'Accept-Encoding'});
      if (request.headers['if-none-match'] === tag) {
        response.writeHead(304, headers);
        response.end();
        sent.push({path, bytes: 0});
        return;
      }
      const accepted = request.headers['accept-encoding'] ?? '';
      const encoding = /\bbr\b/.test(accepted) ? 'br' : /\bgzip\b/.test(accepted) ? 'gzip' : '';
      if (encoding) {
        // Compressed once, as a static host keeps its compressed files.
        const key = `${encoding} ${tag}`;
        if (!compressed.has(key)) {
          compressed.set(
            key,
            encoding === 'br' ? brotliCompressSync(body) : gzipSync(body, {level: 9}),
          );
        }
        body = compressed.get(key);
        headers['Content-Encoding'] = encoding;
      }
    }
    response.writeHead(200, headers);
    response.end(body);
    sent.push({path, bytes: body.length});
  });
  const sockets = new Set();
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  const listen = (port) => new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  await listen(0);
  const {port} = server.address();
  return {
    server,
    sent,
    origin: `http://127.0.0.1:${port}`,
    // Takes the server off the network, its open connections too, and puts it back on its port.
    stop: () => {
      const stopped = new Promise((resolve) => server.close(resolve));
      sockets.forEach((socket) => socket.destroy());
      return stopped;
    },
    restart: () => listen(port),
  };
}

// Debian's Chromium, headless; root needs --no-sandbox. Audio plays without a device, so that a
// page's Web Audio runs as it does for a player. Extra arguments may load an extension, which
// puppeteer otherwise turns off.
export function launchBrowser(extra = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless=new', '--mute-audio', '--no-first-run', ...extra],
    ignoreDefaultArgs: extra.length > 0 ? ['--disable-extensions'] : [],
    protocolTimeout: 30000,
  });
}
