// Compares the CPU that pages of the game cost the whole browser (Debian's headless Chromium),
// side by side in one run: each round opens every page in turn, each in a browser of its own,
// and measures, for `seconds` each,
//   blank   an empty page (about:blank), the browser's own floor
//   title   the title screen standing (after the click that gives the page the keyboard)
//   game    a level-1 game, started with Enter (sound playing)
// as a share of one core for the whole browser and for the page's main thread (with the
// game's ticks a second, which a loaded machine lowers), and breaks the title's and the game's
// shares down by process and thread (/proc/PID/task/TID/stat), the mean over the rounds.
//
//   node bench/web_cpu.js [seconds, default 10] [rounds, default 3] PAGE...
//
// A PAGE is the path of a zarvo.html, or `canvas` for a page that only puts a 622 x 513
// picture into a canvas at every tick (41.7 a second) shown at the same size as the game's:
// what drawing the picture costs with no game and no sound. The load average is printed
// with every round, since other work on the machine drifts the figures.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Browser, sleep } = require('../tests/web/cdp');
const { takeKeyboard } = require('./web_support');

const SECONDS = Number(process.argv[2] || 10);
const ROUNDS = Number(process.argv[3] || 3);
const PAGES = process.argv.slice(4);
const TICKS = 100;  // clock ticks per second of /proc/PID/stat on Linux

// The page that only animates a canvas: new pixels every 24 ms, put in as the game puts them.
// Options (canvas:scale=1,smooth=1,part=100,draw=0,timer=1): the picture shown at that many
// CSS pixels per pixel (default the largest size that fits, as the game's page does),
// smoothed instead of pixelated, only a part x part square put in, nothing put in (the
// animation frames alone), a timer instead of the animation frames.
function canvasPage(options) {
  return `<!doctype html><html><head><style>
  html, body { margin: 0; height: 100%; background: #000; overflow: hidden; }
  canvas { position: absolute; }
  canvas.pixelated { image-rendering: pixelated; }
</style></head><body><canvas id="screen" width="622" height="513"></canvas><script>
  const o = Object.assign({ scale: 0, smooth: 0, part: 0, draw: 1, timer: 0 }, ${JSON.stringify(options)});
  const canvas = document.getElementById("screen"), W = 622, H = 513;
  // As the game's page shows it: the largest size that fits above a line of help.
  const s = o.scale || Math.min(innerWidth / W, (innerHeight - 22) / H);
  Object.assign(canvas.style, { width: W * s + "px", height: H * s + "px",
                                left: (innerWidth - W * s) / 2 + "px", top: "0px" });
  if (!o.smooth) canvas.className = "pixelated";
  const context = canvas.getContext("2d", { alpha: false });
  const image = new ImageData(W, H), pixels = new Uint32Array(image.data.buffer);
  let next = 0, n = 0;
  const draw = () => {
    if (!o.draw) return;
    pixels.fill(0xff000000 | (n++ * 0x10307) & 0xffffff);
    if (o.part) context.putImageData(image, 0, 0, 100, 100, o.part, o.part);
    else context.putImageData(image, 0, 0);
  };
  const frame = (t) => {
    if (t >= next) {
      next = Math.max(next + 24, t);
      draw();
    }
    requestAnimationFrame(frame);
  };
  if (o.timer) setInterval(draw, 24); else requestAnimationFrame(frame);
  window.Module = { zarvoStartupMs: 0 };
</script></body></html>`;
}

