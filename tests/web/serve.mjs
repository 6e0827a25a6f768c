// A static web server for the page's folder on 127.0.0.1, as a school's
// server would be: gzip where the browser takes it, .wasm as application/wasm.
// It notes every request, and what each response sent.
import { createServer } from 'node:http';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};

export function serve(folder) {
  const requests = [];
  // Compressed before the first request, as a server's cache or a folder of
  // .gz files would have them: the page's start is not kept waiting for it.
  const cache = new Map();
  for (const name of readdirSync(folder))
    if (statSync(join(folder, name)).isFile())
      cache.set(join(folder, name), gzipSync(readFileSync(join(folder, name)), { level: 9 }));
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    let body;
    try {
      if (!statSync(file).isFile())
        throw new Error('not a file');
      body = readFileSync(file);
    } catch (e) {
      requests.push({ path, status: 404, bytes: 0 });
      res.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-store' };
    if (/\bgzip\b/.test(req.headers['accept-encoding'] ?? '')) {
      if (!cache.has(file))
        cache.set(file, gzipSync(body, { level: 9 }));
      body = cache.get(file);
      headers['Content-Encoding'] = 'gzip';
    }
    requests.push({ path, status: 200, bytes: body.length });
    res.writeHead(200, headers).end(body);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => {
    resolve({ url: `http://127.0.0.1:${server.address().port}/`, requests, close: () => server.close() });
  }));
}
