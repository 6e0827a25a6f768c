// Chromium's pages of the page tests: one opened at a viewport, and what
// tells that the drill shows.
import { Drill, colours, levelFoot } from './drill.mjs';

// A page of the given size, navigated to the page's folder (`query` after
// it, `script` run before the page's own, `context` a profile of its own).
export async function open(browser, server, viewport, query = '', script = '', context = undefined) {
  const page = await browser.newPage(context);
  for (const domain of ['Page', 'Runtime', 'Network'])
    await page.send(`${domain}.enable`);
  if (script)
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: script });
  await page.send('Emulation.setDeviceMetricsOverride', {
    width: viewport.width, height: viewport.height, deviceScaleFactor: viewport.dpr, mobile: !!viewport.mobile,
  });
  if (viewport.mobile)
    await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  const drill = new Drill(page, viewport);
  drill.navigated = Date.now();
  await page.send('Page.navigate', { url: server.url + query });
  return drill;
}

export async function levelPanelShown(drill) {
  const image = await drill.shot();
  return drill.share(image, colours.lavender, ...levelFoot, true) > 0.98 ? image : null;
}

// When the program said it painted its first frame, in ms after navigation
// (the page opened with ?timing), or null.
export async function firstFrame(drill, waitFor, ms = 15000) {
  const said = () => drill.page.console.findIndex(l => l.includes('quilmo: first frame painted'));
  await waitFor(ms, async () => said() >= 0);
  return said() >= 0 ? Math.round(drill.page.consoleTimes[said()] - drill.navigated) : null;
}
