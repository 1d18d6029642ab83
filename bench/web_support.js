// What the page measurements share: giving a page the keyboard as a player does.
'use strict';

// A player's click on the note over the picture gives the page the keyboard (and opens the
// sound), so that the game runs; a build of the page without the note (the first ones) is
// given the focus by emulation instead.
async function takeKeyboard(page) {
  if (await page.evaluate('document.getElementById("veil") !== null')) {
    await page.click(650, 550);
    await page.waitFor('document.hasFocus()', 5000);
  } else {
    await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  }
}

module.exports = { takeKeyboard };
