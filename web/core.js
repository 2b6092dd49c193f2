// The sheets, from the WebAssembly build of Gridora's own C++ core. Nothing
// here draws: it calls the core and hands its pixels and pages on.

import createGridoraCore from './gridora-core.js';
import { coreCompile } from './core-compile.js';

export const SAMPLE_WIDTH = 357;
export const SAMPLE_HEIGHT = 397;

/**
 * Loads the core; rejects when the browser cannot run WebAssembly (an error
 * named 'NoWebAssembly') or the core cannot be had from the server (named
 * 'CoreLoadError', its message saying why).
 */
export async function loadCore() {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    const error = new Error('no WebAssembly');
    error.name = 'NoWebAssembly';
    throw error;
  }
  return coreFromModule(coreCompile());
}

/** The core from its compiled module (or a promise of it), as a worker gets it. */
export async function coreFromModule(compiled) {
  return new Core(await instantiateCompiled(Promise.resolve(compiled)));
}

// The core from a module compiled elsewhere; a failure to compile rejects
// instead of leaving Emscripten waiting for ever.
function instantiateCompiled(compiled) {
  return new Promise((resolve, reject) => {
    createGridoraCore({
      instantiateWasm(imports, receive) {
        compiled.then((module) => WebAssembly.instantiate(module, imports)).then(receive, reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

// The core answers null for a choice it cannot draw.
function drawn(at) {
  if (!at) throw new Error('the core cannot draw this choice');
  return at;
}

class Core {
  constructor(module) {
    this.m = module;
  }

  /**
   * The kinds of paper, in the kind box's order, from the core's table:
   * { id, name, sizeLabels, hasSizes, hasVelocity, longCellsSideways } each, as the desktop
   * window shows them (a kind without sizes has empty size labels).
   */
  kinds() {
    this.kindList ??= JSON.parse(this.m.UTF8ToString(this.m._gridora_kinds()));
    return this.kindList;
  }

  /**
   * Redraws the sample picture for the choice and returns its RGBA pixels,
   * a view into the core's memory valid until the next call. The picture's
   * canvas keeps its pen from one sample to the next, as the window's does.
   */
  sample(kind, sizeChoice, position) {
    const at = drawn(this.m._gridora_sample(kind, sizeChoice, position));
    return new Uint8ClampedArray(this.m.HEAPU8.buffer, at, SAMPLE_WIDTH * SAMPLE_HEIGHT * 4);
  }

  /**
   * The page's choices of paper: { papers: [{ name: 'a4', label: 'A4' }, …],
   * resolutions: [300, 600, 1200], defaultDpi: 600 }, papers in the order the
   * Paper box lists them.
   */
  paperChoices() {
    if (!this.choices) this.choices = JSON.parse(this.m.UTF8ToString(this.m._gridora_papers()));
    return this.choices;
  }

  /**
   * The page for `paper` ('a4' …), `landscape` and `dpi`, laid out by the
   * core as gridora-sheet --paper lays it out, a quarter inch in from every
   * edge: { inches: { width, height } of the whole sheet, margin, width and
   * height of the printable area in device pixels, sheet: { width, height }
   * of the whole sheet in device pixels, dpi, cssSize: { width, height } as
   * CSS lengths ('210mm', '8.5in'), pageName: 'a4-portrait' … }. Throws for
   * a paper or resolution the core does not know.
   */
  pageLayout(paper, landscape, dpi) {
    const page = this.withName(paper, (at, bytes) =>
      JSON.parse(this.m.UTF8ToString(this.m._gridora_page_layout(at, bytes, landscape ? 1 : 0, dpi))));
    if (page.error) throw new Error(page.error);
    const { width: wide, height: tall, perInch } = page.units;
    // Metric papers are in tenths of a millimetre, the others in fractions of an inch.
    const css = (units) => (perInch === 254 ? `${units / 10}mm` : `${units / perInch}in`);
    return {
      inches: { width: wide / perInch, height: tall / perInch },
      margin: page.margin,
      width: page.width,
      height: page.height,
      sheet: page.sheet,
      dpi: page.dpi,
      cssSize: { width: css(wide), height: css(tall) },
      pageName: `${page.paper}-${page.landscape ? 'landscape' : 'portrait'}`,
    };
  }

  /** The most bytes of a class list the core reads; a longer one is refused. */
  maxNameListBytes() {
    return this.m._gridora_max_name_list_bytes();
  }

  /**
   * Reads a class list from `bytes` (a Uint8Array of the file, or of the
   * typed names encoded as UTF-8) with the desktop's rules: a CSV file when
   * `fileName` ends in ".csv", one name per line otherwise and for typed
   * names (no file name). Returns { names } or { error, message }: the error
   * the sentence the desktop's class-set dialog shows, in English, and the
   * same as a message for i18n.js's sayMessage.
   */
  readNames(bytes, fileName, skipHeader) {
    return this.withBytes(bytes, (text, textBytes) => this.withName(fileName, (name, nameBytes) =>
      JSON.parse(this.m.UTF8ToString(this.m._gridora_read_names(text, textBytes, name, nameBytes, skipHeader ? 1 : 0)))));
  }

  /**
   * The core's class set: a page for each name, in order, as painting
   * operations (see src/web/paint_list.h), the pages apart by a `page` line,
   * the velocity written with `separator` as the page's language writes it.
   * A name holds no line break: the class list gives none, nor a text input.
   */
  pagesPaint(kind, sizeChoice, position, names, width, height, dpi, separator = '.') {
    return this.withName(names.map((name) => `${name}\n`).join(''), (at, bytes) => this.withName(separator,
      (sepAt, sepBytes) => this.m.UTF8ToString(drawn(this.m._gridora_pages_paint(kind, sizeChoice, position, at, bytes,
        width, height, dpi, sepAt, sepBytes)))));
  }

  /** The printed page as a trace, as gridora-sheet --format trace writes it. */
  pageTrace(kind, sizeChoice, position, name, width, height) {
    return this.withName(name, (at, bytes) =>
      this.m.UTF8ToString(drawn(this.m._gridora_page_trace(kind, sizeChoice, position, at, bytes, width, height))));
  }

  // The name goes over as UTF-8 with its length, NUL characters and all; a
  // lone surrogate is sent as U+FFFD, as the encoder writes it.
  withName(name, use) {
    return this.withBytes(new TextEncoder().encode(name), use);
  }

  withBytes(bytes, use) {
    const at = this.m._malloc(bytes.length + 1);
    try {
      this.m.HEAPU8.set(bytes, at);
      return use(at, bytes.length);
    } finally {
      this.m._free(at);
    }
  }
}
