// The game in the browser page as a player meets it, without the focus forced on: the title
// drawn before the page has the focus, the desktop's keys (pause, mute, sound level), a display
// refreshing 30 times a second, a browser that refuses to store the score table, a game
// controller, the sound played by an audio worklet, and QUIT.
//
//   node tests/web/game_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE and ZARVO_NATIVE name the page and the desktop program; ZARVO_SHOTS names a
// folder that receives the screenshots taken along the way.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { Browser, sleep } = require('./cdp');
const { decodeBmp, differingPixels } = require('./pictures');
const { PAGE, W, openGame, gameView, runNative } = require('./game_page');

// Put into every page before its own script: ?hz=N lets the animation frames through N times a
// second (the first frame at or after each 1/N s), as a display of that refresh rate would;
// and the page's controllers are the ones the test puts into window.zarvoPads.
const INJECTED = `(() => {
  const hz = Number(new URLSearchParams(location.search).get("hz"));
  window.zarvoRefreshes = 0;
  if (hz > 0) {
    const request = window.requestAnimationFrame.bind(window);
    let next = 0;
    window.requestAnimationFrame = (callback) => request(function frame(t) {
      if (t < next) return request(frame);
      next = Math.max(next + 1000 / hz, t);
      ++window.zarvoRefreshes;
      callback(t);
    });
  }
  window.zarvoPads = [];
  navigator.getGamepads = () => window.zarvoPads;
})()`;

let browser, page, canvas;
const { state, waitState, at, picture, button } = gameView(() => page, () => canvas);

async function open(query = '') {
  canvas = await openGame(page, `file://${PAGE}?seed=1${query}`);
}

// A click on the title's button band between its first two buttons: it gives the page the
// focus and does nothing in the game.
async function focusClick() {
  const left = await button('Title_Background_Button');
  const right = await button('Title_CodeWord_Button');
  await page.click(...at((left.Right + right.Left) >> 1, left.Y));
}

// A click at the centre of a button of the game's screens, named as in the code.
async function clickButton(name) {
  const b = await button(name);
  await page.click(...at(b.X, b.Y));
}

const KEYS = {
  Enter: ['Enter', 'Enter', 13], P: ['p', 'KeyP', 80], M: ['m', 'KeyM', 77],
  Minus: ['-', 'Minus', 189], Plus: ['+', 'Equal', 187],
};

// The headless runner of the desktop build: its picture after that many frames of a script.
function nativeShot(script, frames) {
  return decodeBmp(runNative(script, frames).shot);
}

// Frames run per second over `seconds`.
async function tickRate(seconds) {
  const f0 = await state('Frame_Count'), t0 = Date.now();
  await sleep(seconds * 1000);
  return ((await state('Frame_Count')) - f0) / ((Date.now() - t0) / 1000);
}

// Starts a game from the title, giving the page the focus first.
async function startGame() {
  await focusClick();
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');
}

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: 1300, height: 1100, deviceScaleFactor: 1, mobile: false });
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: INJECTED });
});

after(async () => {
  if (browser) await browser.close();
});

test('the title is drawn before the page has the focus; a click starts the ticks', async () => {
  await open();
  await page.evaluate('localStorage.clear()');
  await open();
  assert.equal(await page.evaluate('document.hasFocus()'), false);
  await sleep(300);
  assert.equal(await state('Frame_Count'), 1, 'the first frame, and no more without the focus');
  // The page's "Click to play" stands over the picture; the picture under it is the game's.
  await page.evaluate('document.getElementById("veil").style.visibility = "hidden"');
  const shown = await picture('title-unfocused');
  await page.evaluate('document.getElementById("veil").style.visibility = ""');
  assert.equal(differingPixels(shown, nativeShot('seed 1\n', 1)), 0);
  await focusClick();
  await waitState('d.Frame_Count > 10', 5000);
});

