// The page's layout on the screens players have: the example host page in a laptop's view, a
// phone and a tablet held upright (touch controls from the start, in reach of the thumbs, big
// enough for a finger, with pause, mute and the sound level), and the picture's sampling where
// it is shown below twice its size.
//
//   node tests/web/layout_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE and ZARVO_NATIVE name the page and the desktop program; ZARVO_SHOTS names a
// folder that receives the screenshots taken along the way.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, sleep } = require('./cdp');
const { decodeBmp, decodePng } = require('./pictures');
const { ROOT, PAGE, SHOTS, W, H, gameView, runNative } = require('./game_page');

let browser, page, canvas;
const { state, waitState, at } = gameView(() => page, () => canvas);

const RECT = (selector) => `(() => {
  const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
  return { left: r.left, top: r.top, width: r.width, height: r.height, right: r.right,
           bottom: r.bottom, x: r.left + r.width / 2, y: r.top + r.height / 2 };
})()`;
const rectOf = (selector) => page.evaluate(RECT(selector));

async function view(width, height, scale, touch) {
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: touch, maxTouchPoints: 5 });
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width, height, deviceScaleFactor: scale, mobile: touch });
}

async function open(url = `file://${PAGE}?seed=1`) {
  await page.send('Page.navigate', { url });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                     'the game to start');
  canvas = await rectOf('#screen');
}

async function shot(name) {
  const png = await page.screenshot();
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, `${name}.png`), png);
  return png;
}

function touches(points) {
  return page.send('Input.dispatchTouchEvent',
                   { type: points.length ? 'touchStart' : 'touchEnd',
                     touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}
async function tap(x, y) {
  await touches([[x, y]]);
  await sleep(30);
  await touches([]);
  await sleep(80);
}
async function tapControl(selector) {
  const r = await rectOf(selector);
  await tap(r.x, r.y);
}
const settings = () => page.evaluate('localStorage.getItem("zarvo.conf") || ""');

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1366, height: 657 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
});

after(async () => {
  if (browser) await browser.close();
});

