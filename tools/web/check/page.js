// What the page check and the benchmark share: Debian's chromium, launched headless as this
// machine allows, and a watch on the page's canvases for the moment the first window is drawn.
'use strict';
const { chromium } = require('playwright-core');

// The time the first window-sized picture is put on a canvas, which is when the main window
// appears: Qt draws each window into a 2D canvas of its own. Every WebGL context the page makes
// is kept in window.webglContexts, so that a check can take them away.
function watchDrawing() {
  window.firstWindowDrawn = 0;
  window.webglContexts = [];
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
    if (!window.firstWindowDrawn && image.width >= 300 && image.height >= 300)
      window.firstWindowDrawn = performance.now();
    return put.call(this, image, ...rest);
  };
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, ...rest) {
    const context = getContext.call(this, kind, ...rest);
    if (context && /webgl/.test(kind) && !window.webglContexts.includes(context))
      window.webglContexts.push(context);
    return context;
  };
}

function launch(extraArgs = []) {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    // Software WebGL, as on a machine without a graphics card; nothing fetched from elsewhere.
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           '--ignore-gpu-blocklist', '--disable-background-networking', '--disable-component-update',
           '--disable-sync', '--no-first-run', '--disable-quic', ...extraArgs],
  });
}

module.exports = { watchDrawing, launch };
