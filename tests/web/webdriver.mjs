// The page in Firefox and WebKit, through their own automation ends: Firefox
// ESR's Marionette (a socket of its own, the protocol geckodriver speaks) and
// WebKitGTK's WebKitWebDriver (W3C WebDriver over HTTP). No npm packages.
// A WebDriverPage answers the calls that Drill and the lesson make of a
// Chromium page (cdp.mjs): evaluate, click, tap, screenshot.
import { spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync, existsSync } from 'node:fs';
import { request } from 'node:http';
import { connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const sleep = ms => new Promise(r => setTimeout(r, ms));

// Marionette: each message is "length:json"; a command is [0, id, name,
// parameters] and its answer [1, id, error, result].
class Marionette {
  static async open(port) {
    const socket = await new Promise((resolve, reject) => {
      const s = connect(port, '127.0.0.1', () => resolve(s));
      s.on('error', reject);
    });
    const m = new Marionette(socket);
    await m.next(); // the server's greeting
    return m;
  }

  constructor(socket) {
    this.socket = socket;
    this.buffer = Buffer.alloc(0);
    this.waiting = [];
    this.messages = [];
    this.id = 0;
    socket.on('data', chunk => {
      this.buffer = Buffer.concat([this.buffer, chunk]);
      for (;;) {
        const colon = this.buffer.indexOf(':');
        if (colon < 0)
          break;
        const length = Number(this.buffer.toString('latin1', 0, colon));
        if (this.buffer.length < colon + 1 + length)
          break;
        const message = JSON.parse(this.buffer.toString('utf8', colon + 1, colon + 1 + length));
        this.buffer = this.buffer.subarray(colon + 1 + length);
        const waiting = this.waiting.shift();
        if (waiting)
          waiting(message);
        else
          this.messages.push(message);
      }
    });
  }

  next() {
    return this.messages.length ? Promise.resolve(this.messages.shift()) : new Promise(r => this.waiting.push(r));
  }

  async command(name, parameters = {}) {
    const id = ++this.id;
    const body = Buffer.from(JSON.stringify([0, id, `WebDriver:${name}`, parameters]));
    this.socket.write(`${body.length}:`);
    this.socket.write(body);
    for (;;) {
      const [, answerId, error, result] = await this.next();
      if (answerId !== id)
        continue;
      if (error)
        throw new Error(`${name}: ${error.error}: ${error.message}`);
      return result?.value ?? result;
    }
  }

  close() {
    this.socket.destroy();
  }
}

// W3C WebDriver over HTTP, one session.
class HttpWebDriver {
  constructor(port) {
    this.port = port;
    this.session = null;
  }

  send(method, path, body) {
    const data = body === undefined ? undefined : Buffer.from(JSON.stringify(body));
    return new Promise((resolve, reject) => {
      const req = request({ host: '127.0.0.1', port: this.port, method, path,
        headers: data ? { 'Content-Type': 'application/json', 'Content-Length': data.length } : {} }, res => {
        const chunks = [];
        res.on('data', c => chunks.push(c));
        res.on('end', () => {
          const answer = JSON.parse(Buffer.concat(chunks).toString('utf8') || '{}');
          if (res.statusCode >= 400)
            reject(new Error(`${path}: ${answer.value?.error}: ${answer.value?.message}`));
          else
            resolve(answer.value);
        });
      });
      req.on('error', reject);
      req.end(data);
    });
  }

  // Marionette's names, as W3C WebDriver's routes.
  command(name, parameters = {}) {
    const s = `/session/${this.session}`;
    switch (name) {
      case 'NewSession':
        return this.send('POST', '/session', parameters).then(v => { this.session = v.sessionId; return v; });
      case 'Navigate': return this.send('POST', `${s}/url`, parameters);
      case 'ExecuteScript': return this.send('POST', `${s}/execute/sync`, parameters);
      case 'TakeScreenshot': return this.send('GET', `${s}/screenshot`);
      case 'PerformActions': return this.send('POST', `${s}/actions`, parameters);
      case 'ReleaseActions': return this.send('DELETE', `${s}/actions`);
      case 'SetWindowRect': return this.send('POST', `${s}/window/rect`, parameters);
      case 'DeleteSession': return this.send('DELETE', s);
      default: throw new Error(`no route for ${name}`);
    }
  }

  close() {}
}

function killGroup(child) {
  try {
    process.kill(-child.pid, 'SIGKILL');
  } catch (e) {
    // already gone
  }
}

async function waitForPort(read, ms) {
  const end = Date.now() + ms;
  while (Date.now() < end) {
    const port = read();
    if (port)
      return port;
    await sleep(100);
  }
  throw new Error('the browser opened no automation port');
}

export class WebDriverBrowser {
  // Firefox ESR, headless, with a fresh profile.
  static async firefox(executable = '/usr/bin/firefox-esr') {
    const profile = mkdtempSync(join(tmpdir(), 'quilmo-firefox-'));
    writeFileSync(join(profile, 'user.js'), [
      'user_pref("marionette.port", 0);',
      'user_pref("browser.shell.checkDefaultBrowser", false);',
      'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
      'user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);',
      'user_pref("app.update.disabledForTesting", true);',
      'user_pref("browser.startup.homepage_override.mstone", "ignore");',
      'user_pref("media.autoplay.default", 0);',
      // WebGL on the processor, as a machine without a graphics card has it.
      'user_pref("webgl.force-enabled", true);',
      'user_pref("webgl.disabled", false);',
    ].join('\n'));
    // Firefox's Web Audio runs only with a sound output: a PulseAudio server
    // of its own with a null sink, its socket in the profile.
    const socket = join(profile, 'pulse.sock');
    const pulse = spawn('pulseaudio', ['-n', '--daemonize=no', '--system=false', '--exit-idle-time=-1',
      '--use-pid-file=no', '-L', 'module-null-sink sink_name=quilmo_test',
      '-L', `module-native-protocol-unix socket=${socket} auth-anonymous=1`],
    { stdio: 'ignore', detached: true, env: { ...process.env, HOME: profile, XDG_RUNTIME_DIR: profile } });
    await waitForPort(() => existsSync(socket), 5000).catch(() => {});
    const child = spawn(executable, [...(process.env.DISPLAY ? [] : ['--headless']), '--marionette', '--no-remote', '--profile', profile, 'about:blank'],
      { stdio: 'ignore', detached: true, env: { ...process.env, PULSE_SERVER: `unix:${socket}` } });
    const portFile = join(profile, 'MarionetteActivePort');
    const port = await waitForPort(() => existsSync(portFile) && Number(readFileSync(portFile, 'utf8')), 30000);
    const driver = await Marionette.open(port);
    await driver.command('NewSession', { capabilities: { alwaysMatch: { acceptInsecureCerts: true } } });
    return new WebDriverBrowser('Firefox', [child, pulse], driver, profile);
  }

  // WebKitGTK's MiniBrowser under WebKitWebDriver, on the X display that
  // DISPLAY names; GDK_SCALE sets its device pixel ratio.
  static async webkit(scale = 1, executable = '/usr/bin/WebKitWebDriver') {
    const port = 4400 + Math.floor(Math.random() * 500);
    const child = spawn(executable, [`--port=${port}`], { stdio: 'ignore', detached: true,
      env: { ...process.env, GDK_SCALE: String(scale) } });
    const driver = new HttpWebDriver(port);
    const end = Date.now() + 20000;
    for (;;) {
      try {
        await driver.send('GET', '/status');
        break;
      } catch (e) {
        if (Date.now() > end)
          throw e;
        await sleep(100);
      }
    }
    const minibrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
    await driver.command('NewSession', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] } } } });
    return new WebDriverBrowser('WebKit', [child], driver, null);
  }

  // processes: the browser and what it needs, each the leader of a process
  // group of its own; close() ends them all, and so does this script's exit,
  // whatever ends it.
  constructor(name, processes, driver, profile) {
    this.name = name;
    this.processes = processes;
    process.on('exit', () => this.processes.forEach(killGroup));
    this.driver = driver;
    this.profile = profile;
  }

  // The page at `url` with a viewport of the given CSS size.
  async open(url, width, height) {
    const page = new WebDriverPage(this.driver);
    await page.navigate('about:blank');
    await page.fitViewport(width, height);
    page.navigated = Date.now();
    await page.navigate(url);
    return page;
  }

  async close() {
    await Promise.race([this.driver.command('DeleteSession').catch(() => {}), sleep(3000)]);
    this.driver.close();
    // Killed and waited for: a script that exits at once would otherwise
    // leave the sound server behind, which only the browser's end stopped.
    await Promise.all(this.processes.map(p => {
      const gone = p.exitCode !== null || p.signalCode !== null ? Promise.resolve()
        : new Promise(resolve => p.once('exit', resolve));
      killGroup(p);
      return Promise.race([gone, sleep(5000)]);
    }));
    if (this.profile)
      rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  }
}

