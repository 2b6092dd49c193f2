// The sample is shown at a whole number of device pixels per pixel, so no
// ruling is ever smoothed or dropped. With a mouse, about as large as the
// desktop's; on a phone, as wide as the screen; on a tablet, as large as fits
// beside the Paper panel with every control still on the first screen.

import { SAMPLE_HEIGHT, SAMPLE_WIDTH } from './core.js';

// What the touch layout keeps beside the sample: the Paper panel's narrowest
// column, the gap and the page's padding, the window's frame.
const PANEL_COLUMN = 300;
const BESIDE = 24 + 12 + 28;

/** The largest whole factor whose picture fits `room` CSS pixels, at least 1. */
export function fittingFactor(ratio, roomWidth, roomHeight) {
  const across = Math.floor((roomWidth * ratio) / SAMPLE_WIDTH);
  const down = Math.floor((roomHeight * ratio) / SAMPLE_HEIGHT);
  return Math.max(1, Math.min(across, down));
}

function desktopFactor(ratio, room) {
  let factor = Math.max(1, Math.floor((Math.min(room, SAMPLE_WIDTH) * ratio) / SAMPLE_WIDTH));
  if ((SAMPLE_WIDTH * factor) / ratio < 0.75 * SAMPLE_WIDTH && (SAMPLE_WIDTH * (factor + 1)) / ratio <= room)
    factor += 1;
  return factor;
}

/** Sets the sample's size on screen for the window as it is now. */
export function scaleSample(windowBox) {
  const ratio = window.devicePixelRatio || 1;
  const { clientWidth, clientHeight } = document.documentElement;
  const room = Math.max(1, clientWidth - 40);
  const root = document.documentElement.style;
  let factor;
  if (!matchMedia('(pointer: coarse)').matches) {
    factor = desktopFactor(ratio, room);
  } else if (matchMedia('(max-width: 420px)').matches) {
    factor = Math.max(1, Math.floor((room * ratio) / SAMPLE_WIDTH)); // a phone scrolls
  } else {
    const shownHeight = parseFloat(getComputedStyle(document.documentElement).getPropertyValue('--sample-css-h'));
    const aroundSample = windowBox.getBoundingClientRect().height - shownHeight + 24;
    factor = fittingFactor(ratio, clientWidth - PANEL_COLUMN - BESIDE, clientHeight - aroundSample);
  }
  root.setProperty('--sample-css', `${(SAMPLE_WIDTH * factor) / ratio}px`);
  root.setProperty('--sample-css-h', `${(SAMPLE_HEIGHT * factor) / ratio}px`);
}
