// A lesson in the page, as tests/realwindow/run plays the desktop program:
// level 1, lane 1, a right answer and three wrong ones on the on-screen
// keypad, the marks read from screenshots, then finishing with はい and
// leaving the drill, with lane 1's speaker tapped on the way (speaker.mjs).
// Every expectation comes from what the page drew.
import { colours, levelFoot, pixel, same } from './drill.mjs';
import { tapSpeaker } from './speaker.mjs';

// Lane 1's number box (its inside), unit box and mark, in panel pixels.
const box = [169, 32, 474, 184];
const unitBox = [73, 23, 663, 188];
const mark = [41, 36, 40, 180];
const markMiddle = [6, 6, 53, 193];
const scoreCount = [45, 34, 195, 76];

const unitFace = [200, 200, 255];

function reddish(p) {
  return p[0] > 150 && p[1] < 110 && p[2] < 110;
}

function darkish(p) {
  return p[0] < 100 && p[1] < 100 && p[2] < 100;
}

// Pixels of the number box that are ink in one shot and not in the other.
function inkMismatch(drill, a, inkA, b, inkB) {
  const r = drill.deviceRect(a, ...box);
  let both = 0, either = 0;
  for (let y = r.y0; y < r.y1; y++)
    for (let x = r.x0; x < r.x1; x++) {
      const i = 3 * (y * a.width + x);
      const pa = inkA([a.rgb[i], a.rgb[i + 1], a.rgb[i + 2]]);
      const pb = inkB([b.rgb[i], b.rgb[i + 1], b.rgb[i + 2]]);
      both += pa && pb;
      either += pa || pb;
    }
  return { both, either };
}

// はい on a question: the message box is a window of its own, on the face
// colour of Qt's style, which the drill never uses; its buttons sit in its
// bottom row, はい left of いいえ.
const boxFace = [239, 239, 239];

async function answerYes(drill, name, tools) {
  const { check, waitFor, keep } = tools;
  const shown = await drill.shotWhen(5000, image => faceArea(image));
  if (!check(`the question "${name}" shows`, shown))
    return false;
  await keep(drill, `question-${name}`);
  const faces = buttonFaces(shown, faceArea(shown));
  if (!check(`the question has two buttons side by side (${faces.length} found)`, faces.length === 2))
    return false;
  const yes = faces[0];
  await drill.page.click((yes.x0 + yes.x1) / 2 / shown.scale, yes.y / shown.scale);
  return true;
}

// The box: the rows with a long run of its face. Text smoothed on white
// has pixels of that grey too, but never a hundred in a row. The first
// block of such rows only, and not a lone row: a keypad's edge is one row
// of that grey, there before the box is.
function faceArea(image) {
  const tall = a => a && a.y1 - a.y0 >= 20 * image.scale;
  let area = null;
  for (let y = 0; y < image.height; y++) {
    if (area && y - area.y1 > 100 * image.scale) {
      if (tall(area))
        break;
      area = null;
    }
    let start = -1;
    for (let x = 0; x <= image.width; x++) {
      const face = x < image.width && same(pixel(image, x, y), boxFace);
      if (face && start < 0)
        start = x;
      if (!face && start >= 0) {
        if (x - start >= 100 * image.scale) {
          area = area ?? { x0: start, x1: x - 1, y0: y, y1: y };
          area = { x0: Math.min(area.x0, start), x1: Math.max(area.x1, x - 1), y0: area.y0, y1: y };
        }
        start = -1;
      }
    }
  }
  return tall(area) ? area : null;
}

// The lowest row of the box that crosses two runs of the same width that
// are not the box's face: the two buttons, outline, face and caption.
function buttonFaces(image, area) {
  for (let y = area.y1 - 2; y > area.y0; y--) {
    const runs = [];
    let start = -1;
    for (let x = area.x0; x <= area.x1 + 1; x++) {
      const inside = x <= area.x1 && !same(pixel(image, x, y), boxFace);
      if (inside && start < 0)
        start = x;
      if (!inside && start >= 0) {
        if (x - start > 40 * image.scale && x - start < 200 * image.scale)
          runs.push({ x0: start, x1: x - 1, y });
        start = -1;
      }
    }
    if (runs.length === 2 && Math.abs((runs[0].x1 - runs[0].x0) - (runs[1].x1 - runs[1].x0)) <= 3 * image.scale) {
      // The row's middle: as far up again as the buttons reach.
      let top = y;
      while (top > area.y0 && !same(pixel(image, runs[0].x0 + 2, top - 1), boxFace))
        top--;
      let bottom = y;
      while (bottom < area.y1 && !same(pixel(image, runs[0].x0 + 2, bottom + 1), boxFace))
        bottom++;
      return runs.map(r => ({ ...r, y: (top + bottom) / 2 }));
    }
  }
  return [];
}

