// make web-check: the page as players meet it, in three browser engines: Debian's chromium,
// headless, driven by playwright-core; Debian's firefox-esr, and WebKitGTK's MiniBrowser, as real
// windows on the X display in DISPLAY, driven over WebDriver BiDi and classic WebDriver
// (engines.js). The steps are the same in each; one an engine cannot take is named with the reason.
//   node check.js <the folder's address> <a folder for screenshots> [engine,engine,...]
//
// The windows are drawn on a canvas, so the check finds their controls where the layout puts
// them on a page of a given size, and reads what the program says through the clipboard (Ctrl+C
// copies a result) and through the page's spoken line, where every message is written.
'use strict';
const { launch } = require('./page');
const engines = require('./engines');
const { readingOrder, inWindow: inWindowOf, ofRole, turnOn, activate } = require('./accessibility');
const path = require('path');

const allEngines = ['chromium', 'firefox', 'webkit'];
const [base, out, chosen = allEngines.join(',')] = process.argv.slice(2);
let failed = false;

// Places in a window's client area (below its title bar), in CSS pixels. Qt draws each window
// into a canvas of its own in the page, with a title bar of the page's making; the check finds
// the windows by their titles.
const mainTitle = 'V! Mah-Jongg Calculator';
const fanTitle = 'FanCounting';
const at = {
  optionsMenu: [28, 8],
  fancountingMenu: [92, 8],
  limitBox: [104, 43],
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

// A step in one engine; cannot maps an engine to why the step is not tried there.
async function step(t, name, run, cannot = {}) {
  const engine = t.engine || t;
  if (cannot[engine]) {
    console.log(`not tried in ${engine}: ${name}: ${cannot[engine]}`);
    return false;
  }
  try {
    await run();
    console.log(`ok [${engine}]: ${name}`);
    return true;
  } catch (error) {
    console.log(`FAIL [${engine}]: ${name}: ${error.message.split('\n')[0]}`);
    failed = true;
    return false;
  }
}

// What only chromium can be asked for, with playwright's emulation and DevTools.
const chromiumOnly = (why) => ({ firefox: why, webkit: why });

function expect(what, actual, expected) {
  if (JSON.stringify(actual) !== JSON.stringify(expected))
    throw new Error(`${what}: got ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

// Where the check's script cannot be in the page before the program, the main window counts as
// drawn once its canvas holds an opaque pixel.
function canvasDrawn() {
  const canvas = document.querySelector('#qt-shadow-container')?.shadowRoot?.querySelector('.qt-window canvas');
  if (!canvas || canvas.width < 300 || canvas.height < 300)
    return false;
  return canvas.getContext('2d')?.getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data[3] === 255;
}

async function waitForWindow(t) {
  await t.waitFor(t.lacks.initScripts ? canvasDrawn : () => window.firstWindowDrawn > 0, 60000);
  // Qt finishes the frame and takes the keyboard.
  await t.wait(500);
}

async function copied(t) {
  await t.clearClipboard();
  await t.press('Control+C');
  await t.wait(300);
  return t.readClipboard();
}

async function spoken(t) {
  await t.wait(300);
  return t.evaluate(() => document.querySelector('#spoken').textContent);
}

// The windows in the page, topmost last: title, frame and client area (page coordinates), whether
// the window is the active one, and where its close button is.
function windows(t) {
  return t.evaluate(() => {
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
          icon: w.querySelector('.title-bar img')?.src || '',
          frame: rect(w),
          client: rect(w.querySelector('canvas')),
          active: !w.classList.contains('inactive'),
          close: c ? [c.x + c.width / 2, c.y + c.height / 2] : null,
        };
      });
  });
}

async function windowNamed(t, title) {
  const found = (await windows(t)).find((w) => w.title === title);
  if (!found)
    throw new Error(`no window titled "${title}" in the page`);
  return found;
}

// A place in a window's client area, in page coordinates.
async function inWindow(t, title, [x, y]) {
  const { client } = await windowNamed(t, title);
  return [client.x + x, client.y + y];
}

async function clickIn(t, title, place) {
  await t.click(...await inWindow(t, title, place));
  await t.wait(300);
}

// The limit box, holding 500 with the pong ticked, has the keys: two deleted make a limit of 5,
// which caps the hand, and two noughts typed make it 500 again.
async function limitBoxTakesKeys(t) {
  await t.press('Backspace');
  await t.press('Backspace');
  expect('after two Backspaces', (await copied(t)).split('\n')[0],
         `${result('28')}, Capped at the table limit 5, Not East × 4, V! Points 20`);
  await t.type('00');
  expect('after two noughts', (await copied(t)).split('\n')[0],
         `${result('28')}, Not East × 4, V! Points 112`);
}

async function chooseMenuItem(t, menu, position) {
  await t.click(...await inWindow(t, mainTitle, at[menu]));
  await t.wait(300);
  for (let i = 0; i < position; ++i)
    await t.press('ArrowDown');
  await t.press('Enter');
  await t.wait(700);
}

async function keptByTheBrowser(t) {
  const kept = await t.evaluate(async () => ({
    cookie: document.cookie,
    localStorage: Object.keys(localStorage),
    sessionStorage: Object.keys(sessionStorage),
    indexedDB: (await indexedDB.databases()).map((database) => database.name),
    caches: (await caches.keys()).filter((name) => !name.startsWith('mjcalc-')),
  }));
  // In one order, whichever the driver sent them in.
  const { cookie, localStorage, sessionStorage, indexedDB, caches } = kept;
  return { cookie, localStorage, sessionStorage, indexedDB, caches, cookies: await t.cookies() };
}

// The page at a desktop's size, used by keyboard and mouse: the same steps in every engine.
async function desktop(t) {
  if (!await step(t, 'the page loads, titled; the main window is drawn, active, its title in the sheets\' face beside the program\'s icon', async () => {
    await t.goto(base);
    expect('title', await t.title(), 'MJ Calculator');
    await waitForWindow(t);
    const [main, ...others] = await windows(t);
    expect('windows', [main && main.title, others.length], [mainTitle, 0]);
    expect('active', main.active, true);
    expect('title face', main.titleFont.split(',')[0], '"MJ Calculator Sheets"');
    expect('the face lent by the program is there',
           await t.evaluate(() => document.fonts.check('13px "MJ Calculator Sheets"')), true);
    // The program's icon follows the first frame; until then the title bar shows Qt's, an SVG.
    let icon = (await windowNamed(t, mainTitle)).icon;
    for (let tries = 0; tries < 50 && !icon.startsWith('data:image/png'); ++tries) {
      await t.wait(100);
      icon = (await windowNamed(t, mainTitle)).icon;
    }
    expect('title-bar icon', icon.slice(0, 'data:image/png'.length), 'data:image/png');
    expect('sheet drawn', await t.pixel(await inWindow(t, mainTitle, at.sheetBlank)), standardBackground);
  }))
    return;

  // Typed before anything else: the limit box has the keys from the first moment.
  await step(t, 'a limit typed at once, a box ticked with Tab and Space, Ctrl+C copies the result', async () => {
    await t.type('500');
    for (let i = 0; i < 38; ++i)
      await t.press('Tab');
    await t.press('Space');
    expect('copied', await copied(t),
           `${result('28')}, Not East × 4, V! Points 112\nBase = 20\nclosed pong honor: +8 = 28`);
    const { frame } = await windowNamed(t, mainTitle);
    await t.screenshot(path.join(out, `calculator-web${suffix(t)}.png`), frame);
  });

  await step(t, 'every WebGL context taken away, as a phone or a driver reset does: the window stays ' +
                'drawn and scores', async () => {
    const lost = await t.evaluate(() => {
      for (const context of window.webglContexts)
        context.getExtension('WEBGL_lose_context')?.loseContext();
      return window.webglContexts.length;
    });
    // The page makes none: what it draws is on 2D canvases.
    expect('WebGL contexts the page made', lost, 0);
    await t.wait(500);
    expect('sheet drawn', await t.pixel(await inWindow(t, mainTitle, at.sheetBlank)), standardBackground);
    await t.press('Space');
    await t.press('Space');
    expect('copied', (await copied(t)).split('\n')[0], `${result('28')}, Not East × 4, V! Points 112`);
  }, { webkit: `the page's WebGL contexts cannot be counted: ${t.lacks.initScripts}` });

  await step(t, 'a typo raises its message, and after OK the keys work at once', async () => {
    if (t.lacks.backtab) {
      console.log(`note [${t.engine}]: the limit box is clicked, not reached with Shift+Tab: ${t.lacks.backtab}`);
      await clickIn(t, mainTitle, at.limitBox);
    } else {
      for (let i = 0; i < 38; ++i)
        await t.press('Shift+Tab');
    }
    await t.press('End');
    await t.type('x');
    expect('said', await spoken(t), 'MJ Calculator: You made a typo, mahjongaddict');
    await t.screenshot(path.join(out, `typo${suffix(t)}.png`));
    await t.press('Enter');
    await t.wait(300);
    // The x and two noughts go: a limit of 5 caps the hand.
    for (let i = 0; i < 3; ++i)
      await t.press('Backspace');
    expect('copied after OK', (await copied(t)).split('\n')[0],
           `${result('28')}, Capped at the table limit 5, Not East × 4, V! Points 20`);
    await t.type('00');
  });

  await step(t, 'the colour dialog, cancelled, changes nothing; used, with a custom colour, colours the sheet', async () => {
    const sheetBlank = await inWindow(t, mainTitle, at.sheetBlank);
    await chooseMenuItem(t, 'optionsMenu', 2);
    await t.press('Escape');
    await t.wait(500);
    expect('background after Cancel', await t.pixel(sheetBlank), standardBackground);
    await chooseMenuItem(t, 'optionsMenu', 2);
    await t.press('Alt+H'); // the colour's HTML name
    await t.press('Control+A');
    await t.type('#ffd700');
    await t.press('Alt+A'); // kept among the custom colours, which Qt would store
    await t.press('Enter');
    await t.wait(700);
    expect('background after OK', await t.pixel(sheetBlank), gold);
    await limitBoxTakesKeys(t);
  });

  await step(t, 'the fan counter opens a title bar lower and to the right, windows switch by clicking, ' +
                'and once it closes the calculator has the keys', async () => {
    await chooseMenuItem(t, 'fancountingMenu', 2);
    const [main, fan] = await windows(t);
    expect('windows, topmost last', [main.title, fan.title], [mainTitle, fanTitle]);
    expect('active', [main.active, fan.active], [false, true]);
    const offset = [fan.frame.x - main.frame.x, fan.frame.y - main.frame.y];
    if (!(offset[0] > 10 && offset[0] === offset[1]))
      throw new Error(`the fan counter opened ${JSON.stringify(offset)} from the calculator's corner`);
    await t.screenshot(path.join(out, `fancounter-web${suffix(t)}.png`));
    await clickIn(t, fanTitle, at.whiteDragon);
    expect('fans copied', (await copied(t)).split('\n')[0], 'Your FANS 2');
    await clickIn(t, mainTitle, at.sheetBlankRight);
    expect('the calculator active again', (await windows(t)).map((w) => [w.title, w.active]),
           [[fanTitle, false], [mainTitle, true]]);
    expect('the calculator copies', (await copied(t)).split('\n')[0],
           `${result('28')}, Not East × 4, V! Points 112`);
    // The calculator now covers the fan counter: its menu item brings it back on top.
    await chooseMenuItem(t, 'fancountingMenu', 2);
    expect('the fan counter active again', (await windows(t)).map((w) => [w.title, w.active]),
           [[mainTitle, false], [fanTitle, true]]);
    expect('the fan counter copies', (await copied(t)).split('\n')[0], 'Your FANS 2');
    await t.click(...(await windowNamed(t, fanTitle)).close);
    await t.wait(700);
    expect('windows', (await windows(t)).map((w) => [w.title, w.active]), [[mainTitle, true]]);
    await limitBoxTakesKeys(t);
  });

  await step(t, 'with the network off, a reload starts the program again', async () => {
    await t.evaluate(async () => {
      await navigator.serviceWorker.ready;
      for (let i = 0; i < 600 && !(await caches.match('mjcalc.wasm')); ++i)
        await new Promise((resolve) => setTimeout(resolve, 100));
    });
    await t.setOffline(true);
    await t.reload();
    await waitForWindow(t);
    await t.type('500');
    expect('copied offline', (await copied(t)).split('\n')[0],
           `${result('20')}, Not East × 4, V! Points 80`);
    await t.setOffline(false);
  }, { webkit: t.lacks.setOffline });

  await step(t, 'closing the last window ends the program, and the page offers a new start', async () => {
    await t.click(...(await windowNamed(t, mainTitle)).close);
    await t.waitFor(() => !document.querySelector('#ended').hidden, 10000);
    await t.screenshot(path.join(out, `ended${suffix(t)}.png`));
    const again = await t.evaluate(() => {
      const r = document.querySelector('#again').getBoundingClientRect();
      return [r.x + r.width / 2, r.y + r.height / 2];
    });
    await t.click(...again);
    await t.wait(500);
    await waitForWindow(t);
  });

  await step(t, 'the browser keeps nothing about the player, but the program\'s own files', async () => {
    expect('kept', await keptByTheBrowser(t),
           { cookie: '', localStorage: [], sessionStorage: [], indexedDB: [], caches: [], cookies: [] });
  });

  if (t.lacks.watchedFromLoad)
    console.log(`note [${t.engine}]: ${t.lacks.watchedFromLoad}`);
  await step(t, 'no request outside the folder, no console error', async () => {
    expect('problems', await t.problems(), []);
  });
}

// A screen reader in chromium, turned on as its user turns it on, hears what chromium's
// accessibility tree holds: every control named as on the desktop, and its state as it changes.
async function screenReader(browser) {
  const t = await engines.chromium(browser, base, 'the page with a screen reader');
  const cdp = await t.context.newCDPSession(t.page);
  const heard = async (title) => inWindowOf(await readingOrder(cdp), title);
  const find = (nodes, role, name) => nodes.find((node) => node.role === role && node.name === name) ||
    { checked: `no ${role} "${name}"`, pressed: `no ${role} "${name}"` };
  const focused = async () => (await readingOrder(cdp))
    .filter((node) => node.focused && node.role !== 'RootWebArea').map((node) => `${node.role} ${node.name}`);
  // What it reads, with the text of each caption, box, button and field, in its order.
  const read = (nodes) => nodes.filter((node) => ['StaticText', 'checkbox', 'button', 'textbox'].includes(node.role))
    .map((node) => node.role === 'StaticText' ? node.name : `${node.role} ${node.name}`);
  const ticked = (nodes) => ofRole(nodes, 'checkbox').filter((box) => box.checked !== 'false').map((box) => box.name);

  if (!await step(t, 'turned on, a screen reader hears each control of the calculator by its desktop name, ' +
                     'captions as text, the limit with its value, the results as live text, row by row', async () => {
    await t.goto(base);
    await waitForWindow(t);
    await t.type('500');
    await turnOn(t.page);
    const calculator = await heard(mainTitle);
    const boxes = ofRole(calculator, 'checkbox');
    expect('boxes named, each its own name', [boxes.length, new Set(boxes.map((box) => box.name)).size,
                                               boxes.filter((box) => !box.name).length], [71, 71, 0]);
    expect('text fields', ofRole(calculator, 'textbox').map((box) => [box.name, box.value]), [['Table limit', '500']]);
    expect('buttons named', ofRole(calculator, 'button').filter((button) => !button.name).length, 0);
    const order = read(calculator);
    const row = order.indexOf('closed kong honor');
    expect('a row, from its caption', order.slice(row, row + 6), ['closed kong honor',
      ...[1, 2, 3, 4].map((n) => `checkbox closed kong honor, meld ${n} of 4`), 'button Hint']);
    const worth = order.indexOf('Your hand is worth');
    expect('a result after its caption', order.slice(worth, worth + 2), ['Your hand is worth', '20']);
    expect('the results as live text', ofRole(calculator, 'generic').filter((node) => node.live === 'polite' &&
      /; Copy result: Ctrl\+C, context menu$/.test(node.description)).length, 2);
    expect('menus', ofRole(calculator, 'menuitem').map((item) => item.name), ['Options', 'Fancounting', 'Help']);
    expect('focused', await focused(), ['textbox Table limit']);
  }))
    return t.close();

  await step(t, 'the focus follows Tab; the boxes\' states follow Space, a click on their element and "Clear ALL"', async () => {
    await t.press('Tab');
    expect('focused after Tab', await focused(), ['checkbox Check when East']);
    await t.press('Space');
    expect('after Space', find(await heard(mainTitle), 'checkbox', 'Check when East').checked, 'true');
    await t.press('Space');
    expect('after Space again', find(await heard(mainTitle), 'checkbox', 'Check when East').checked, 'false');
    await activate(t.page, 'checkbox', 'closed pong honor, meld 1 of 4');
    expect('ticked', ticked(await heard(mainTitle)), ['closed pong honor, meld 1 of 4']);
    expect('copied', (await copied(t)).split('\n')[0], `${result('28')}, Not East × 4, V! Points 112`);
    await activate(t.page, 'button', 'Clear ALL');
    const cleared = await heard(mainTitle);
    expect('after Clear ALL', [ticked(cleared), ofRole(cleared, 'textbox')[0].value], [[], '']);
    expect('focused after Clear ALL', await focused(), ['textbox Table limit']);
    await t.type('500');
  });

  await step(t, 'a message box is an alert dialog with its text, its button focused; after OK the limit box', async () => {
    await t.type('x');
    await t.wait(300);
    const message = await heard('MJ Calculator');
    expect('the dialog', ofRole(await readingOrder(cdp), 'alertdialog').map((dialog) => dialog.name), ['MJ Calculator']);
    expect('what it says', read(message), ['You made a typo, mahjongaddict', 'button OK']);
    expect('focused', await focused(), ['button OK']);
    await t.press('Enter');
    await t.wait(300);
    expect('focused after OK', await focused(), ['textbox Table limit']);
    await t.press('Backspace');
  });

  await step(t, 'the menus work from their elements; the fan counter\'s tiles are named, their states follow ' +
                'clicks on their elements, and its fans are live text', async () => {
    await activate(t.page, 'menuitem', 'Fancounting');
    expect('the menu opened', ofRole(await heard(mainTitle), 'menuitem').map((item) => item.name),
           ['Options', 'Fancounting', 'What gives you a fan (text)', 'Fancalculator', 'Help']);
    await activate(t.page, 'menuitem', 'Fancalculator');
    await t.wait(500);
    const fanCounter = await heard(fanTitle);
    const tiles = ofRole(fanCounter, 'checkbox').filter((box) => /wind|dragons|Flower|Season/.test(box.name));
    expect('tiles named', tiles.length, 23);
    const focus = (await readingOrder(cdp)).filter((node) => node.focused && node.role !== 'RootWebArea');
    expect('focused in the fan counter', focus.map((node) => node.within.includes(fanTitle)), [true]);
    await activate(t.page, 'checkbox', 'Pong or kong of white dragons');
    expect('ticked', ticked(await heard(fanTitle)), ['Pong or kong of white dragons']);
    const fans = read(await heard(fanTitle));
    expect('Your FANS', fans.slice(fans.indexOf('Your FANS'), fans.indexOf('Your FANS') + 2), ['Your FANS', '2']);
    await t.click(...(await windowNamed(t, fanTitle)).close);
    await t.wait(500);
    expect('the fan counter gone', (await heard(fanTitle)).length, 0);
  });

  await step(t, 'turned on after a message and with the fan counter open, it hears both windows', async () => {
    await t.goto(base);
    await waitForWindow(t);
    await t.type('x');
    await t.wait(300);
    await t.press('Enter');
    await chooseMenuItem(t, 'fancountingMenu', 2);
    await turnOn(t.page);
    expect('boxes and tiles', [ofRole(await heard(mainTitle), 'checkbox').length,
                               ofRole(await heard(fanTitle), 'checkbox').length > 23], [71, true]);
    expect('problems', await t.problems(), []);
  });
  await t.close();
}

// Chromium's screenshots keep their names; the other engines' are named after them.
const suffix = (t) => t.engine === 'chromium' ? '' : `-${t.engine}`;

// A browser with no WebGL at all, as where the graphics driver is refused.
async function withoutWebGL() {
  const browser = await launch(['--disable-3d-apis']);
  try {
    const t = await engines.chromium(browser, base, 'the page without WebGL');
    await step(t, 'in a browser without WebGL the program starts and scores', async () => {
      expect('WebGL offered', await t.evaluate(() => !!document.createElement('canvas').getContext('webgl')), false);
      await t.goto(base);
      await waitForWindow(t);
      await t.type('500');
      expect('copied', (await copied(t)).split('\n')[0], `${result('20')}, Not East × 4, V! Points 80`);
      expect('problems', await t.problems(), []);
    });
    await t.close();
  } finally {
    await browser.close();
  }
}

async function phoneSized(browser) {
  const context = await browser.newContext(phone);
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await context.addInitScript(require('./page').watchDrawing);
  const page = await context.newPage();
  const t = engines.chromiumTab(context, page, base, 'the phone-sized page');
  await step(t, 'on a phone-sized touch screen the on-screen keyboard types, a tap ticks a box, ' +
                'and a swipe brings the result', async () => {
    await t.goto(base);
    await waitForWindow(t);
    await page.touchscreen.tap(...await inWindow(t, mainTitle, phoneLimitBox));
    await t.wait(300);
    expect('the keyboard\'s field', await t.evaluate(() => document.activeElement.tagName), 'INPUT');
    await t.type('500');
    // The sheet settles after the limit box takes the focus before a player's finger reaches
    // the next box; the finger rests on the glass for a moment, as a player's does.
    await t.wait(500);
    const touch = await context.newCDPSession(page);
    const [eastX, eastY] = await inWindow(t, mainTitle, phoneEastBox);
    await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: eastX, y: eastY }] });
    await t.wait(80);
    await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await t.wait(500);
    expect('copied', (await copied(t)).split('\n')[0], `${result('20')}, East × 6, V! Points 120`);
    // A finger drags the sheet sideways to the results.
    const send = (type, x) => touch.send('Input.dispatchTouchEvent',
                                         { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y: 400 }] });
    await send('touchStart', 300);
    for (let i = 1; i <= 10; ++i) {
      await send('touchMove', 300 - 25 * i);
      await t.wait(16);
    }
    await send('touchEnd');
    await t.wait(1500);
    await t.screenshot(path.join(out, 'phone-web.png'));
    expect('problems', await t.problems(), []);
  });
  await context.close();
}

