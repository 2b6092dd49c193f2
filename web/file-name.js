// The name of a downloaded PDF: the kind, and the name made safe for a file
// name on every system (letters with their marks, digits, spaces and - _
// only, not too long).

const MAX_NAME = 60;

// What a reader takes for one letter: a base with its vowel signs and other
// marks (Hindi, Thai), so that a long name is never cut between them.
function* letters(text) {
  if (typeof Intl.Segmenter !== 'function') yield* text;
  else for (const { segment } of new Intl.Segmenter().segment(text)) yield segment;
}

export function safeFileName(kind, name) {
  const kept = [];
  let characters = 0;
  for (const letter of letters(name.normalize('NFC'))) {
    characters += Array.from(letter).length;
    if (kept.length === MAX_NAME || characters > 2 * MAX_NAME) break;
    kept.push(letter.replace(/[^\p{L}\p{N}\p{M} _-]/gu, '_'));
  }
  const safe = kept.join('').replace(/\s+/gu, ' ').trim();
  return safe && /[\p{L}\p{N}]/u.test(safe) ? `${kind} - ${safe}.pdf` : `${kind}.pdf`;
}
