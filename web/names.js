// A class set's names: typed or pasted one per line, or read from a text or
// CSV file (its first column, UTF-8 with or without a byte-order mark, its
// first row a header the user may skip). Surrounding spaces and blank lines
// are dropped; duplicates stay, in order.

function firstColumn(line) {
  if (!line.startsWith('"')) return line.split(',')[0];
  // A quoted field: "" inside it is one quote.
  let field = '';
  for (let i = 1; i < line.length; i++) {
    if (line[i] === '"') {
      if (line[i + 1] !== '"') break;
      i++;
    }
    field += line[i];
  }
  return field;
}

/** The names typed or pasted, one per line. */
export function typedNames(text) {
  return text.split(/\r\n|\r|\n/).map((l) => l.trim()).filter((l) => l);
}

/** The names in a file's text: the first column of each row. */
export function fileNames(text, skipHeader) {
  const rows = text.replace(/^\uFEFF/, '').split(/\r\n|\r|\n/);
  if (skipHeader) rows.shift();
  return rows.map((row) => firstColumn(row).trim()).filter((name) => name);
}