test('in a 1366 x 657 laptop view the example host page shows the whole picture', async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-host-'));
  try {
    const host = fs.readFileSync(path.join(ROOT, 'web/host-example.html'), 'utf8')
      .replace('src="zarvo.html"', `src="file://${PAGE}?seed=1"`);
    fs.writeFileSync(path.join(dir, 'host.html'), host);
    await view(1366, 657, 1, false);
    // The frame's own document, found among the page's contexts by its frame.
    const contexts = [];
    const listener = (m) => {
      if (m.method === 'Runtime.executionContextCreated') contexts.push(m.params.context);
    };
    browser.listeners.push(listener);
    await page.send('Page.navigate', { url: `file://${dir}/host.html` });
    const { frameTree } = await page.send('Page.getFrameTree');
    let inFrame = null;
    for (let i = 0; i < 400 && !inFrame; ++i) {
      await sleep(50);
      const tree = (await page.send('Page.getFrameTree')).frameTree;
      const child = tree.childFrames && tree.childFrames[0].frame.id;
      const found = contexts.find((c) => c.auxData && c.auxData.frameId === child &&
                                         c.auxData.isDefault);
      if (!found) continue;
      const r = await page.send('Runtime.evaluate', {
        contextId: found.id, returnByValue: true,
        expression: `typeof Module === "object" && Module.zarvoStartupMs !== undefined &&
                     ${RECT('#screen')}` });
      if (r.result.value) inFrame = r.result.value;
    }
    browser.listeners.splice(browser.listeners.indexOf(listener), 1);
    assert.ok(frameTree && inFrame, 'the game in the frame started');
    await shot('host-1366x657');
    const frame = await rectOf('iframe');
    const top = frame.top + inFrame.top, bottom = frame.top + inFrame.bottom;
    assert.ok(top >= 0, `the picture's top at ${top}`);
    assert.ok(bottom <= 657, `the picture's bottom at ${bottom}, below the view's 657 rows`);
    assert.ok(frame.left + inFrame.left >= 0 && frame.left + inFrame.right <= 1366,
              'the picture within the view\'s width');
    // Fitting is no excuse for a small picture: it fills the view's height but for the
    // heading and the line of help.
    assert.ok(inFrame.height >= 540, `the picture is ${inFrame.height} rows high`);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

test('a phone is laid out for touch before the first tap, and the tap moves nothing', async () => {
  await view(390, 844, 3, true);
  await open();
  assert.equal(await page.evaluate('document.body.classList.contains("touched")'), true,
               'touch controls before any touch');
  await shot('phone-first');
  const first = canvas;
  assert.equal(first.top, 0, 'the picture at the top');
  assert.equal(await page.evaluate('getComputedStyle(document.getElementById("pad")).display'),
               'block', 'the pad is shown');
  assert.equal(await page.evaluate('getComputedStyle(document.querySelector("#help .keys"))' +
                                   '.display'), 'none', 'no key hints');
  await tap(first.x, first.y);
  await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  await sleep(200);
  await shot('phone-tapped');
  assert.deepEqual(await rectOf('#screen'), first, 'the picture stands where it stood');
  // Every button a finger presses is at least 48 x 48 CSS pixels.
  for (const id of ['fire', 'confirm', 'pause', 'mute', 'quieter', 'louder']) {
    const r = await rectOf(`#${id}`);
    assert.ok(r.width >= 48 && r.height >= 48, `${id} is ${r.width} x ${r.height}`);
  }
  const [ok, pad] = [await rectOf('#confirm'), await rectOf('#pad')];
  assert.ok(ok.bottom <= 844 && pad.bottom <= 844, 'the controls within the screen');
});

test('on a tablet held upright the pad lies under the left thumb, small enough to steer all round', async () => {
  await view(768, 1024, 2, true);
  await open();
  await tap(canvas.x, canvas.y);
  await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  await shot('tablet');
  const pad = await rectOf('#pad');
  // A thumb reaches about 4 cm from where the hand holds the edge of the screen.
  assert.ok(pad.width <= 200, `the pad is ${pad.width} CSS pixels wide`);
  assert.ok(pad.left <= 24, `the pad starts ${pad.left} CSS pixels from the edge`);
  assert.ok(pad.bottom >= 1024 - 100, `the pad ends ${1024 - pad.bottom} CSS pixels above the bottom`);
  // The far side of the pad (steering right) begins within a thumb's reach of the edge.
  const right = pad.x + 0.12 * pad.width;
  assert.ok(right <= 130, `steering right needs a thumb ${right} CSS pixels from the edge`);
  const fire = await rectOf('#fire');
  assert.ok(fire.right >= 768 - 60, `FIRE ends ${768 - fire.right} pixels from the right edge`);
  assert.ok(fire.left >= pad.right, 'FIRE right of the pad');
});

test('the touch buttons pause, mute and set the sound level, also while a word is typed', async () => {
  await view(390, 844, 3, true);
  await open();
  await page.evaluate('localStorage.removeItem("zarvo.conf")');
  await open();
  await tap(canvas.x, canvas.y);
  await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  for (let i = 0; i < 40 && (await state('Sponsor_On')); ++i) {
    await tapControl('#confirm');
    await sleep(100);
  }
  await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');
  await tapControl('#pause');
  const frozen = await state('Frame_Count');
  await sleep(300);
  assert.equal(await state('Frame_Count'), frozen, 'no frame runs while paused');
  await tapControl('#pause');
  await waitState(`d.Frame_Count > ${frozen + 3}`, 5000);
  await tapControl('#quieter');
  await tapControl('#quieter');
  await tapControl('#louder');
  assert.match(await settings(), /^volume = 90$/m);
  await tapControl('#mute');
  assert.match(await settings(), /^mute = yes$/m);

  // On the title again, the code-word box takes letters: mute types none.
  await open();
  await tap(canvas.x, canvas.y);
  await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  await tap(...at(309, 470));  // the code words button
  await waitState('d.CodeWord_1_Typing');
  await tapControl('#mute');
  assert.match(await settings(), /^mute = no$/m);
  await sleep(100);
  assert.equal(await state('CodeWord_1'), '', 'no letter typed by the mute button');
});

// The widths, in device pixels, of the two-pixel vertical strokes of the panel's labels on
// the first title (row 490 of the picture crosses only stems there), measured in a screenshot
// as the share of each device pixel the stroke's colour covers, against the background the
// screen shows beside it.
function strokeWidths(png, left, top, scale) {
  const native = decodeBmp(runNative('seed 1\n', 1).shot);
  const screen = decodePng(png);
  const light = (c) => ((c >> 16) + ((c >> 8) & 255) + (c & 255)) / 3;
  const y = Math.round(top + 490.5 * scale - 0.5);
  const widths = [];
  for (let x = 250; x + 4 < W; ++x) {
    if (x >= 485 && x < 530) continue;  // START, where the game's pointer stands
    const stroke = [x, x + 1].every((i) => light(native.rgb(i, 490)) > 200);
    const around = [x - 2, x - 1, x + 2, x + 3].map((i) => light(native.rgb(i, 490)));
    if (!stroke || around.some((l) => l > 120)) continue;
    const row = [];
    for (let sx = Math.floor(left + (x - 1) * scale); sx < Math.ceil(left + (x + 3) * scale); ++sx)
      row.push(light(screen.rgb(sx, y)));
    const bg = (row[0] + row[row.length - 1]) / 2, fg = Math.max(...row);
    widths.push(row.reduce((sum, l) => sum + (l - bg) / (fg - bg), 0));
  }
  return widths;
}

test('below twice its size every game pixel is as wide as every other', async (t) => {
  for (const [name, width, height, ratio, touch] of [['laptop', 1366, 657, 1, false],
                                                     ['phone', 390, 844, 3, true]]) {
    await view(width, height, ratio, touch);
    await open();
    await page.evaluate('document.getElementById("veil").hidden = true');
    await waitState('d.Frame_Count >= 1');
    await sleep(200);
    const scale = canvas.width * ratio / W;
    assert.ok(scale > 1 && scale < 2, `${name}: ${scale} device pixels a game pixel`);
    const widths = strokeWidths(await shot(`strokes-${name}`), canvas.left * ratio,
                                canvas.top * ratio, scale);
    assert.ok(widths.length >= 12, `${name}: ${widths.length} strokes found`);
    const [least, most] = [Math.min(...widths), Math.max(...widths)];
    t.diagnostic(`${name}: ${widths.length} strokes of 2 game pixels at ${scale.toFixed(3)}: ` +
                 `${least.toFixed(2)} to ${most.toFixed(2)} device pixels wide`);
    assert.ok(most - least <= 0.15, `${name}: strokes from ${least.toFixed(2)} to ` +
                                    `${most.toFixed(2)} device pixels wide`);
    assert.ok(Math.abs((least + most) / 2 - 2 * scale) <= 0.1,
              `${name}: strokes ${((least + most) / 2).toFixed(2)} wide, not ${2 * scale}`);
  }
});
