// Compares the frame time of two or more builds of the page side by side, in one headless
// Chromium, the pages taking turns round after round so that a machine that grows busier or
// quieter meanwhile weighs on every page alike:
//
//   node bench/web_frame_compare.js [rounds, default 3] PAGE.html PAGE.html ...
//
// Each turn opens the page, gives it the keyboard as a player's click does, and times 2000
// frames of difficulty 3 level 8 (drawn and shown on the page's canvas) through zarvo_bench.
// Prints each turn's 10th percentile (the frames the machine's other work left alone), median,
// mean, 90th and 99th percentile and slowest frame, then every page's figures over all its
// frames, and its size.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { Browser, sleep } = require('../tests/web/cdp');
const { takeKeyboard } = require('./web_support');

const args = process.argv.slice(2);
const rounds = /^\d+$/.test(args[0] || '') ? Number(args.shift()) : 3;
const pages = args.map((p) => path.resolve(p));
const FRAMES = 2000;
if (pages.length === 0) {
  console.error('usage: node bench/web_frame_compare.js [rounds] PAGE.html [PAGE.html ...]');
  process.exit(2);
}

function figures(times) {
  const sorted = [...times].sort((a, b) => a - b);
  const q = (p) => sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
  const mean = sorted.reduce((a, b) => a + b, 0) / sorted.length;
  return `10th ${q(0.1).toFixed(3)} ms, median ${q(0.5).toFixed(3)}, mean ${mean.toFixed(3)}, ` +
         `90th ${q(0.9).toFixed(3)}, 99th ${q(0.99).toFixed(3)}, ` +
         `slowest ${sorted[sorted.length - 1].toFixed(3)}`;
}

async function frameTimes(page, file) {
  await page.send('Page.navigate', { url: `file://${file}?seed=1` });
  await page.waitFor('typeof Module === "object" && Module.zarvoStartupMs !== undefined', 60000);
  await takeKeyboard(page);
  await sleep(500);
  return page.evaluate(`(() => {
    const at = Module.ccall("zarvo_bench", "number", ["number", "number", "number"],
                            [3, 8, ${FRAMES}]);
    return Array.from(new Float64Array(Module.HEAPU8.buffer, at, ${FRAMES}));
  })()`);
}

(async () => {
  const { browser, page } = await Browser.launch({ width: 1300, height: 1100 });
  const all = pages.map(() => []);
  try {
    await page.send('Page.enable');
    for (let round = 1; round <= rounds; ++round) {
      for (const [i, file] of pages.entries()) {
        const times = await frameTimes(page, file);
        all[i].push(...times);
        console.log(`round ${round} ${path.basename(file)}: ${figures(times)}`);
      }
    }
    console.log(`over ${rounds} rounds of ${FRAMES} frames of difficulty 3 level 8:`);
    for (const [i, file] of pages.entries()) {
      console.log(`  ${file} (${fs.statSync(file).size} bytes): ${figures(all[i])}`);
    }
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