export class WebDriverPage {
  constructor(driver) {
    this.driver = driver;
    this.console = []; // WebDriver hands over no console
    this.consoleTimes = [];
  }

  navigate(url) {
    return this.driver.command('Navigate', { url });
  }

  // The window made as much larger as its frame takes from the viewport. A fit
  // counts once it holds across two reads: WebKit's frame can still lose a
  // bar just after the first.
  async fitViewport(width, height) {
    let w = width, h = height;
    for (let i = 0; i < 6; i++) {
      await this.driver.command('SetWindowRect', { x: 0, y: 0, width: w, height: h });
      let [iw, ih] = await this.evaluate('[innerWidth, innerHeight]');
      if (iw === width && ih === height) {
        await sleep(300);
        [iw, ih] = await this.evaluate('[innerWidth, innerHeight]');
        if (iw === width && ih === height)
          return;
      }
      w += width - iw;
      h += height - ih;
    }
    console.error(`the viewport did not settle at ${width}×${height}`);
  }

  // The value of an expression, promises awaited.
  async evaluate(expression) {
    return this.driver.command('ExecuteScript', {
      script: `return (async () => (${expression}))();`, args: [] });
  }

  async pointer(type, steps) {
    await this.driver.command('PerformActions', { actions: [{ type: 'pointer', id: type,
      parameters: { pointerType: type }, actions: steps }] });
  }

  async click(x, y) {
    await this.pointer('mouse', [
      { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 },
      { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]);
  }

  async tap(x, y) {
    await this.pointer('touch', [
      { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport', duration: 0 },
      { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]);
  }

  async screenshot() {
    return Buffer.from(await this.driver.command('TakeScreenshot', { full: false }), 'base64');
  }

  async send() {
    // Closing a tab (Chromium's Page.close) has no counterpart: the session ends with the browser.
  }
}
