// The same few things done to a page in each browser engine the check drives: chromium through
// playwright-core, Debian's firefox-esr through puppeteer-core over WebDriver BiDi, and WebKitGTK's
// MiniBrowser through WebKitWebDriver over classic WebDriver. The steps in check.js are written
// once against this, so that what differs between engines stays in one file.
//
// A tab has: engine, goto, reload, title, evaluate, waitFor, wait, click(x, y), press('Control+C'),
// type, screenshot(file, clip), pixel([x, y]), clearClipboard, readClipboard, setOffline, cookies,
// problems, close; and lacks, which names what an engine's driver cannot do here, and why.
'use strict';
const { execFile, spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const zlib = require('zlib');
const { watchDrawing } = require('./page');

const viewport = { width: 1280, height: 800 };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A PNG's pixels as RGB, from any the engines send: 8 bits a channel, RGB or RGBA, not interlaced.
function decodePng(png) {
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const [depth, colour, , , interlace] = png.subarray(24, 29);
  if (depth !== 8 || (colour !== 2 && colour !== 6) || interlace)
    throw new Error(`a PNG of a kind the check does not read (depth ${depth}, colour type ${colour})`);
  const data = [];
  for (let offset = 8; offset < png.length;) {
    const length = png.readUInt32BE(offset);
    if (png.toString('ascii', offset + 4, offset + 8) === 'IDAT')
      data.push(png.subarray(offset + 8, offset + 8 + length));
    offset += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const channels = colour === 6 ? 4 : 3;
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? pixels[y * stride + i - channels] : 0;
      const up = y ? pixels[(y - 1) * stride + i] : 0;
      const corner = y && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
      let value = line[i];
      if (filter === 1) value += left;
      else if (filter === 2) value += up;
      else if (filter === 3) value += (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - corner;
        const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
        value += a <= b && a <= c ? left : b <= c ? up : corner;
      }
      pixels[y * stride + i] = value & 255;
    }
  }
  return { width, height, at: (x, y) => [...pixels.subarray((y * width + x) * channels, (y * width + x) * channels + 3)] };
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  for (let k = 0; k < 8; ++k)
    n = n & 1 ? 0xedb88320 ^ (n >>> 1) : n >>> 1;
  return n >>> 0;
});
function crc32(buffer) {
  let crc = 0xffffffff;
  for (const byte of buffer)
    crc = crcTable[(crc ^ byte) & 255] ^ (crc >>> 8);
  return (crc ^ 0xffffffff) >>> 0;
}

// A part of a picture as a PNG of its own, for the driver that can only take the whole page.
function cropPng(png, { x, y, width, height }) {
  const picture = decodePng(png);
  [x, y] = [Math.max(0, Math.round(x)), Math.max(0, Math.round(y))];
  width = Math.min(Math.round(width), picture.width - x);
  height = Math.min(Math.round(height), picture.height - y);
  const raw = Buffer.alloc((width * 3 + 1) * height);
  for (let row = 0; row < height; ++row)
    for (let column = 0; column < width; ++column)
      raw.set(picture.at(x + column, y + row), row * (width * 3 + 1) + 1 + column * 3);
  const chunk = (type, body) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(body.length);
    head.write(type, 4, 'ascii');
    const tail = Buffer.alloc(4);
    tail.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])));
    return Buffer.concat([head, body, tail]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width);
  header.writeUInt32BE(height, 4);
  header.set([8, 2, 0, 0, 0], 8);
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
                        chunk('IDAT', zlib.deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}

// Firefox and WebKit run as real windows on the X display check.sh starts, and copy to its
// clipboard, which xclip reads as any other program on the desktop would.
// Nothing on the clipboard reads as no text, as the browser's own clipboard does.
const readX = () => new Promise((resolve) => {
  execFile('xclip', ['-selection', 'clipboard', '-o'], { timeout: 5000 },
           (error, stdout) => resolve(error ? '' : stdout));
});
const xClipboard = {
  // xclip stays behind, holding the empty text, until the browser copies something; its first
  // process ends at once, and the clipboard is empty once its second one owns it.
  clearClipboard: async () => {
    await new Promise((resolve, reject) => {
      const child = spawn('xclip', ['-selection', 'clipboard', '-i'], { stdio: ['pipe', 'ignore', 'ignore'] });
      child.on('error', reject);
      child.on('exit', (code) => code ? reject(new Error(`xclip could not clear the clipboard (${code})`)) : resolve());
      child.stdin.end('');
    });
    for (let i = 0; await readX(); ++i) {
      if (i === 50)
        throw new Error('the X clipboard is not cleared');
      await sleep(20);
    }
  },
  readClipboard: readX,
};

// 'Control+Shift+Tab' as the keys to hold and the one to press.
function chord(keys) {
  const parts = keys.split('+');
  const key = parts.pop() || '+';
  return { modifiers: parts, key: parts.length && key.length === 1 ? key.toLowerCase() : key };
}

function outside(base, url) {
  return !url.startsWith(base) && !/^(data|blob):/.test(url);
}

