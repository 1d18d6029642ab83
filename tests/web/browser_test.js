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
const { Browser, Page, sleep } = require('./cdp');
const { serve } = require('./serve');
const { decodeBmp, differingPixels } = require('./pictures');

const { ROOT, PAGE, NATIVE, SHOTS, W, H, DUMP, KEYS: BASE_KEYS, letter, gameView, runNative } =
  require('./game_page');

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

let browser, page, canvas;
const { state, waitState, at, picture, button, clickGame, holdUntil, emptyTable } =
  gameView(() => page, () => canvas);

async function measureCanvas() {
  canvas = await page.evaluate(`(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  })()`);
}

// Opens the page and, as a player does, clicks the note that a click starts play (at the game
// pointer's own place, so that the pointer stays where it is) when the page lacks the keyboard.
async function open(query = '', url = `file://${PAGE}${query}`) {
  await page.send('Page.navigate', { url });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                     'the game to start');
  await measureCanvas();
  if (!(await page.evaluate('document.getElementById("veil").hidden'))) {
    const { Mouse_X: x, Mouse_Y: y } = await state();
    await clickGame(x, y);
    await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  }
}

const KEYS = { ...BASE_KEYS, Control: ['Control', 'ControlLeft', 17] };


async function storedTable() {
  const text = await page.evaluate('localStorage.getItem("Zarvo.Scr")');
  return text === null ? null : Buffer.from([...text].map((c) => c.charCodeAt(0) & 255));
}

async function desktop(width, height) {
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: false });
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width, height, deviceScaleFactor: 1, mobile: false });
}

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await desktop(1300, 1100);
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
  // A click beside the picture moves the focus within the page, which is no loss of it.
  await page.click(5, 600);
  const beside = await state('Frame_Count');
  await waitState(`d.Frame_Count > ${beside + 3}`, 5000);

  // The button under the picture switches the browser's full screen on, and F11 switches it
  // off again (both call the same switch; the button hides in full screen). Headless Chromium
  // refuses a request for full screen that comes soon after it left full screen, so the test
  // asks for it once, from a page that has not been in full screen yet.
  const corner = await rectOf('full');
  await page.click(corner.x, corner.y);
  await page.waitFor('document.fullscreenElement !== null', 5000, 'full screen');
  await page.waitFor('getComputedStyle(document.getElementById("full")).display === "none"',
                     5000, 'the full-screen button hidden in full screen');
  await page.press('F11', 'F11', 122);
  await page.waitFor('document.fullscreenElement === null', 5000, 'no full screen');
  // The page lays itself out again once the tab has its size back.
  await page.waitFor(`(() => {
    const f = document.getElementById("full").getBoundingClientRect();
    const c = document.getElementById("screen").getBoundingClientRect();
    return innerWidth === 1300 && innerHeight === 1100 && f.width > 0 && f.top >= c.bottom;
  })()`, 5000, 'the full-screen button under the picture');

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
  const score = await button('Title_Score_Button');
  await clickGame(score.X, score.Y);
  await waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
  const mine = (await state()).screens;
  const script = `seed 1\n1 move ${score.X} ${score.Y}\n2 click\n`;
  const native = JSON.parse(runNative(script, 5, damaged).dump).screens;
  for (const field of ['Drive_Error', 'Score_Points', 'Score_Name_Lengths'])
    assert.deepEqual(mine[field], native[field], field);
  await picture('damaged-table');
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_Score_On');
});

test('keyboard alone: the arrows steer the title\'s pointer and Ctrl presses its button', async () => {
  await waitState('d.Sponsor_On && d.Mouse_X === 505 && !d.Sponsor_Score_On');
  await holdUntil('Left', 'd.Mouse_X === 441');  // from START to the options
  await page.press(...KEYS.Control);
  await waitState('d.Sponsor_Option_On');
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_Option_On && d.Mouse_X === 505');
});

let gameScore = 0;

