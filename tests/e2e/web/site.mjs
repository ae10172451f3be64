// What the browser test and the frame benchmark share: the built site served on 127.0.0.1 and
// Debian's Chromium, headless, driven over the DevTools protocol.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize} from 'node:path';
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
// the server, its address, the list of paths it has been asked for, and a way to stop and restart
// it.
export async function serveSite(folder) {
  const asked = [];
  const server = createServer(async (request, response) => {
    asked.push(request.url);
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, {'Content-Type': types[extname(file)] ?? 'application/octet-stream'});
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
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
    asked,
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
// page's Web Audio runs as it does for a player.
export function launchBrowser() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless=new', '--mute-audio', '--no-first-run'],
    protocolTimeout: 30000,
  });
}
