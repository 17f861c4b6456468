// Runs a test program built for the browser under node: node run-test.js prog.js [arguments].
// The program is an Emscripten module made by a factory (Qt links with MODULARIZE); its exit
// status becomes node's. The rule tests set their locales themselves, so node's environment,
// which the program's own does not see, need not reach it.
'use strict';
const path = require('path');

const [program, ...args] = process.argv.slice(2);
if (!program) {
    console.error('usage: node run-test.js program.js [arguments]');
    process.exit(2);
}
// Qt for WebAssembly asks the browser for the player's language at start.
globalThis.navigator ??= { language: 'en-US', languages: ['en-US'] };

const createProgram = require(path.resolve(program));
createProgram({
    arguments: args,
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    quit: (status) => process.exit(status),
    onAbort: (what) => { console.error(`aborted: ${what}`); process.exit(134); },
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
