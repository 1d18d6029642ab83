// The browser page (build-web/zarvo.html) in Debian's headless Chromium, driven through the
// DevTools protocol as a player would drive it, and compared with the headless runner of the
// desktop build: the same pictures, the same game, the same numbers.
//
//   node tests/web/browser_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE and ZARVO_NATIVE name the page and the desktop program; ZARVO_SHOTS names a
// folder that receives the screenshots taken along the way.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, sleep } = require('./cdp');
const { decodePng, decodeBmp, gamePicture, differingPixels } = require('./pictures');

const ROOT = path.resolve(__dirname, '../..');
const PAGE = process.env.ZARVO_PAGE || path.join(ROOT, 'build-web/zarvo.html');
const NATIVE = process.env.ZARVO_NATIVE || path.join(ROOT, 'build/zarvo');
const SHOTS = process.env.ZARVO_SHOTS;
const W = 622, H = 513;

// The headless runner of the desktop build over a script, in a folder of its own holding the
// given score file (or none): its dump, sound log and last picture.
// The input of the headless runner's random player over that many frames, as a script.
function randomPlayerScript(seed, frames) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-monkey-'));
  try {
    execFileSync(NATIVE, ['--headless', '--frames', String(frames), '--monkey', String(seed),
                          '--record', 'input.txt'], { cwd: dir });
    return fs.readFileSync(path.join(dir, 'input.txt'), 'utf8');
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

function runNative(script, frames, scoreFile) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-native-'));
  try {
    fs.writeFileSync(path.join(dir, 'input.txt'), script);
    if (scoreFile) fs.writeFileSync(path.join(dir, 'Zarvo.Scr'), scoreFile);
    execFileSync(NATIVE, ['--headless', '--frames', String(frames), '--input', 'input.txt',
                          '--dump', 'dump.json', '--sound-log', 'sounds.txt', '--shot', 'shot.bmp'],
                 { cwd: dir });
    const read = (name) => fs.readFileSync(path.join(dir, name));
    return { dump: read('dump.json').toString(), sounds: read('sounds.txt').toString(),
             shot: read('shot.bmp') };
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

let browser, page, canvas;

async function open(query = '') {
  await page.send('Page.navigate', { url: `file://${PAGE}${query}` });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                     'the game to start');
  canvas = await page.evaluate(`(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  })()`);
}

// The running game's state dump, or one field of it.
const DUMP = 'JSON.parse(Module.ccall("zarvo_dump", "string", [], []))';
async function state(field) {
  return page.evaluate(field ? `${DUMP}.${field}` : DUMP);
}
async function waitState(condition, timeout = 20000) {
  await page.waitFor(`(d => ${condition})(${DUMP})`, timeout, condition);
}

// The page point at the middle of a game pixel.
function at(x, y) {
  const f = canvas.width / W;
  return [canvas.left + (x + 0.5) * f, canvas.top + (y + 0.5) * f];
}
async function clickGame(x, y) {
  await page.click(...at(x, y));
}

async function picture(name) {
  const png = await page.screenshot();
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, `${name}.png`), png);
  return gamePicture(decodePng(png), Math.round(canvas.left), Math.round(canvas.top),
                     Math.round(canvas.width / W), W, H);
}

const KEYS = {
  Enter: ['Enter', 'Enter', 13], Left: ['ArrowLeft', 'ArrowLeft', 37],
  Up: ['ArrowUp', 'ArrowUp', 38], Right: ['ArrowRight', 'ArrowRight', 39],
};
const letter = (c) => [c.toLowerCase(), `Key${c}`, c.charCodeAt(0)];

// Holds a key until the condition on the dump holds.
async function holdUntil(key, condition) {
  await page.key('down', ...KEYS[key]);
  try {
    await waitState(condition, 10000);
  } finally {
    await page.key('up', ...KEYS[key]);
  }
}

async function storedTable() {
  const text = await page.evaluate('localStorage.getItem("Zarvo.Scr")');
  return text === null ? null : Buffer.from([...text].map((c) => c.charCodeAt(0) & 255));
}

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: 1300, height: 1100, deviceScaleFactor: 1, mobile: false });
  await open('?seed=1');
});

