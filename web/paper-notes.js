// What the Paper panel tells the user about printing: what to choose in the
// browser's print dialog, a warning when the sheet would come out shrunk on
// the paper printers of the browser's region usually hold (browsers fit a
// page to the paper: an A4 sheet on Letter prints at 94 %, Letter on A4 at
// 97 %), and that a Squared sheet turned sideways has long cells.

import { tr } from './i18n.js';

/** The sentence on what to choose in the print dialog. */
export function printAdvice(paperLabel, landscape) {
  return landscape
    ? tr('In the print dialog, choose %1 paper, landscape, and a scale of 100 % (“Actual size”), not “Fit to page”.',
      paperLabel)
    : tr('In the print dialog, choose %1 paper, and a scale of 100 % (“Actual size”), not “Fit to page”.', paperLabel);
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
  return tr('Printers in this browser\'s region usually hold %1 paper. On %1, this %2 sheet prints shrunk to %3 %: '
    + 'choose the paper your printer holds.', usual.label, chosen.label, percent);
}

/** The note on a sideways sheet whose cells then stop being square (`kind` from the core's table), or ''. */
export function landscapeNote(kind, landscape) {
  return kind.longCellsSideways && landscape
    ? tr('Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, '
      + 'more than twice as wide as they are tall.')
    : '';
}
