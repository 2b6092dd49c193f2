// The papers a browser user can choose, and the printable area on them. The
// browser cannot ask the printer for its unprintable edge, so the sheet keeps
// a quarter-inch margin on every side, inside the edge of ordinary printers.

/** Sizes in tenths of a millimetre or hundredths of an inch: exact integers. */
export const PAPERS = {
  a4: { label: 'A4', width: 2100, height: 2970, perInch: 254 },
  letter: { label: 'Letter', width: 850, height: 1100, perInch: 100 },
  a3: { label: 'A3', width: 2970, height: 4200, perInch: 254 },
  legal: { label: 'Legal', width: 850, height: 1400, perInch: 100 },
};

export const RESOLUTIONS = [300, 600, 1200];

/** The margin on every side, as a quarter of an inch. */
export const MARGIN_PER_INCH = 4;

/**
 * The page for `paper` ('a4' …), `landscape` and `dpi`: the whole sheet in
 * inches, the margin and the printable area in device pixels. The area is the
 * sheet less a margin on each side, truncated to whole pixels.
 */
export function pageLayout(paper, landscape, dpi) {
  const p = PAPERS[paper];
  const wide = landscape ? p.height : p.width;
  const tall = landscape ? p.width : p.height;
  const margin = dpi / MARGIN_PER_INCH; // whole for every resolution offered
  const marginUnits = (2 * p.perInch) / MARGIN_PER_INCH;
  return {
    inches: { width: wide / p.perInch, height: tall / p.perInch },
    margin,
    width: Math.floor(((wide - marginUnits) * dpi) / p.perInch),
    height: Math.floor(((tall - marginUnits) * dpi) / p.perInch),
    cssSize: p.perInch === 254
      ? { width: `${wide / 10}mm`, height: `${tall / 10}mm` }
      : { width: `${wide / 100}in`, height: `${tall / 100}in` },
    pageName: `${paper}-${landscape ? 'landscape' : 'portrait'}`,
  };
}
