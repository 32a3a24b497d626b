// Opens exported SVG slide shows in headless Chromium and drives them like a viewer:
// buttons, a jump link, outline entries and keys must change the visible slide and the
// page number without reloading the file, and nothing may end up on the console. Each line
// of text must be drawn as wide as the layout measured it (within 1%), whatever fonts
// the machine has: underlines and block-outs are drawn from those widths.
//   node svg_slideshow_test.mjs SHOW_WITH_PANES.svg FULL_SCREEN_SHOW.svg FONT_SHOW.svg LINES
import { chromium } from 'playwright-core';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [panesShow, fullScreenShow, fontShow, fontLines] = process.argv.slice(2);
if (!panesShow || !fullScreenShow || !fontShow || !fontLines) {
  console.error('usage: node svg_slideshow_test.mjs SHOW_WITH_PANES.svg FULL_SCREEN_SHOW.svg ' +
                'FONT_SHOW.svg LINES');
  process.exit(2);
}

// The sample deck: four slides, slide k holding a box at x = 40 + 20k, y = 60 (160 x 100).
const SLIDES = 4;
const boxX = (k) => 40 + 20 * k;

const problems = [];

// The slide whose box is what the browser shows at that box's centre. A hidden slide's
// elements are never hit, so exactly one slide answers.
async function shownSlide(page) {
  const shown = await page.evaluate(({ slides, xs }) => {
    const found = [];
    for (let k = 0; k < slides; ++k) {
      const box = document.querySelector(`#Page${k} > rect[x="${xs[k]}"][y="60"]`);
      if (!box) continue;
      const r = box.getBoundingClientRect();
      // Left part of the box: the next slide's box starts 20 further right.
      const hit = document.elementFromPoint(r.left + 5, r.top + r.height / 2);
      if (hit === box) found.push(k);
    }
    const visible = [...document.querySelectorAll('g[id^="Page"]')]
      .filter((g) => getComputedStyle(g).visibility !== 'hidden')
      .map((g) => g.id);
    return { found, visible };
  }, { slides: SLIDES, xs: [...Array(SLIDES).keys()].map(boxX) });
  assert.equal(shown.found.length, 1, `slides shown: ${JSON.stringify(shown)}`);
  assert.deepEqual(shown.visible, [`Page${shown.found[0]}`]);
  return shown.found[0];
}

async function expectSlide(page, k, what, withNumber) {
  assert.equal(await shownSlide(page), k, what);
  if (withNumber) {
    const number = await page.textContent('#_pn_');
    assert.equal(number, String(k + 1), `page number after ${what}`);
  }
}

// A value kept in the page's script state: it is gone if an action reloads the file.
async function markUnreloaded(page) {
  await page.evaluate(() => { window.__quarrionMark = 42; });
}
async function expectUnreloaded(page, what) {
  assert.equal(await page.evaluate(() => window.__quarrionMark), 42, `${what} reloaded the show`);
}

async function open(context, file) {
  const page = await context.newPage();
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  const url = pathToFileURL(file).href;
  await page.goto(url);
  await page.waitForFunction(() => typeof _po !== 'undefined' && _po !== null);
  await markUnreloaded(page);
  return { page, url };
}

async function checkShowWithPanes(context) {
  const { page, url } = await open(context, panesShow);
  await expectSlide(page, 0, 'opening', true);

  const button = (x) => page.locator(`#NavPane > rect[x="${x}"]`);
  const steps = [
    [92, 1, 'next'], [92, 2, 'next'], [34, 1, 'previous'], [121, 3, 'last'],
    [92, 3, 'next on the last slide'], [5, 0, 'first'], [34, 0, 'previous on the first slide'],
  ];
  for (const [x, k, what] of steps) {
    await button(x).click();
    await expectSlide(page, k, what, true);
  }

  // The jump link on slide 0 leads to slide 2; once there it can no longer be clicked.
  const link = page.locator('#Page0 a rect');
  await link.click();
  await expectSlide(page, 2, 'the jump link', true);
  const linkHidden = await page.evaluate(() => {
    const rect = document.querySelector('#Page0 a rect');
    const r = rect.getBoundingClientRect();
    return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2) !== rect;
  });
  assert.ok(linkHidden, 'the link of a hidden slide still takes clicks');

  // Outline entries are links inside text; the mouse goes where the browser lays the
  // entry out (Playwright's own target check does not place links inside SVG text).
  for (const [title, k] of [['Details', 1], ['Appendix', 3], ['Intro', 0]]) {
    const entry = page.locator('#Outlines a', { hasText: title });
    const r = await entry.evaluate((a) => {
      const b = a.getBoundingClientRect();
      return { x: b.left + b.width / 2, y: b.top + b.height / 2 };
    });
    await page.mouse.click(r.x, r.y);
    await expectSlide(page, k, `the outline entry ${title}`, true);
  }

  const keys = [
    ['ArrowRight', 1], ['ArrowDown', 2], ['Space', 3], ['ArrowRight', 3], ['ArrowLeft', 2],
    ['ArrowUp', 1], ['PageUp', 0], ['PageDown', 1], ['End', 3], ['Home', 0],
  ];
  for (const [key, k] of keys) {
    await page.keyboard.press(key);
    await expectSlide(page, k, `the key ${key}`, true);
  }
  // Browser shortcuts are left alone.
  await page.keyboard.press('Control+End');
  await expectSlide(page, 0, 'Ctrl+End', true);

  await expectUnreloaded(page, 'paging');
  assert.equal(page.url(), url);
  await page.close();
}

async function checkFullScreenShow(context) {
  const { page } = await open(context, fullScreenShow);
  assert.equal(await page.locator('#NavPane').count(), 0);
  assert.equal(await page.locator('#Outlines').count(), 0);
  await expectSlide(page, 0, 'opening', false);
  for (const [key, k] of [['PageDown', 1], ['End', 3], ['ArrowLeft', 2], ['Home', 0]]) {
    await page.keyboard.press(key);
    await expectSlide(page, k, `the key ${key}`, false);
  }
  await page.locator('#Page0 a rect').click();
  await expectSlide(page, 2, 'the jump link', false);
  await expectUnreloaded(page, 'paging');
  await page.close();
}

async function checkTextWidths(context) {
  const { page } = await open(context, fontShow);
  const expected = fs.readFileSync(fontLines, 'utf8').trim().split('\n').map(Number);
  const drawn = await page.evaluate(() =>
    [...document.querySelectorAll('g[id^="Page"] text')].map((t) => t.getComputedTextLength()));
  assert.equal(drawn.length, expected.length, 'text lines in the font show');
  expected.forEach((width, i) => {
    const off = Math.abs(drawn[i] - width) / width;
    assert.ok(off <= 0.01, `line ${i}: drawn ${drawn[i].toFixed(2)}, laid out ${width.toFixed(2)}`);
  });
  await page.close();
}

const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'quarrion-chromium-'));
let context;
try {
  context = await chromium.launchPersistentContext(userDataDir, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  await checkShowWithPanes(context);
  await checkFullScreenShow(context);
  await checkTextWidths(context);
  assert.deepEqual(problems, [], 'the browser reported problems');
  console.log('SVG slide show: all browser checks passed');
} catch (e) {
  console.error(e);
  for (const p of problems) console.error(p);
  process.exitCode = 1;
} finally {
  if (context) await context.close();
  fs.rmSync(userDataDir, { recursive: true, force: true });
}