test('P pauses a game with PAUSED shown, M mutes, minus and plus set a remembered level', async () => {
  await startGame();
  await page.press(...KEYS.P);
  const frozen = await state('Frame_Count');
  await sleep(300);
  const paused = await picture('paused');
  assert.equal(await state('Frame_Count'), frozen, 'no frame runs while paused');
  await page.press(...KEYS.M);
  await sleep(300);
  const muted = await picture('muted');
  // Over the pause box the sound line stands below it, from y = 280.
  assert.ok(differingPixels(paused, muted, 0, 276, W, 296) > 50, 'SOUND OFF is shown');
  await sleep(1700);
  const again = await picture('paused-again');
  assert.equal(differingPixels(paused, again), 0, 'the line goes, the paused picture stays');
  await page.press(...KEYS.P);
  await waitState(`d.Frame_Count > ${frozen + 5}`, 5000);
  const running = await picture('running');
  assert.ok(differingPixels(paused, running, 271, 196, 351, 212) > 50, 'PAUSED is gone');
  assert.match(await page.evaluate('localStorage.getItem("zarvo.conf")'), /^mute = yes$/m);

  // Minus and plus change the level from where it was, unmuted; the page remembers it.
  await page.press(...KEYS.Minus);
  await page.press(...KEYS.Minus);
  await page.press(...KEYS.Plus);
  const conf = await page.evaluate('localStorage.getItem("zarvo.conf")');
  assert.match(conf, /^volume = 90$/m);
  assert.match(conf, /^mute = no$/m);
  await open();
  await startGame();
  await page.press(...KEYS.Minus);
  assert.match(await page.evaluate('localStorage.getItem("zarvo.conf")'), /^volume = 80$/m);

  // Alt+Enter switches the browser's full screen, as F11 does.
  for (const type of ['rawKeyDown', 'keyUp']) {
    await page.send('Input.dispatchKeyEvent',
                    { type, key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13, modifiers: 1 });
  }
  await page.waitFor('document.fullscreenElement !== null', 5000, 'full screen');
  await page.evaluate('document.exitFullscreen()');
});

test('the sound plays through an audio worklet in blocks of at most 1,024 frames', async (t) => {
  // The sound sleeps after two seconds of silence: the title's greeting, 21 ticks after the
  // title comes up, keeps it awake for the measurement.
  await open();
  await focusClick();
  await page.waitFor('Module.zarvoAudio && Module.zarvoAudio.kind !== ""', 5000, 'the sound');
  await waitState('d.screens.Sponsor_Tick > 21', 5000);
  assert.equal(await page.evaluate('Module.zarvoAudio.kind'), 'worklet');
  const AUDIO = '({ ...Module.zarvoAudio, context: undefined, rate: Module.zarvoAudio.context.sampleRate })';
  const before = await page.evaluate(AUDIO);
  await sleep(1000);
  const audio = await page.evaluate(AUDIO);
  // A render quantum is 128 frames: a second at 44.1 kHz or more is over 340 of them.
  assert.ok(audio.quanta - before.quanta > 300, `${audio.quanta - before.quanta} quanta in 1 s`);
  assert.ok(audio.blocks > before.blocks, 'the page mixes blocks for the worklet');
  t.diagnostic(`sound: ${audio.quanta} render quanta, ${audio.late} of them silent while a ` +
               `block was on its way, the longest wait for a block ` +
               `${(1000 * audio.longestWait / audio.rate).toFixed(1)} ms`);
  assert.equal(await page.evaluate('Module.zarvoAudio.context.state'), 'running');
  await page.evaluate('dispatchEvent(new FocusEvent("blur"))');
  await page.waitFor('Module.zarvoAudio.context.state === "suspended"', 5000,
                     'the sound suspended without the focus');
  await page.evaluate('dispatchEvent(new FocusEvent("focus"))');
  await page.waitFor('Module.zarvoAudio.context.state === "running"', 5000, 'the sound again');
});

test('at a 30 Hz refresh the game keeps its 41.7 ticks a second', async (t) => {
  await open('&hz=30');
  await startGame();
  const r0 = await page.evaluate('window.zarvoRefreshes'), t0 = Date.now();
  const ticks = await tickRate(10);
  const refreshes = ((await page.evaluate('window.zarvoRefreshes')) - r0) / ((Date.now() - t0) / 1000);
  t.diagnostic(`${ticks.toFixed(1)} ticks a second at ${refreshes.toFixed(1)} refreshes a second`);
  assert.ok(refreshes <= 31, `the display refreshes ${refreshes.toFixed(1)} times a second`);
  // 40 ticks a second at 30 refreshes are 4/3 of a tick at each refresh. A busy machine lets
  // the browser refresh less often than the 30 times asked for (28.2 was seen), and the clock
  // rightly makes up no more than two ticks at a refresh: the page is judged by the refreshes
  // it was given.
  assert.ok(ticks / refreshes >= 4 / 3,
            `${ticks.toFixed(1)} ticks a second at ${refreshes.toFixed(1)} refreshes a second`);
});

