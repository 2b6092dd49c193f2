// Starts compiling the WebAssembly core the moment this small script arrives,
// while the page's bundle is still on its way: the first sample then waits
// for whichever comes last instead of for both in turn. The bundle picks the
// compiled module up from `gridoraCoreModule` (see core.js).
'use strict';

if (typeof WebAssembly === 'object' && typeof WebAssembly.compile === 'function') {
  const url = 'gridora-core.wasm';
  const whole = () => fetch(url).then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes));
  // A server that sends the core without the application/wasm type cannot
  // stream it: compile the whole file instead.
  globalThis.gridoraCoreModule = typeof WebAssembly.compileStreaming === 'function'
    ? WebAssembly.compileStreaming(fetch(url)).catch(whole)
    : whole();
  globalThis.gridoraCoreModule.catch(() => {}); // the bundle reports it
}
