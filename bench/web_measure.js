// Measures the browser page (build-web/zarvo.html) in Debian's headless Chromium:
//   start-up   from opening the page to the game's first frame (the pictures and sounds are
//              painted and synthesised in the page first), and the longest the page could not
//              answer input meanwhile (the longest gap between two turns of its event loop)
//   tick rate  frames per second of the title screen (the goal is one per 24 ms)
//   idle CPU   share of one core that the whole browser uses while the title screen stands
//              (and, for comparison, with an empty page), and the page's main-thread share
//   frame      main-thread time of one frame of difficulty 3 level 8, drawn and shown
//   game CPU   share of one core that the whole browser and the page's main thread use in a
//              level-1 game (sound playing)
//
//   node bench/web_measure.js [seconds of idling, default 10]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { Browser, sleep } = require('../tests/web/cdp');
const { takeKeyboard } = require('./web_support');

const PAGE = process.env.ZARVO_PAGE || path.join(__dirname, '../build-web/zarvo.html');
const IDLE_SECONDS = Number(process.argv[2] || 10);
const TICKS = 100;  // clock ticks per second of /proc/PID/stat on Linux

// CPU seconds used so far by the process and all its descendants.
function treeCpuSeconds(root) {
  const parents = new Map(), times = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(Number(name), Number(fields[1]));
      times.set(Number(name), (Number(fields[11]) + Number(fields[12])) / TICKS);
    } catch (e) { /* gone */ }
  }
  let total = 0;
  for (const [pid, t] of times) {
    for (let p = pid; p; p = parents.get(p)) {
      if (p === root) { total += t; break; }
    }
  }
  return total;
}

async function idleShare(browser, page, seconds) {
  const before = treeCpuSeconds(browser.proc.pid);
  const metrics = async () => Object.fromEntries(
      (await page.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  const m0 = await metrics();
  const start = Date.now();
  await sleep(seconds * 1000);
  const wall = (Date.now() - start) / 1000;
  const m1 = await metrics();
  return {
    browser: (treeCpuSeconds(browser.proc.pid) - before) / wall,
    main: (m1.TaskDuration - m0.TaskDuration) / wall,
  };
}

const percent = (x) => `${(100 * x).toFixed(1)} %`;

(async () => {
  const { browser, page } = await Browser.launch({ width: 1300, height: 1100 });
  try {
    await page.send('Page.enable');
    await page.send('Performance.enable');
    // A probe that runs from the page's first moment: every turn of the event loop it can
    // get is a moment in which the page would have answered a key or a click.
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: `
      window.zarvoLongestWait = 0;
      (() => {
        let last = performance.now();
        const turn = () => {
          const now = performance.now();
          window.zarvoLongestWait = Math.max(window.zarvoLongestWait, now - last);
          last = now;
          if (!(window.Module && Module.zarvoStartupMs !== undefined)) setTimeout(turn, 0);
        };
        setTimeout(turn, 0);
      })();` });

    await page.send('Page.navigate', { url: 'about:blank' });
    await sleep(1000);
    const blank = await idleShare(browser, page, IDLE_SECONDS);

    await page.send('Page.navigate', { url: `file://${PAGE}?seed=1` });
    await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000);
    const startup = await page.evaluate('Module.zarvoStartupMs');
    console.log(`page: ${(fs.statSync(PAGE).size / 1048576).toFixed(2)} MiB`);
    const preparing = await page.evaluate('Module.zarvoPreparingMs');
    const longest = await page.evaluate('window.zarvoLongestWait');
    console.log(`start-up: ${startup.toFixed(0)} ms from opening the page to the first frame, ` +
                `${preparing.toFixed(0)} ms of it painting and synthesising the pictures and sounds; ` +
                `the page answered input within ${longest.toFixed(0)} ms throughout`);
    await takeKeyboard(page);

    const frameTimes = (difficulty, level, n) => page.evaluate(`(() => {
      const at = Module.ccall("zarvo_bench", "number", ["number", "number", "number"],
                              [${difficulty}, ${level}, ${n}]);
      return Array.from(new Float64Array(Module.HEAPU8.buffer, at, ${n}));
    })()`);
    for (const [name, difficulty, level] of [['the title', 0, 0], ['difficulty 3 level 8', 3, 8]]) {
      const times = (await frameTimes(difficulty, level, 2000)).sort((a, b) => a - b);
      const q = (p) => times[Math.min(times.length - 1, Math.floor(p * times.length))];
      const mean = times.reduce((a, b) => a + b, 0) / times.length;
      console.log(`frame of ${name}: median ${q(0.5).toFixed(3)} ms, mean ${mean.toFixed(3)} ms, ` +
                  `90th percentile ${q(0.9).toFixed(3)} ms, 99th ${q(0.99).toFixed(3)} ms, slowest ${times[times.length - 1].toFixed(3)} ms ` +
                  `(${times.length} frames, drawn and shown)`);
    }

    const frame = () => page.evaluate('JSON.parse(Module.ccall("zarvo_dump", "string", [], [])).Frame_Count');
    const tickRate = async () => {
      const f0 = await frame(), t0 = Date.now();
      await sleep(5000);
      return (((await frame()) - f0) / ((Date.now() - t0) / 1000)).toFixed(1);
    };
    await sleep(1000);
    const titleRate = await tickRate();
    const idle = await idleShare(browser, page, IDLE_SECONDS);
    console.log(`idle on the title: ${percent(idle.browser)} of a core for the whole browser ` +
                `(an empty page: ${percent(blank.browser)}), ${percent(idle.main)} on the page's main thread`);

    // Enter starts a game, whose picture moves with every tick.
    await page.press('Enter', 'Enter', 13);
    await sleep(1000);
    console.log(`tick rate: ${titleRate} frames/s on the title, ${await tickRate()} in a game ` +
                `(one per 24 ms is 41.7)`);
    const game = await idleShare(browser, page, IDLE_SECONDS);
    const level = await page.evaluate(
        'JSON.parse(Module.ccall("zarvo_dump", "string", [], [])).Level');
    console.log(`in a game of level ${level}: ${percent(game.browser)} of a core for the whole ` +
                `browser, ${percent(game.main)} on the page's main thread`);

  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
