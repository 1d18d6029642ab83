// Runs in the page: every game recorded, a run kept in the page's storage beside its table
// entry and watched from the score screen, a run shared as a link and opened in a fresh browser,
// run files opened from the page, and runs proven across builds: a run played in the page
// verifies on the desktop (zarvo --verify), and the desktop's runs verify in the page.
//
//   node tests/web/runs_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE names the page, ZARVO_NATIVE the desktop program; ZARVO_SHOTS names a folder that
// receives the screenshots.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, sleep } = require('./cdp');
const { ROOT, PAGE, NATIVE, SHOTS, DUMP, KEYS: BASE_KEYS, letter, gameView } = require('./game_page');

let browser, page, canvas;
const { state, waitState, button, clickGame, emptyTable, scoreACut } =
  gameView(() => page, () => canvas);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-runs-'));
const DEMO = path.join(ROOT, 'packaging/demo.zrun');

const KEYS = { ...BASE_KEYS, Eight: ['8', 'Digit8', 56] };

async function measureCanvas(on = page) {
  canvas = await on.evaluate(`(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  })()`);
}

async function open(on, url) {
  await on.send('Page.navigate', { url });
  await on.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                   'the game to start');
  await measureCanvas(on);
}

async function launch() {
  const opened = await Browser.launch({ width: 1300, height: 1100 });
  await opened.page.send('Page.enable');
  await opened.page.send('Runtime.enable');
  await opened.page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  return opened;
}

const showing = (on = page) => on.evaluate('Module._zarvo_showing()');
const stored = (on = page) => on.evaluate('JSON.stringify(Object.entries(localStorage).sort())');
const storedRuns = () => page.evaluate(
  'Object.keys(localStorage).filter(k => k.startsWith("zarvo.runs/"))');


// The desktop program verifying a run file: its exit code and line.
function verifyOnDesktop(name, text) {
  const file = path.join(scratch, name);
  fs.writeFileSync(file, text);
  const done = spawnSync(NATIVE, ['--verify', file], { encoding: 'utf8' });
  return { code: done.status, line: done.stdout + done.stderr };
}

// A file handed to the page's own file picker, as a player chooses one.
async function pickFile(file) {
  const { root } = await page.send('DOM.getDocument');
  const { nodeId } = await page.send('DOM.querySelector', { nodeId: root.nodeId, selector: '#picker' });
  await page.send('DOM.setFileInputFiles', { nodeId, files: [file] });
}

async function screenshot(on, name) {
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, `${name}.png`), await on.screenshot());
}

before(async () => {
  ({ browser, page } = await launch());
  await page.send('DOM.enable');
  await open(page, `file://${PAGE}?seed=1`);
});

