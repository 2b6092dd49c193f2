// What the Paper panel tells the user about printing: what to choose in the
// browser's print dialog, a warning when the sheet would come out shrunk on
// the paper printers of the browser's region usually hold (browsers fit a
// page to the paper: an A4 sheet on Letter prints at 94 %, Letter on A4 at
// 97 %), and that a Squared sheet turned sideways has long cells.

/** The sentence on what to choose in the print dialog. */
export function printAdvice(paperLabel, landscape) {
  return `In the print dialog, choose ${paperLabel} paper${landscape ? ', landscape' : ''}, and a scale of ` +
    '100 % (“Actual size”), not “Fit to page”.';
}

/**
 * The whole percentage a sheet of `sheet` inches prints at on paper of
 * `paper` inches turned the same way, when that is less than 100.
 */
export function shrunkTo(sheet, paper) {
  const fit = Math.min(paper.width / sheet.width, paper.height / sheet.height);
  return fit < 1 ? Math.floor(100 * fit + 1e-9) : null;
}

/** The warning for a sheet that the usual paper would shrink, or ''. */
export function scaleWarning(chosen, usual) {
  const percent = chosen.label === usual.label ? null : shrunkTo(chosen.inches, usual.inches);
  if (percent === null) return '';
  return `Printers in this browser's region usually hold ${usual.label} paper. On ${usual.label}, this ` +
    `${chosen.label} sheet prints shrunk to ${percent} %: choose the paper your printer holds.`;
}

/** The note on a sideways Squared sheet (`kind` is the kind's id), or ''. */
export function landscapeNote(kind, landscape) {
  return kind === 'squared' && landscape
    ? 'Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, ' +
      'more than twice as wide as they are tall.'
    : '';
}
