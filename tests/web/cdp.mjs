// Debian's Chromium, headless, driven through its DevTools protocol over a
// pipe (--remote-debugging-pipe): no other browser, no npm packages.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { inflateSync } from 'node:zlib';

export class Browser {
  // Starts Chromium with a fresh profile; `extraFlags` e.g. to take WebGL away.
  static async launch(executable, extraFlags = []) {
    const profile = mkdtempSync(join(tmpdir(), 'quilmo-chromium-'));
    const flags = ['--headless=new', '--no-sandbox', '--test-type', '--enable-unsafe-swiftshader', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--hide-scrollbars', '--mute-audio', `--user-data-dir=${profile}`, '--remote-debugging-pipe',
      ...extraFlags, 'about:blank'];
    // In a process group of its own, so that its helpers end with it.
    const child = spawn(executable, flags, { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'], detached: true });
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', { discover: false });
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    this.stderr = '';
    child.stderr.on('data', d => { this.stderr = (this.stderr + d).slice(-4000); });
    let buffer = '';
    child.stdio[4].on('data', chunk => {
      buffer += chunk.toString('utf8');
      let end;
      while ((end = buffer.indexOf('\0')) >= 0) {
        const message = JSON.parse(buffer.slice(0, end));
        buffer = buffer.slice(end + 1);
        this.dispatch(message);
      }
    });
    this.exited = new Promise(resolve => child.on('exit', resolve));
    this.exited.then(() => {
      for (const { reject } of this.pending.values())
        reject(new Error(`Chromium exited: ${this.stderr}`));
    });
  }

  dispatch(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (!waiting)
        return;
      if (message.error)
        waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else
        waiting.resolve(message.result);
      return;
    }
    for (const listener of this.listeners)
      listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId)
      message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  // A profile of its own, as another pupil's browser: nothing cached, no
  // service worker.
  async newContext() {
    const { browserContextId } = await this.send('Target.createBrowserContext');
    return browserContextId;
  }

  async newPage(browserContextId = undefined) {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank', browserContextId });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    return new Page(this, sessionId, targetId);
  }

  async close() {
    try {
      await Promise.race([this.send('Browser.close'), new Promise(r => setTimeout(r, 3000))]);
    } catch (e) {
      // already gone
    }
    try {
      process.kill(-this.child.pid, 'SIGKILL');
    } catch (e) {
      // already gone
    }
    await this.exited;
    rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  }
}

export class Page {
  constructor(browser, sessionId, targetId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.targetId = targetId;
    this.console = [];
    this.consoleTimes = []; // when each line was written, in ms since the epoch
    this.handlers = new Map();
    browser.listeners.push(message => {
      if (message.sessionId !== sessionId)
        return;
      if (message.method === 'Runtime.consoleAPICalled') {
        this.console.push(message.params.args.map(a => a.value ?? a.description ?? '').join(' '));
        this.consoleTimes.push(message.params.timestamp);
      }
      if (message.method === 'Runtime.exceptionThrown')
      {
        this.console.push(`exception: ${message.params.exceptionDetails.exception?.description ?? message.params.exceptionDetails.text}`);
        this.consoleTimes.push(message.params.timestamp);
      }
      for (const handler of this.handlers.get(message.method) ?? [])
        handler(message.params);
    });
  }

  on(method, handler) {
    if (!this.handlers.has(method))
      this.handlers.set(method, []);
    this.handlers.get(method).push(handler);
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  // Closed and gone from the browser, not only asked to close: a page still
  // unloading is still its service worker's client.
  async close() {
    await this.send('Page.close');
    for (let i = 0; i < 100; i++) {
      const { targetInfos } = await this.browser.send('Target.getTargets');
      if (!targetInfos.some(t => t.targetId === this.targetId))
        return;
      await new Promise(r => setTimeout(r, 50));
    }
  }

  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails)
      throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    return result.value;
  }

  async mouse(type, x, y, extra = {}) {
    await this.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', clickCount: 1, ...extra });
  }

  async click(x, y) {
    await this.mouse('mouseMoved', x, y, { button: 'none' });
    await this.mouse('mousePressed', x, y);
    await this.mouse('mouseReleased', x, y);
  }

  async tap(x, y) {
    await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  }

  async key(key, code, text, keyCode) {
    await this.send('Input.dispatchKeyEvent', { type: 'keyDown', key, code, text, windowsVirtualKeyCode: keyCode });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode });
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }
}

// The pixels of a PNG as Chromium writes its screenshots: 8-bit RGB or RGBA,
// not interlaced.
export function decodePng(png) {
  let width = 0, height = 0, channels = 0;
  const idat = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0)
        throw new Error('only 8-bit, non-interlaced PNGs');
      channels = { 2: 3, 6: 4 }[body[9]];
      if (!channels)
        throw new Error(`PNG colour type ${body[9]}`);
    } else if (type === 'IDAT') {
      idat.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const rgb = Buffer.alloc(width * height * 3);
  let prev = Buffer.alloc(stride), line = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const src = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? line[i - channels] : 0, b = prev[i], c = i >= channels ? prev[i - channels] : 0;
      let p = 0;
      if (filter === 1) p = a;
      else if (filter === 2) p = b;
      else if (filter === 3) p = (a + b) >> 1;
      else if (filter === 4) {
        const pa = Math.abs(b - c), pb = Math.abs(a - c), pc = Math.abs(a + b - 2 * c);
        p = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      line[i] = (src[i] + p) & 255;
    }
    if (channels === 3) {
      line.copy(rgb, y * stride);
    } else {
      for (let x = 0, o = y * width * 3; x < width; x++, o += 3) {
        rgb[o] = line[4 * x];
        rgb[o + 1] = line[4 * x + 1];
        rgb[o + 2] = line[4 * x + 2];
      }
    }
    [prev, line] = [line, prev];
  }
  return { width, height, rgb };
}
