// The drill as the page shows it: where its controls are and what its
// pixels say. Positions are the window's design pixels (as in
// tests/realwindow/run); the page draws the window at the largest zoom that
// fits, centred, and the screenshot has devicePixelRatio pixels per CSS pixel.
import { readFileSync } from 'node:fs';
import { decodePng } from './cdp.mjs';

// The lanes' and the level choices' places, from the file the shell tests
// source (tests/support/lanes, made from the program's own tables): a number,
// or an array indexed by lane or level.
export const places = Object.fromEntries(
  [...readFileSync(new URL('../support/lanes', import.meta.url), 'utf8').matchAll(/^(\w+)=(.*)$/gm)].map(([, name, v]) =>
    [name, v.startsWith('(') ? Object.fromEntries([...v.matchAll(/\[(\d+)\]=(-?\d+)/g)].map(([, i, n]) => [i, Number(n)])) : Number(v)]));

export const Design = { width: 1018, height: 743 };

// The zoom MainWindow picks for the page (platform/zoom.cpp, ZoomFor).
export function zoomFor(width, height) {
  if (width === Design.width && height === Design.height)
    return 1;
  const z = Math.min(width / Design.width, height / Design.height);
  return Math.max(0.25, Math.floor(z * 1000 + 1e-9) / 1000);
}

export const colours = {
  lavender: [239, 239, 255], white: [255, 255, 255], lightGreen: [192, 255, 192],
  red: [255, 0, 0], pink: [255, 200, 200], yellow: [255, 255, 0], lightYellow: [255, 255, 192],
};

// The level panel's empty foot, right of its switches (w, h, x, y in client
// pixels, as tests/support/screen's foot_area): lavender once it is painted.
export const levelFoot = [400, 50, 600, 680];

export class Drill {
  constructor(page, viewport) {
    this.page = page;
    this.viewport = viewport;
    this.zoom = zoomFor(viewport.width, viewport.height);
    this.left = (viewport.width - Design.width * this.zoom) / 2;
    this.top = (viewport.height - Design.height * this.zoom) / 2;
  }

  // The CSS pixel where a design pixel's middle is drawn.
  // A design pixel's top-left corner, in CSS pixels.
  edge(x, y) {
    return [this.left + this.zoom * x, this.top + this.zoom * y];
  }
  // A box's fill starts inside its 2-pixel border, whose lines the style
  // draws a device pixel thick at any zoom: no title bar or margin between.
  withinBorder(offset, scale) {
    return offset >= 0 && offset <= (2 * this.zoom + 1) * scale;
  }
  at(x, y) {
    return [this.left + this.zoom * (x + 0.5), this.top + this.zoom * (y + 0.5)];
  }

  async click(x, y) {
    await this.page.click(...this.at(x, y));
  }

  async tap(x, y) {
    await this.page.tap(...this.at(x, y));
  }

  // The drawing panel's picture starts at client (10, 10).
  panelClick(x, y) {
    return this.click(10 + x, 10 + y);
  }

  // Level panel at client (4, 4) with a 2-pixel border.
  levelPoint(level) {
    const p = places;
    return [4 + 2 + p.level_choice_x[level] + 100, 4 + 2 + p.level_choice_y[level] + Math.floor(p.level_choice_h[level] / 2)];
  }
  chooseLevel(level) {
    return this.click(...this.levelPoint(level));
  }
  decide() {
    return this.click(4 + 2 + 820 + 44, 4 + 2 + 8 + 20);
  }
  exitButton() {
    return this.click(4 + 2 + 912 + 44, 4 + 2 + 8 + 20);
  }
  // The tally's one button, right of where the level panel's exit button is.
  tallyBack() {
    return this.click(4 + 2 + 829 + 85, 4 + 2 + 8 + 20);
  }
  finishButton() {
    return this.panelClick(584 + 68, 12 + 18);
  }
  startLane(lane) {
    return this.panelClick(400, places.lane_invitation_y[lane] + 20);
  }
  // A key X pixels along lane 1's keypad strip, inside its 2-pixel border:
  // digits first, then ｃｋｍｈａ㎡, then けす.
  key(offset) {
    const half = Math.floor(places.key_side / 2);
    return this.panelClick(places.lane_keypad_x[1] + 2 + offset + half, places.lane_keypad_y[1] + 2 + half);
  }
  digit(d) {
    return this.key(places.key_pitch * d);
  }
  async squareCentimetres() {
    await this.key(places.unit_keys_x);
    await this.key(places.unit_keys_x + 5 * places.key_pitch);
  }
  erase() {
    return this.key(places.erase_key_x);
  }
  checkButton() {
    const p = places;
    return this.panelClick(p.lane_check_x[1] + Math.floor(p.lane_check_w[1] / 2), p.lane_check_y[1] + Math.floor(p.lane_check_h[1] / 2));
  }

