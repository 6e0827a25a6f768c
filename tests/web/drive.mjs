// The page in Debian's headless Chromium, served from 127.0.0.1 as a school's
// server would serve it, played as tests/realwindow/run plays the desktop
// program: a level, a lane, right and wrong answers on the on-screen keypad,
// the marks and the pause read from screenshots, lane 1's speaker, the answer
// after the third miss, finishing and leaving. Then the page on an iPad and a
// phone, its worksheets, on browsers without WebGL or WebAssembly, and what
// it fetched and stored.
//   node drive.mjs <page folder> <version> <sheet_pdf>
// Prints "N passed, M failed" last; screenshots go to QUILMO_WEB_SHOTS if set.
import { existsSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Browser } from './cdp.mjs';
import { boundsOf, colours } from './drill.mjs';
import { serve } from './serve.mjs';
import { playLesson } from './lesson.mjs';
import { firstFrame, levelPanelShown, open } from './pages.mjs';
import { folderFiles, loadTimes, schoolApp } from './offline.mjs';
import { ipadBehaviour } from './ipad.mjs';
import { privateVoice } from './speaker.mjs';
import { worksheets } from './worksheet.mjs';
import { check, finish, median, waitFor } from './report.mjs';

const [folder, version, sheetPdf] = process.argv.slice(2);
const chromium = process.env.QUILMO_CHROMIUM || '/usr/bin/chromium';
const shots = process.env.QUILMO_WEB_SHOTS;

// What the program said each new problem and its paint took, per page: the
// first of a page apart, since it also sets up what every later one reuses.
const problemTimes = new Map(); // where -> { first, later }
function noteProblemTimes(drill, where) {
  const times = drill.page.console.map(l => /quilmo: NewProblem\+paint ([\d.]+) ms/.exec(l)).filter(m => m);
  times.forEach(m => console.log(`     ${where}: ${m.input.replace(/^.*quilmo: /, '')}`));
  const ms = times.map(m => Number(m[1]));
  problemTimes.set(where, { first: ms[0], later: ms.slice(1) });
}

async function keep(drill, name) {
  if (shots)
    writeFileSync(join(shots, `${name}.png`), await drill.page.screenshot());
}

// --- On a 1366 x 768 laptop: the whole lesson.
async function laptop(browser, server) {
  const viewport = { width: 1366, height: 768, dpr: 1 };
  // A pupil's browser is running already, its graphics started: a page that
  // asks for WebGL once does that here, before the start is timed.
  const warm = await browser.newPage();
  await warm.evaluate('!!document.createElement("canvas").getContext("webgl2")');
  await warm.send('Page.close');
  // The start is timed by the program's word, with the page left alone
  // meanwhile (screenshots read as it starts would slow it), three times on
  // a machine that other work shares; the last page plays the lesson.
  const starts = [];
  let drill = null, wasm = -1;
  for (let n = 0; n < 3; n++) {
    if (drill)
      await drill.page.send('Page.close');
    drill = await open(browser, server, viewport, '?timing');
    const start = await firstFrame(drill, waitFor);
    if (start !== null)
      starts.push(start);
    wasm = await drill.page.evaluate(
      'Math.round(performance.getEntriesByName(new URL("quilmo.wasm", location).href)[0]?.responseEnd ?? -1)');
  }
  const built = drill.page.console.find(l => l.includes('quilmo: drawing panel built'));
  console.log(`     ${built?.replace(/^.*quilmo: /, '') ?? 'the drawing panel: not said'}`);
  // Then a screenshot confirms what was said.
  const panel = await waitFor(5000, () => levelPanelShown(drill));
  if (!check(`the level panel shows, ${Date.now() - drill.navigated} ms after navigation in a screenshot`, panel)) {
    console.log(drill.page.console.join('\n'));
    return;
  }
  check(`the level panel is painted ${median(starts)} ms after navigation, the median of ${starts.join(', ')} ms `
    + `(by the program's word; the last page had quilmo.wasm in at ${wasm} ms) <= 3000 ms`,
    starts.length === 3 && median(starts) <= 3000);
  await keep(drill, 'laptop-levels');
  check(`the page's title is the window's (${await drill.page.evaluate('document.title')})`,
    await drill.page.evaluate('document.title') === `Quilmo Ver${version}`);
  const margin = drill.share(panel, colours.lightGreen, 100, 700, -130, 20, true);
  check(`the drill is centred at zoom ${drill.zoom} on light green (${(margin * 100).toFixed(1)} % of the left margin)`,
    margin > 0.99);
  const bounds = boundsOf(panel, colours.lavender);
  const [lx, ly] = drill.edge(4, 4);
  check(`no title bar: the level panel's fill starts at (${bounds?.x0}, ${bounds?.y0}), within its border from (${lx.toFixed(1)}, ${ly.toFixed(1)})`,
    bounds && drill.withinBorder(bounds.x0 - lx, 1) && drill.withinBorder(bounds.y0 - ly, 1));
  check('no sound is set up before the pupil touches the page',
    await drill.page.evaluate('!window.quilmoAudio || !window.quilmoAudio.context'));

  await playLesson(drill, { check, waitFor, keep, voice: true });

  noteProblemTimes(drill, 'laptop, levels 1 and 12');
  const audio = await drill.page.evaluate('window.quilmoAudio && {state: quilmoAudio.context && quilmoAudio.context.state, started: quilmoAudio.started}');
  check(`the marks' sounds played through Web Audio (${JSON.stringify(audio)})`,
    audio && audio.state === 'running' && audio.started[0] >= 1 && audio.started[1] >= 3);
  const stored = await drill.page.evaluate(`(async () => [localStorage.length, sessionStorage.length,
    (await indexedDB.databases()).length, document.cookie.length])()`);
  check(`nothing stored: local, session, IndexedDB, cookies ${JSON.stringify(stored)}`, stored.every(n => n === 0));
  const kept = await waitFor(20000, async () => {
    const names = await drill.page.evaluate('caches.keys()');
    return names.length ? names : null;
  });
  check(`the service worker's cache is all that is kept: ${JSON.stringify(kept)}`,
    kept && kept.length === 1 && kept[0].startsWith(`quilmo-${version}-`));
  await drill.page.send('Page.close');
}

