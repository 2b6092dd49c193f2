// Compiles the WebAssembly core once per page. The page loads this file twice:
// on its own, as a small async script that starts the compile the moment it
// arrives, while the bundle is still on its way; and inside the bundle, which
// asks for the compile when it runs. Whichever runs first starts it, the other
// takes it over, so the first sample waits for whichever of the two arrives
// last instead of for both in turn.

const WASM = 'gridora-core.wasm';

/**
 * Why the core could not be had from the server, in words for the page. (Told
 * by its name: the script on its own and the bundle each have this module.)
 */
function loadError(reason) {
  const error = new Error(reason);
  error.name = 'CoreLoadError';
  return error;
}

async function compile(url) {
  let response;
  try {
    response = await fetch(url);
  } catch (error) {
    throw loadError(`the connection failed (${error.message}).`);
  }
  if (!response.ok)
    throw loadError(`the server answered ${[response.status, response.statusText].filter(Boolean).join(' ')} for ${WASM}.`);
  // Only a core sent as application/wasm can be compiled as it arrives; a
  // server that sends another type gets the whole file compiled instead.
  const streamed = typeof WebAssembly.compileStreaming === 'function'
    && response.headers.get('Content-Type')?.split(';')[0].trim().toLowerCase() === 'application/wasm';
  try {
    return await (streamed ? WebAssembly.compileStreaming(response) : WebAssembly.compile(await response.arrayBuffer()));
  } catch (error) {
    throw loadError(`${WASM} arrived damaged or incomplete (${error.message}).`);
  }
}

function start() {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') return null;
  // The core of this script's own release: the page asks for its files with
  // the release's name in the query.
  const here = new URL(import.meta.url);
  const compiled = compile(new URL(`${WASM}${here.search}`, here));
  compiled.catch(() => {}); // whoever instantiates it reports a failure
  return compiled;
}

/** The core's compiled module (a promise), or null without WebAssembly. */
export function coreCompile() {
  if (globalThis.gridoraCoreModule === undefined) globalThis.gridoraCoreModule = start();
  return globalThis.gridoraCoreModule;
}

// A worker gets the compiled core from the page instead.
if (typeof document === 'object') coreCompile();
