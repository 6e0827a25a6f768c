// プリント in the page, pressed as a pupil would: the sheet is made in the
// browser and handed to it as a PDF in a new tab, which Poppler reads back.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { levelPanelShown, open } from './pages.mjs';

// Run before the page's own scripts: every Blob given an address is kept,
// with when, and so is the time of the last press.
const keepBlobs = `(() => {
  const make = URL.createObjectURL.bind(URL);
  window.quilmoBlobs = [];
  URL.createObjectURL = blob => {
    const url = make(blob);
    quilmoBlobs.push({ blob, url, at: performance.now() });
    return url;
  };
  addEventListener('pointerdown', () => { window.quilmoPressed = performance.now(); }, true);
})();`;

// プリント on the level panel, in the window's design pixels.
const printButton = [4 + 2 + 734 + 41, 4 + 2 + 8 + 20];

// The PDF handed over after a press of プリント: its bytes, the ms from the
// press, and whether a tab opened on it.
async function pressPrint(browser, drill, waitFor) {
  await drill.click(...printButton);
  const handed = await waitFor(10000, () => drill.page.evaluate(`(async () => {
    const b = quilmoBlobs.find(b => b.blob.type === 'application/pdf');
    if (!b)
      return null;
    const bytes = new Uint8Array(await b.blob.arrayBuffer());
    let s = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
      s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return { url: b.url, ms: b.at - quilmoPressed, pdf: btoa(s) };
  })()`));
  if (!handed)
    return null;
  const tab = await waitFor(5000, async () =>
    (await browser.send('Target.getTargets')).targetInfos.find(t => t.type === 'page' && t.url === handed.url));
  if (tab)
    await browser.send('Target.closeTarget', { targetId: tab.targetId });
  return { ...handed, pdf: Buffer.from(handed.pdf, 'base64'), tab: !!tab };
}

// What Poppler reads in a PDF (its pages and size, the level and number on
// its first page), and whether the desktop's sheet of that level and number,
// made by `sheetPdf`, has the same bytes.
function readBack(pdf, sheetPdf) {
  const dir = mkdtempSync(join(tmpdir(), 'quilmo-sheet-'));
  try {
    const file = join(dir, 'page.pdf'), desktop = join(dir, 'desktop.pdf');
    writeFileSync(file, pdf);
    const info = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
    const text = execFileSync('pdftotext', ['-layout', '-l', '1', file, '-'], { encoding: 'utf8' });
    const read = {
      pages: Number(/^Pages:\s+(\d+)/m.exec(info)?.[1]),
      a4: /^Page size:\s+595[.\d]* x 84[12][.\d]* pts \(A4\)/m.test(info),
      level: Number(/^L(\d\d) /.exec(text)?.[1]),
      number: Number(/番号\s+(\d+)/.exec(text)?.[1]),
    };
    execFileSync(sheetPdf, [read.level, read.number, desktop].map(String),
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
    return { ...read, desktop: readFileSync(desktop).equals(pdf) };
  } catch (e) {
    return { error: e.message };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// A level chosen and プリント pressed with the number field empty, then a
// sheet's link, whose number waits in the field.
export async function worksheets(browser, server, { check, waitFor }, sheetPdf) {
  const viewport = { width: 1366, height: 768, dpr: 1 };
  for (const { query, level, number } of [{ query: '', level: 11 }, { query: '?level=8&sheet=4821', level: 8, number: 4821 }]) {
    const drill = await open(browser, server, viewport, query, keepBlobs);
    try {
      if (!check(`the level panel shows (${query || 'no link'})`, await waitFor(15000, () => levelPanelShown(drill))))
        continue;
      if (!query)
        await drill.chooseLevel(level);
      const sheet = await pressPrint(browser, drill, waitFor);
      if (!check(`プリント at level ${level} hands the browser a PDF (${query || 'no link'})`, sheet))
        continue;
      const { desktop, ...read } = readBack(sheet.pdf, sheetPdf);
      check(`it opens in a tab of its own ${sheet.ms.toFixed(0)} ms after the press (<= 2000 ms): `
        + `${sheet.pdf.length} bytes, ${JSON.stringify(read)}`,
        sheet.tab && sheet.ms <= 2000 && read.pages === 2 && read.a4 && read.level === level
        && (number ? read.number === number : read.number >= 1 && read.number <= 9999));
      check(`the same bytes as the desktop's sheet L${read.level}-${read.number}`, desktop);
    } finally {
      await drill.page.close();
    }
  }
}
