// What every page test shares: its checks, counted and printed as they go
// ("N passed, M failed" last, which CTest reads), and polling.
let passed = 0, failed = 0;

export function check(what, ok) {
  if (ok)
    passed++;
  else
    failed++;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  return ok;
}

export async function waitFor(ms, test) {
  const end = Date.now() + ms;
  for (;;) {
    // A page between two documents answers nothing for a moment.
    const result = await test().catch(() => null);
    if (result || Date.now() > end)
      return result;
    await new Promise(r => setTimeout(r, 100));
  }
}

export const sleep = ms => new Promise(r => setTimeout(r, ms));

export function median(values) {
  const v = [...values].sort((a, b) => a - b);
  return v.length ? v[Math.floor(v.length / 2)] : NaN;
}

// Ends the run: the count, and the status CTest goes by.
export function finish() {
  console.log(`${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}
