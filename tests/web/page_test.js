// The page around the game where it meets the browser's limits: a frame below the fold of its
// host, a frame without full screen, two tabs storing scores, the keyboard lost during a game,
// the help screen, a browser that refuses storage, a controller that is never plugged in, and
// the site's offline store.
//
//   node tests/web/page_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE names the page; ZARVO_SHOTS names a folder that receives the screenshots.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, Page, sleep } = require('./cdp');
const { serve } = require('./serve');
const { differingPixels } = require('./pictures');
const { PAGE, SHOTS, DUMP, gameView } = require('./game_page');

let browser, page, canvas;
let view = gameView(() => page, () => canvas);

async function measureCanvas(on = page) {
  canvas = await on.evaluate(`(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  })()`);
}

async function desktop(on, width, height) {
  await on.send('Emulation.setTouchEmulationEnabled', { enabled: false });
  await on.send('Emulation.setDeviceMetricsOverride',
                { width, height, deviceScaleFactor: 1, mobile: false });
}

async function open(on, query = '?seed=1', url = `file://${PAGE}${query}`) {
  await on.send('Page.navigate', { url });
  await on.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                   'the game to start');
}

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await desktop(page, 1300, 1100);
});

after(async () => {
  if (browser) await browser.close();
});

test('a frame below the fold of its host, without full screen allowed, loads and leaves F11 alone', async (t) => {
  const web = await serve(path.dirname(PAGE));
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-fold-'));
  try {
    // A frame from another origin, 400 pixels wide, two screens down the host page.
    fs.writeFileSync(path.join(dir, 'host.html'), `<!doctype html><body style="margin:0">
      <div style="height: 2000px">The game is further down.</div>
      <iframe src="${web.url}/${path.basename(PAGE)}?seed=1" title="Zarvo"
              style="width: 400px; height: 345px; border: 0"></iframe></body>`);
    await desktop(page, 1280, 720);
    await page.send('Target.setAutoAttach',
                    { autoAttach: true, waitForDebuggerOnStart: false, flatten: true });
    const attached = page.once('Target.attachedToTarget');
    await page.send('Page.navigate', { url: `file://${dir}/host.html` });
    const frame = new Page(browser, (await attached).sessionId);
    await frame.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined',
                        30000, 'the game below the fold to finish loading');
    t.diagnostic(`below the fold: ${Math.round(await frame.evaluate('Module.zarvoStartupMs'))} ms ` +
                 'from opening the frame to the game\'s start');

    // Full screen is not allowed here: no button for it, and F11 stays the browser's.
    assert.equal(await frame.evaluate('document.fullscreenEnabled'), false);
    assert.equal(await frame.evaluate(
      'getComputedStyle(document.getElementById("full")).display'), 'none', 'the button');
    const kept = await frame.evaluate(`dispatchEvent(new KeyboardEvent("keydown",
      { key: "F11", code: "F11", keyCode: 122, bubbles: true, cancelable: true }))`);
    assert.equal(kept, true, 'F11 keeps its default');
    // Scrolled to, the frame is laid out for its size: the way to the help is not cut off in
    // a frame this narrow.
    await page.evaluate('document.querySelector("iframe").scrollIntoView()');
    await frame.evaluate('new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)))');
    await sleep(300);
    const cut = await frame.evaluate(`(() => {
      const line = document.getElementById("help").getBoundingClientRect();
      const how = document.querySelector("#help .howto").getBoundingClientRect();
      return how.width > 0 && how.right <= line.right - 20;
    })()`);
    assert.equal(cut, true, 'the help key is on the visible part of the line');
    if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'frame-no-fullscreen.png'), await page.screenshot());
    await page.send('Target.setAutoAttach', { autoAttach: false, waitForDebuggerOnStart: false });
  } finally {
    await web.stop();
    fs.rmSync(dir, { recursive: true, force: true });
    await desktop(page, 1300, 1100);
  }
});

