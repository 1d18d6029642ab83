// A small client of the DevTools protocol for Debian's Chromium in headless mode, spoken over
// the pipe that --remote-debugging-pipe opens (file descriptors 3 and 4), so that the browser
// tests need nothing beyond Node and the browser itself.
'use strict';
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

class Browser {
  // Starts a browser with a fresh profile and a window of width x height CSS pixels.
  static async launch({ width = 1300, height = 1100 } = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvo-chromium-'));
    const args = [
      '--headless=new', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe',
      `--user-data-dir=${profile}`, `--window-size=${width},${height}`,
      '--force-color-profile=srgb', '--hide-scrollbars', '--mute-audio', '--no-first-run',
      '--no-default-browser-check', '--disable-extensions', '--disable-dev-shm-usage',
      'about:blank',
    ];
    const proc = spawn(CHROMIUM, args, { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    const browser = new Browser(proc, profile);
    const { targetInfos } = await browser.send('Target.getTargets');
    const page = targetInfos.find((t) => t.type === 'page');
    const { sessionId } = await browser.send('Target.attachToTarget',
                                             { targetId: page.targetId, flatten: true });
    return { browser, page: new Page(browser, sessionId) };
  }

  constructor(proc, profile) {
    this.proc = proc;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    this.stderr = '';
    proc.stdio[2].on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
    let buffer = '';
    proc.stdio[4].on('data', (chunk) => {
      buffer += chunk.toString('utf8');
      let end;
      while ((end = buffer.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(buffer.slice(0, end)));
        buffer = buffer.slice(end + 1);
      }
    });
    proc.on('exit', () => {
      for (const { reject } of this.pending.values())
        reject(new Error(`the browser ended: ${this.stderr}`));
      this.pending.clear();
    });
  }

  receive(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (!waiting) return;
      if (message.error) waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting.resolve(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.proc.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  async close() {
    try {
      await Promise.race([this.send('Browser.close'), sleep(3000)]);
    } catch (e) { /* already gone */ }
    if (this.proc.exitCode === null && this.proc.signalCode === null) {
      const ended = new Promise((resolve) => this.proc.once('exit', resolve));
      await Promise.race([ended, sleep(3000)]);
      if (this.proc.exitCode === null && this.proc.signalCode === null) {
        this.proc.kill('SIGKILL');
        await Promise.race([ended, sleep(3000)]);
      }
    }
    fs.rmSync(this.profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 200 });
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  // Waits for the next event of that name on this page.
  once(method) {
    return new Promise((resolve) => {
      const listener = (m) => {
        if (m.method !== method || m.sessionId !== this.sessionId) return;
        this.browser.listeners.splice(this.browser.listeners.indexOf(listener), 1);
        resolve(m.params);
      };
      this.browser.listeners.push(listener);
    });
  }

  // Evaluates the expression in the page (awaiting a promise) and answers its value.
  async evaluate(expression) {
    const r = await this.send('Runtime.evaluate',
                              { expression, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) {
      const d = r.exceptionDetails;
      throw new Error(`in the page: ${d.exception ? d.exception.description : d.text}`);
    }
    return r.result.value;
  }

  // Polls the expression until it is true, or fails after timeout ms.
  async waitFor(expression, timeout = 20000, what = expression) {
    const end = Date.now() + timeout;
    for (;;) {
      if (await this.evaluate(expression)) return;
      if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
      await sleep(25);
    }
  }

  async key(type, key, code, keyCode) {
    const text = key.length === 1 ? key : key === 'Enter' ? '\r' : undefined;
    await this.send('Input.dispatchKeyEvent', {
      type: type === 'down' ? (text ? 'keyDown' : 'rawKeyDown') : 'keyUp',
      key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode,
      text: type === 'down' ? text : undefined,
    });
  }

  async press(key, code, keyCode) {
    await this.key('down', key, code, keyCode);
    await this.key('up', key, code, keyCode);
  }

  async mouse(type, x, y) {
    await this.send('Input.dispatchMouseEvent', {
      type, x, y, button: type === 'mouseMoved' ? 'none' : 'left', clickCount: 1,
    });
  }

  async click(x, y) {
    await this.mouse('mouseMoved', x, y);
    await this.mouse('mousePressed', x, y);
    await this.mouse('mouseReleased', x, y);
  }

  // The whole viewport as PNG bytes.
  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

module.exports = { Browser, Page, sleep };