function chromiumTab(context, page, base, name = 'the page') {
  const problems = [];
  context.on('request', (request) => {
    if (!request.url().startsWith(base))
      problems.push(`${name} asked for ${request.url()}`);
  });
  page.on('console', (message) => {
    if (message.type() === 'error')
      problems.push(`${name}'s console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`${name}: ${error.message}`));
  return {
    engine: 'chromium', page, context, lacks: {},
    goto: (url) => page.goto(url),
    reload: () => page.reload(),
    title: () => page.title(),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    waitFor: (fn, timeout) => page.waitForFunction(fn, null, { timeout }),
    wait: (ms) => page.waitForTimeout(ms),
    click: (x, y) => page.mouse.click(x, y),
    press: (key) => page.keyboard.press(key),
    type: (text) => page.keyboard.type(text),
    screenshot: (file, clip) => page.screenshot({ path: file, clip }),
    // One pixel, from a screenshot of it alone (a page at one device pixel to a CSS pixel).
    pixel: async ([x, y]) => decodePng(await page.screenshot({ clip: { x, y, width: 1, height: 1 } })).at(0, 0),
    clearClipboard: () => page.evaluate(() => navigator.clipboard.writeText('')),
    readClipboard: () => page.evaluate(() => navigator.clipboard.readText()),
    setOffline: (offline) => context.setOffline(offline),
    cookies: async () => (await context.cookies()).map((cookie) => cookie.name),
    problems: async () => problems,
    close: () => context.close(),
  };
}

async function chromium(browser, base, name) {
  const context = await browser.newContext({ viewport });
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await context.addInitScript(watchDrawing);
  return chromiumTab(context, await context.newPage(), base, name);
}

async function firefox(base) {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: false,
    args: ['--width=1400', '--height=1000'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.evaluateOnNewDocument(watchDrawing);
    const problems = [];
    page.on('request', (request) => {
      if (outside(base, request.url()))
        problems.push(`the page asked for ${request.url()}`);
    });
    page.on('console', (message) => {
      if (message.type() === 'error')
        problems.push(`the page's console: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`the page: ${error.message}`));
    return {
      engine: 'firefox', page, lacks: {}, ...xClipboard,
      goto: (url) => page.goto(url),
      reload: () => page.reload(),
      title: () => page.title(),
      evaluate: (fn, arg) => page.evaluate(fn, arg),
      waitFor: (fn, timeout) => page.waitForFunction(fn, { timeout, polling: 100 }),
      wait: sleep,
      click: (x, y) => page.mouse.click(x, y),
      press: async (keys) => {
        const { modifiers, key } = chord(keys);
        for (const modifier of modifiers)
          await page.keyboard.down(modifier);
        // Puppeteer's WebDriver BiDi keyboard knows the space bar by its character alone.
        await page.keyboard.press(key === 'Space' ? ' ' : key);
        for (const modifier of modifiers.reverse())
          await page.keyboard.up(modifier);
      },
      type: (text) => page.keyboard.type(text),
      screenshot: (file, clip) => page.screenshot({ path: file, clip }),
      pixel: async ([x, y]) => decodePng(await page.screenshot({ clip: { x, y, width: 1, height: 1 } })).at(0, 0),
      setOffline: (offline) => page.setOfflineMode(offline),
      cookies: async () => (await page.cookies()).map((cookie) => cookie.name),
      problems: async () => problems,
      close: () => browser.close(),
    };
  } catch (error) {
    await browser.close();
    throw error;
  }
}

// Classic WebDriver's names for the keys the steps press.
const webdriverKeys = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009',
  Alt: '\uE00A', Escape: '\uE00C', Space: ' ', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Delete: '\uE017',
};

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    }).on('error', reject);
  });
}

function miniBrowser() {
  const found = fs.readdirSync('/usr/lib', { withFileTypes: true })
    .filter((entry) => entry.isDirectory())
    .map((entry) => `/usr/lib/${entry.name}/webkit2gtk-4.1/MiniBrowser`)
    .find((file) => fs.existsSync(file));
  if (!found)
    throw new Error('no MiniBrowser under /usr/lib/*/webkit2gtk-4.1 (Debian\'s libwebkit2gtk-4.1-0 has it)');
  return found;
}

