// Lets the game be played without the network, and installed as an app,
// once the page has been opened: the service worker, sw.js, keeps the site.
// A new release, once the worker has it all, waits for the player: the
// page offers it between games, and the Update button puts it in force.
// Taken in another tab, it is in force here too: this page, which asks for
// nothing more once it has loaded, plays on and offers it at its next menu.
"use strict";

// Whether a release other than this page's is ready: waiting, or in force
// since another tab took it.
let newRelease = false;
// Whether the player took the new release in this page.
let updating = false;
// Whether this page has every file it asks for: its own, once loaded, and
// the game's code, once fetched.
let fetchedAll = false;

// Offers the new release between games only. Its words are set as the offer
// appears, in a live region shown since the page loaded, so that screen
// readers say them, and taken away as a game starts; set only when they
// change, so that they are said once each time.
function showOffer() {
    const shown = newRelease && !document.body.classList.contains("playing");
    const said = document.getElementById("update"), words = shown ? "A new version is ready" : "";
    if (said.textContent !== words) {
        said.textContent = words;
    }
    document.getElementById("update-now").hidden = !shown;
}

// A release installed and waiting while this page plays the one in force:
// the page offers it.
function offerUpdate(registration) {
    if (registration.waiting && navigator.serviceWorker.controller) {
        newRelease = true;
        showOffer();
    }
}

// The player takes the new release: it takes over from the old in every
// tab, and this page loads again, whole from the new one.
async function takeUpdate() {
    const registration = await navigator.serviceWorker.getRegistration();
    if (registration?.waiting) {
        updating = true;
        registration.waiting.postMessage("take over");
    } else {
        location.reload(); // in force already, another tab having taken it
    }
}

// A new release took over this page. Taken here, or while this page was
// still loading (its files would be of two releases), the page loads again;
// otherwise it plays on with what it has and offers the new one.
function releaseChanged() {
    if (updating || !fetchedAll) {
        location.reload();
    } else {
        newRelease = true;
        showOffer();
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
    navigator.serviceWorker.addEventListener("controllerchange", releaseChanged);
    // The page's games come and go as its class says.
    new MutationObserver(showOffer).observe(document.body, { attributeFilter: ["class"] });
    addEventListener("load", () => {
        Promise.allSettled([gameCode]).then(() => (fetchedAll = true));
        keepSite().catch(() => {});
    });
}
