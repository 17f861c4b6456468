// make web-bench: start-up in the browser against the plain sheet, and what a page load transfers.
// node bench.js <address of a folder holding index.html (the program) and plainsheet.html>
// Each load is a fresh one, in a new browser context with nothing cached, from a host that sends
// the brotli copies; the program and its peer take turns.
'use strict';
const { watchDrawing, launch } = require('./page');

const [base, rounds = '9'] = process.argv.slice(2);

async function load(browser, page) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  await context.addInitScript(watchDrawing);
  const tab = await context.newPage();
  let transferred = 0;
  tab.on('requestfinished', async (request) => {
    const sizes = await request.sizes().catch(() => null);
    if (sizes)
      transferred += sizes.responseBodySize + sizes.responseHeadersSize;
  });
  await tab.goto(base + page);
  await tab.waitForFunction(() => window.firstWindowDrawn > 0, null, { timeout: 120000 });
  const drawn = await tab.evaluate(() => window.firstWindowDrawn);
  await tab.waitForTimeout(1000); // the service worker's copies, which count as transferred too
  await context.close();
  return { drawn, transferred };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const browser = await launch();
  const times = { program: [], plain: [] };
  let transferred = 0;
  await load(browser, 'index.html'); // warms the machine's own caches, not the browser's
  for (let round = 0; round < Number(rounds); ++round) {
    const program = await load(browser, 'index.html');
    times.program.push(program.drawn);
    transferred = program.transferred;
    times.plain.push((await load(browser, 'plainsheet.html')).drawn);
  }
  await browser.close();
  const program = median(times.program), plain = median(times.plain);
  console.log(`first window drawn, median of ${rounds} fresh loads: ${program.toFixed(0)} ms; ` +
              `the plain sheet ${plain.toFixed(0)} ms (${(program / plain).toFixed(2)})`);
  console.log(`transferred by one fresh load, service worker included: ${(transferred / 1e6).toFixed(2)} MB`);
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
