// make web-check: the page as players meet it, in Debian's chromium, headless, driven by
// playwright-core. node check.js <the folder's address> <a folder for screenshots>
//
// The windows are drawn on a canvas, so the check finds their controls where the layout puts
// them on a page of a given size, and reads what the program says through the clipboard (Ctrl+C
// copies a result) and through the page's spoken line, where every message is written.
'use strict';
const { watchDrawing, launch } = require('./page');
const path = require('path');
const zlib = require('zlib');

const [base, out] = process.argv.slice(2);
let failed = false;

// Places in a window's client area (below its title bar), in CSS pixels. Qt draws each window
// into a canvas of its own in the page, with a title bar of the page's making; the check finds
// the windows by their titles.
const mainTitle = 'V! Mah-Jongg Calculator';
const fanTitle = 'FanCounting';
const at = {
  optionsMenu: [28, 8],
  fancountingMenu: [92, 8],
  sheetBlank: [290, 175], // between the boxes and the dividing line
  sheetBlankRight: [585, 240], // right of the boxes, outside the fan counter opened over it
  whiteDragon: [110, 322], // the fan counter's Picture13
};
// On a phone-sized page (390 x 844) the main window fills the width. Qt gives the on-screen
// keyboard a text field of the page to type into.
const phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true,
                hasTouch: true,
                userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 ' +
                           '(KHTML, like Gecko) Chrome/156.0.0.0 Mobile Safari/537.36' };
const phoneLimitBox = [104, 43];
const phoneEastBox = [247, 42];

const standardBackground = [239, 239, 239];
const gold = [255, 215, 0];
const result = (text) => `Your hand is worth ${text}`;

async function step(name, run) {
  try {
    await run();
    console.log(`ok: ${name}`);
    return true;
  } catch (error) {
    console.log(`FAIL: ${name}: ${error.message}`);
    failed = true;
    return false;
  }
}

