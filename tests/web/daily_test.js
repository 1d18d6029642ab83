// The daily game in the page: ?daily=D (or #daily=D) plays the day's game at once, on the
// seed the desktop's --daily plays, and its end shows its one-line result with its run's link;
// that run verifies on the desktop.
//
//   node tests/web/daily_test.js     (scripts/test-web builds what it needs and runs it)
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser } = require('./cdp');
const { PAGE, NATIVE, SHOTS, openGame, gameView } = require('./game_page');

let browser, page, canvas;
const { state, waitState, picture } = gameView(() => page, () => canvas);
const today = new Date().toISOString().slice(0, 10);

async function open(url) {
  canvas = await openGame(page, url);
}

before(async () => {
  ({ browser, page } = await Browser.launch({ width: 1300, height: 1100 }));
  await page.send('Page.enable');
  await page.send('Runtime.enable');
  await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
});
after(async () => { if (browser) await browser.close(); });

test('?daily=2 plays the day\'s NORMAL game and ends with its line and link', async () => {
  await open(`file://${PAGE}?daily=2`);
  await waitState('d.Playing && d.Difficulty === 2', 10000);
  if (SHOTS) await picture('daily-normal');
  // The run so far verifies on the desktop (the test's end of the game below is no player's).
  await waitState('d.Frame_Count >= 100');
  const run = await page.evaluate('Module.UTF8ToString(Module._zarvo_share_run())');
  assert.match(run, /\nstart 2 1 none\n/);
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-daily-')), 'daily.zrun');
  fs.writeFileSync(file, run);
  const done = spawnSync(NATIVE, ['--verify', file], { encoding: 'utf8' });
  assert.equal(done.status, 0, done.stdout + done.stderr);
  await page.evaluate('Module._zarvo_end_game()');
  await page.waitFor('typeof Module.zarvoDaily === "string"', 10000, 'the daily line');
  const line = await page.evaluate('Module.zarvoDaily');
  assert.match(line, new RegExp(`^Zarvo daily ${today} NORMAL: [0-9,]+ points, levels 1-\\d+ `));
  assert.match(line, /#run=[A-Za-z0-9_-]+$/);
});

test('#daily plays the day\'s NOVICE game, on the seed the desktop plays', async () => {
  await open(`file://${PAGE}#daily`);
  await waitState('d.Playing && d.Difficulty === 1', 10000);
  const run = await page.evaluate('Module.UTF8ToString(Module._zarvo_share_run())');
  assert.match(run, /\nstart 1 1 none\n/);
  // FNV-1a 32 of "zarvo daily DAY 1", as the desktop and the board work it out.
  let h = 2166136261;
  for (const c of Buffer.from(`zarvo daily ${today} 1`)) h = Math.imul(h ^ c, 16777619) >>> 0;
  assert.match(run, new RegExp(`\\nseed ${h}\\n`));
});