  // The first screenshot within `ms` for which `test` holds, or null.
  async shotWhen(ms, test) {
    const end = Date.now() + ms;
    do {
      // A page between two documents answers nothing for a moment.
      const image = await this.shot().catch(() => null);
      if (image && test(image))
        return image;
      // Seldom enough to leave the page most of the two processors.
      await new Promise(r => setTimeout(r, 150));
    } while (Date.now() < end);
    return null;
  }

  async shot() {
    const image = decodePng(await this.page.screenshot());
    image.scale = image.width / this.viewport.width;
    return image;
  }

  // The screenshot's pixels for a design rectangle of the panel (or, with
  // client set, of the window), less a device pixel all round where the
  // zoom blurs its edge.
  deviceRect(image, w, h, x, y, client = false) {
    const o = client ? 0 : 10, s = image.scale, inset = this.zoom === 1 && s === 1 ? 0 : 1;
    const x0 = Math.round((this.left + this.zoom * (x + o)) * s) + inset;
    const y0 = Math.round((this.top + this.zoom * (y + o)) * s) + inset;
    const x1 = Math.round((this.left + this.zoom * (x + o + w)) * s) - inset;
    const y1 = Math.round((this.top + this.zoom * (y + o + h)) * s) - inset;
    return { x0, y0, x1, y1, area: Math.max(0, x1 - x0) * Math.max(0, y1 - y0) };
  }

  // Device pixels of exactly one colour in a design rectangle.
  count(image, colour, w, h, x, y, client = false) {
    return countIn(image, this.deviceRect(image, w, h, x, y, client), p => same(p, colour));
  }
  // Its share of the rectangle's device pixels.
  share(image, colour, w, h, x, y, client = false) {
    const r = this.deviceRect(image, w, h, x, y, client);
    return countIn(image, r, p => same(p, colour)) / r.area;
  }
  // Dark pixels (text): every channel below 100.
  dark(image, w, h, x, y) {
    return countIn(image, this.deviceRect(image, w, h, x, y), p => p[0] < 100 && p[1] < 100 && p[2] < 100);
  }
  // Device pixels that differ clearly between two shots.
  differ(a, b, w, h, x, y) {
    const r = this.deviceRect(a, w, h, x, y);
    let n = 0;
    for (let py = r.y0; py < r.y1; py++)
      for (let px = r.x0; px < r.x1; px++) {
        const i = 3 * (py * a.width + px);
        if (Math.abs(a.rgb[i] - b.rgb[i]) + Math.abs(a.rgb[i + 1] - b.rgb[i + 1]) + Math.abs(a.rgb[i + 2] - b.rgb[i + 2]) > 100)
          n++;
      }
    return n;
  }
  // Yellow cells of lane 1's unit-square grid, told by their middles.
  yellowCells(image) {
    let n = 0;
    for (let i = 1; i <= 4; i++)
      for (let j = 1; j <= 4; j++) {
        const [x, y] = this.at(10 + 250 + 30 * j + 15, 10 + 80 + 30 * i + 15);
        n += same(pixel(image, Math.floor(x * image.scale), Math.floor(y * image.scale)), colours.yellow);
      }
    return n;
  }
}

export function pixel(image, x, y) {
  const i = 3 * (y * image.width + x);
  return [image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]];
}

export function same(p, colour) {
  return p[0] === colour[0] && p[1] === colour[1] && p[2] === colour[2];
}

function countIn(image, r, test) {
  let n = 0;
  for (let y = Math.max(0, r.y0); y < Math.min(image.height, r.y1); y++)
    for (let x = Math.max(0, r.x0); x < Math.min(image.width, r.x1); x++)
      n += test(pixel(image, x, y)) ? 1 : 0;
  return n;
}

// The bounding box of every pixel of one colour.
export function boundsOf(image, colour) {
  let x0 = image.width, y0 = image.height, x1 = -1, y1 = -1;
  for (let y = 0; y < image.height; y++)
    for (let x = 0; x < image.width; x++)
      if (same(pixel(image, x, y), colour)) {
        x0 = Math.min(x0, x);
        y0 = Math.min(y0, y);
        x1 = Math.max(x1, x);
        y1 = Math.max(y1, y);
      }
  return x1 < 0 ? null : { x0, y0, x1, y1 };
}