// --- On an iPad (1180 x 820, two device pixels to the CSS pixel), by touch.
async function tablet(browser, server) {
  const viewport = { width: 1180, height: 820, dpr: 2, mobile: true };
  const drill = await open(browser, server, viewport, '?timing');
  const panel = await waitFor(15000, () => levelPanelShown(drill));
  check('the level panel shows on an iPad', panel);
  if (!panel)
    return;
  const size = await drill.page.evaluate('[document.getElementById("screen").width, document.getElementById("screen").height]');
  check(`the canvas has a pixel for each device pixel (${size})`, size[0] === 2360 && size[1] === 1640);
  await keep(drill, 'ipad-levels');
  await drill.tap(...drill.levelPoint(4));
  await drill.tap(4 + 2 + 820 + 44, 4 + 2 + 8 + 20);
  await drill.tap(10 + 400, 10 + 175);
  const started = await drill.shotWhen(5000, image => drill.share(image, colours.pink, 169, 32, 474, 184) > 0.95);
  check('a tap starts lane 1 (level 4)', started);
  // Lanes 2 and 3 as well, a new problem each, timed with the page left
  // alone: reading screenshots meanwhile would take the processor from it.
  for (const lane of [2, 3]) {
    await new Promise(r => setTimeout(r, 1000));
    await drill.tap(10 + 400, 10 + 175 + 220 * (lane - 1));
  }
  await new Promise(r => setTimeout(r, 1000));
  const lanes = await drill.shot();
  check('taps start lanes 2 and 3', [2, 3].every(lane => drill.share(lanes, colours.pink, 169, 32, 474, 184 + 220 * (lane - 1)) > 0.95));
  await keep(drill, 'ipad-lane');
  noteProblemTimes(drill, 'iPad, level 4');
  await drill.page.send('Page.close');
}

// --- On a phone: the whole drill drawn smaller, nothing cut off.
async function phone(browser, server) {
  const viewport = { width: 390, height: 844, dpr: 3, mobile: true };
  const drill = await open(browser, server, viewport);
  const panel = await waitFor(15000, () => levelPanelShown(drill));
  const bounds = panel && boundsOf(panel, colours.lavender);
  const width = bounds ? (bounds.x1 - bounds.x0 + 1) / 3 : 0;
  check(`on a phone the level panel is drawn whole, ${width.toFixed(0)} of 390 CSS pixels wide`,
    bounds && bounds.x0 > 0 && bounds.x1 < panel.width - 1 && Math.abs(width - 1009 * drill.zoom) <= 2);
  await keep(drill, 'phone-levels');
  await drill.page.send('Page.close');
}