// A table whose every score is -1, which a game ended at once (score 0) beats.
const BEATABLE = (() => {
  const table = Buffer.alloc(496);
  for (let r = 1; r <= 30; ++r) {
    table[16 * r] = 1;
    table.write('Z', 16 * r + 1, 'latin1');
    table.writeInt32LE(-1, 16 * r + 12);
  }
  return String.fromCharCode(...table);
})();

// Starts a game in the tab, ends it and enters the name; answers once the name is stored.
async function storeName(tab, name) {
  const v = gameView(() => tab, () => canvas);
  await tab.press('Enter', 'Enter', 13);
  await v.waitState('!d.Sponsor_On && d.Playing');
  await tab.evaluate('Module.ccall("zarvo_end_game", null, [], [])');
  for (let i = 0; i < 200 && !(await v.state('Name_Entry_On')); ++i) {
    await tab.press('Enter', 'Enter', 13);
    await sleep(50);
  }
  assert.ok(await v.state('Name_Entry_On'), `${name}: the name entry opens`);
  for (const c of name) await tab.press(c.toLowerCase(), `Key${c}`, c.charCodeAt(0));
  await v.waitState(`d.Player_Name === "${name}"`);
  await tab.press('Enter', 'Enter', 13);
  await v.waitState('!d.Name_Entry_On');
}

test('two tabs store both their names, and an open score screen shows what the other stored', async () => {
  await open(page);
  await page.evaluate(`localStorage.setItem("Zarvo.Scr", ${JSON.stringify(BEATABLE)})`);
  const { targetId } = await browser.send('Target.createTarget',
                                          { url: 'about:blank', newWindow: true });
  const { sessionId } = await browser.send('Target.attachToTarget', { targetId, flatten: true });
  const other = new Page(browser, sessionId);
  try {
    await other.send('Runtime.enable');
    await other.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    await desktop(other, 1300, 1100);
    // Both tabs open on the table of -1 scores.
    await open(page);
    await open(other);
    await measureCanvas();
    const mine = gameView(() => page, () => canvas), theirs = gameView(() => other, () => canvas);
    await page.mouse('mouseMoved', ...mine.at(373, 470));
    await page.mouse('mousePressed', ...mine.at(373, 470));
    await page.mouse('mouseReleased', ...mine.at(373, 470));
    await mine.waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
    assert.equal(await mine.state('screens.Score_Points[0]'), -1);

    await storeName(other, 'AAA');
    // The score screen open in the first tab shows the other tab's entry.
    await mine.waitState('d.screens.Score_Points[0] === 0 && d.screens.Score_Name_Lengths[0] === 3',
                         5000);
    await page.press('Enter', 'Enter', 13);
    await mine.waitState('!d.Sponsor_Score_On');
    await storeName(page, 'BBB');
    const stored = await page.evaluate('localStorage.getItem("Zarvo.Scr")');
    const name = (r) => stored.substr(16 * r + 1, stored.charCodeAt(16 * r));
    assert.equal(name(1), 'AAA', 'the first entry');
    assert.equal(name(2), 'BBB', 'the second entry');
    assert.equal(await theirs.state('Frame_Count') > 0, true);
  } finally {
    await browser.send('Target.closeTarget', { targetId });
    await page.evaluate('localStorage.clear()');
  }
});

