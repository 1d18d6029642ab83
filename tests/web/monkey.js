// A random but repeatable input script: keys, direction keys held and let go, pointer moves
// and clicks everywhere but on the title's Quit button.
'use strict';

function monkeyScript(seed, frames) {
  let x = seed >>> 0;
  const random = (n) => {
    x = (Math.imul(x, 1664525) + 1013904223) >>> 0;
    return Math.floor((x / 4294967296) * n);
  };
  const lines = [`seed ${seed}`];
  const held = new Set();
  const directions = ['up', 'down', 'left', 'right'];
  const keys = [13, 13, 32, 32, 8, 0, 65, 77, 90, 113];
  for (let f = 1; f <= frames; ++f) {
    const roll = random(100);
    if (roll < 6) {
      const d = directions[random(4)];
      lines.push(`${f} ${held.has(d) ? 'release' : 'hold'} ${d}`);
      if (held.has(d)) held.delete(d); else held.add(d);
    } else if (roll < 9) {
      lines.push(`${f} key ${keys[random(keys.length)]}`);
    } else if (roll < 11) {
      const px = random(622), py = random(513);
      if (px >= 530 && py >= 440) continue;
      lines.push(`${f} move ${px} ${py}`, `${f} click`);
    }
  }
  return lines.join('\n') + '\n';
}

module.exports = { monkeyScript };
