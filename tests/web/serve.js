// A static web host on 127.0.0.1 serving a folder, on a free port, for the tests that need the
// page served over http (the service worker, frames of another origin); answers its address
// and a stop.
'use strict';
const { spawn } = require('node:child_process');

async function serve(folder) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
                                   '--directory', folder], { stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((resolve, reject) => {
    let text = '';
    server.stdout.on('data', (d) => {
      const m = /port (\d+)/.exec(text += d);
      if (m) resolve(Number(m[1]));
    });
    server.on('exit', () => reject(new Error('the web server ended')));
  });
  const stop = () => new Promise((resolve) => {
    if (server.exitCode !== null || server.signalCode !== null) return resolve();
    server.once('exit', resolve);
    server.kill();
  });
  return { url: `http://127.0.0.1:${port}`, stop };
}

module.exports = { serve };