// Each engine in turn, so that only one of them has the X clipboard at a time.
const runs = {
  async chromium() {
    const browser = await launch();
    try {
      const t = await engines.chromium(browser, base);
      await desktop(t);
      await t.close();
      await screenReader(browser);
      await phoneSized(browser);
    } finally {
      await browser.close();
    }
    await withoutWebGL();
  },
  async firefox() {
    await inEngine('firefox', engines.firefox);
  },
  async webkit() {
    await inEngine('webkit', engines.webkit);
  },
};

// The runs that need chromium's emulation, named in the other engines' output with the reason.
async function chromiumRunsNotTried(engine) {
  await step(engine, 'what a screen reader hears', null,
             chromiumOnly('the accessibility tree is read through chromium\'s DevTools protocol'));
  await step(engine, 'on a phone-sized touch screen the on-screen keyboard types, a tap ticks a box, and a swipe ' +
               'brings the result', null, chromiumOnly('a phone\'s screen, touch and its swipe are emulated ' +
                                                      'through playwright and chromium\'s DevTools'));
  await step(engine, 'in a browser without WebGL the program starts and scores',
       null, chromiumOnly('a second browser started without WebGL, which chromium\'s run does once for all'));
}

async function inEngine(engine, open) {
  let t;
  await step(engine, `${engine} starts`, async () => {
    if (!process.env.DISPLAY)
      throw new Error('no X display in DISPLAY to open its window on (check.sh starts one with xvfb-run)');
    t = await open(base);
  });
  if (t) {
    try {
      await desktop(t);
    } finally {
      await t.close();
    }
  }
  await chromiumRunsNotTried(engine);
}

(async () => {
  const wanted = chosen.split(',');
  for (const engine of allEngines) {
    if (wanted.includes(engine)) {
      const started = Date.now();
      await runs[engine]();
      console.log(`${engine}: ${((Date.now() - started) / 1000).toFixed(0)} s`);
    } else
      console.log(`not tried in ${engine}: every step: left out by the engines asked for (${chosen})`);
  }
  process.exit(failed ? 1 : 0);
})().catch((error) => {
  console.log(`FAIL: ${error.stack || error}`);
  process.exit(1);
});
