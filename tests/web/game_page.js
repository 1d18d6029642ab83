// What every browser test of the game needs: where the page and the desktop program are, the
// running game's state dump, the page point of a game pixel, the picture as the player sees it,
// and the desktop build's headless runner to compare with.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { decodePng, gamePicture } = require('./pictures');

const ROOT = path.resolve(__dirname, '../..');
const PAGE = process.env.ZARVO_PAGE || path.join(ROOT, 'build-web/zarvo.html');
const NATIVE = path.resolve(process.env.ZARVO_NATIVE || path.join(ROOT, 'build/zarvo'));
const SHOTS = process.env.ZARVO_SHOTS;
const W = 622, H = 513;
const DUMP = 'JSON.parse(Module.ccall("zarvo_dump", "string", [], []))';

// The keys most tests press, as the browser names them, and a letter key.
const KEYS = {
  Enter: ['Enter', 'Enter', 13], Left: ['ArrowLeft', 'ArrowLeft', 37],
  Up: ['ArrowUp', 'ArrowUp', 38], Right: ['ArrowRight', 'ArrowRight', 39],
};
const letter = (c) => [c.toLowerCase(), `Key${c}`, c.charCodeAt(0)];

// Opens the game's page at `url` in `page`, waits until the game has started and answers where
// its canvas stands on the page.
async function openGame(page, url) {
  await page.send('Page.navigate', { url });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000,
                     'the game to start');
  return page.evaluate(`(() => {
    const r = document.getElementById("screen").getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  })()`);
}

// The game in the page that `getPage()` shows, its picture at the place `getCanvas()` measured.
function gameView(getPage, getCanvas) {
  // The running game's state dump, or one field of it.
  const state = (field) => getPage().evaluate(field ? `${DUMP}.${field}` : DUMP);
  const waitState = (condition, timeout = 20000) =>
    getPage().waitFor(`(d => ${condition})(${DUMP})`, timeout, condition);
  // The page point at the middle of a game pixel.
  const at = (x, y) => {
    const canvas = getCanvas();
    const f = canvas.width / W;
    return [canvas.left + (x + 0.5) * f, canvas.top + (y + 0.5) * f];
  };
  // The game's picture as the screen shows it (kept in ZARVO_SHOTS under `name`).
  const picture = async (name) => {
    const png = await getPage().screenshot();
    if (SHOTS) fs.writeFileSync(path.join(SHOTS, `${name}.png`), png);
    const canvas = getCanvas();
    return gamePicture(decodePng(png), Math.round(canvas.left), Math.round(canvas.top),
                       Math.round(canvas.width / W), W, H);
  };
  // A button of the game's screens by its name in the code (Title_Score_Button): its edges
  // (both included) and its centre X, Y, as the game has them.
  const button = async (name) => {
    const b = await getPage().evaluate(
      `JSON.parse(Module.ccall("zarvo_button", "string", ["string"], [${JSON.stringify(name)}]))`);
    if (!b) throw new Error(`the game has no button ${name}`);
    return b;
  };
  const clickGame = (x, y) => getPage().click(...at(x, y));
  // Holds an arrow key until the condition on the dump holds.
  const holdUntil = async (key, condition) => {
    await getPage().key('down', ...KEYS[key]);
    try {
      await waitState(condition, 10000);
    } finally {
      await getPage().key('up', ...KEYS[key]);
    }
  };
  // From the title: the score screen's DEL empties the table, so that the next game's score
  // enters it, and Enter goes back to the title.
  const emptyTable = async () => {
    const score = await button('Title_Score_Button'), del = await button('Score_Delete_Button');
    await clickGame(score.X, score.Y);
    await waitState('d.Sponsor_Score_On');
    await clickGame(del.X, del.Y);
    await waitState('d.screens.Score_Points.slice(0, 10).every(p => p === 0)');
    await getPage().press(...KEYS.Enter);
    await waitState('!d.Sponsor_Score_On');
  };
  // From the title: a game whose first cut, left, up and back right, claims floor and scores.
  const scoreACut = async () => {
    await getPage().press(...KEYS.Enter);
    await waitState('!d.Sponsor_On && d.Playing && !d.Game_Halted');
    const { Ego_Col: col, Ego_Row: row } = await state();
    await holdUntil('Left', `d.Ego_Col <= ${col - 6}`);
    await holdUntil('Up', `d.Ego_Row <= ${row - 3}`);
    await holdUntil('Right', 'd.Fliese_Claimed > 0');
    await waitState('d.Score > 0');
  };
  return { state, waitState, at, picture, button, clickGame, holdUntil, emptyTable, scoreACut };
}

// The headless runner of the desktop build over a script, in a folder of its own holding the
// given score file (or none): its dump, sound log and last picture.
function runNative(script, frames, scoreFile) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-native-'));
  try {
    fs.writeFileSync(path.join(dir, 'input.txt'), script);
    if (scoreFile) fs.writeFileSync(path.join(dir, 'Zarvo.Scr'), scoreFile);
    execFileSync(NATIVE, ['--headless', '--frames', String(frames), '--input', 'input.txt',
                          '--dump', 'dump.json', '--sound-log', 'sounds.txt', '--shot', 'shot.bmp',
                          ...(scoreFile ? ['--scores', 'Zarvo.Scr'] : [])],
                 { cwd: dir });
    const read = (name) => fs.readFileSync(path.join(dir, name));
    return { dump: read('dump.json').toString(), sounds: read('sounds.txt').toString(),
             shot: read('shot.bmp') };
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

module.exports = { ROOT, PAGE, NATIVE, SHOTS, W, H, DUMP, KEYS, letter, openGame, gameView,
                   runNative };
