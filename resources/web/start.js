// Starts MJ Calculator in the page: checks that the browser can run it, downloads the program
// with a progress bar, and hands it the page's screen. Everything comes from this folder.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const programBytes = Number(document.currentScript.dataset.programBytes) || 0;
  // The benchmark starts its peer, the plain sheet, with the same page.
  const program = document.currentScript.dataset.program || 'mjcalc';
  const show = (id) => {
    for (const notice of ['loading', 'failed', 'ended', 'screen'])
      $(notice).hidden = notice !== id;
  };
  const fail = (reason) => {
    $('reason').textContent = reason;
    show('failed');
  };

  // What the program uses of the browser, each named if it is missing. Windows are drawn on 2D
  // canvases, so a browser whose graphics driver is refused, or whose WebGL is switched off,
  // still runs it.
  const lacking = [
    [typeof WebAssembly === 'object', 'WebAssembly, which MJ Calculator is built for'],
    [!!document.createElement('canvas').getContext('2d'), 'the 2D canvas, on which MJ Calculator draws its windows'],
    [typeof Element.prototype.attachShadow === 'function', 'the shadow DOM, which holds MJ Calculator\'s windows'],
    [typeof ResizeObserver === 'function', 'resize observers, by which MJ Calculator follows the page\'s size'],
    [typeof PointerEvent === 'function', 'pointer events, by which MJ Calculator follows the mouse and touches'],
  ].filter(([present]) => !present).map(([, what]) => what);
  if (lacking.length) {
    fail(`This browser lacks ${lacking.join('; ')}. A current Firefox, Chrome, Edge or Safari has everything.`);
    return;
  }

  show('loading');
  const megabytes = (bytes) => (bytes / 1e6).toFixed(1);
  const progress = (done, total) => {
    $('progress').max = total || 1;
    $('progress').value = Math.min(done, total || 1);
    $('status').textContent = total
      ? `Downloading the program: ${megabytes(done)} of ${megabytes(total)} MB`
      : 'Downloading the program…';
  };

  // Read in pieces for the progress bar. A server that compresses it says the compressed size,
  // not what arrives here, so the size comes from the build.
  async function download(url) {
    const response = await fetch(url);
    if (!response.ok)
      throw new Error(`${url}: ${response.status} ${response.statusText}`);
    if (!response.body)
      return new Uint8Array(await response.arrayBuffer());
    const total = programBytes || Number(response.headers.get('Content-Length')) || 0;
    const reader = response.body.getReader();
    const pieces = [];
    let done = 0;
    for (;;) {
      const { done: finished, value } = await reader.read();
      if (finished)
        break;
      pieces.push(value);
      done += value.length;
      progress(done, total);
    }
    const whole = new Uint8Array(done);
    let at = 0;
    for (const piece of pieces) {
      whole.set(piece, at);
      at += piece.length;
    }
    return whole;
  }

  function loadScript(url) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = url;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${url} could not be loaded`));
      document.head.appendChild(script);
    });
  }

  $('again').addEventListener('click', () => location.reload());

  (async () => {
    progress(0, programBytes);
    const [bytes] = await Promise.all([download(`${program}.wasm`), loadScript(`${program}.js`)]);
    $('status').textContent = 'Starting…';
    const compiled = await WebAssembly.compile(bytes);
    show('screen');
    // A service worker keeps the program's files, so that the page starts without a network;
    // registered once they are here, so that it finds them in the browser's cache.
    if ('serviceWorker' in navigator && window.isSecureContext)
      navigator.serviceWorker.register('sw.js').catch((error) => console.warn(error));
    // Qt names the factory of each program after it.
    await window[`${program}_entry`]({
      qtContainerElements: [$('screen')],
      qtFontDpi: 96,
      instantiateWasm(imports, done) {
        WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled));
        return {};
      },
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      // Each message the program shows, read out by a screen reader: the canvas says nothing.
      announce(text) {
        $('spoken').textContent = '';
        requestAnimationFrame(() => { $('spoken').textContent = text; });
      },
      // The program ends when its last window closes, as on a desktop.
      programEnded() {
        show('ended');
        $('again').focus();
      },
      onAbort(what) {
        fail(`MJ Calculator stopped: ${what}`);
      },
    });
  })().catch((error) => {
    console.error(error);
    fail(`MJ Calculator could not be loaded: ${error.message || error}`);
  });
})();
