// Lets the game be played without the network, and installed as an app,
// once the page has been opened: the service worker, sw.js, keeps the site.
// A new release, once the worker has it all, waits for the player: the
// page offers it between games, and the Update button puts it in force.
"use strict";

// A release installed and waiting while this page plays the one in force:
// the page offers it.
function offerUpdate(registration) {
    if (registration.waiting && navigator.serviceWorker.controller) {
        document.getElementById("update").hidden = false;
    }
}

// The player takes the new release: it takes over from the old, and the
// page loads again, whole from the new one.
async function takeUpdate() {
    const registration = await navigator.serviceWorker.getRegistration();
    if (registration?.waiting) {
        navigator.serviceWorker.addEventListener("controllerchange", () => location.reload());
        registration.waiting.postMessage("take over");
    } else {
        location.reload(); // another page took it already
    }
}

// Once the page has all it needs, so that the worker's copy of the site
// does not hold up the game's own files; then the host is asked for a new
// release at once, as a browser does only later. Without a worker the page
// plays as before, from the network.
async function keepSite() {
    const registration = await navigator.serviceWorker.register("sw.js");
    registration.addEventListener("updatefound", () => {
        const worker = registration.installing;
        worker?.addEventListener("statechange", () => offerUpdate(registration));
    });
    offerUpdate(registration);
    await registration.update();
}

if (location.protocol !== "file:" && "serviceWorker" in navigator) {
    document.getElementById("update-now").addEventListener("click", () => takeUpdate().catch(() => location.reload()));
    addEventListener("load", () => keepSite().catch(() => {}));
}
