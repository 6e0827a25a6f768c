// The page as a school's installed app, in Chromium: installable, its
// start timed on a first visit and on the next from the service worker,
// offline, its cache mended where a file went missing or broken, a new
// version taking over whole, and a browser without service workers. Each
// pupil's browser is a profile of its own (a browser context).
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { colours } from './drill.mjs';
import { firstFrame, levelPanelShown, open } from './pages.mjs';
import { check, median, waitFor } from './report.mjs';

const laptop = { width: 1366, height: 768, dpr: 1 };
const web = join(dirname(fileURLToPath(import.meta.url)), '../../web');

// Every file the worker keeps: the folder but its compressed copies and itself.
export function folderFiles(folder, under = '') {
  return readdirSync(join(folder, under), { withFileTypes: true }).flatMap(e => e.isDirectory()
    ? folderFiles(folder, join(under, e.name))
    : /\.(gz|br)$/.test(e.name) || e.name === 'sw.js' ? [] : [join(under, e.name)]);
}

const cacheNames = drill => drill.page.evaluate('caches.keys()');
// The worker has kept every file (its install is over).
const installed = (drill, count) => waitFor(30000, () => drill.page.evaluate(`(async () => {
  const names = await caches.keys();
  return names.length === 1 && (await (await caches.open(names[0])).keys()).length === ${count};
})()`));

// The level panel's first frame on a first visit and on the next, each in a
// fresh profile, three times; the median of each.
export async function loadTimes(browser, server, count, worker = true) {
  const first = [], repeat = [];
  for (let n = 0; n < 3; n++) {
    const context = await browser.newContext();
    const visit1 = await open(browser, server, laptop, '?timing', '', context);
    first.push(await firstFrame(visit1, waitFor));
    if (worker)
      await installed(visit1, count);
    await visit1.page.send('Page.close');
    const visit2 = await open(browser, server, laptop, '?timing', '', context);
    repeat.push(await firstFrame(visit2, waitFor));
    await visit2.page.send('Page.close');
    await browser.send('Target.disposeBrowserContext', { browserContextId: context });
  }
  return { first: median(first), repeat: median(repeat), all: { first, repeat } };
}