after(async () => {
  if (browser) await browser.close();
});

test('the title is the headless runner\'s picture, scaled by the largest whole factor', async (t) => {
  t.diagnostic(`start-up: ${Math.round(await page.evaluate('Module.zarvoStartupMs'))} ms ` +
               `from opening the page to the game's start`);
  assert.equal(canvas.width, 2 * W, 'a 1300 x 1100 tab holds the picture twice over');
  assert.equal(canvas.height, 2 * H);
  await waitState('d.Frame_Count >= 30');
  const shown = await picture('title');
  assert.equal(shown.blurred, 0, 'every game pixel is a sharp 2 x 2 block');
  const native = decodeBmp(runNative('seed 1\n', 30).shot);
  assert.equal(differingPixels(shown, native), 0);

  // Without the focus the game stands still, and goes on when the focus comes back.
  await page.evaluate('dispatchEvent(new FocusEvent("blur"))');
  const frozen = await state('Frame_Count');
  await sleep(300);
  assert.equal(await state('Frame_Count'), frozen, 'no frame runs without the focus');
  await page.evaluate('dispatchEvent(new FocusEvent("focus"))');
  await waitState(`d.Frame_Count > ${frozen + 3}`);

  // F11 and the button in the corner switch the browser's full screen on and off.
  await page.press('F11', 'F11', 122);
  await page.waitFor('document.fullscreenElement !== null', 5000, 'full screen');
  await page.press('F11', 'F11', 122);
  await page.waitFor('document.fullscreenElement === null', 5000, 'no full screen');
  await page.click(1300 - 20, 20);
  await page.waitFor('document.fullscreenElement !== null', 5000, 'full screen');
  await page.evaluate('document.exitFullscreen()');
  await page.waitFor('document.fullscreenElement === null', 5000, 'no full screen');

  // The pointer stays in the title's button band however far the mouse goes.
  await page.mouse('mouseMoved', ...at(10, 10));
  await waitState('d.Mouse_X === 217 && d.Mouse_Y === 445');
  await page.mouse('mouseMoved', ...at(600, 500));
  await waitState('d.Mouse_X === 593 && d.Mouse_Y === 497');
});

test('a damaged stored score table loads as the same damaged file does', async () => {
  // Five whole records, the second with a name length beyond ten, and a torn sixth.
  const damaged = Buffer.alloc(16 * 6 + 7);
  for (let r = 1; r <= 5; ++r) {
    damaged[16 * r] = r === 2 ? 200 : 3;
    damaged.write('ABCDEFGHIJ', 16 * r + 1, 'latin1');
    damaged.writeInt32LE(5000 - r, 16 * r + 12);
  }
  await page.evaluate(`localStorage.setItem("Zarvo.Scr",
      ${JSON.stringify(String.fromCharCode(...damaged))})`);
  await open('?seed=1');
  await clickGame(373, 470);  // the title's score button
  await waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
  const mine = (await state()).screens;
  const native = JSON.parse(runNative('seed 1\n1 move 373 470\n2 click\n', 5, damaged).dump).screens;
  for (const field of ['Drive_Error', 'Score_Points', 'Score_Name_Lengths'])
    assert.deepEqual(mine[field], native[field], field);
  await picture('damaged-table');
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_Score_On');
});

let gameScore = 0;