test('the keyboard lost during a game: one message, over the picture, that a click answers', async () => {
  await open(page);
  await measureCanvas();
  const { waitState, picture } = view;
  await page.press('Enter', 'Enter', 13);
  await waitState('!d.Sponsor_On && d.Playing');
  await page.evaluate('document.hasFocus = () => false; dispatchEvent(new FocusEvent("blur"))');
  await sleep(300);
  const shown = await page.evaluate(`(() => {
    const veil = document.getElementById("veil"), text = document.getElementById("veil-text");
    return !veil.hidden && getComputedStyle(text).display !== "none";
  })()`);
  assert.equal(shown, false, 'the page\'s own note stays off the game\'s message');
  const lost = await picture('keyboard-lost');
  // The game's message is the one the desktop shows for a lost focus, not "P: GO ON".
  await page.evaluate('delete document.hasFocus; dispatchEvent(new FocusEvent("focus"))');
  await sleep(400);
  await page.press('p', 'KeyP', 80);
  // A busy machine may take a while to show the pause: look again for up to five seconds.
  let differing = 0;
  for (let tries = 0; tries < 25 && differing <= 100; ++tries) {
    await sleep(200);
    differing = differingPixels(lost, await picture('paused'), 150, 250, 470, 300);
  }
  assert.ok(differing > 100, `the line under PAUSED differs from "P: GO ON" (${differing} pixels)`);
  await page.press('p', 'KeyP', 80);
});

test('F1 and the ? button open the help screen, whose pages keys and clicks turn', async () => {
  await open(page);
  await measureCanvas();
  const { state, picture } = view;
  await sleep(300);
  const title = await picture('title');
  await page.press('F1', 'F1', 112);
  await sleep(300);
  const help = await picture('help');
  assert.ok(differingPixels(title, help, 60, 60, 560, 380) > 5000, 'the help screen shows');
  const still = await state('Frame_Count');
  await page.press('a', 'KeyA', 65);
  await sleep(300);
  const keys = await picture('help-keys');
  assert.ok(differingPixels(help, keys, 60, 60, 560, 380) > 1000, 'a key turns to the keys');
  assert.equal(await state('Frame_Count'), still, 'the game stands still under the help');
  await page.press('a', 'KeyA', 65);
  await sleep(300);
  assert.ok(await state('Frame_Count') > still, 'the next key closes the help');
  assert.equal(await state('CodeWords_On'), false, 'the keys that turned it did nothing else');
  // The button beside the picture opens it as well, and clicks turn its pages.
  const r = await page.evaluate(`(() => {
    const r = document.getElementById("howto").getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2, w: r.width };
  })()`);
  assert.ok(r.w > 0, 'the ? button shows');
  await page.click(r.x, r.y);
  await sleep(300);
  const again = await picture('help-again');
  assert.equal(differingPixels(help, again, 60, 60, 560, 380), 0, 'the same help screen');
  const [x, y] = view.at(313, 470);  // over the code words button, which the click never reaches
  await page.click(x, y);
  await page.click(x, y);
  await sleep(300);
  assert.ok(await state('Frame_Count') > still, 'two clicks close the help');
  assert.equal(await state('CodeWords_On'), false, 'the clicks that turned it did nothing else');
});

test('with storage refused the table shows its default names and DRIVE ERROR', async () => {
  await page.send('Page.enable');
  const { identifier } = await page.send('Page.addScriptToEvaluateOnNewDocument', {
    source: `Storage.prototype.setItem = function () { throw new Error("refused"); };
             Storage.prototype.getItem = function () { throw new Error("refused"); };`,
  });
  try {
    await open(page);
    await measureCanvas();
    const { waitState, state } = view;
    const [x, y] = view.at(373, 470);
    await page.click(x, y);
    await waitState('d.screens.Score_Loaded === 1 && d.Sponsor_Score_On');
    const screens = await state('screens');
    assert.equal(screens.Drive_Error, true);
    assert.equal(screens.Score_Name_Lengths[0], 5, 'the first default name, Zarvo');
    assert.equal(screens.Score_Points[0], 97000, 'the first default score');
    await view.picture('storage-refused');
    await page.press('Enter', 'Enter', 13);
  } finally {
    await page.send('Page.removeScriptToEvaluateOnNewDocument', { identifier });
  }
});