// Every thread of the browser's processes: "process/thread" -> CPU seconds so far.
function threadTimes(root) {
  const parents = new Map();
  for (const name of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(name)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${name}/stat`, 'utf8');
      parents.set(Number(name), Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]));
    } catch (e) { /* gone */ }
  }
  const times = new Map();
  for (const pid of parents.keys()) {
    let p = pid;
    while (p && p !== root) p = parents.get(p);
    if (!p) continue;
    let kind;
    try {
      // Chromium rewrites its processes' command lines into one string.
      kind = processKind(fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').split(/[\0 ]/));
    } catch (e) { continue; }
    let tasks = [];
    try { tasks = fs.readdirSync(`/proc/${pid}/task`); } catch (e) { continue; }
    for (const tid of tasks) {
      try {
        const stat = fs.readFileSync(`/proc/${pid}/task/${tid}/stat`, 'utf8');
        const name = stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')'));
        const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
        // Threads of one name in one process (the thread pools) count together.
        const key = `${kind}/${name.replace(/\d+$/, '#')}:${pid}`;
        times.set(key, (times.get(key) || 0) + (Number(fields[11]) + Number(fields[12])) / TICKS);
      } catch (e) { /* gone */ }
    }
  }
  return times;
}

function processKind(args) {
  const type = args.find((a) => a.startsWith('--type='));
  if (!type) return 'browser';
  const sub = args.find((a) => a.startsWith('--utility-sub-type='));
  if (sub) return sub.slice('--utility-sub-type='.length).replace(/\.mojom\..*$/, '');
  return type.slice('--type='.length);
}

// The CPU of the browser and of the page's main thread over `seconds`, with its breakdown.
async function share(browser, page, seconds) {
  const metrics = async () => Object.fromEntries(
      (await page.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  const t0 = threadTimes(browser.proc.pid), m0 = await metrics(), start = Date.now();
  await sleep(seconds * 1000);
  const t1 = threadTimes(browser.proc.pid), m1 = await metrics();
  const wall = (Date.now() - start) / 1000;
  const threads = new Map();
  let total = 0;
  for (const [key, t] of t1) {
    const used = (t - (t0.get(key) || 0)) / wall;
    // The process id goes: processes of one kind count together.
    const name = key.replace(/:\d+$/, '');
    threads.set(name, (threads.get(name) || 0) + used);
    total += used;
  }
  return { browser: total, main: (m1.TaskDuration - m0.TaskDuration) / wall, threads };
}

async function measure(target) {
  const { browser, page } = await Browser.launch({ width: 1300, height: 1100 });
  try {
    await page.send('Page.enable');
    await page.send('Performance.enable');
    await sleep(1000);
    const blank = await share(browser, page, SECONDS);
    await page.send('Page.navigate', { url: `file://${target}?seed=1` });
    await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000);
    await takeKeyboard(page);
    await sleep(2000);
    const title = await share(browser, page, SECONDS);
    const isGame = await page.evaluate('typeof Module.ccall === "function"');
    if (isGame) {
      await page.press('Enter', 'Enter', 13);
      await sleep(2000);
    }
    const dump = (field) => (isGame ? page.evaluate(
        `JSON.parse(Module.ccall("zarvo_dump", "string", [], [])).${field}`) : 0);
    const f0 = await dump('Frame_Count');
    const game = await share(browser, page, SECONDS);
    const rate = ((await dump('Frame_Count')) - f0) / SECONDS;
    return { blank, title, game, level: isGame ? `level ${await dump('Level')}, ${rate.toFixed(1)}/s` : '-' };
  } finally {
    await browser.close();
  }
}

const percent = (x) => `${(100 * x).toFixed(1)} %`.padStart(7);

// The threads that cost anything in that phase, the costliest first.
function breakdown(phase, sums, names) {
  console.log(`\nthe ${phase} by process/thread, mean over the rounds:`);
  const keys = new Set();
  for (const m of sums) for (const [k, v] of m) if (v >= 0.002) keys.add(k);
  const most = (k) => Math.max(...sums.map((m) => m.get(k) || 0));
  const rows = [...keys].sort((a, b) => most(b) - most(a));
  console.log(`${'process/thread'.padEnd(40)}${names.map((n) => n.padStart(9)).join('')}`);
  for (const k of rows)
    console.log(`${k.padEnd(40)}${sums.map((m) => percent(m.get(k) || 0).padStart(9)).join('')}`);
  const total = (m) => [...m.values()].reduce((a, b) => a + b, 0);
  console.log(`${'total'.padEnd(40)}${sums.map((m) => percent(total(m)).padStart(9)).join('')}`);
}

(async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-cpu-'));
  const given = PAGES.length ? PAGES : [path.join(__dirname, '../build-web/zarvo.html')];
  const pages = given.map((p, i) => {
    if (!/^canvas(:|$)/.test(p)) return path.resolve(p);
    const options = Object.fromEntries(p.slice(7).split(',').filter((o) => o)
                                         .map((o) => o.split('=')).map(([k, v]) => [k, Number(v)]));
    const file = path.join(dir, `canvas-${i}.html`);
    fs.writeFileSync(file, canvasPage(options));
    return file;
  });
  const names = pages.map((p, i) => `${String.fromCharCode(65 + i)}`);
  pages.forEach((p, i) => console.log(`${names[i]}: ${given[i]}` +
                                      (p.startsWith(dir) ? '' : ` (${fs.statSync(p).size} bytes)`)));
  console.log(`${SECONDS} s a measurement, ${ROUNDS} rounds; shares of one core, whole browser / page main thread`);
  console.log('round page  load   blank            title            game (level, ticks a second)');
  const sums = { title: pages.map(() => new Map()), game: pages.map(() => new Map()) };
  try {
    for (let round = 1; round <= ROUNDS; ++round) {
      for (let i = 0; i < pages.length; ++i) {
        const r = await measure(pages[i]);
        const load = os.loadavg()[0].toFixed(2);
        const pair = (s) => `${percent(s.browser)} /${percent(s.main)}`;
        console.log(`${String(round).padStart(5)} ${names[i].padEnd(5)} ${load}  ${pair(r.blank)}  ` +
                    `${pair(r.title)}  ${pair(r.game)} (${r.level})`);
        for (const phase of ['title', 'game']) {
          for (const [name, used] of r[phase].threads)
            sums[phase][i].set(name, (sums[phase][i].get(name) || 0) + used / ROUNDS);
        }
      }
    }
    for (const phase of ['title', 'game']) breakdown(phase, sums[phase], names);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