test('Enter starts a game, held arrow keys cut the floor, the percentage readout changes', async () => {
  // An empty table first, so that the game's score is the best.
  await emptyTable();

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
  const score = await button('Title_Score_Button');
  await clickGame(score.X, score.Y);
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

test('in a frame of a host page the first click starts the game, and its keys never scroll the host', async (t) => {
  const web = await serve(path.dirname(PAGE));
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-host-'));
  try {
    // The host example with the page from another origin, and enough below it to scroll.
    const host = fs.readFileSync(path.join(ROOT, 'web/host-example.html'), 'utf8')
      .replace('src="zarvo.html"', `src="${web.url}/${path.basename(PAGE)}?seed=1"`)
      .replace('</body>', '<div style="height: 3000px"></div></body>');
    fs.writeFileSync(path.join(dir, 'host.html'), host);
    await desktop(1280, 720);
    await page.send('Target.setAutoAttach',
                    { autoAttach: true, waitForDebuggerOnStart: false, flatten: true });
    const attached = page.once('Target.attachedToTarget');
    await page.send('Page.navigate', { url: `file://${dir}/host.html` });
    const frame = new Page(browser, (await attached).sessionId);
    await frame.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined',
                        60000, 'the game in the frame to start');
    assert.equal(await frame.evaluate('document.getElementById("veil").hidden'), false,
                 'the frame shows that a click starts play');
    const box = await page.evaluate(`(() => {
      const r = document.querySelector("iframe").getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 3 };
    })()`);
    // As a player would, click once the frame has been drawn: a click in the very first
    // moments after a frame from another origin appears can reach the host page instead.
    await frame.evaluate('new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)))');
    await sleep(500);
    const frames = 'JSON.parse(Module.ccall("zarvo_dump", "string", [], [])).Frame_Count';
    const before = await frame.evaluate(frames);
    const clicked = Date.now();
    await page.click(box.x, box.y);
    await frame.waitFor(`${frames} > ${before}`, 5000, 'a tick in the frame').catch(async (e) => {
      // What the frame could still do: animation frames and 10 ms timers in one second.
      const raf = await frame.evaluate(`new Promise((done) => {
        let n = 0;
        const t0 = performance.now();
        const count = () => (++n, performance.now() - t0 < 1000 ? requestAnimationFrame(count)
                                                                 : done(n));
        requestAnimationFrame(count);
        setTimeout(() => done(-n), 1500);
      })`);
      const timers = await frame.evaluate(`new Promise((done) => {
        let n = 0;
        const every = setInterval(() => ++n, 10);
        setTimeout(() => (clearInterval(every), done(n)), 1000);
      })`);
      const why = await frame.evaluate(`JSON.stringify({ raf: ${raf}, timers: ${timers},
        frames: ${before} + " then " + ${frames}, shown: document.visibilityState,
        sound: Module.zarvoAudio ? Module.zarvoAudio.context.state : "none",
        focus: document.hasFocus(), active: document.activeElement.id,
        note: !document.getElementById("veil").hidden })`);
      throw new Error(`${e.message}: the frame ${why}`);
    });
    const ms = Date.now() - clicked;
    t.diagnostic(`the game in the frame ticks ${ms} ms after the first click`);
    assert.ok(ms < 1000, `the first tick came ${ms} ms after the click`);
    assert.equal(await frame.evaluate('document.activeElement.id'), 'screen');
    // The frame gets its size from the host at a moment of its own: the picture follows it.
    const across = 'Math.round(document.getElementById("screen").getBoundingClientRect().width)';
    assert.equal(await frame.evaluate(across), await frame.evaluate('innerWidth'),
                 'the picture across the frame');

    const down = ['ArrowDown', 'ArrowDown', 40], space = [' ', 'Space', 32];
    for (const key of [down, space, down, KEYS.Enter, KEYS.Up, space]) await page.press(...key);
    await frame.waitFor('!JSON.parse(Module.ccall("zarvo_dump", "string", [], [])).Sponsor_On',
                        5000, 'the keys to reach the game');
    assert.equal(await page.evaluate('scrollY'), 0, 'the host page stands still');
    if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'host-page.png'), await page.screenshot());
    await page.send('Target.setAutoAttach', { autoAttach: false, waitForDebuggerOnStart: false });
  } finally {
    await web.stop();
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

// Touches on the page: a tap, or a finger held until the condition on the dump holds.
function touches(points) {
  return page.send('Input.dispatchTouchEvent',
                   { type: points.length ? 'touchStart' : 'touchEnd',
                     touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}
async function tap(x, y) {
  await touches([[x, y]]);
  await sleep(30);
  await touches([]);
  await sleep(60);
}
async function rectOf(id) {
  return page.evaluate(`(() => {
    const r = document.getElementById("${id}").getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2, w: r.width, h: r.height };
  })()`);
}
async function tapControl(id) {
  const r = await rectOf(id);
  await tap(r.x, r.y);
}
async function touchUntil(x, y, condition) {
  await touches([[x, y]]);
  try {
    await waitState(condition, 15000);
  } finally {
    await touches([]);
  }
}

test('on a phone, touch alone opens the sound, types a code word, starts a game, steers a cut, fires and loses a life', async () => {
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: 390, height: 844, deviceScaleFactor: 3, mobile: true });
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  await page.send('Page.navigate', { url: `file://${PAGE}?seed=1` });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                     'the game to start');
  await measureCanvas();
  await tap(canvas.left + canvas.width / 2, canvas.top + canvas.height / 2);
  await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
  await page.waitFor('Module.zarvoAudio && Module.zarvoAudio.context.state === "running"', 5000,
                     'the sound to run after the first tap');
  await measureCanvas();
  await sleep(200);
  assert.equal(await state('CodeWords_On'), false, 'the first tap reaches no button of the game');
  assert.ok(canvas.width >= 0.9 * 390, `the picture is ${canvas.width} of 390 pixels wide`);
  assert.equal(canvas.top, 0, 'portrait: the picture at the top');
  const pad = await rectOf('pad');
  assert.ok(pad.y - pad.h / 2 >= canvas.top + canvas.height, 'portrait: the pad beneath it');
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'phone-title.png'), await page.screenshot());

  // The code words button, then the device's keyboard for the second word: endless shots.
  const words = await button('Title_CodeWord_Button');
  const [x, y] = at(words.X, words.Y);
  await tap(x, y);
  await waitState('d.CodeWord_1_Typing');
  await page.waitFor('document.activeElement.id === "typing"', 5000, 'the name field');
  await tapControl('confirm');
  await waitState('d.CodeWord_2_Typing');
  await page.send('Input.insertText', { text: 'plonkmiragevus' });
  await waitState('d.CodeWord_2 === "PLONKMIRAGEVUS"', 5000);
  await tapControl('confirm');
  await waitState('d.Fire_Code && !d.CodeWord_2_Typing');
  for (let i = 0; i < 40 && (await state('Sponsor_On')); ++i) {
    await tapControl('confirm');
    await sleep(100);
  }
  await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');

  // The pad: held to the left, up, then right until the cut closes.
  const { Ego_Col: col, Ego_Row: row } = await state();
  const side = (dx, dy) => [pad.x + dx * pad.w * 0.35, pad.y + dy * pad.h * 0.35];
  await touchUntil(...side(-1, 0), `d.Ego_Col <= ${col - 6}`);
  await touchUntil(...side(0, -1), `d.Ego_Row <= ${row - 3}`);
  await touchUntil(...side(1, 0), 'd.Fliese_Claimed > 0');
  await waitState('d.Fliese_Percent > 0');
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'phone-cut.png'), await page.screenshot());

  // FIRE asks the game for a volley the moment it is touched.
  await page.evaluate(`addEventListener("keydown", () => {
    Module.fireAsked = Module.fireAsked || ${DUMP}.Star_Fire_Request;
  }); 0`);
  await tapControl('fire');
  assert.equal(await page.evaluate('Module.fireAsked'), true, 'FIRE asks for a volley');

  // A life lost by touch: a finger held on the pad, slid round it, steers the figure at the
  // nearest enemy until the energy store has run dry.
  const aim = `(d => [d.Lives, d.Ego_X + 15, d.Ego_Y + 24, d.Enimy_Table.filter((e) => e.Active)
    .map((e) => [e.X + 22, e.Y + 22])])(${DUMP})`;
  let lives = 5;
  for (let type = 'touchStart', end = Date.now() + 30000; Date.now() < end; type = 'touchMove') {
    const [now, x, y, foes] = await page.evaluate(aim);
    lives = now;
    if (lives !== 5 || foes.length === 0) break;
    const away = ([fx, fy]) => Math.hypot(fx - x, fy - y);
    const [fx, fy] = foes.sort((a, b) => away(a) - away(b))[0];
    const [dx, dy] = [fx - x, fy - y];
    const [px, py] = Math.abs(dx) > Math.abs(dy) ? side(Math.sign(dx), 0) : side(0, Math.sign(dy));
    await page.send('Input.dispatchTouchEvent', { type, touchPoints: [{ x: px, y: py, id: 0 }] });
    await sleep(50);
  }
  await touches([]);
  assert.equal(lives, 4, 'lives after the figure was steered into an enemy');

  // Landscape: the controls at the sides of the picture.
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: 844, height: 390, deviceScaleFactor: 3, mobile: true });
  await page.waitFor('document.getElementById("screen").getBoundingClientRect().left > 100',
                     5000, 'the landscape layout');
  await measureCanvas();
  const [padNow, fire] = [await rectOf('pad'), await rectOf('fire')];
  assert.ok(padNow.x + padNow.w / 2 <= canvas.left, 'landscape: the pad left of the picture');
  assert.ok(fire.x - fire.w / 2 >= canvas.left + canvas.width, 'landscape: FIRE right of it');
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'phone-landscape.png'), await page.screenshot());
  await desktop(1300, 1100);
});

test('the site folder installs from a web host and starts again without it', async (t) => {
  const site = path.join(path.dirname(PAGE), 'site');
  const single = fs.statSync(PAGE).size;
  let folder = 0;
  for (const name of fs.readdirSync(site)) folder += fs.statSync(path.join(site, name)).size;
  t.diagnostic(`the single page: ${(single / 1024).toFixed(0)} KiB; the site folder: ` +
               `${(folder / 1024).toFixed(0)} KiB`);
  assert.ok(single < 1000000, `the single page is ${single} bytes, not under 10^6`);

  const web = await serve(site);
  const url = `${web.url}/?seed=1`;
  try {
    await desktop(1280, 720);
    await open('', url);
    await page.waitFor('navigator.serviceWorker.controller !== null', 20000,
                       'the service worker to take the page');
    const { installabilityErrors } = await page.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await waitState('d.Frame_Count > 10');
    if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'site-1280x720.png'), await page.screenshot());
  } finally {
    await web.stop();
  }
  // Reloaded with the host gone, the page comes from the worker's store.
  await open('', url);
  await waitState('d.Frame_Count > 3');
  await desktop(1300, 1100);
});
