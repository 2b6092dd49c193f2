// Keeps the site for use without a network (sw.js) and tells the user when a
// new release has arrived whole and waits: "A new version of Gridora is
// ready", with a button that switches to it. A page opened later, with no
// other page of the old release open, gets the new release by itself.

export function keepUpToDate(notice, reloadButton) {
  if (!('serviceWorker' in navigator)) return;
  const workers = navigator.serviceWorker;
  // The first visit's worker takes the page over too: that is no new release.
  const hadRelease = Boolean(workers.controller);
  let switching = false;
  const offer = () => { notice.hidden = false; };

  workers.addEventListener('controllerchange', () => {
    if (switching) window.location.reload();
    else if (hadRelease) offer(); // another page switched to the new release
  });
  workers.register('sw.js', { updateViaCache: 'none' }).then((registration) => {
    const waitsWhole = (worker) => {
      if (worker.state === 'installed' && workers.controller) offer();
    };
    if (registration.waiting) waitsWhole(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker.addEventListener('statechange', () => waitsWhole(worker));
    });
    // A page left open for days looks for a release when it is shown again.
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'visible') registration.update().catch(() => {});
    });
    reloadButton.addEventListener('click', () => {
      switching = true;
      if (registration.waiting) registration.waiting.postMessage('take-over');
      else window.location.reload();
    });
  }).catch(() => {
    // No worker (a page not served over https, say): the page works online.
  });
}
