// Hands a file the page made to the browser to save, without a dialog.

export function saveFile(blob, fileName) {
  const link = document.createElement('a');
  link.download = fileName;
  link.href = URL.createObjectURL(blob);
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}