after(async () => {
  if (browser) await browser.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test('a game played in the page verifies on the desktop, and desktop runs verify in the page', async () => {
  // An empty table, so that this game's score enters it later.
  await emptyTable();
  await scoreACut();

  const run = await page.evaluate('Module.UTF8ToString(Module._zarvo_share_run())');
  const mine = verifyOnDesktop('page.zrun', run);
  assert.equal(mine.code, 0, `the desktop verifies the page's run: ${mine.line}`);
  assert.match(mine.line, /VERIFIED/);

  const demo = fs.readFileSync(DEMO, 'utf8');
  const line = await page.evaluate(`Module.ccall("zarvo_verify", "string", ["string"], [${JSON.stringify(demo)}])`);
  assert.match(line, /  VERIFIED$/, `the page verifies the desktop's demo: ${line}`);
  const headless = path.join(scratch, 'monkey.zrun');
  const made = spawnSync(NATIVE, ['--headless', '--monkey', '3', '--frames', '3000', '--record', headless,
                                  '--scores', path.join(scratch, 'Zarvo.Scr')]);
  assert.equal(made.status, 0, 'the desktop records a random player');
  const theirs = await page.evaluate(`Module.ccall("zarvo_verify", "string", ["string"], [${JSON.stringify(fs.readFileSync(headless, 'utf8'))}])`);
  assert.match(theirs, /  VERIFIED$/, `the page verifies the desktop's run: ${theirs}`);
});

test('a score that enters the table keeps its run in the page\'s storage, watched from the score screen, gone with its entry', async () => {
  const points = await state('Score');
  await page.evaluate('Module.ccall("zarvo_end_game", null, [], [])');
  await waitState('d.Game_Over');
  for (let i = 0; i < 200 && !(await state('Name_Entry_On')); ++i) {
    await page.press(...KEYS.Enter);
    await sleep(50);
  }
  for (const c of 'RUN') await page.press(...letter(c));
  await waitState('d.Player_Name === "RUN"');
  await page.press(...KEYS.Enter);
  await waitState('!d.Name_Entry_On');
  await page.waitFor('Object.keys(localStorage).some(k => k.startsWith("zarvo.runs/d1-"))', 5000,
                     'the run to be kept');
  const runs = await storedRuns();
  assert.equal(runs.length, 1);
  assert.match(runs[0], new RegExp(`^zarvo.runs/d1-0*${points}-RUN-\\d+T\\d+\\.zrun$`));

  // After a reload the score screen watches it by its rank's key; any other key comes back to
  // the table exactly as it was.
  await open(page, `file://${PAGE}?seed=6`);
  const score = await button('Title_Score_Button');
  await clickGame(score.X, score.Y);
  await waitState('d.Sponsor_Score_On');
  // The World is read in the same moment as the key that starts the run and the key that ends
  // it: the score screen ticks on before and after.
  const key = (k, code, keyCode) => `dispatchEvent(new KeyboardEvent("keydown", { key: "${k}", ` +
    `code: "${code}", keyCode: ${keyCode}, which: ${keyCode}, bubbles: true }))`;
  const [table, watching] = await page.evaluate(
    `[${DUMP}, (${key('1', 'Digit1', 49)}, Module._zarvo_showing())]`);
  assert.equal(watching, 1, 'the run is watched');
  await sleep(300);
  await screenshot(page, 'runs-watched');
  const [after, ended] = await page.evaluate(
    `[(${key('Enter', 'Enter', 13)}, ${DUMP}), Module._zarvo_showing()]`);
  assert.equal(ended, 0, 'Enter ends the watching');
  assert.deepEqual(after, table, 'the player\'s World is as it was');

  // The table emptied: the entry leaves, and its run with it.
  const del = await button('Score_Delete_Button');
  await clickGame(del.X, del.Y);
  await waitState('d.screens.Score_Points.slice(0, 10).every(p => p === 0)');
  await page.waitFor('!Object.keys(localStorage).some(k => k.startsWith("zarvo.runs/"))', 5000,
                     'the run to leave with its entry');
  await page.press(...KEYS.Enter);
  await waitState('!d.Sponsor_Score_On');
});

test('the share button copies a link that plays the watched run in a fresh browser, then the title', async () => {
  // The desktop's demo, opened from the page and watched, is the run to share.
  await pickFile(DEMO);
  await page.waitFor('Module._zarvo_showing() === 1', 5000, 'the demo file to play');
  const share = await page.evaluate(`(() => {
    const r = document.getElementById("share").getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  })()`);
  await page.evaluate('Module.zarvoLink = undefined; 0');
  await page.click(...share);
  await page.waitFor('Module.zarvoLink !== undefined', 5000, 'the link to be made');
  await page.waitFor('!document.getElementById("toast").hidden', 5000, 'the note to show');
  await screenshot(page, 'runs-share');
  const link = await page.evaluate('Module.zarvoLink');
  assert.match(link, /#run=[A-Za-z0-9_-]+$/);
  assert.equal(await page.evaluate('Module.UTF8ToString(Module._zarvo_share_run())'),
               fs.readFileSync(DEMO, 'utf8'), 'the link holds the watched run');
  // S shares as the button does, and ends no watching.
  await page.evaluate('Module.zarvoLink = undefined; 0');
  await page.press('s', 'KeyS', 83);
  await page.waitFor('Module.zarvoLink !== undefined', 5000, 'the link of S to be made');
  assert.equal(await page.evaluate('Module.zarvoLink'), link, 'S makes the same link');
  assert.equal(await showing(), 1, 'S leaves the run playing');
  await page.press(...KEYS.Enter);
  await page.waitFor('Module._zarvo_showing() === 0', 5000, 'the watching to end');

  const other = await launch();
  try {
    await open(other.page, link);
    await other.page.waitFor('Module._zarvo_showing() === 1', 5000, 'the shared run to play');
    const frames = await other.page.evaluate(`${DUMP}.Frame_Count`);
    await sleep(500);
    await screenshot(other.page, 'runs-shared-link');
    assert.equal(await other.page.evaluate(`${DUMP}.Frame_Count`), frames,
                 'the page\'s own game stands still while the run plays');
    const mark = await other.page.evaluate('Module.zarvoToast === undefined');
    assert.equal(mark, true, 'no complaint about the link');
    // At 8 frames a tick the run soon ends, on the title of the page's own game.
    await other.page.press(...KEYS.Eight);
    await other.page.waitFor('Module._zarvo_showing() === 0', 30000, 'the run to end');
    assert.equal(await other.page.evaluate(`${DUMP}.Sponsor_On`), true, 'the title is back');
  } finally {
    await other.browser.close();
  }
  console.log(`# the demo's run of ${fs.statSync(DEMO).size} bytes makes a link of ${link.length} characters`);
});

// A link shared before runs were written in format 2 holds the demo's format 1 text, each
// frame written as the frames since the line before (tests/data/demo_v1.link): it still plays
// the same run.
test('a link made of a format 1 run still opens', async () => {
  const payload = fs.readFileSync(path.join(ROOT, 'tests/data/demo_v1.link'), 'utf8').trim();
  await page.evaluate(`Module.zarvoToast = undefined; history.replaceState(null, "", "#run=${payload}"); Module.zarvoPage.watchLink(); 0`);
  await page.waitFor('Module._zarvo_showing() === 1', 5000, 'the old link\'s run to play');
  assert.equal(await page.evaluate('Module.zarvoToast === undefined'), true, 'no complaint');
  assert.equal(await page.evaluate('Module.UTF8ToString(Module._zarvo_share_run())'),
               fs.readFileSync(DEMO, 'utf8'), 'the old link holds the demo\'s run');
  await page.press(...KEYS.Enter);
  await page.waitFor('Module._zarvo_showing() === 0', 5000, 'the watching to end');
  await page.evaluate('history.replaceState(null, "", location.href.replace(/#.*$/, "")); 0');
});

test('bad runs and cut links say what is wrong and touch nothing', async () => {
  // The title runs on meanwhile: its frames count, and nothing else of the World changes.
  const world = () => page.evaluate(`(d => { delete d.Frame_Count; return d; })(${DUMP})`);
  const before = { storage: await stored(), world: await world() };
  const expectToast = async (what, pattern) => {
    await page.waitFor('Module.zarvoToast !== undefined', 5000, `a message for ${what}`);
    const toast = await page.evaluate('Module.zarvoToast');
    assert.match(toast, pattern, what);
    assert.equal(await showing(), 0, `${what}: nothing plays`);
    assert.equal(await stored(), before.storage, `${what}: the storage is as it was`);
    await page.evaluate('Module.zarvoToast = undefined; 0');
  };
  const link = await page.evaluate('Module.zarvoLink');
  const payload = link.slice(link.indexOf('#run=') + 5);
  const tryLink = async (hash) => {
    await page.evaluate(`Module.zarvoToast = undefined; history.replaceState(null, "", ${JSON.stringify(hash)}); Module.zarvoPage.watchLink(); 0`);
  };
  await tryLink('#run=' + payload.slice(0, Math.floor(payload.length / 2)));
  await expectToast('a link cut in half', /cut short or damaged.*chat program/);
  await tryLink('#run=' + payload.slice(0, 20) + '!!' + payload.slice(20));
  await expectToast('a link with foreign letters', /damaged: it holds letters/);

  const demo = fs.readFileSync(DEMO, 'utf8');
  const files = [
    ['other-version.zrun', demo.replace(/^zarvo-run \d+/, 'zarvo-run 7'), /format 7/],
    ['cut.zrun', demo.slice(0, Math.floor(demo.length * 0.6)), /cut short/],
    ['binary.zrun', Buffer.from([0x7f, 0x45, 0x4c, 0x46, 0, 1, 2, 3, 255, 254]), /binary|not a run/],
    ['damaged.zrun', demo.replace(/^score \d+$/m, 'score many'), /score/],
  ];
  for (const [name, bytes, pattern] of files) {
    fs.writeFileSync(path.join(scratch, name), bytes);
    await pickFile(path.join(scratch, name));
    await expectToast(name, new RegExp(`^${name.replace('.', '\\.')}: .*` + pattern.source));
  }
  const large = path.join(scratch, 'large.zrun');
  fs.writeFileSync(large, Buffer.alloc(17 * 1024 * 1024, 0x31));
  await pickFile(large);
  await expectToast('an oversized file', /large\.zrun is too large for a run/);
  await page.evaluate('history.replaceState(null, "", location.href.replace(/#.*$/, "")); 0');
  assert.deepEqual(await world(), before.world, 'the player\'s World is as it was');
});
