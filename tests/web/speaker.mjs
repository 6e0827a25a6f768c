// Lane 1's speaker tapped as a pupil taps it. A wrapper round
// speechSynthesis.speak keeps what the browser was asked to say, in which
// language, and in which event the call came: an iPad speaks only from
// within the tap's own event. A browser with a Japanese voice must be asked
// for level 1's problem; one without must say so in the lane.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pixel, places, same } from './drill.mjs';
import { sleep } from './report.mjs';

// Level 1's question as a teacher reads it: squares of 1 cm, the area in cm².
const level1 = 'ひとますの　いっぺんは　いちセンチメートルです。いろを　ぬった　ぶぶんの　めんせきは、なんへいほうセンチメートルですか。';
// What a lane says without a voice, drawn in the hint's dark blue.
const noVoice = 'よみあげの　こえが　ありません';
const hintInk = [0, 0, 160];

// A speech-dispatcher of the test's own, with the espeak-ng voices, for a
// browser that speaks through it (Chromium with --enable-speech-dispatcher,
// Firefox): its address goes to the browsers started after it, and none of
// them starts another. stop() ends it and its synthesisers.
export async function privateVoice() {
  const runtime = mkdtempSync(join(tmpdir(), 'quilmo-speechd-'));
  const socket = join(runtime, 'speechd.sock');
  // Its sound goes nowhere: what the browser asked for is what is checked.
  const child = spawn('speech-dispatcher', ['-s', '-t', '0', '-S', socket, '-P', join(runtime, 'pid'), '-L', runtime],
    { stdio: 'ignore', detached: true, env: { ...process.env, XDG_RUNTIME_DIR: runtime, PULSE_SERVER: 'unix:/nonexistent' } });
  const gone = new Promise(resolve => child.once('exit', resolve));
  for (let n = 0; n < 50 && !existsSync(socket); n++)
    await sleep(100);
  process.env.SPEECHD_ADDRESS = `unix_socket:${socket}`;
  process.env.SPEECHD_CMD = '/nonexistent';
  const signal = name => {
    try {
      process.kill(-child.pid, name);
    } catch (e) {
      // already gone
    }
  };
  return {
    // It ends its synthesisers first, which a busy machine can make slow.
    async stop() {
      signal('SIGTERM');
      if (await Promise.race([gone.then(() => true), sleep(3000)]) !== true)
        signal('SIGKILL');
      await Promise.race([gone, sleep(2000)]);
      rmSync(runtime, { recursive: true, force: true });
    },
  };
}

const listen = `(() => {
  if (window.quilmoHeard)
    return;
  const heard = window.quilmoHeard = [];
  const speak = SpeechSynthesis.prototype.speak;
  SpeechSynthesis.prototype.speak = function (said) {
    heard.push({ text: said.text, lang: said.lang, voice: said.voice ? said.voice.lang : null,
      event: window.event ? window.event.type : null,
      active: navigator.userActivation ? navigator.userActivation.isActive : null });
    return speak.call(this, said);
  };
})()`;

const japaneseListed = 'speechSynthesis.getVoices().some(v => /^ja/i.test(v.lang))';

// `voice`: whether this browser is expected to have a Japanese voice.
export async function tapSpeaker(drill, { check, waitFor, keep, voice }) {
  await drill.page.evaluate(listen);
  // Voices are listed late, Chromium's a few seconds after the level readied
  // them; a browser that lists none leaves the page waiting five.
  const listed = await waitFor(voice ? 15000 : 0, () => drill.page.evaluate(japaneseListed));
  if (!voice && !await waitFor(2000, () => drill.page.evaluate('speechSynthesis.getVoices().length > 0')))
    await sleep(5000);
  const before = await drill.shot();
  const { lane_speaker_x: x, lane_speaker_y: y, lane_speaker_w: w, lane_speaker_h: h } = places;
  await drill.panelClick(x[1] + w[1] / 2, y[1] + h[1] / 2);
  if (voice) {
    const heard = await waitFor(3000, () => drill.page.evaluate('window.quilmoHeard.length && window.quilmoHeard'));
    const said = heard && heard[heard.length - 1];
    check(`a Japanese voice is listed, and the speaker asks for level 1's question: ${JSON.stringify(said)}`,
      listed && heard.length === 1 && said.text === level1 && said.lang === 'ja-JP' && /^ja/i.test(said.voice));
    check(`inside the tap's own event (${said?.event}, user activation ${said?.active})`,
      said && ['pointerup', 'pointerdown', 'mouseup', 'mousedown', 'click', 'touchend'].includes(said.event)
        && said.active !== false);
    return;
  }
  // The line where hints go, right of the figure to the band's edge: empty
  // before the tap, then the no-voice text, fifteen full-width characters of
  // 15 pt (20 px each).
  const line = [places.lane_band_x[1] + places.lane_band_w[1] - places.lane_hint_x[1], 24,
    places.lane_hint_x[1], places.lane_hint_y[1]];
  const said = await drill.shotWhen(3000, image => drill.count(image, hintInk, ...line) > 0);
  await keep(drill, 'no-voice');
  const ink = said && inkSpan(drill, said, hintInk, line);
  const heard = await drill.page.evaluate('window.quilmoHeard.length');
  check(`no Japanese voice listed, the lane says so: hint ink ${ink ? ink.toFixed(0) : 'none'} px wide `
    + `(${noVoice}: 280 to 300), nothing asked of the browser (${heard} calls)`,
    !listed && drill.count(before, hintInk, ...line) === 0 && ink >= 280 && ink <= 300 && heard === 0);
}

// How wide, in design pixels, the ink of one colour spans in an area.
function inkSpan(drill, image, colour, area) {
  const r = drill.deviceRect(image, ...area);
  let x0 = Infinity, x1 = -Infinity;
  for (let y = r.y0; y < r.y1; y++)
    for (let x = r.x0; x < r.x1; x++) {
      if (same(pixel(image, x, y), colour)) {
        x0 = Math.min(x0, x);
        x1 = Math.max(x1, x);
      }
    }
  return x1 < x0 ? 0 : (x1 - x0 + 1) / (image.scale * drill.zoom);
}