export async function playLesson(drill, tools) {
  const { check, waitFor, keep } = tools;
  const a = drill.zoom * drill.zoom * drill.viewport.dpr * drill.viewport.dpr;

  // --- Level 1, decided: the drawing panel with three white lanes.
  await drill.chooseLevel(1);
  await drill.decide();
  const decided = await drill.shotWhen(5000, image => drill.share(image, colours.white, 240, 150, 500, 90) > 0.98);
  if (!check('L01 and けってい show the drawing panel with its lanes', decided))
    return;

  // --- Lane 1 started: yellow unit squares, an empty pink number box.
  await drill.startLane(1);
  const started = await drill.shotWhen(5000, image => drill.share(image, colours.pink, ...box) > 0.95);
  if (!check('a click on lane 1 starts it: its number box is pink and empty', started))
    return;
  await keep(drill, 'lane');
  const area = drill.yellowCells(started);
  check(`the level 1 figure has 2 to 8 yellow cells (${area})`, area >= 2 && area <= 8);
  check('no mark before the first check', drill.count(started, colours.red, ...mark) === 0);
  await tapSpeaker(drill, tools);

  // --- The area and its unit on the keypad, then ﾁｪｯｸ: a red ○.
  await drill.digit(area);
  await drill.squareCentimetres();
  const typed = await drill.shotWhen(3000, image =>
    drill.dark(image, ...box) >= 40 * a && drill.dark(image, ...unitBox) >= 40 * a);
  check('the keypad typed the area and cm² into the boxes', typed);
  const t0 = Date.now();
  await drill.checkButton();
  const circle = await drill.shotWhen(2000, image => drill.count(image, colours.red, ...mark) >= 20 * a);
  const tMark = Date.now() - t0;
  // A digit pressed during the pause waits for it.
  await drill.digit(area);
  const during = await drill.shot();
  await keep(drill, 'right-mark');
  check(`a red ○ shows ${tMark} ms after ﾁｪｯｸ, hollow in its middle`,
    circle && drill.count(circle, colours.red, ...markMiddle) === 0);
  check('the mark still shows after the click in the pause',
    drill.count(during, colours.red, ...mark) >= 20 * a);
  const after = await drill.shotWhen(4000, image => drill.count(image, colours.red, ...mark) === 0);
  check(`the ○ is gone ${Date.now() - t0} ms after ﾁｪｯｸ`, after);
  if (!after)
    return;
  const next = await drill.shotWhen(2000, image =>
    drill.differ(typed, image, ...box) <= 15 * a && drill.differ(started, image, ...scoreCount) >= 30 * a);
  check('problem 2 follows, with the digit pressed during the pause in its number box', next);
  if (!next)
    return;

  // --- Problem 2: its answer typed and erased, for the look of its digits,
  // then three wrong answers: a red × each time, and after the third the
  // right answer in red where the pupil types, then problem 3.
  const area2 = drill.yellowCells(next);
  await drill.erase();
  await waitFor(2000, async () => drill.dark(await drill.shot(), ...box) === 0);
  await drill.digit(area2);
  const reference = await drill.shotWhen(2000, image => drill.dark(image, ...box) >= 40 * a);
  await drill.erase();
  await waitFor(2000, async () => drill.dark(await drill.shot(), ...box) === 0);
  let teaching = null, unitShown = 0, problem2 = null;
  for (let miss = 1; miss <= 3; miss++) {
    await drill.digit(9); // no level 1 figure has nine cells
    await drill.squareCentimetres();
    const wrong = await drill.shotWhen(3000, image =>
      drill.dark(image, ...box) >= 20 * a && drill.dark(image, ...unitBox) >= 20 * a);
    if (miss === 1)
      problem2 = wrong;
    await drill.checkButton();
    const cross = await drill.shotWhen(2000, image => drill.count(image, colours.red, ...mark) >= 20 * a);
    check(`miss ${miss}: a red × shows, filled in its middle`,
      cross && drill.count(cross, colours.red, ...markMiddle) >= 4 * a);
    if (miss === 3) {
      teaching = await drill.shotWhen(3000, image => countIn(drill, image, reddish) >= 20 * a);
      if (teaching) {
        await keep(drill, 'right-answer');
        unitShown = drill.count(teaching, unitFace, ...unitBox);
      }
    }
    await waitFor(4000, async () => drill.count(await drill.shot(), colours.red, ...mark) === 0);
  }
  const m = teaching && reference && inkMismatch(drill, reference, darkish, teaching, reddish);
  check(`after the third miss the right answer, ${area2}, shows in red where it is typed `
    + `(${m ? `${m.both} of ${m.either} ink pixels alike` : 'not seen'})`, m && m.both >= 0.6 * m.either);
  check(`and the unit box turns light blue (${unitShown} pixels)`, unitShown >= 0.5 * unitBox[0] * unitBox[1] * a);
  const problem3 = await drill.shotWhen(4000, image =>
    drill.share(image, colours.pink, ...box) > 0.95 && drill.differ(problem2, image, ...scoreCount) >= 30 * a);
  check('then problem 3, with an empty pink number box', problem3);
  await keep(drill, 'problem-3');

  // --- Lanes 2 and 3 started too.
  await startLanesAlone(drill, [2, 3], tools, 'lanes 2 and 3 start beside lane 1');

  // --- 終わる: はい returns to the level panel.
  await finish(drill, tools);

  // --- Level 12, the review's mix, on all three lanes.
  await drill.chooseLevel(12);
  await drill.decide();
  const review = await drill.shotWhen(5000, image => drill.share(image, colours.white, 240, 150, 500, 90) > 0.98);
  if (check('L12 and けってい show the drawing panel again', review)) {
    await startLanesAlone(drill, [1, 2, 3], tools, 'at level 12 all three lanes start');
    await finish(drill, tools);
  }

  // --- おわり: はい ends the drill, and the page says so.
  await drill.exitButton();
  if (await answerYes(drill, 'exit', tools)) {
    const ended = await waitFor(4000, () => drill.page.evaluate(
      '!document.getElementById("ended").hidden && document.getElementById("ended").innerText'));
    check(`はい to leaving shows the page's last words: "${(ended || '').split('\n')[0]}"`,
      ended && ended.includes('終わりました'));
    await keep(drill, 'ended');
  }
}

