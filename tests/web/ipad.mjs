// What an iPad does to a page, in Chromium with touch: a touch the system
// cancels, the page sent to the background and back, its WebGL context
// lost; a lesson's link; and the heap's bound, read from quilmo.wasm.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { colours, places } from './drill.mjs';
import { levelPanelShown, open } from './pages.mjs';
import { check, sleep, waitFor } from './report.mjs';

const ipad = { width: 1180, height: 820, dpr: 2, mobile: true };
const numberBox = [169, 32, 474, 184];

// The most memory quilmo.wasm's own memory may grow to, in bytes.
export function heapMaximum(wasm) {
  const d = readFileSync(wasm);
  const leb = at => {
    let value = 0, shift = 0, b;
    do {
      b = d[at++];
      value += (b & 0x7f) * 2 ** shift;
      shift += 7;
    } while (b & 0x80);
    return [value, at];
  };
  for (let at = 8; at < d.length;) {
    const id = d[at];
    const [size, body] = leb(at + 1);
    if (id === 5) { // memory: count, flags, initial pages, maximum pages
      const flags = d[leb(body)[1]];
      if (!(flags & 1))
        return Infinity;
      const [, afterInitial] = leb(leb(body)[1] + 1);
      return leb(afterInitial)[0] * 65536;
    }
    at = body + size;
  }
  return NaN;
}

async function touch(drill, type, x, y) {
  const [cx, cy] = drill.at(x, y);
  // A touch of its own, as a device numbers each: Chromium's default id is
  // that of every other tap.
  await drill.page.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchStart' ? [{ x: cx, y: cy, id: 7 }] : [] });
}

export async function ipadBehaviour(browser, server, folder) {
  const maximum = heapMaximum(join(folder, 'quilmo.wasm'));
  check(`the heap may grow to ${maximum / 2 ** 20} MB at most (<= 512 MB)`, maximum <= 512 * 2 ** 20);

  // --- A lesson's link, and one for a level that does not exist.
  let drill = await open(browser, server, ipad, '?level=8');
  const linked = await drill.shotWhen(15000, image => drill.share(image, colours.white, 240, 150, 500, 90) > 0.98);
  check('index.html?level=8 opens the drawing panel', linked);
  if (linked) {
    await drill.tap(10 + 400, 10 + 175);
    const started = await drill.shotWhen(5000, image => drill.share(image, colours.pink, ...numberBox) > 0.95);
    check('a tap starts a lane there', started);
  }
  await drill.page.send('Page.close');
  drill = await open(browser, server, ipad, '?level=13');
  check('index.html?level=13 shows the level panel', await waitFor(15000, () => levelPanelShown(drill)));
  await drill.page.send('Page.close');

  // --- A started lane, then a touch on a digit that the system cancels.
  drill = await open(browser, server, ipad, '?level=1');
  await drill.shotWhen(15000, image => drill.share(image, colours.white, 240, 150, 500, 90) > 0.98);
  await drill.tap(10 + 400, 10 + 175);
  const lane = await drill.shotWhen(5000, image => drill.share(image, colours.pink, ...numberBox) > 0.95);
  if (!check('a lane started by touch', lane))
    return;
  // Lane 1's key 5: its middle in the window, its face in the panel.
  const face = [places.lane_keypad_x[1] + 2 + 5 * places.key_pitch, places.lane_keypad_y[1] + 2];
  const half = Math.floor(places.key_side / 2);
  const digit5 = [10 + face[0] + half, 10 + face[1] + half];
  const key = [30, 30, face[0] + 4, face[1] + 4];
  await touch(drill, 'touchStart', ...digit5);
  const held = await drill.shotWhen(2000, image => drill.differ(lane, image, ...key) > 20);
  await touch(drill, 'touchCancel', ...digit5);
  await sleep(500);
  const after = await drill.shot();
  check(`a cancelled touch leaves no key held (${held ? 'pressed, then ' : ''}${drill.differ(lane, after, ...key)} pixels changed) `
    + `and types nothing (${drill.dark(after, ...numberBox)} dark pixels in the box)`,
  drill.differ(lane, after, ...key) === 0 && drill.dark(after, ...numberBox) === 0);
  await drill.tap(...digit5);
  check('the next tap on it types its digit',
    await drill.shotWhen(2000, image => drill.dark(image, ...numberBox) > 20));

  // --- To the background and back: the sound plays again.
  const state = await waitFor(3000, () => drill.page.evaluate('quilmoAudio.context && quilmoAudio.context.state'));
  await drill.page.evaluate(`(async () => {
    Object.defineProperty(document, 'visibilityState', { value: 'hidden', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
    await quilmoAudio.context.suspend();
  })()`);
  const suspended = await drill.page.evaluate('quilmoAudio.context.state');
  await drill.page.evaluate(`(() => {
    Object.defineProperty(document, 'visibilityState', { value: 'visible', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  })()`);
  const resumed = await waitFor(3000, () => drill.page.evaluate('quilmoAudio.context.state === "running"'));
  check(`the sound resumes when the page comes back (${state}, hidden: ${suspended}, back: ${resumed ? 'running' : 'not'})`,
    state === 'running' && suspended === 'suspended' && resumed);

  // --- The WebGL context lost and given back: drawn again in place, the
  // lane as it was (the digit typed above still in its box), not reloaded.
  const lost = await drill.page.evaluate(`(async () => {
    const canvas = document.getElementById('screen');
    const gl = canvas.getContext('webgl2') || canvas.getContext('webgl');
    const lose = gl && gl.getExtension('WEBGL_lose_context');
    if (!lose)
      return false;
    const gone = new Promise(r => canvas.addEventListener('webglcontextlost', r, { once: true }));
    canvas.addEventListener('webglcontextrestored', () => { window.quilmoRestored = true; }, { once: true });
    lose.loseContext();
    await gone;
    window.quilmoBeforeLoss = true;
    setTimeout(() => lose.restoreContext(), 300);
    return true;
  })()`);
  const restored = await waitFor(10000, () => drill.page.evaluate('window.quilmoRestored === true'));
  const redrawn = restored && await drill.shotWhen(10000, image => drill.share(image, colours.pink, ...numberBox) > 0.5
    && drill.dark(image, ...numberBox) > 20);
  // Past the page's own fallback, which loads it again only for a context
  // that never came back.
  await sleep(9000);
  const kept = await drill.page.evaluate('window.quilmoBeforeLoss === true');
  check(`a lost WebGL context is drawn again in place (${lost ? 'lost' : 'could not be lost'}, `
    + `given back: ${restored}; the typed digit drawn again: ${!!redrawn}; the page kept, not loaded again: ${kept})`,
  lost && restored && redrawn && kept);
  await drill.page.send('Page.close');
}
