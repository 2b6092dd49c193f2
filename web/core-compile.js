// Compiles the WebAssembly core once per page. The page loads this file twice:
// on its own, as a small async script that starts the compile the moment it
// arrives, while the bundle is still on its way; and inside the bundle, which
// asks for the compile when it runs. Whichever runs first starts it, the other
// takes it over, so the first sample waits for whichever of the two arrives
// last instead of for both in turn.

const WASM = 'gridora-core.wasm';

function compile() {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') return null;
  const url = new URL(WASM, document.baseURI);
  const whole = () => fetch(url).then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes));
  // A server that sends the core without the application/wasm type cannot
  // stream it: compile the whole file instead.
  const compiled = typeof WebAssembly.compileStreaming === 'function'
    ? WebAssembly.compileStreaming(fetch(url)).catch(whole)
    : whole();
  compiled.catch(() => {}); // whoever instantiates it reports a failure
  return compiled;
}

/** The core's compiled module (a promise), or null without WebAssembly. */
export function coreCompile() {
  if (globalThis.gridoraCoreModule === undefined) globalThis.gridoraCoreModule = compile();
  return globalThis.gridoraCoreModule;
}

coreCompile();
