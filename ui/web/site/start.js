// The program's start in the page: the WebAssembly instantiated from the
// compile the head began, the written sheet taken over, the program started
// (or the tab's kept sheet put back) and copied into the page, and then the
// user's queued actions handed to it (input.js). Every step is short, so
// that on a slow phone none holds up the user's typing for long.
'use strict';

(function () {
    const page = tarnwickPage;

    page.screenWidth = () => window.screen.width || window.innerWidth;
    page.shortDate = () => new Date().toLocaleDateString(undefined, { dateStyle: 'short' });

    // The start runs in slices of a few milliseconds: where it is quick (a
    // desktop) in one, on a slow phone in several, between which the
    // browser takes the user's input and paints.
    let sliceBegan = performance.now();
    const sliceRanFor = (ms) => performance.now() - sliceBegan >= ms;
    const pause = () =>
        new Promise((resolve) => setTimeout(resolve)).then(() => {
            sliceBegan = performance.now();
        });
    const slice = () => (sliceRanFor(8) ? pause() : null);

    // The sheet's first copy into the page, in steps of a few milliseconds
    // each; with no limit, in one.
    page.mirrorSheet = async function (stepMs) {
        let next = 0;
        while (next >= 0) {
            do next = page.module.mirrorFrom(next, 1);
            while (next >= 0 && !sliceRanFor(stepMs));
            if (next >= 0) await pause();
        }
    };

    // What the build wrote into the page beside the sheet, or null.
    function writtenData(id) {
        const block = document.getElementById(id);
        return block ? JSON.parse(block.textContent) : null;
    }

    // The program starts with the tab's session played again when it holds
    // one: every dialog answered as recorded, nothing shown and nothing
    // printed. A record that does not play whole gives the sheet as it stood
    // before the line that did not, and the line under the sheet says so.
    async function startSheet(module) {
        const kept = page.keep.kept();
        if (kept) {
            let replayed;
            try {
                replayed = module.replay(kept);
            } catch (error) {
                replayed = { whole: false, line: 0, why: String((error && error.message) || error) };
            }
            if (!replayed.whole) {
                page.keep.say(`The sheet kept in this tab was restored up to line ${replayed.line} of its record: ` +
                    `${replayed.why}.`);
            }
        } else {
            await module.ccall('tarnwick_start', null, [], [], { async: true });
        }
        await slice();
        // The page comes written with the started sheet (prerender.js): a
        // sheet whose elements stand as written is shown already, but for
        // the focus.
        if (module.showsAsWritten(writtenData('written-sheet') || '')) module.mirrorFocus();
        else await page.mirrorSheet(8);
    }

    function instantiate(imports, receive) {
        // The compilation began with the page (early.js).
        const compiled = window.tarnwickWasm || Promise.reject(new Error('no early compile'));
        compiled
            .then((wasm) => WebAssembly.instantiate(wasm, imports).then((instance) => [instance, wasm]))
            // A server that sends the wrong type for WebAssembly defeats the
            // streaming compile: the bytes then.
            .catch(() =>
                fetch('tarnwick.wasm')
                    .then((response) => response.arrayBuffer())
                    .then((bytes) => WebAssembly.instantiate(bytes, imports))
                    .then((result) => [result.instance, result.module]))
            .then(([instance, wasm]) => receive(instance, wasm));
        return {};
    }

    // A stray swipe must not lose what the user typed. A reload loses
    // nothing now (the tab keeps its sheet), but the browser tells a reload
    // from a tab being closed by neither this event nor any other, and
    // closing the tab does lose the sheet: the question stays while the
    // sheet holds entries.
    function askBeforeLeaving(event) {
        let holds = true;
        try {
            holds = !page.module.closed() && page.module.holdsEntries();
        } catch (error) {
            holds = true;
        }
        if (holds) {
            event.preventDefault();
            event.returnValue = '';
        }
    }

    page.boot = async function () {
        const module = await createTarnwick({ instantiateWasm: instantiate });
        page.module = module;
        await pause();
        // The description of the screen the sheet is built from: the one
        // written into the page, or the program's own.
        const screen = writtenData('screen-description') || JSON.parse(module.screenDescription());
        page.screen = screen;
        tarnwickInput.use(screen);
        page.buildSheet(screen);
        await slice();
        page.buildMenus(screen);
        await slice();
        await startSheet(module);
        document.getElementById('start-again').addEventListener('click', page.startAgain);
        window.addEventListener('beforeunload', askBeforeLeaving);
        document.getElementById('loading').hidden = true;
        // What the user did while the program was on its way, in order, and
        // from here on whatever the user does.
        tarnwickInput.ready(page.run);
        document.body.dataset.ready = 'true';
        // Offline use: the service worker keeps the site. Its first install
        // fetches the whole site again, which takes the processor from the
        // user's first entries: it starts a second after the sheet is up,
        // when the browser is idle. It needs a secure origin (https or
        // localhost); elsewhere the page works online only.
        if ('serviceWorker' in navigator && window.isSecureContext) {
            setTimeout(() => page.whenIdle(() =>
                navigator.serviceWorker.register('sw.js').catch((error) => console.warn(error))), 1000);
        }
    };
})();
