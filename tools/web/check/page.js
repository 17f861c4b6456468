// What the page check and the benchmark share: Debian's chromium, launched headless as this
// machine allows, and a watch on the page's WebGL for the moment the first window is drawn.
'use strict';
const { chromium } = require('playwright-core');

// The time of the first frame drawn after the first upload of a window-sized picture, which is
// when the main window appears.
function watchDrawing() {
  window.firstWindowDrawn = 0;
  let uploaded = false;
  const wrap = (prototype) => {
    if (!prototype)
      return;
    for (const name of ['texImage2D', 'texSubImage2D']) {
      const original = prototype[name];
      prototype[name] = function (...args) {
        const [width, height] = name === 'texImage2D' ? [args[3], args[4]] : [args[4], args[5]];
        if (width >= 300 && height >= 300)
          uploaded = true;
        return original.apply(this, args);
      };
    }
    for (const name of ['drawArrays', 'drawElements']) {
      const original = prototype[name];
      prototype[name] = function (...args) {
        if (uploaded && !window.firstWindowDrawn)
          window.firstWindowDrawn = performance.now();
        return original.apply(this, args);
      };
    }
  };
  wrap(window.WebGLRenderingContext && WebGLRenderingContext.prototype);
  wrap(window.WebGL2RenderingContext && WebGL2RenderingContext.prototype);
}

function launch() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    // Software WebGL, as on a machine without a graphics card; nothing fetched from elsewhere.
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           '--ignore-gpu-blocklist', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--no-first-run', '--disable-quic'],
  });
}

module.exports = { watchDrawing, launch };
