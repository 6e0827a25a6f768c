// A static web server for the page's folder on 127.0.0.1, as a school's
// server would be: the .br or .gz copy beside a file where the browser takes
// it (as nginx's gzip_static and brotli_static do), else gzip made here;
// .wasm as application/wasm. It notes every request and what each response
// sent. `offline` drops every connection, as a stopped server would;
// `folder` may be changed to serve another build.
import { createServer } from 'node:http';
import { existsSync, readFileSync, statSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.txt': 'text/plain; charset=utf-8', '.webmanifest': 'application/manifest+json',
};

export function serve(folder) {
  const requests = [];
  const made = new Map(); // gzip made here, once per file
  const state = { folder, offline: false };
  const server = createServer((req, res) => {
    if (state.offline) {
      req.socket.destroy();
      return;
    }
    const url = new URL(req.url, 'http://x');
    const path = normalize(decodeURIComponent(url.pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = join(state.folder, path.endsWith('/') ? `${path}index.html` : path);
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
    const accepts = req.headers['accept-encoding'] ?? '';
    let encoding = null;
    if (/\bbr\b/.test(accepts) && existsSync(`${file}.br`)) {
      body = readFileSync(`${file}.br`);
      encoding = 'br';
    } else if (/\bgzip\b/.test(accepts)) {
      if (existsSync(`${file}.gz`)) {
        body = readFileSync(`${file}.gz`);
      } else {
        if (!made.has(file))
          made.set(file, gzipSync(body, { level: 9 }));
        body = made.get(file);
      }
      encoding = 'gzip';
    }
    if (encoding)
      headers['Content-Encoding'] = encoding;
    requests.push({ path, query: url.search, status: 200, bytes: body.length, encoding,
      worker: req.headers['service-worker'] === 'script' });
    res.writeHead(200, headers).end(body);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => {
    resolve({
      url: `http://127.0.0.1:${server.address().port}/`, requests,
      set offline(value) { state.offline = value; },
      set folder(value) { state.folder = value; made.clear(); },
      close: () => { server.closeAllConnections?.(); server.close(); },
    });
  }));
}