test('Enter starts a game, held arrow keys cut the floor, the percentage readout changes', async () => {
  // An empty table first, so that the game's score is the best.
  await clickGame(373, 470);
  await waitState('d.Sponsor_Score_On');
  await clickGame(203, 354);  // the table's delete button
  await waitState('d.screens.Score_Points.slice(0, 10).every(p => p === 0)');
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_Score_On');

  // The first key opened the sound: the page's audio node now pulls the mixer's output,
  // and the "Danger" of a starting game is heard.
  await page.evaluate(`(() => {
    const mix = Module._zarvo_audio_mix;
    Module.loudest = 0;
    Module._zarvo_audio_mix = (frames) => {
      const at = mix(frames);
      const samples = new Int16Array(Module.HEAPU8.buffer, at, 2 * frames);
      for (const s of samples) Module.loudest = Math.max(Module.loudest, Math.abs(s));
      return at;
    };
  })()`);
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');
  assert.equal(await page.evaluate('Module.zarvoAudio.context.state'), 'running');
  assert.ok(await page.evaluate('Module.loudest') > 1000, 'the game is heard');
  const before = await picture('game-start');
  const { Ego_Col: col, Ego_Row: row } = await state();
  await holdUntil('Left', `d.Ego_Col <= ${col - 6}`);
  await holdUntil('Up', `d.Ego_Row <= ${row - 3}`);
  await holdUntil('Right', 'd.Fliese_Claimed > 0');
  await waitState('d.Fliese_Percent > 0');
  await sleep(100);
  const after = await picture('game-cut');
  assert.ok(differingPixels(before, after, 302, 436, 357, 469) > 50, 'the readout is redrawn');
  gameScore = await state('Score');
  assert.ok(gameScore > 0);
});

test('a name entered at the end of a game is in the table after a reload', async () => {
  await page.evaluate('Module.ccall("zarvo_end_game", null, [], [])');
  await waitState('d.Game_Over');
  // The box takes Enter once it has been up for a moment.
  for (let i = 0; i < 200 && !(await state('Name_Entry_On')); ++i) {
    await page.press(...KEYS.Enter);
    await sleep(50);
  }
  assert.ok(await state('Name_Entry_On'), 'the name entry opens');
  for (const c of 'WEB') await page.press(...letter(c));
  await waitState('d.Player_Name === "WEB"');
  await picture('name-entry');
  // Enter ends the entry and stores the name; the next Enter closes the table.
  await page.press(...KEYS.Enter);
  await waitState('!d.Name_Entry_On');
  for (let i = 0; i < 200 && !(await state('Sponsor_On')); ++i) {
    await page.press(...KEYS.Enter);
    await sleep(50);
  }
  const stored = await storedTable();
  assert.equal(stored.length, 496);
  assert.equal(stored.toString('latin1', 16, 20), '\x03WEB');
  assert.equal(stored.readInt32LE(16 + 12), gameScore);

  await open('?seed=1');
  await clickGame(373, 470);
  await waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
  const screens = (await state()).screens;
  assert.equal(screens.Score_Name_Lengths[0], 3);
  assert.equal(screens.Score_Points[0], gameScore);
  await sleep(100);
  await picture('table-after-reload');
});

test('a replayed script ends in the same World, sounds and picture as the headless runner', async () => {
  const scripts = [
    ['a cut', 'seed 1\n1 key 13\n150 hold left\n166 release left\n167 hold up\n175 release up\n' +
              '176 hold right\n210 release right\n', 260],
    ['the random player', randomPlayerScript(20240601, 3000), 3000],
  ];
  for (const [name, script, frames] of scripts) {
    const mine = await page.evaluate(`((script, frames) => {
      const FS = Module.FS;
      try { FS.mkdir("/replay"); } catch (e) {}
      for (const f of ["Zarvo.Scr", "dump.json", "sounds.txt", "shot.bmp"])
        try { FS.unlink("/replay/" + f); } catch (e) {}
      FS.writeFile("/replay/input.txt", script);
      const code = Module.ccall("zarvo_replay", "number", ["number"], [frames]);
      const shot = FS.readFile("/replay/shot.bmp");
      let text = "";
      for (let i = 0; i < shot.length; i += 8192)
        text += String.fromCharCode.apply(null, shot.subarray(i, i + 8192));
      return { code, dump: FS.readFile("/replay/dump.json", { encoding: "utf8" }),
               sounds: FS.readFile("/replay/sounds.txt", { encoding: "utf8" }), shot: btoa(text) };
    })(${JSON.stringify(script)}, ${frames})`);
    const native = runNative(script, frames);
    assert.equal(mine.code, 0, name);
    assert.equal(mine.dump, native.dump, `${name}: the dumps`);
    assert.equal(mine.sounds, native.sounds, `${name}: the sound logs`);
    assert.ok(Buffer.from(mine.shot, 'base64').equals(native.shot), `${name}: the pictures`);
  }
});