// A new problem in each lane, with the page left alone while it makes them:
// their times are read from the console, and screenshots read meanwhile
// would take the processor from the page.
async function startLanesAlone(drill, lanes, { check }, what) {
  for (const lane of lanes) {
    await new Promise(r => setTimeout(r, 1000));
    await drill.startLane(lane);
  }
  await new Promise(r => setTimeout(r, 1000));
  const image = await drill.shot();
  check(what, lanes.every(lane => drill.share(image, colours.pink, box[0], box[1], box[2], box[3] + 220 * (lane - 1)) > 0.95));
}

async function finish(drill, tools) {
  const { check, waitFor } = tools;
  await drill.finishButton();
  if (!await answerYes(drill, 'finish', tools))
    return;
  // The lanes' tally lies over the level panel until 「レベルを　えらぶ」.
  const tally = await drill.shotWhen(4000, image =>
    drill.share(image, colours.lavender, ...levelFoot, true) < 0.02);
  check('はい to finishing shows the tally over the level panel', tally);
  await drill.tallyBack();
  const levels = await drill.shotWhen(4000, image =>
    drill.share(image, colours.lavender, ...levelFoot, true) > 0.98);
  check('レベルを　えらぶ shows the level panel again', levels);
}

function countIn(drill, image, test) {
  const r = drill.deviceRect(image, ...box);
  let n = 0;
  for (let y = r.y0; y < r.y1; y++)
    for (let x = r.x0; x < r.x1; x++) {
      const i = 3 * (y * image.width + x);
      n += test([image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]]) ? 1 : 0;
    }
  return n;
}