// The processor time the browser's controller polling has used, in clock ticks (1/100 s).
function padPollingTicks() {
  const pids = [browser.proc.pid];
  for (const p of fs.readdirSync('/proc').filter((d) => /^\d+$/.test(d))) {
    try {
      const stat = fs.readFileSync(`/proc/${p}/stat`, 'utf8');
      if (pids.includes(Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1])))
        pids.push(Number(p));
    } catch (e) { /* gone */ }
  }
  let ticks = 0;
  for (const p of pids) {
    let tasks = [];
    try { tasks = fs.readdirSync(`/proc/${p}/task`); } catch (e) { continue; }
    for (const t of tasks) {
      try {
        if (!/^Gamepad/.test(fs.readFileSync(`/proc/${p}/task/${t}/comm`, 'utf8'))) continue;
        const f = fs.readFileSync(`/proc/${p}/task/${t}/stat`, 'utf8').split(') ')[1].split(' ');
        ticks += Number(f[11]) + Number(f[12]);
      } catch (e) { /* gone */ }
    }
  }
  return ticks;
}

test('without a controller the page does not poll for one while it stands still', async (t) => {
  await open(page);
  await sleep(1000);
  const playing = padPollingTicks();
  await sleep(4000);
  t.diagnostic(`controller polling with the keyboard: ${padPollingTicks() - playing} ticks in 4 s`);
  await page.evaluate('dispatchEvent(new FocusEvent("blur"))');
  await sleep(500);
  const still = padPollingTicks();
  await sleep(4000);
  const used = padPollingTicks() - still;
  t.diagnostic(`controller polling standing still: ${used} ticks in 4 s`);
  assert.ok(used <= 1, `the polling used ${used} hundredths of a second in 4 s`);
  await page.evaluate('dispatchEvent(new FocusEvent("focus"))');
});

test('the site keeps the page once in its offline store, and starts from either address', async () => {
  const site = path.join(path.dirname(PAGE), 'site');
  const web = await serve(site);
  try {
    await open(page, '', `${web.url}/?seed=1`);
    await page.waitFor('navigator.serviceWorker.controller !== null', 20000,
                       'the service worker to take the page');
    const kept = await page.evaluate(`(async () => {
      const names = await caches.keys();
      const store = await caches.open(names.find((n) => n.startsWith("zarvo-")));
      return (await store.keys()).map((r) => new URL(r.url).pathname);
    })()`);
    const pages = kept.filter((p) => p === '/' || p.endsWith('.html'));
    assert.deepEqual(pages, ['/'], 'the page is kept under one address');
  } finally {
    await web.stop();
  }
  await open(page, '', `${web.url}/index.html?seed=1`);
  await view.waitState('d.Frame_Count > 3');
});

test('on a phone the ABC button stays up until a letter has come through the device keyboard', async () => {
  await page.send('Emulation.setDeviceMetricsOverride',
                  { width: 390, height: 844, deviceScaleFactor: 3, mobile: true });
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  const tap = async (x, y) => {
    for (const type of ['touchStart', 'touchEnd']) {
      await page.send('Input.dispatchTouchEvent',
                      { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y, id: 0 }] });
      await sleep(60);
    }
  };
  try {
    await open(page);
    await measureCanvas();
    await tap(canvas.left + canvas.width / 2, canvas.top + canvas.height / 2);
    await page.waitFor('document.getElementById("veil").hidden', 5000, 'the note to go');
    await measureCanvas();
    await tap(...view.at(309, 470));  // the code words button
    await view.waitState('d.CodeWord_1_Typing');
    await page.waitFor('document.activeElement.id === "typing"', 5000, 'the name field');
    // The field has the focus, which a phone may not have answered with its keyboard.
    await sleep(400);
    assert.equal(await page.evaluate('document.getElementById("keyboard").hidden'), false,
                 'the ABC button shows while nothing has been typed');
    await page.send('Input.insertText', { text: 'a' });
    await view.waitState('d.CodeWord_1 === "A"', 5000);
    await page.waitFor('document.getElementById("keyboard").hidden', 5000,
                       'the ABC button to go once the keyboard types');
  } finally {
    await desktop(page, 1300, 1100);
  }
});
