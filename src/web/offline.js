// Lets the game be played without the network, and installed as an app,
// once the page has been opened: the service worker, sw.js, keeps the site.
// Opened from the disk, the page says how to serve it instead.
"use strict";

// The folder this page was opened from, as a shell would take it.
function pageFolder() {
    const folder = decodeURIComponent(location.pathname.replace(/[^/]*$/, "")).replace(/^\/([A-Za-z]:)/, "$1");
    return /^[\w./:-]+$/.test(folder) ? folder : `"${folder}"`;
}

if (location.protocol === "file:") {
    loadFailed("a browser runs WebAssembly only from a page served over http. To play from this folder, run "
        + `python3 -m http.server -d ${pageFolder()} and open http://localhost:8000/ in the browser`);
    // Whatever the page then finds missing is missing for that reason.
    loadFailed = () => {};
} else if ("serviceWorker" in navigator) {
    // Once the page has all it needs, so that the worker's copy of the site
    // does not hold up the game's own files. Without a worker the page
    // plays as before, from the network.
    addEventListener("load", () => navigator.serviceWorker.register("sw.js").catch(() => {}));
}