// A table of its own, so that the old one is known.
function oldTable() {
  const table = Buffer.alloc(16 * 31);
  for (let r = 1; r <= 30; ++r) {
    table[16 * r] = 3;
    table.write('OLD', 16 * r + 1, 'latin1');
    table.writeInt32LE(90000 - 1000 * r, 16 * r + 12);
  }
  return String.fromCharCode(...table);
}

test('a score table the browser refuses to store shows DRIVE ERROR and keeps the old one', async () => {
  const old = oldTable();
  const oldPoints = [...Array(10).keys()].map((i) => 89000 - 1000 * i);
  await page.evaluate(`localStorage.setItem("Zarvo.Scr", ${JSON.stringify(old)})`);
  await open();
  await focusClick();
  await clickButton('Title_Score_Button');
  await waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
  assert.deepEqual((await state('screens.Score_Points')).slice(0, 10), oldPoints);
  await page.evaluate(`Storage.prototype.setItem = function () {
    throw new DOMException("the storage is full", "QuotaExceededError");
  }`);
  await clickButton('Score_Delete_Button');
  await waitState('d.screens.Drive_Error');
  await sleep(300);
  assert.deepEqual((await state('screens.Score_Points')).slice(0, 10), oldPoints,
                   'the table shows what is kept');
  assert.equal(await page.evaluate('localStorage.getItem("Zarvo.Scr")'), old);
  await picture('drive-error');
});

test('a game controller steers, fires, confirms and pauses, plugged in at any time', async () => {
  await open();
  await focusClick();
  await waitState('d.Frame_Count > 3');
  // Axes and buttons in the standard layout: A 0, Back 8, Start 9, the pad's arrows 12-15.
  await page.evaluate(`(() => {
    window.pad = { connected: true, mapping: "standard", axes: [0, 0, 0, 0],
                   buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
    window.zarvoPads = [null, window.pad];
    dispatchEvent(new Event("gamepadconnected"));
  })()`);
  const button = async (n, down) => page.evaluate(
      `window.pad.buttons[${n}] = { pressed: ${down}, value: ${down ? 1 : 0} }`);
  const pressButton = async (n) => {
    await button(n, true);
    await sleep(150);
    await button(n, false);
    await sleep(150);
  };
  await pressButton(9);  // Start leaves the title
  await pressButton(0);  // A starts the game
  await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');
  const { Ego_Col: col, Ego_Row: row } = await state();
  await page.evaluate('window.pad.axes[0] = -0.9');
  await waitState(`d.Ego_Col <= ${col - 4}`, 10000);
  await page.evaluate('window.pad.axes[0] = 0');
  await button(12, true);  // the pad's up arrow
  await waitState(`d.Ego_Row <= ${row - 2}`, 10000);
  await button(12, false);
  await pressButton(8);  // Back pauses
  const frozen = await state('Frame_Count');
  await sleep(300);
  assert.equal(await state('Frame_Count'), frozen, 'Back pauses');
  await pressButton(8);
  await waitState(`d.Frame_Count > ${frozen + 3}`, 5000);
});

test('QUIT brings back the title, from which one click plays again', async () => {
  await open();
  await focusClick();
  await clickButton('Title_Quit_Button');
  // A click is taken at the next tick, at the place where the pointer stands then: START may
  // only be clicked once the title of the new game is up, its pointer put back on START. (The
  // old title, just opened, showed a low frame count too; clicked on at once, START could meet
  // a tick still holding the QUIT click, start the old game and then hit the panel.)
  const [homeX, homeY] = [505, 475];
  await waitState(`d.Frame_Count < 20 && d.Sponsor_On && d.Mouse_X === ${homeX} && ` +
                  `d.Mouse_Y === ${homeY}`, 5000);
  await clickButton('Title_Start_Button');
  await waitState('!d.Sponsor_On && d.Playing');
});
