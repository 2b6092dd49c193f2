// Reads the core's painting operations for a printed page (the format is
// described in src/web/paint_list.h) into plain objects.

export function parsePaintList(text) {
  const ops = [];
  for (const line of text.split('\n')) {
    if (!line) continue;
    const space = line.indexOf(' ');
    const verb = line.slice(0, space);
    const rest = line.slice(space + 1);
    if (verb === 'text') {
      // The text is the rest of the line after three numbers, a JSON string.
      const m = /^(-?\d+) (-?\d+) (\d+) (".*")$/s.exec(rest);
      ops.push({ op: 'text', x: +m[1], y: +m[2], pixels: +m[3], text: JSON.parse(m[4]) });
      continue;
    }
    const f = rest.split(' ');
    if (verb === 'line') {
      ops.push({
        op: 'line', x1: +f[0], y1: +f[1], x2: +f[2], y2: +f[3], colour: f[4], width: +f[5],
        dotted: f[6] === 'dot', phase: +f[7], brush: f[8],
      });
    } else if (verb === 'pixels') {
      ops.push({
        op: 'pixels', x: +f[0], y: +f[1], steep: f[2] === 'y', across: f[3] === '+' ? 1 : -1, first: +f[4],
        pen: f[5], gap: f[6], moves: f[7] === '-' ? '' : f[7],
      });
    } else if (verb === 'fill') {
      ops.push({ op: 'fill', x: +f[0], y: +f[1], w: +f[2], h: +f[3], colour: f[4] });
    } else {
      throw new Error(`unknown painting operation: ${verb}`);
    }
  }
  return ops;
}

/** A document of pages, the pages apart by a `page` line: a list of operations per page. */
export function parsePaintPages(text) {
  return text.split(/^page\n/m).map(parsePaintList);
}

/** Where a page's text starts: its sheet is every operation before that. */
export function firstTextIndex(ops) {
  const i = ops.findIndex((op) => op.op === 'text');
  return i < 0 ? ops.length : i;
}