function expect(what, actual, expected) {
  if (JSON.stringify(actual) !== JSON.stringify(expected))
    throw new Error(`${what}: got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

async function newContext(browser, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options });
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await context.addInitScript(watchDrawing);
  return context;
}

// Everything the page asks for comes from its own folder; nothing it writes is an error.
function watchPage(context, page, name) {
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
  return problems;
}

async function waitForWindow(page) {
  await page.waitForFunction(() => window.firstWindowDrawn > 0, null, { timeout: 60000 });
  // Qt finishes the frame and takes the keyboard.
  await page.waitForTimeout(500);
}

async function copied(page) {
  await page.evaluate(() => navigator.clipboard.writeText(''));
  await page.keyboard.press('Control+C');
  await page.waitForTimeout(300);
  return page.evaluate(() => navigator.clipboard.readText());
}

async function spoken(page) {
  await page.waitForTimeout(300);
  return page.textContent('#spoken');
}

// The windows in the page, topmost last: title, frame and client area (page coordinates), whether
// the window is the active one, and where its close button is.
function windows(page) {
  return page.evaluate(() => {
    const root = document.querySelector('#qt-shadow-container')?.shadowRoot;
    const rect = (element) => {
      const r = element.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    };
    return [...(root ? root.querySelectorAll('.qt-window') : [])]
      .filter((w) => w.style.display !== 'none')
      .sort((a, b) => Number(a.style.zIndex) - Number(b.style.zIndex))
      .map((w) => {
        const name = w.querySelector('.title-bar .window-name');
        const close = [...w.querySelectorAll('.title-bar .action-button')].pop();
        const c = close && close.getBoundingClientRect();
        return {
          title: name ? name.textContent : '',
          titleFont: name ? getComputedStyle(name).fontFamily : '',
          frame: rect(w),
          client: rect(w.querySelector('canvas')),
          active: !w.classList.contains('inactive'),
          close: c ? [c.x + c.width / 2, c.y + c.height / 2] : null,
        };
      });
  });
}

async function windowNamed(page, title) {
  const found = (await windows(page)).find((w) => w.title === title);
  if (!found)
    throw new Error(`no window titled "${title}" in the page`);
  return found;
}

// A place in a window's client area, in page coordinates.
async function inWindow(page, title, [x, y]) {
  const { client } = await windowNamed(page, title);
  return [client.x + x, client.y + y];
}

async function clickIn(page, title, place) {
  await page.mouse.click(...await inWindow(page, title, place));
  await page.waitForTimeout(300);
}

// The limit box, holding 500 with the pong ticked, has the keys: two deleted make a limit of 5,
// which caps the hand, and two noughts typed make it 500 again.
async function limitBoxTakesKeys(page) {
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  expect('after two Backspaces', (await copied(page)).split('\n')[0],
         `${result('28')}, Capped at the table limit 5, Not East × 4, V! Points 20`);
  await page.keyboard.type('00');
  expect('after two noughts', (await copied(page)).split('\n')[0],
         `${result('28')}, Not East × 4, V! Points 112`);
}

async function chooseMenuItem(page, menu, position) {
  await page.mouse.click(...await inWindow(page, mainTitle, at[menu]));
  await page.waitForTimeout(300);
  for (let i = 0; i < position; ++i)
    await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await page.waitForTimeout(700);
}

// One pixel of the page, read from a screenshot of it alone (a page at one device pixel to a
// CSS pixel, where every PNG filter leaves a lone pixel's value as it is).
async function pixel(page, [x, y]) {
  const png = await page.screenshot({ clip: { x, y, width: 1, height: 1 } });
  const data = [];
  for (let offset = 8; offset < png.length;) {
    const length = png.readUInt32BE(offset);
    if (png.toString('ascii', offset + 4, offset + 8) === 'IDAT')
      data.push(png.subarray(offset + 8, offset + 8 + length));
    offset += 12 + length;
  }
  return [...zlib.inflateSync(Buffer.concat(data)).subarray(1, 4)];
}

async function keptByTheBrowser(context, page) {
  const kept = await page.evaluate(async () => ({
    cookie: document.cookie,
    localStorage: Object.keys(localStorage),
    sessionStorage: Object.keys(sessionStorage),
    indexedDB: (await indexedDB.databases()).map((database) => database.name),
    caches: (await caches.keys()).filter((name) => !name.startsWith('mjcalc-')),
  }));
  kept.cookies = (await context.cookies()).map((cookie) => cookie.name);
  return kept;
}

async function desktop(browser) {
  const context = await newContext(browser);
  const page = await context.newPage();
  const problems = watchPage(context, page, 'the page');

  if (!await step('the page loads, titled; the main window is drawn, active, its title in the sheets\' face', async () => {
    await page.goto(base);
    expect('title', await page.title(), 'MJ Calculator');
    await waitForWindow(page);
    const [main, ...others] = await windows(page);
    expect('windows', [main && main.title, others.length], [mainTitle, 0]);
    expect('active', main.active, true);
    expect('title face', main.titleFont.split(',')[0], '"MJ Calculator Sheets"');
    expect('the face lent by the program is there',
           await page.evaluate(() => document.fonts.check('13px "MJ Calculator Sheets"')), true);
    expect('sheet drawn', await pixel(page, await inWindow(page, mainTitle, at.sheetBlank)),
           standardBackground);
  }))
    return context.close();

  // Typed before anything else: the limit box has the keys from the first moment.
  await step('a limit typed at once, a box ticked with Tab and Space, Ctrl+C copies the result', async () => {
    await page.keyboard.type('500');
    for (let i = 0; i < 38; ++i)
      await page.keyboard.press('Tab');
    await page.keyboard.press('Space');
    expect('copied', await copied(page),
           `${result('28')}, Not East × 4, V! Points 112\nBase = 20\nclosed pong honor: +8 = 28`);
    const { frame } = await windowNamed(page, mainTitle);
    await page.screenshot({ path: path.join(out, 'calculator-web.png'), clip: frame });
  });

  await step('every WebGL context taken away, as a phone or a driver reset does: the window stays ' +
             'drawn and scores', async () => {
    const lost = await page.evaluate(() => {
      for (const context of window.webglContexts)
        context.getExtension('WEBGL_lose_context')?.loseContext();
      return window.webglContexts.length;
    });
    // The page makes none: what it draws is on 2D canvases.
    expect('WebGL contexts the page made', lost, 0);
    await page.waitForTimeout(500);
    expect('sheet drawn', await pixel(page, await inWindow(page, mainTitle, at.sheetBlank)),
           standardBackground);
    await page.keyboard.press('Space');
    await page.keyboard.press('Space');
    expect('copied', (await copied(page)).split('\n')[0], `${result('28')}, Not East × 4, V! Points 112`);
  });

  await step('a typo raises its message, and after OK the keys work at once', async () => {
    for (let i = 0; i < 38; ++i)
      await page.keyboard.press('Shift+Tab');
    await page.keyboard.press('End');
    await page.keyboard.type('x');
    expect('said', await spoken(page), 'MJ Calculator: You made a typo, mahjongaddict');
    await page.screenshot({ path: path.join(out, 'typo.png') });
    await page.keyboard.press('Enter');
    await page.waitForTimeout(300);
    // The x and two noughts go: a limit of 5 caps the hand.
    for (let i = 0; i < 3; ++i)
      await page.keyboard.press('Backspace');
    expect('copied after OK', (await copied(page)).split('\n')[0],
           `${result('28')}, Capped at the table limit 5, Not East × 4, V! Points 20`);
    await page.keyboard.type('00');
  });

  await step('the colour dialog, cancelled, changes nothing; used, with a custom colour, colours the sheet', async () => {
    const sheetBlank = await inWindow(page, mainTitle, at.sheetBlank);
    await chooseMenuItem(page, 'optionsMenu', 2);
    await page.keyboard.press('Escape');
    await page.waitForTimeout(500);
    expect('background after Cancel', await pixel(page, sheetBlank), standardBackground);
    await chooseMenuItem(page, 'optionsMenu', 2);
    await page.keyboard.press('Alt+H'); // the colour's HTML name
    await page.keyboard.press('Control+A');
    await page.keyboard.type('#ffd700');
    await page.keyboard.press('Alt+A'); // kept among the custom colours, which Qt would store
    await page.keyboard.press('Enter');
    await page.waitForTimeout(700);
    expect('background after OK', await pixel(page, sheetBlank), gold);
    await limitBoxTakesKeys(page);
  });

  await step('the fan counter opens a title bar lower and to the right, windows switch by clicking, ' +
             'and once it closes the calculator has the keys', async () => {
    await chooseMenuItem(page, 'fancountingMenu', 2);
    const [main, fan] = await windows(page);
    expect('windows, topmost last', [main.title, fan.title], [mainTitle, fanTitle]);
    expect('active', [main.active, fan.active], [false, true]);
    const step = [fan.frame.x - main.frame.x, fan.frame.y - main.frame.y];
    if (!(step[0] > 10 && step[0] === step[1]))
      throw new Error(`the fan counter opened ${JSON.stringify(step)} from the calculator's corner`);
    await page.screenshot({ path: path.join(out, 'fancounter-web.png') });
    await clickIn(page, fanTitle, at.whiteDragon);
    expect('fans copied', (await copied(page)).split('\n')[0], 'Your FANS 2');
    await clickIn(page, mainTitle, at.sheetBlankRight);
    expect('the calculator active again', (await windows(page)).map((w) => [w.title, w.active]),
           [[fanTitle, false], [mainTitle, true]]);
    expect('the calculator copies', (await copied(page)).split('\n')[0],
           `${result('28')}, Not East × 4, V! Points 112`);
    // The calculator now covers the fan counter: its menu item brings it back on top.
    await chooseMenuItem(page, 'fancountingMenu', 2);
    expect('the fan counter active again', (await windows(page)).map((w) => [w.title, w.active]),
           [[mainTitle, false], [fanTitle, true]]);
    expect('the fan counter copies', (await copied(page)).split('\n')[0], 'Your FANS 2');
    await page.mouse.click(...(await windowNamed(page, fanTitle)).close);
    await page.waitForTimeout(700);
    expect('windows', (await windows(page)).map((w) => [w.title, w.active]), [[mainTitle, true]]);
    await limitBoxTakesKeys(page);
  });

  await step('with the network off, a reload starts the program again', async () => {
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      for (let i = 0; i < 600 && !(await caches.match('mjcalc.wasm')); ++i)
        await new Promise((resolve) => setTimeout(resolve, 100));
    });
    await context.setOffline(true);
    await page.reload();
    await waitForWindow(page);
    await page.keyboard.type('500');
    expect('copied offline', (await copied(page)).split('\n')[0],
           `${result('20')}, Not East × 4, V! Points 80`);
    await context.setOffline(false);
  });

  await step('closing the last window ends the program, and the page offers a new start', async () => {
    await page.mouse.click(...(await windowNamed(page, mainTitle)).close);
    await page.waitForSelector('#ended', { state: 'visible', timeout: 10000 });
    await page.screenshot({ path: path.join(out, 'ended.png') });
    await page.click('#again');
    await page.waitForFunction(() => window.firstWindowDrawn > 0, null, { timeout: 60000 });
  });

  await step('the browser keeps nothing about the player, but the program\'s own files', async () => {
    expect('kept', await keptByTheBrowser(context, page),
           { cookie: '', localStorage: [], sessionStorage: [], indexedDB: [], caches: [], cookies: [] });
  });

  await step('no request outside the folder, no console error', async () => {
    expect('problems', problems, []);
  });
  await context.close();
}

