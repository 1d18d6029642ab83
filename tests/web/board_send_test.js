// The page sends its kept runs to the board of its own origin: a real zarvo-board on loopback
// serves the site folder and takes the run a game in the page keeps; the page marks it sent
// with the board's number, and the board gives the same run back. A page opened from a file
// names no board and sends nothing.
//
//   node tests/web/board_send_test.js     (scripts/test-web builds what it needs and runs it)
//
// ZARVO_PAGE names the page (its site folder beside it), ZARVO_BOARD the board program;
// ZARVO_SHOTS names a folder that receives the screenshots.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, sleep } = require('./cdp');
const { ROOT, PAGE, SHOTS, KEYS, letter, openGame, gameView } = require('./game_page');

const BOARD = path.resolve(process.env.ZARVO_BOARD || path.join(ROOT, 'build/zarvo-board'));
const SITE = path.join(path.dirname(PAGE), 'site');
const PORT = 20000 + (process.pid % 20000);
const ORIGIN = `http://127.0.0.1:${PORT}`;
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-send-'));

let browser, page, canvas, board;
const { state, waitState, button, clickGame, emptyTable, scoreACut } =
  gameView(() => page, () => canvas);

async function open(url) {
  canvas = await openGame(page, url);
}


// Empties the table, scores, ends the game and types the name: the score enters the table.
async function keepARun(name) {
  await emptyTable();
  await scoreACut();
  await page.evaluate('Module.ccall("zarvo_end_game", null, [], [])');
  await waitState('d.Game_Over');
  for (let i = 0; i < 200 && !(await state('Name_Entry_On')); ++i) {
    await page.press(...KEYS.Enter);
    await sleep(50);
  }
  for (const c of name) await page.press(...letter(c));
  await waitState(`d.Player_Name === "${name}"`);
  await page.press(...KEYS.Enter);
  await waitState('!d.Name_Entry_On');
}

const outbox = () => page.evaluate(`JSON.stringify(Object.entries(localStorage)
  .filter(([k]) => k.startsWith("zarvo.outbox/")))`).then(JSON.parse);

before(async () => {
  board = spawn(BOARD, ['--db', path.join(scratch, 'board.db'), '--site', SITE,
                        '--port', String(PORT)], { stdio: 'inherit' });
  for (let i = 0; i < 100; ++i) {
    try {
      if ((await fetch(`${ORIGIN}/tables/1`)).ok) break;
    } catch (error) {
    }
    await sleep(100);
  }
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
});

after(async () => {
  if (browser) await browser.close();
  if (board) board.kill();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test('a run kept in a page served by the board goes to that board and is marked sent', async () => {
  await open(`${ORIGIN}/?seed=1`);
  await keepARun('SENT');
  await page.waitFor('Object.keys(localStorage).some(k => k.startsWith("zarvo.outbox/") && ' +
                     'localStorage.getItem(k).startsWith("sent "))', 20000, 'the run to be sent');
  const [[key, entry]] = await outbox();
  const id = Number(entry.split(' ')[1]);
  assert.ok(id > 0, `the board's number: ${entry}`);
  const kept = await page.evaluate(`localStorage.getItem(${JSON.stringify(key.replace('zarvo.outbox/', 'zarvo.runs/'))})`);
  const back = await (await fetch(`${ORIGIN}/runs/${id}/file`)).text();
  assert.equal(back, kept, 'the board holds the run the page kept');

  // Loaded again, the score screen shows the board's tick after the entry's arrow.
  await open(`${ORIGIN}/?seed=6`);
  const score = await button('Title_Score_Button');
  await clickGame(score.X, score.Y);
  await waitState('d.Sponsor_Score_On');
  await sleep(300);
  if (SHOTS) fs.writeFileSync(path.join(SHOTS, 'board-sent.png'), await page.screenshot());
});

test('a page opened from a file names no board and sends nothing', async () => {
  await page.evaluate('localStorage.clear()');
  await open(`file://${PAGE}?seed=1`);
  assert.equal(await page.evaluate('Module.zarvoBoard'), '');
  await keepARun('HOME');
  await page.waitFor('Object.keys(localStorage).some(k => k.startsWith("zarvo.runs/"))', 5000,
                     'the run to be kept');
  await sleep(500);
  assert.deepEqual(await outbox(), []);
});