export async function schoolApp(browser, server, folder, version) {
  const files = folderFiles(folder);
  const context = await browser.newContext();
  const visit = () => open(browser, server, laptop, '', '', context);

  // --- Installable (a profile of its own counts as incognito: Chromium
  // installs nothing there, so the browser's own profile is asked).
  let drill = await open(browser, server, laptop);
  await waitFor(15000, () => levelPanelShown(drill));
  const errors = await waitFor(10000, async () => {
    const e = (await drill.page.send('Page.getInstallabilityErrors')).installabilityErrors;
    return e.length === 0 ? e : null;
  }) ?? (await drill.page.send('Page.getInstallabilityErrors')).installabilityErrors;
  check(`Chromium counts the page installable (${JSON.stringify(errors)})`, errors.length === 0);
  await drill.page.send('Page.close');

  // --- The first visit: the folder kept once it plays.
  drill = await visit();
  check('the first visit shows the level panel', await waitFor(15000, () => levelPanelShown(drill)));
  const manifest = await drill.page.send('Page.getAppManifest');
  check(`the manifest is read without errors (${manifest.errors?.length ?? '?'})`,
    manifest.url?.endsWith('/manifest.webmanifest') && manifest.errors?.length === 0);
  check(`the service worker keeps all ${files.length} files of the folder`, await installed(drill, files.length));
  const kept = await cacheNames(drill);
  check(`in one cache named from the version: ${kept}`, kept.length === 1 && kept[0].startsWith(`quilmo-${version}-`));
  await drill.page.send('Page.close');

  // --- The server stopped: the next visit plays from the cache.
  server.offline = true;
  drill = await visit();
  const offline = await waitFor(15000, () => levelPanelShown(drill));
  if (check('with the server stopped the level panel shows', offline)) {
    await drill.chooseLevel(1);
    await drill.decide();
    await waitFor(5000, async () => drill.share(await drill.shot(), colours.white, 240, 150, 500, 90) > 0.98);
    await drill.startLane(1);
    check('and a lane starts', await drill.shotWhen(5000, image => drill.share(image, colours.pink, 169, 32, 474, 184) > 0.95));
  }
  server.offline = false;

  // --- A file gone from the cache and one cut short are fetched again.
  const broken = ['qtloader.js', 'quilmo.js'];
  await drill.page.evaluate(`(async () => {
    const cache = await caches.open(${JSON.stringify(kept[0])});
    await cache.delete(new URL('qtloader.js', location).href);
    await cache.put(new URL('quilmo.js', location).href, new Response('// cut short'));
  })()`);
  await drill.page.send('Page.close');
  const before = server.requests.length;
  drill = await visit();
  check('with a file missing and one broken in the cache the level panel shows',
    await waitFor(15000, () => levelPanelShown(drill)));
  const again = server.requests.slice(before).map(r => r.path.slice(1));
  check(`just those two were fetched again (${again.join(' ')})`,
    broken.every(f => again.includes(f)) && again.every(f => broken.includes(f) || f === 'sw.js'));
  const sizes = broken.map(f => statSync(join(folder, f)).size);
  check(`and are whole in the cache again (${sizes.join(', ')} bytes)`, await waitFor(5000, () => drill.page.evaluate(`(async () => {
    const cache = await caches.open(${JSON.stringify(kept[0])});
    const sizes = await Promise.all(${JSON.stringify(broken)}.map(async f =>
      (await (await cache.match(new URL(f, location).href))?.arrayBuffer())?.byteLength));
    return JSON.stringify(sizes) === '${JSON.stringify(sizes)}';
  })()`)));
  await drill.page.send('Page.close');

  // --- A new version on the server: the next visit finds it, the one after
  // runs it whole, and the old cache is gone.
  const next = mkdtempSync(join(tmpdir(), 'quilmo-next-'));
  cpSync(folder, next, { recursive: true });
  appendFileSync(join(next, 'qtloader.js'), '\n// the next version\n');
  execFileSync('cmake', [`-DFOLDER=${next}`, '-DVERSION=9.9.9', `-DTEMPLATE=${web}/sw.js.in`, '-P', `${web}/folder.cmake`]);
  server.folder = next;
  drill = await visit();
  await waitFor(15000, () => levelPanelShown(drill));
  const waiting = await waitFor(90000, () => drill.page.evaluate('navigator.serviceWorker.getRegistration().then(r => !!r && !!r.waiting)'));
  // The old version's last page wholly gone, as when a pupil comes back
  // later: the next visit, made while it still unloads, would be the old
  // version's client and keep the new one waiting.
  await drill.page.close();
  drill = await visit();
  const shown = await waitFor(15000, () => levelPanelShown(drill));
  const names = await waitFor(30000, async () => {
    const n = await cacheNames(drill);
    return n.length === 1 && n[0].startsWith('quilmo-9.9.9-') ? n : null;
  });
  const whole = await drill.page.evaluate(`(async () => (await (await fetch('qtloader.js')).text()).includes('the next version'))()`);
  check(`the new version replaces the old on the next visit (installed beside it: ${!!waiting}): `
    + `caches ${JSON.stringify(names)}, its own qtloader.js ${whole}`,
    shown && names && whole);
  await drill.page.send('Page.close');
  server.folder = folder;
  rmSync(next, { recursive: true, force: true });
  await browser.send('Target.disposeBrowserContext', { browserContextId: context });

  // --- A browser without service workers plays online, keeping nothing.
  const bare = await browser.newContext();
  drill = await open(browser, server, laptop, '', 'delete Navigator.prototype.serviceWorker;', bare);
  check('without service workers the level panel shows', await waitFor(15000, () => levelPanelShown(drill)));
  await new Promise(r => setTimeout(r, 1000));
  check('and nothing is kept', (await cacheNames(drill)).length === 0);
  await drill.page.send('Page.close');
  await browser.send('Target.disposeBrowserContext', { browserContextId: bare });
}