// WebKitWebDriver speaks classic WebDriver over HTTP: a few requests made with node's own fetch
// do all the check needs, with nothing more to pin than for chromium and firefox.
async function webkit(base) {
  const binary = miniBrowser();
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: ['ignore', 'ignore', 'pipe'] });
  let driverSaid = '';
  driver.stderr.on('data', (text) => { driverSaid += text; });
  const address = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    const response = await fetch(address + path, {
      // A browser that stops answering fails the step rather than the whole check's time.
      signal: AbortSignal.timeout(120000),
      method, headers: { 'Content-Type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok)
      throw new Error(`WebKitWebDriver, ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }
  let session = '';
  const close = async () => {
    if (session)
      await call('DELETE', session).catch(() => {});
    driver.kill();
  };
  try {
    for (let i = 0; ; ++i) {
      if (await call('GET', '/status').then((status) => status.ready, () => false))
        break;
      if (i === 100 || driver.exitCode !== null)
        throw new Error(`WebKitWebDriver did not start: ${driverSaid.trim()}`);
      await sleep(100);
    }
    const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary, args: ['--automation'] },
    } } });
    session = `/session/${sessionId}`;
    const S = (path) => session + path;
    await call('POST', S('/timeouts'), { script: 90000, pageLoad: 60000 });
    // The window's size, less what the browser puts around the page, makes the page's size.
    let size = { ...viewport };
    for (let i = 0; i < 2; ++i) {
      await call('POST', S('/window/rect'), size);
      const inner = await call('POST', S('/execute/sync'), { script: 'return [innerWidth, innerHeight]', args: [] });
      size = { width: size.width + viewport.width - inner[0], height: size.height + viewport.height - inner[1] };
    }
    // Without a way to run a script before the page's own, errors are watched from the moment
    // each page has loaded, and requests are read from the page's resource timing.
    const problems = [];
    const watch = () => call('POST', S('/execute/sync'), { script: `
      if (!window.checkProblems) {
        window.checkProblems = [];
        const error = console.error;
        console.error = (...what) => { window.checkProblems.push("the page's console: " + what.join(' ')); error(...what); };
        addEventListener('error', (event) => window.checkProblems.push('the page: ' + event.message));
        addEventListener('unhandledrejection', (event) => window.checkProblems.push('the page: ' + event.reason));
      }`, args: [] });
    const gather = async () => {
      const { seen, asked } = await call('POST', S('/execute/sync'), { script: `return {
        seen: window.checkProblems || [],
        asked: [location.href, ...performance.getEntriesByType('resource').map((entry) => entry.name)] }`, args: [] });
      for (const problem of [...seen, ...asked.filter((url) => outside(base, url))
                                                  .map((url) => `the page asked for ${url}`)])
        if (!problems.includes(problem))
          problems.push(problem);
    };
    const evaluate = async (fn, arg, tries = 2) => {
      const { result, error } = await call('POST', S('/execute/async'), {
        script: `const done = arguments[arguments.length - 1];
          Promise.resolve().then(() => (${fn})(arguments[0]))
            .then((result) => done({ result }), (error) => done({ error: String(error && error.stack || error) }));`,
        args: [arg === undefined ? null : arg],
      }).catch(async (failure) => {
        // Now and then, while the program starts, WebKit loses a script's answer on its way back.
        if (tries > 1 && /Could not parse script result/.test(failure.message)) {
          await sleep(200);
          return { result: await evaluate(fn, arg, tries - 1) };
        }
        throw failure;
      });
      if (error)
        throw new Error(error);
      return result;
    };
    const keys = (actions) => call('POST', S('/actions'), { actions: [{ type: 'key', id: 'keyboard', actions }] });
    const screenshot = async () => Buffer.from(await call('GET', S('/screenshot')), 'base64');
    return {
      engine: 'webkit', lacks: {
        setOffline: 'WebKitWebDriver has no way to take the network away from the page',
        initScripts: 'classic WebDriver runs no script of the check\'s before the page\'s own',
        watchedFromLoad: 'classic WebDriver reports neither console nor requests: errors are watched ' +
                         'from the moment each page has loaded, requests read from its resource timing',
        backtab: 'WebKitWebDriver sends Shift+Tab with the key "Unidentified", which Qt takes for no key',
      }, ...xClipboard,
      goto: async (url) => { await call('POST', S('/url'), { url }); await watch(); },
      reload: async () => { await gather(); await call('POST', S('/refresh'), {}); await watch(); },
      title: () => call('GET', S('/title')),
      evaluate,
      waitFor: async (fn, timeout) => {
        for (const end = Date.now() + timeout; !(await evaluate(fn));) {
          if (Date.now() > end)
            throw new Error(`waited ${timeout} ms in vain for ${fn}`);
          await sleep(100);
        }
      },
      wait: sleep,
      click: (x, y) => call('POST', S('/actions'), { actions: [{
        type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: [
          { type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y), duration: 0 },
          { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }],
      }] }),
      press: (combination) => {
        const { modifiers, key } = chord(combination);
        const [held, pressed] = [modifiers.map((name) => webdriverKeys[name]), webdriverKeys[key] || key];
        return keys([...held.map((value) => ({ type: 'keyDown', value })),
                     { type: 'keyDown', value: pressed }, { type: 'keyUp', value: pressed },
                     ...held.reverse().map((value) => ({ type: 'keyUp', value }))]);
      },
      type: (text) => keys([...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
      screenshot: async (file, clip) => {
        const png = await screenshot();
        fs.writeFileSync(file, clip ? cropPng(png, clip) : png);
      },
      pixel: async ([x, y]) => decodePng(await screenshot()).at(Math.round(x), Math.round(y)),
      setOffline: () => { throw new Error('WebKitWebDriver cannot take the network away'); },
      cookies: async () => (await call('GET', S('/cookie'))).map((cookie) => cookie.name),
      problems: async () => { await gather(); return problems; },
      close,
    };
  } catch (error) {
    await close();
    throw error;
  }
}

module.exports = { chromium, chromiumTab, firefox, webkit };
