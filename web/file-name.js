// The name of a downloaded PDF: the kind, and the name made safe for a file
// name on every system (letters, digits, spaces and - _ only, not too long).

const MAX_NAME = 60;

export function safeFileName(kind, name) {
  const safe = Array.from(name.normalize('NFC'))
    .map((ch) => (/[\p{L}\p{N}\p{M} _-]/u.test(ch) ? ch : '_'))
    .slice(0, MAX_NAME)
    .join('')
    .replace(/\s+/gu, ' ')
    .trim();
  return safe && /[\p{L}\p{N}]/u.test(safe) ? `${kind} - ${safe}.pdf` : `${kind}.pdf`;
}
