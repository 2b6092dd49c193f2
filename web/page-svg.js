// The printed page as SVG, for the browser's print dialog: the whole sheet of
// paper at its real size, and on it, a margin in from its edges, the core's
// page in device pixels of the chosen resolution.

const SVG = 'http://www.w3.org/2000/svg';
// The printed page's faces, shipped with the site (style.css): Liberation
// Sans, as on the desktop, and DejaVu Sans for the characters it lacks.
const PAGE_FACES = ['"Gridora Liberation Sans"', '"Gridora DejaVu Sans"'];
const PAGE_FONT = `${PAGE_FACES.join(', ')}, sans-serif`;

/**
 * Fetches the page's faces (the first time a page needs them), so that the
 * print dialog never sees a page before its letters.
 */
export async function loadPageFaces() {
  await Promise.all(PAGE_FACES.map((face) => document.fonts.load(`12px ${face}`).catch(() => {})));
}

function element(name, attributes) {
  const e = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  return e;
}

/**
 * An <svg> of `layout` (see pageLayout in core.js) showing `ops`. Text goes
 * in as text content only: a name is never markup. `fonts` (PageFonts, or
 * null before they are loaded) puts each line's baseline where the desktop's
 * painter puts it.
 */
export function pageSvg(ops, layout, dpi, fonts) {
  const paperW = layout.inches.width * dpi;
  const paperH = layout.inches.height * dpi;
  const svg = element('svg', {
    width: layout.cssSize.width, height: layout.cssSize.height,
    viewBox: `0 0 ${paperW} ${paperH}`, 'shape-rendering': 'crispEdges',
  });
  // A sixteenth of a pixel inside the printable area, as on the PDF page.
  const inside = 1 / 16;
  const clip = element('clipPath', { id: 'printable' });
  clip.append(element('rect', {
    x: inside, y: inside, width: layout.width - 2 * inside, height: layout.height - 2 * inside,
  }));
  svg.append(clip);
  const area = element('g', {
    transform: `translate(${layout.margin} ${layout.margin})`, 'clip-path': 'url(#printable)',
  });
  svg.append(area);
  for (const op of ops) {
    if (op.op === 'fill') {
      area.append(element('rect', { x: op.x, y: op.y, width: op.w, height: op.h, fill: op.colour }));
    } else if (op.op === 'line') {
      appendLine(area, op);
    } else {
      appendText(area, op, fonts);
    }
  }
  return svg;
}

// Solid lines have square caps; a dotted line is one pen width on, two off,
// flat, its gaps in the brush colour, starting where the core says.
function appendLine(parent, op) {
  const ends = { x1: op.x1, y1: op.y1, x2: op.x2, y2: op.y2, 'stroke-width': op.width };
  if (!op.dotted) {
    parent.append(element('line', { ...ends, stroke: op.colour, 'stroke-linecap': 'square' }));
    return;
  }
  parent.append(element('line', { ...ends, stroke: op.brush, 'stroke-linecap': 'butt' }));
  parent.append(element('line', {
    ...ends, stroke: op.colour, 'stroke-linecap': 'butt',
    'stroke-dasharray': `${op.width} ${2 * op.width}`, 'stroke-dashoffset': op.phase * op.width,
  }));
}

// The browser sets the line (reading order, shaping) in the page's faces.
function appendText(parent, op, fonts) {
  const baseline = fonts ? { y: op.y + fonts.baseline(op.pixels) } : { y: op.y, 'dominant-baseline': 'text-before-edge' };
  const text = element('text', {
    x: op.x, ...baseline, 'font-size': op.pixels,
    'font-family': PAGE_FONT, fill: '#000000', direction: 'ltr', 'unicode-bidi': 'isolate',
  });
  text.setAttributeNS('http://www.w3.org/XML/1998/namespace', 'xml:space', 'preserve');
  text.textContent = op.text;
  parent.append(text);
}
