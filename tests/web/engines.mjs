// The page in the other two engines a school meets: Gecko (Debian's Firefox
// ESR, on a 1366 x 768 laptop) and WebKit (WebKitGTK, as an iPad's Safari,
// 1180 x 820 at two device pixels to the CSS pixel). Each plays the lesson
// that web_page plays in Chromium (lesson.mjs), read from screenshots.
//   node engines.mjs <page folder> <version> firefox|webkit
// Both want an X display (xvfb-run): Firefox has WebGL only on one.
// Prints "N passed, M failed" last; screenshots go to QUILMO_WEB_SHOTS if set.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { Drill, boundsOf, colours, levelFoot } from './drill.mjs';
import { playLesson } from './lesson.mjs';
import { check, finish, waitFor } from './report.mjs';
import { serve } from './serve.mjs';
import { privateVoice } from './speaker.mjs';
import { WebDriverBrowser } from './webdriver.mjs';

const [folder, version, engine] = process.argv.slice(2);
const shots = process.env.QUILMO_WEB_SHOTS;
const viewports = {
  firefox: { width: 1366, height: 768, dpr: 1 },
  webkit: { width: 1180, height: 820, dpr: 2 },
};
const viewport = viewports[engine];
if (!viewport) {
  console.error('usage: node engines.mjs <page folder> <version> firefox|webkit');
  process.exit(2);
}

async function keep(drill, name) {
  if (shots)
    writeFileSync(join(shots, `${engine}-${name}.png`), await drill.page.screenshot());
}

const server = await serve(folder);
// Firefox speaks through speech-dispatcher; WebKitGTK lists four voices
// here, none Japanese, so its lanes must say they have no voice.
const voice = engine === 'firefox' ? await privateVoice() : null;
const browser = engine === 'firefox' ? await WebDriverBrowser.firefox() : await WebDriverBrowser.webkit(viewport.dpr);
try {
  const page = await browser.open(`${server.url}index.html`, viewport.width, viewport.height);
  const drill = new Drill(page, viewport);
  const inner = await page.evaluate('[innerWidth, innerHeight, devicePixelRatio]');
  check(`${browser.name}: a viewport of ${inner[0]} x ${inner[1]} CSS pixels at ratio ${inner[2]}`,
    inner[0] === viewport.width && inner[1] === viewport.height && inner[2] === viewport.dpr);
  const panel = await drill.shotWhen(30000,
    image => drill.share(image, colours.lavender, ...levelFoot, true) > 0.98);
  if (check(`${browser.name}: the level panel shows, ${Date.now() - page.navigated} ms after navigation`, panel)) {
    await keep(drill, 'levels');
    const bounds = boundsOf(panel, colours.lavender);
    const [lx, ly] = drill.edge(4, 4).map(v => v * panel.scale);
    check(`${browser.name}: the drill at zoom ${drill.zoom}, the level panel's fill from (${bounds?.x0}, ${bounds?.y0}) `
      + `within its border from (${lx.toFixed(1)}, ${ly.toFixed(1)})`,
      bounds && drill.withinBorder(bounds.x0 - lx, panel.scale) && drill.withinBorder(bounds.y0 - ly, panel.scale));
    const title = await page.evaluate('document.title');
    check(`${browser.name}: the page's title is the window's (${JSON.stringify(title)})`, title === `Quilmo Ver${version}`);
    await playLesson(drill, { check: (what, ok) => check(`${browser.name}: ${what}`, ok), waitFor, keep, voice: !!voice });
    const audio = await page.evaluate(
      'window.quilmoAudio && { state: quilmoAudio.context && quilmoAudio.context.state, started: quilmoAudio.started }');
    // Firefox may open its sound output only after the first mark (seen with
    // two browsers started at once): the three wrong ones must sound.
    check(`${browser.name}: the marks' sounds played through Web Audio (${JSON.stringify(audio)})`,
      audio && audio.state === 'running' && audio.started[1] >= 3 && audio.started[0] + audio.started[1] >= 3);
    const kept = await waitFor(20000, async () => {
      const names = await page.evaluate('caches.keys()');
      return names.length ? names : null;
    });
    check(`${browser.name}: the service worker keeps the folder (${JSON.stringify(kept)})`,
      kept && kept.length === 1 && kept[0].startsWith(`quilmo-${version}-`));
  }
} catch (e) {
  check(`${browser.name}: the run went through: ${e.stack}`, false);
} finally {
  await browser.close();
  await voice?.stop();
  server.close();
}
finish();