// --- Browsers that lack what Qt needs show what is missing, in Japanese.
// `script` runs before the page's own, as a browser that lacks a thing would
// have it.
async function lacking(server, what, { flags = [], script = '' }, shown, hidden) {
  const browser = await Browser.launch(chromium, flags);
  try {
    const drill = await open(browser, server, { width: 1024, height: 768, dpr: 1 }, '', script);
    const text = await waitFor(10000, () => drill.page.evaluate(
      `document.readyState === "complete" && !document.getElementById("missing").hidden && document.getElementById("missing").innerText`));
    const items = await drill.page.evaluate(`[${JSON.stringify(shown)}, ${JSON.stringify(hidden)}].map(id => !document.getElementById(id).hidden)`);
    check(`without ${what} the page says so: "${(text || '').split('\n').filter(Boolean).slice(0, 3).join(' / ')}"`,
      text && text.includes('ひらけません') && items[0] && !items[1]);
  } finally {
    await browser.close();
  }
}

const server = await serve(folder);
// Chromium on Linux speaks through speech-dispatcher when asked to.
const voice = await privateVoice();
const browser = await Browser.launch(chromium, ['--enable-speech-dispatcher']);
try {
  await laptop(browser, server);
  await tablet(browser, server);
  await phone(browser, server);
  await worksheets(browser, server, { check, waitFor }, sheetPdf);
  const fetched = [...new Set(server.requests.map(r => r.path))].sort();
  check(`the page fetches only its own files: ${fetched.join(' ')}`,
    fetched.every(p => p === '/' || existsSync(join(folder, p))));
  // The laptop's scale is the classroom's; the iPad's twice as many pixels
  // are reported beside it.
  for (const [where, { first, later }] of problemTimes)
    console.log(`     ${where}: NewProblem+paint median ${median(later).toFixed(2)} ms of ${later.length}, `
      + `the page's first ${first?.toFixed(1)} ms (it sets up the drawing)`);
  const laptopTimes = problemTimes.get('laptop, levels 1 and 12')?.later ?? [];
  check(`NewProblem with its paint on the laptop: median ${median(laptopTimes).toFixed(2)} ms <= 5 ms`,
    laptopTimes.length >= 2 && median(laptopTimes) <= 5);
  const once = new Map(server.requests.filter(r => !r.worker).map(r => [r.path, r.bytes]));
  const total = [...once.values()].reduce((a, b) => a + b, 0);
  check(`the page downloads ${(total / 1e6).toFixed(2)} MB compressed (<= 12 MB)`, total > 0 && total <= 12e6);
  await ipadBehaviour(browser, server, folder);
  await schoolApp(browser, server, folder, version);
  // The start on a first visit and on the next, from the service worker;
  // with QUILMO_WEB_BEFORE naming another build's folder, its own beside.
  const times = await loadTimes(browser, server, folderFiles(folder).length);
  console.log(`     level panel, first visit ${times.first} ms, next visit ${times.repeat} ms: ${JSON.stringify(times.all)}`);
  if (process.env.QUILMO_WEB_BEFORE) {
    const other = await serve(process.env.QUILMO_WEB_BEFORE);
    const before = await loadTimes(browser, other, 0, false);
    console.log(`     the other build: first visit ${before.first} ms, next visit ${before.repeat} ms: ${JSON.stringify(before.all)}`);
    other.close();
  }
  check(`the level panel ${times.first} ms after navigation on a first visit (<= 3000 ms), `
    + `${times.repeat} ms on the next, from the service worker (<= first)`,
    times.first <= 3000 && times.repeat <= times.first);
} catch (e) {
  check(`the run went through: ${e.stack}`, false);
} finally {
  await browser.close();
  await voice.stop();
}
await lacking(server, 'WebGL', { flags: ['--disable-webgl', '--disable-3d-apis'] }, 'no-webgl', 'no-wasm');
// Chromium offers no switch that takes WebAssembly away.
await lacking(server, 'WebAssembly', { script: 'delete globalThis.WebAssembly;' }, 'no-wasm', 'no-webgl');
server.close();
finish();