// A browser with no WebGL at all, as where the graphics driver is refused.
async function withoutWebGL() {
  const browser = await launch(['--disable-3d-apis']);
  try {
    const context = await newContext(browser);
    const page = await context.newPage();
    const problems = watchPage(context, page, 'the page without WebGL');
    await step('in a browser without WebGL the program starts and scores', async () => {
      expect('WebGL offered', await page.evaluate(() => !!document.createElement('canvas').getContext('webgl')), false);
      await page.goto(base);
      await waitForWindow(page);
      await page.keyboard.type('500');
      expect('copied', (await copied(page)).split('\n')[0], `${result('20')}, Not East × 4, V! Points 80`);
      expect('problems', problems, []);
    });
    await context.close();
  } finally {
    await browser.close();
  }
}

async function phoneSized(browser) {
  const context = await newContext(browser, phone);
  const page = await context.newPage();
  const problems = watchPage(context, page, 'the phone-sized page');
  await step('on a phone-sized touch screen the on-screen keyboard types, a tap ticks a box, ' +
             'and a swipe brings the result', async () => {
    await page.goto(base);
    await waitForWindow(page);
    await page.touchscreen.tap(...await inWindow(page, mainTitle, phoneLimitBox));
    await page.waitForTimeout(300);
    expect('the keyboard\'s field', await page.evaluate(() => document.activeElement.tagName), 'INPUT');
    await page.keyboard.type('500');
    await page.touchscreen.tap(...await inWindow(page, mainTitle, phoneEastBox));
    await page.waitForTimeout(300);
    expect('copied', (await copied(page)).split('\n')[0], `${result('20')}, East × 6, V! Points 120`);
    // A finger drags the sheet sideways to the results.
    const touch = await context.newCDPSession(page);
    const send = (type, x) => touch.send('Input.dispatchTouchEvent',
                                         { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y: 400 }] });
    await send('touchStart', 300);
    for (let i = 1; i <= 10; ++i) {
      await send('touchMove', 300 - 25 * i);
      await page.waitForTimeout(16);
    }
    await send('touchEnd');
    await page.waitForTimeout(1500);
    await page.screenshot({ path: path.join(out, 'phone-web.png') });
    expect('problems', problems, []);
  });
  await context.close();
}

(async () => {
  const browser = await launch();
  try {
    await desktop(browser);
    await phoneSized(browser);
  } finally {
    await browser.close();
  }
  await withoutWebGL();
  process.exit(failed ? 1 : 0);
})().catch((error) => {
  console.log(`FAIL: ${error.stack || error}`);
  process.exit(1);
});
